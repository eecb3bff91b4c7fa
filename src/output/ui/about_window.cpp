#include "output/ui/about_window.h"

#include "monitor/ui/svg_image.h"
#include "platform/qt/twips_rect.h"
#include "platform/version.h"

#include <QLabel>
#include <QPushButton>

namespace orvane {
namespace {

QLabel* addLabel(QWidget& box, const char* name, const QString& text, QRect area, double points = 8,
                 bool bold = false) {
  auto* label = new QLabel(text, &box);
  label->setObjectName(name);
  // Plain text keeps every blank as written.
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont font = label->font();
  font.setPointSizeF(points);
  font.setBold(bold);
  label->setFont(font);
  label->setGeometry(area);
  return label;
}

void addSeparator(QWidget& box, const char* name, int top) {
  auto* line = new QFrame(&box);
  line->setObjectName(name);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(twipsRect(240, top, 5265, 30));
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("About Trend Analysis"));
  setFixedSize(twipsRect(0, 0, 5745, 3630).size());

  auto* icon = new SvgImage(QStringLiteral(":/images/app_icon.svg"), this);
  icon->setObjectName("picIcon");
  icon->setGeometry(twipsRect(240, 240, 600, 600));

  addLabel(*this, "lblTitle", QStringLiteral("Orvane Software for >Talvik< Q7 inverters"),
           twipsRect(1020, 240, 4485, 480), 9, true);
  addLabel(*this, "lblVersion", QStringLiteral("Version %1").arg(QLatin1String(kVersion)),
           twipsRect(1020, 660, 2265, 270), 8.5);
  addLabel(*this, "Label1", QStringLiteral("April 2002"), twipsRect(3300, 660, 2205, 270), 8.5)
      ->setAlignment(Qt::AlignRight | Qt::AlignTop);
  addSeparator(*this, "Line1", 1140);
  addLabel(*this, "lblDescription",
           QStringLiteral("Trend  Analysis is an online monitoring tool to plot and record values from the "
                          "Inverter. Suitable for the >Talvik< Q7 range of Inverters"),
           twipsRect(240, 1260, 5265, 1140));
  addSeparator(*this, "Line2", 2460);
  addLabel(*this, "Label4", QStringLiteral("\u00A9 Orvane Software. All rights reserved."),
           twipsRect(240, 2580, 3840, 255), 7.5);
  addLabel(*this, "Label5", QStringLiteral("Linux edition, Qt %1").arg(QString::fromLatin1(qVersion())),
           twipsRect(240, 2850, 3840, 255), 7.5);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  ok->setGeometry(twipsRect(4245, 3060, 1260, 375));
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void AboutWindow::aboutmenu_Click() {
  show();
  raise();
  activateWindow();
}

} // namespace orvane
