#include "output/ui/output_commands.h"

#include "output/ui/about_window.h"
#include "output/ui/graph_title_window.h"
#include "output/ui/graph_window.h"
#include "output/ui/help_window.h"
#include "output/ui/reading_window.h"
#include "output/value_on_graph.h"

namespace orvane {
namespace {

template <typename Window> Window& loaded(WindowRegistry& windows, WindowName name) {
  return static_cast<Window&>(windows.load(name));
}

} // namespace

OutputCommands::OutputCommands(SharedState& state, MessageBoxes& messages, Desktop desktop,
                               WindowRegistry& windows, QWidget& trend)
    : state_(state), windows_(windows), export_(desktop.files),
      copy_(state, messages, desktop.clipboard,
            GraphCopy::Windows{[&windows]() -> GraphSheet& { return loaded<GraphWindow>(windows, "Graph"); },
                               [&windows] { loaded<GraphTitleWindow>(windows, "Graphtitle").showTitle(); },
                               [&windows] { windows.load("Graphtitle").hide(); }}) {
  defineWindows(trend);
}

void OutputCommands::defineWindows(QWidget& trend) {
  windows_.define("Graph", [] { return new GraphWindow; });
  windows_.define("Graphtitle", [this, &trend] {
    return new GraphTitleWindow(&trend, [this](const std::string& title) { copy_.Command1_Click(title); });
  });
  windows_.define("Reading", [&trend] { return new ReadingWindow(&trend); });
  windows_.define("About", [&trend] { return new AboutWindow(&trend); });
  windows_.define("Help", [] { return new HelpWindow; });
}

void OutputCommands::helpmenu_Click() { loaded<HelpWindow>(windows_, "Help").showContents(); }

void OutputCommands::aboutmenu_Click() { loaded<AboutWindow>(windows_, "About").aboutmenu_Click(); }

void OutputCommands::Picture1_MouseDown(float X, float /*Y*/) { showReading(GraphKind::Plain, X); }

void OutputCommands::Picture3_MouseDown(float X, float /*Y*/) { showReading(GraphKind::Signed, X); }

void OutputCommands::showReading(GraphKind box, float X) {
  if (const std::optional<ReadingTexts> texts = readingAt(state_, box, X))
    loaded<ReadingWindow>(windows_, "Reading").showModal(*texts);
}

} // namespace orvane
