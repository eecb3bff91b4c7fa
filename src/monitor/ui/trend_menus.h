#pragma once

#include "monitor/ui/trend_controls.h"

class QMenuBar;
class QToolBar;
class QWidget;

namespace orvane {

// The menu bar of the main window; captions and states come from the model.
void buildTrendMenus(QMenuBar& bar, TrendControls& controls);

// Toolbar1 with its keyed buttons, tool tips, separators and images.
QToolBar* buildTrendToolbar(QWidget& form, TrendControls& controls);

} // namespace orvane
