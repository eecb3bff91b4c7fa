#pragma once

#include "output/value_on_graph.h"

#include <QDialog>

class QLabel;

namespace orvane {

// The window Reading: the frequency, current and DC link voltage of the
// sample the user clicked, in Label4, Label5 and Label6. It keeps its last
// texts between uses.
class ReadingWindow final : public QDialog {
public:
  explicit ReadingWindow(QWidget* owner);

  // Shows the texts and waits, modal, until the user closes the window.
  void showModal(const ReadingTexts& texts);

private:
  QLabel* frequency_;
  QLabel* current_;
  QLabel* voltage_;
};

} // namespace orvane
