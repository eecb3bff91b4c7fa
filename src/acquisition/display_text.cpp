#include "acquisition/display_text.h"

namespace orvane {

std::string trimmedDisplay(const std::string& text) {
  constexpr std::size_t kDisplayWidth = 16;
  std::string joined;
  for (std::size_t at = 0; at < text.size(); at += kDisplayWidth) {
    const std::string line = text.substr(at, kDisplayWidth);
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
      continue;
    joined += (joined.empty() ? "" : " ") + line.substr(first, line.find_last_not_of(' ') + 1 - first);
  }
  return joined;
}

} // namespace orvane
