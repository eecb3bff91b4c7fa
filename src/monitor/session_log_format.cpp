#include "monitor/session_log_format.h"

#include "platform/number_text.h"

namespace orvane {

std::string formatSessionLogLine(std::string_view time, float frequency, float current, float currentPercent,
                                 float dcLink) {
  std::string line(time);
  for (const float value : {frequency, current, currentPercent, dcLink}) {
    line += ',';
    line += plainText(value);
  }
  return line;
}

} // namespace orvane
