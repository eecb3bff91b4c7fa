#pragma once

#include "monitor/ui/window_registry.h"
#include "output/csv_export.h"
#include "output/graph_copy.h"
#include "platform/desktop.h"
#include "platform/message_boxes.h"
#include "state/shared_state.h"

namespace orvane {

// The graph output and help commands of the main window, with the windows
// they use (Graph, Graphtitle, Reading, About and the help viewer), which
// are defined in the window registry here.
class OutputCommands {
public:
  // `trend` is the main window, which owns the dialogs.
  OutputCommands(SharedState& state, MessageBoxes& messages, Desktop desktop, WindowRegistry& windows,
                 QWidget& trend);
  OutputCommands(const OutputCommands&) = delete;
  OutputCommands& operator=(const OutputCommands&) = delete;

  void csvmenu_Click() { export_.csvmenu_Click(); }
  void clipboardmenu_Click() { copy_.clipboardmenu_Click(); }
  void helpmenu_Click();
  void aboutmenu_Click();
  // Mouse presses on the graph boxes, at the box's coordinates in twips;
  // any button.
  void Picture1_MouseDown(float X, float Y);
  void Picture3_MouseDown(float X, float Y);

private:
  void defineWindows(QWidget& trend);
  void showReading(GraphKind box, float X);

  SharedState& state_;
  WindowRegistry& windows_;
  CsvExport export_;
  GraphCopy copy_;
};

} // namespace orvane
