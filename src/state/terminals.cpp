#include "state/terminals.h"

#include "link/models.h"
#include "state/trend_control_names.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr Terminal terminal(const char* caption, const char* label, const char* on, const char* off, int mask,
                            FittedOn fittedOn, bool shownAtLoad) {
  return {caption, label, on, off, mask, mask, fittedOn, shownAtLoad};
}

constexpr std::array kInputs{
    terminal("1", "Label7", "Image1on", "Image1off", 1, FittedOn::EveryModel, true),
    terminal("2", "Label8", "Image2on", "Image2off", 2, FittedOn::EveryModel, true),
    terminal("3", "Label9", "Image3on", "Image3off", 4, FittedOn::EveryModel, true),
    terminal("4", "Label10", "Image4on", "Image4off", 8, FittedOn::EveryModel, true),
    terminal("5", "Label11", "Image5on", "Image5off", 16, FittedOn::EveryModel, true),
    terminal("6", "Label12", "Image6on", "Image6off", 32, FittedOn::VectorAndMk410, true),
    terminal("7", "Label38", "Image7on", "Image7off", 64, FittedOn::Mk410, false),
    terminal("8", "Label39", "Image8on", "Image8off", 128, FittedOn::Mk410, false),
    terminal("FW", "Label40", "ImageFWon", "ImageFWoff", 256, FittedOn::SixTripModels, false),
    terminal("TH", "Label41", "ImageTHon", "ImageTHoff", 512, FittedOn::SixTripModels, false),
};

constexpr std::array kOutputs{
    terminal("11", "Label13", "Image11on", "Image11off", 1, FittedOn::EveryModel, true),
    terminal("12", "Label14", "Image12on", "Image12off", 2, FittedOn::EveryModel, true),
    terminal("13", "Label34", "Image13on", "Image13off", 4, FittedOn::Mk410, false),
    terminal("14", "Label36", "Image14on", "Image14off", 8, FittedOn::Mk410, false),
    terminal("15", "Label37", "Image15on", "Image15off", 16, FittedOn::Mk410, false),
    Terminal{"AL", "Label15", "ImageALon", "ImageALoff", 4, 32, FittedOn::EveryModel, true},
};

constexpr bool namesListed(const auto& terminals) {
  return std::ranges::all_of(terminals, [](const Terminal& terminal) {
    return TrendControlName::isListed(terminal.label) && TrendControlName::isListed(terminal.on) &&
           TrendControlName::isListed(terminal.off);
  });
}
static_assert(namesListed(kInputs) && namesListed(kOutputs), "every terminal indicator is a listed control");

bool fitted(FittedOn fittedOn, const std::string& inverter) {
  switch (fittedOn) {
  case FittedOn::EveryModel:
    return true;
  case FittedOn::VectorAndMk410:
    return inverter == model::kVector || inverter == model::kMk410;
  case FittedOn::Mk410:
    return inverter == model::kMk410;
  case FittedOn::SixTripModels:
    return isSixTripModel(inverter);
  }
  return false;
}

std::vector<Terminal> fittedTo(const std::string& inverter, std::span<const Terminal> indicators) {
  std::vector<Terminal> terminals;
  for (Terminal terminal : indicators)
    if (fitted(terminal.fittedOn, inverter)) {
      if (isSixTripModel(inverter))
        terminal.mask = terminal.sixTripMask;
      terminals.push_back(terminal);
    }
  return terminals;
}

} // namespace

std::span<const Terminal> inputTerminalIndicators() { return kInputs; }
std::span<const Terminal> outputTerminalIndicators() { return kOutputs; }

std::vector<Terminal> inputTerminals(const std::string& inverter) { return fittedTo(inverter, kInputs); }
std::vector<Terminal> outputTerminals(const std::string& inverter) { return fittedTo(inverter, kOutputs); }

std::vector<Terminal> optionalTerminals() {
  std::vector<Terminal> terminals;
  for (const auto indicators : {inputTerminalIndicators(), outputTerminalIndicators()})
    for (const Terminal& terminal : indicators)
      if (terminal.fittedOn != FittedOn::EveryModel)
        terminals.push_back(terminal);
  return terminals;
}

} // namespace orvane
