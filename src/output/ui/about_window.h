#pragma once

#include <QDialog>

namespace orvane {

// The About box (caption "About Trend Analysis"), shown without being
// modal; OK hides it again.
class AboutWindow final : public QDialog {
public:
  explicit AboutWindow(QWidget* owner);

  // Brings the one About box to the front.
  void aboutmenu_Click();
};

} // namespace orvane
