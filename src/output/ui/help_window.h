#pragma once

#include <QWidget>

class QTextBrowser;

namespace orvane {

// The program's help: its own HTML document, shipped in the resources and
// shown in a browser window of its own.
class HelpWindow final : public QWidget {
public:
  HelpWindow();

  // Shows the help at its contents.
  void showContents();

private:
  QTextBrowser* browser_;
};

} // namespace orvane
