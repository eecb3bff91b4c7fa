#pragma once

#include <QFont>

namespace orvane {

// The type faces of the trip history window and its printed pages. Each is
// asked for by its own name first and then by look-alikes, so that a system
// without it shows a font of similar shape and width.
enum class TypeFace {
  MsSansSerif,       // the window
  Verdana,           // the page title
  FranklinGothicBook // the rest of the page
};

QFont typeFace(TypeFace face, double points, bool bold = false, bool underline = false);

} // namespace orvane
