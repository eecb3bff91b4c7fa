#pragma once

#include "monitor/graph_geometry.h"
#include "platform/clipboard.h"
#include "platform/drawing_surface.h"
#include "platform/message_boxes.h"
#include "state/shared_state.h"

#include <QImage>
#include <functional>
#include <string>

namespace orvane {

// The window Graph as the copy uses it: a copy of the main window's two
// graph boxes with a legend and a title line.
class GraphSheet {
public:
  virtual ~GraphSheet() = default;
  // Picture1 (plain) or Picture3 (signed).
  virtual DrawingSurface& picture(GraphKind box) = 0;
  // Shows that box and hides the other.
  virtual void showPicture(GraphKind box) = 0;
  // Graphname, Label32 or Label33.
  virtual void setCaption(const std::string& label, const std::string& caption) = 0;
  // Shows the window, paints it at once, takes its picture from its own
  // contents (never from the screen) and hides it again.
  virtual QImage capture() = 0;
};

// File ▸ Export Graph ▸ To Clipboard: draws the graph again from the sample
// arrays on Graph, optionally titled, and puts its picture on the clipboard.
class GraphCopy {
public:
  struct Windows {
    std::function<GraphSheet&()> graph; // loads Graph when needed
    std::function<void()> showTitle;    // shows Graphtitle, not modal
    std::function<void()> hideTitle;
  };

  GraphCopy(const SharedState& state, MessageBoxes& messages, Clipboard& clipboard, Windows windows);

  // Asks whether to include a title: Yes shows Graphtitle (its OK makes the
  // copy), No copies at once with an empty title.
  void clipboardmenu_Click();
  // Graphtitle's OK: the copy with the title as typed, then Graphtitle hides.
  void Command1_Click(const std::string& title);

private:
  void copyGraph(const std::string& title);

  const SharedState& state_;
  MessageBoxes& messages_;
  Clipboard& clipboard_;
  Windows windows_;
};

} // namespace orvane
