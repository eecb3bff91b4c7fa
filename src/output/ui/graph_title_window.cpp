#include "output/ui/graph_title_window.h"

#include "platform/qt/twips_rect.h"

#include <QLineEdit>
#include <QPushButton>

namespace orvane {

GraphTitleWindow::GraphTitleWindow(QWidget* owner, Handler Command1_Click) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Graph Tiltle"));
  setFixedSize(twipsRect(0, 0, 3450, 930).size());

  title_ = new QLineEdit(this);
  title_->setObjectName("title");
  title_->setGeometry(twipsRect(120, 120, 3210, 330));

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName("Command1");
  ok->setGeometry(twipsRect(2130, 510, 1200, 360));
  connect(ok, &QPushButton::clicked, this,
          [this, handler = std::move(Command1_Click)] { handler(title_->text().toStdString()); });
}

void GraphTitleWindow::showTitle() {
  show();
  raise();
  activateWindow();
  title_->setFocus();
}

} // namespace orvane
