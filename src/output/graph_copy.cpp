#include "output/graph_copy.h"

#include <algorithm>

namespace orvane {
namespace {

// Draws a trace from its y array the way the trend graph redraws it: a dot
// at the first sample, then a segment between every two neighbouring points.
void drawTrace(DrawingSurface& box, const SampleArray& ys, int points, int xstep, Rgb colour) {
  if (ys[0] != 0)
    box.drawLine(graph::kFirstX, ys[0], graph::kFirstX, ys[0], colour);
  for (int i = 1; i <= points - 1; ++i) {
    const int x = graph::kFirstX + i * xstep;
    if (ys[i - 1] != 0 && ys[i] != 0)
      box.drawLine(x - xstep, ys[i - 1], x, ys[i], colour);
  }
}

} // namespace

GraphCopy::GraphCopy(const SharedState& state, MessageBoxes& messages, Clipboard& clipboard, Windows windows)
    : state_(state), messages_(messages), clipboard_(clipboard), windows_(std::move(windows)) {}

void GraphCopy::clipboardmenu_Click() {
  const MessageAnswer answer = messages_.show(MessageIcon::Information, MessageButtons::YesNo, "Copy to Clipboard",
                                              "Would you like to include a title for the graph?");
  if (answer == MessageAnswer::Yes)
    windows_.showTitle();
  else
    copyGraph("");
}

void GraphCopy::Command1_Click(const std::string& title) {
  copyGraph(title);
  windows_.hideTitle();
}

void GraphCopy::copyGraph(const std::string& title) {
  GraphSheet& sheet = windows_.graph();
  sheet.setCaption("Graphname", title);
  sheet.picture(GraphKind::Plain).clear();
  sheet.picture(GraphKind::Signed).clear();

  const GraphKind kind = state_.options.checked("directiongraph") ? GraphKind::Signed : GraphKind::Plain;
  sheet.showPicture(kind);
  DrawingSurface& box = sheet.picture(kind);
  // The arrays hold 5001 entries; the graph never shows more than 4999.
  const int points = std::min<int>(state_.graph.maxpoints, kSampleSlots - 2);
  drawTrace(box, state_.graph.speedys, points, state_.graph.xstep, graph::kFrequencyColour);
  drawTrace(box, state_.graph.ampsys, points, state_.graph.xstep, graph::kCurrentColour);
  drawTrace(box, state_.graph.voltsys, points, state_.graph.xstep, graph::kVoltageColour);

  sheet.setCaption("Label32", state_.trend.caption("Label32"));
  sheet.setCaption("Label33", state_.trend.caption("Label33"));

  const QImage picture = sheet.capture();
  clipboard_.setImage(picture);
}

} // namespace orvane
