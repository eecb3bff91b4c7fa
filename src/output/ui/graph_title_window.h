#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;

namespace orvane {

// The window Graphtitle (caption "Graph Tiltle"): the text box `title` and
// the button Command1 "&OK", shown without being modal. The box keeps the
// title typed last; closing the window copies nothing.
class GraphTitleWindow final : public QDialog {
public:
  using Handler = std::function<void(const std::string& title)>;

  GraphTitleWindow(QWidget* owner, Handler Command1_Click);

  // Shows the window above the others with the last title in the box.
  void showTitle();

private:
  QLineEdit* title_;
};

} // namespace orvane
