#include "link/terminals.h"

#include "link/models.h"

namespace orvane {
namespace {

Terminal terminal(const std::string& name, const std::string& label, int mask) {
  return {"Image" + name + "on", "Image" + name + "off", label, mask};
}

} // namespace

std::vector<Terminal> inputTerminals(const std::string& inverter) {
  std::vector<Terminal> terminals{terminal("1", "Label7", 1), terminal("2", "Label8", 2),
                                  terminal("3", "Label9", 4), terminal("4", "Label10", 8),
                                  terminal("5", "Label11", 16)};
  if (inverter == model::kVector || inverter == model::kMk410)
    terminals.push_back(terminal("6", "Label12", 32));
  if (inverter == model::kMk410) {
    terminals.push_back(terminal("7", "Label38", 64));
    terminals.push_back(terminal("8", "Label39", 128));
  }
  if (isSixTripModel(inverter)) {
    terminals.push_back(terminal("FW", "Label40", 256));
    terminals.push_back(terminal("TH", "Label41", 512));
  }
  return terminals;
}

std::vector<Terminal> outputTerminals(const std::string& inverter) {
  std::vector<Terminal> terminals{terminal("11", "Label13", 1), terminal("12", "Label14", 2)};
  if (inverter == model::kMk410) {
    terminals.push_back(terminal("13", "Label34", 4));
    terminals.push_back(terminal("14", "Label36", 8));
    terminals.push_back(terminal("15", "Label37", 16));
  }
  // "AL" sits on a different bit of the output word on the six-trip models.
  terminals.push_back(terminal("AL", "Label15", isSixTripModel(inverter) ? 32 : 4));
  return terminals;
}

const std::vector<Terminal>& optionalTerminals() {
  static const std::vector<Terminal> terminals{terminal("6", "Label12", 32),   terminal("7", "Label38", 64),
                                               terminal("8", "Label39", 128),  terminal("FW", "Label40", 256),
                                               terminal("TH", "Label41", 512), terminal("13", "Label34", 4),
                                               terminal("14", "Label36", 8),   terminal("15", "Label37", 16)};
  return terminals;
}

} // namespace orvane
