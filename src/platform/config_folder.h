#pragma once

#include <string>

namespace orvane {

// ${XDG_CONFIG_HOME:-$HOME/.config}/orvane-trend, where ta.ini and devices.conf live; an empty
// variable counts as unset. Worked out afresh at every call so that a changed environment takes
// effect. With neither variable set the folder is "/orvane-trend".
std::string configFolder();

} // namespace orvane
