#pragma once

#include "state/listed_name.h"

#include <array>
#include <string_view>

namespace orvane {

// The program's secondary windows, in the order in which the main window unloads them when it
// closes (windows loaded but not named here follow).
inline constexpr auto kWindowNames =
    std::to_array<std::string_view>({"About", "capture", "Graph", "Graphtitle", "Options", "Reading", "Splash",
                                     "TripHistory", "TripPrint1", "TripPrint2", "Help", "SessionViewer"});
static_assert(namesAreDistinct(kWindowNames));

// A secondary window; a name that is not one does not compile.
using WindowName = ListedName<kWindowNames>;

} // namespace orvane
