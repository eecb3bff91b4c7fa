#include "output/ui/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvane {
namespace {

const QUrl kHelpDocument(QStringLiteral("qrc:/help/trend_help.html"));
const QString kContents = QStringLiteral("contents");

} // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
  setWindowTitle(QStringLiteral("Trend Analysis Help"));
  resize(760, 600);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helpText");
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}

void HelpWindow::showContents() {
  if (browser_->source() != kHelpDocument)
    browser_->setSource(kHelpDocument);
  browser_->scrollToAnchor(kContents);
  show();
  raise();
  activateWindow();
}

} // namespace orvane
