#pragma once

#include "platform/message_boxes.h"

#include <functional>

class QWidget;

namespace orvane {

// Message boxes as modal QMessageBoxes over the main window.
class QtMessageBoxes final : public MessageBoxes {
public:
  // The window the boxes belong to; it may come and go, so it is asked each time.
  void setParentWindow(std::function<QWidget*()> parent) { parent_ = std::move(parent); }

  MessageAnswer show(MessageIcon icon, MessageButtons buttons, const std::string& title,
                     const std::string& text) override;

private:
  std::function<QWidget*()> parent_;
};

} // namespace orvane
