#pragma once

#include <QFont>

namespace orvane {

// The type faces the windows and printed pages were drawn for. Each is asked
// for by its own name first and then by look-alikes, so that a system without
// it shows a font of similar shape and width.
enum class TypeFace {
  MsSansSerif,       // the dialogs and the trip history window
  Verdana,           // the trip page title
  FranklinGothicBook // the rest of the trip page
};

QFont typeFace(TypeFace face, double points, bool bold = false, bool underline = false);

} // namespace orvane
