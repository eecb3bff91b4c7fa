#pragma once

#include <QFrame>

namespace orvane {

// The window shown while the program starts: logo, version and two notices.
class SplashWindow final : public QFrame {
public:
  SplashWindow();
};

} // namespace orvane
