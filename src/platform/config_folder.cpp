#include "platform/config_folder.h"

#include <cstdlib>

namespace orvane {

std::string configFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
    return std::string(config) + "/orvane-trend";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::string(home) + "/.config/orvane-trend";
  return "/orvane-trend";
}

} // namespace orvane
