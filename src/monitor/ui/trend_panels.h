#pragma once

#include "monitor/ui/trend_controls.h"

class QWidget;

namespace orvane {

// The client area of the main window below its menu bar, laid out in twips:
// Toolbar1 along the top, the two graph boxes one over the other on the
// left, the read-outs and the direction and running indicators on the right,
// the terminal indicators and CLEAR SCREEN along the bottom.
QWidget* buildTrendForm(TrendControls& controls);

} // namespace orvane
