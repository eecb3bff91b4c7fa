#pragma once

#include <string>

namespace orvane {

// The header line every session log starts with, as tests write it into crafted logs.
inline const std::string kLogHeader = "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n";

} // namespace orvane
