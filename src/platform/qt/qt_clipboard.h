#pragma once

#include "platform/clipboard.h"

namespace orvane {

// The application's QClipboard.
class QtClipboard final : public Clipboard {
public:
  void setImage(const QImage& image) override;
};

} // namespace orvane
