#include "logger/publisher_status_lines.h"

#include <string_view>

namespace orvane {

// The report's lines name MQTT themselves; in a status line the kind says it.
void PublisherStatusLines::look() {
  constexpr std::string_view kPrefix = "MQTT: ";
  for (const std::string& line : report_.update(publisher_.health())) {
    const std::string text = line.starts_with(kPrefix) ? line.substr(kPrefix.size()) : line;
    status_.report(text.substr(0, text.find_first_of("0123456789")), "mqtt", text);
  }
}

} // namespace orvane
