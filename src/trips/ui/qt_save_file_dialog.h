#pragma once

#include "trips/trip_page_output.h"

class QWidget;

namespace orvane {

// The system's save-file dialog, modal to its owner, starting in the home
// folder with the suggested name.
class QtSaveFileDialog final : public SaveFileDialog {
public:
  explicit QtSaveFileDialog(QWidget* owner) : owner_(owner) {}
  std::optional<std::string> askSaveFileName(const std::string& title, const std::string& suggestedName,
                                             const std::string& filter) override;

private:
  QWidget* owner_;
};

} // namespace orvane
