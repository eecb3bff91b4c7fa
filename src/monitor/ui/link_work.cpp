#include "monitor/ui/link_work.h"

#include <QApplication>

namespace orvane {

LinkWork::LinkWork(TickGuard& guard) : hold_(guard.hold()) { QApplication::setOverrideCursor(Qt::WaitCursor); }

LinkWork::~LinkWork() { QApplication::restoreOverrideCursor(); }

} // namespace orvane
