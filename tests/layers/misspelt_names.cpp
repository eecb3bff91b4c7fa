#include "monitor/ui/window_names.h"
#include "state/trend_control_names.h"

// The names the wiring hands to the main window and the window registry.
constexpr orvane::TrendControlName command = "startmonmenuu";
constexpr orvane::WindowName window = "SesionViewer";
