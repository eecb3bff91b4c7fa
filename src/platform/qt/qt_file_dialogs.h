#pragma once

#include "platform/file_dialogs.h"

#include <functional>

class QWidget;

namespace orvane {

// File dialogs as QFileDialogs over the main window.
class QtFileDialogs final : public FileDialogs {
public:
  // The window the dialogs belong to; it may come and go, so it is asked each time.
  void setParentWindow(std::function<QWidget*()> parent) { parent_ = std::move(parent); }

  std::string saveFileName(const SaveDialog& request) override;

private:
  std::function<QWidget*()> parent_;
};

} // namespace orvane
