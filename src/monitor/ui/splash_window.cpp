#include "monitor/ui/splash_window.h"

#include "monitor/ui/svg_image.h"
#include "platform/version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {
namespace {

QLabel* addLabel(QVBoxLayout& layout, const char* name, const QString& text, double pointSize, bool bold) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  label->setFont(font);
  layout.addWidget(label);
  return label;
}

} // namespace

SplashWindow::SplashWindow() : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setFixedSize(480, 320);
  QPalette face = palette();
  face.setColor(QPalette::Window, Qt::white);
  face.setColor(QPalette::WindowText, QColor(40, 48, 64));
  setPalette(face);
  setAutoFillBackground(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 28, 32, 24);
  layout->setSpacing(6);
  auto* logo = new SvgImage(QStringLiteral(":/images/splash_logo.svg"), this);
  logo->setObjectName("imgLogo");
  logo->setFixedSize(400, 150);
  layout->addWidget(logo, 0, Qt::AlignHCenter);
  addLabel(*layout, "lblVersion", QStringLiteral("Version %1").arg(QLatin1String(kVersion)), 10, true);
  layout->addStretch();
  addLabel(*layout, "lblNotice1", QStringLiteral("Live trends, trips and terminal states of your drive."), 9,
           false);
  addLabel(*layout, "lblNotice2",
           QStringLiteral("\u00A9 Orvane Software. This program is protected by copyright law."), 8, false);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

} // namespace orvane
