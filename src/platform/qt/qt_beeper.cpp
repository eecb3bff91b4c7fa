#include "platform/qt/qt_beeper.h"

#include <QApplication>

namespace orvane {

void QtBeeper::beep() { QApplication::beep(); }

} // namespace orvane
