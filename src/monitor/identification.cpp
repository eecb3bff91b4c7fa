#include "monitor/identification.h"

#include "link/models.h"

#include <string_view>

namespace orvane {
namespace {

constexpr std::uint16_t kModelCodeAddress = 0x03F4;
constexpr float kProfiCode = 1;
constexpr float kMk410Code = 0;

// Forward steps from the panel reset to the first reading, and from there to
// the second: where the two probed models show a telling text.
constexpr int kStepsToFirstReading = 6;
constexpr int kStepsToSecondReading = 8;
constexpr std::string_view kCompactMark = "/Hz";
constexpr std::string_view kVectorMark = "ADJ-O";

} // namespace

void Identification::CheckInverter(std::int16_t& OK) {
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Binary);
  state_.newinverter = model::kUnknown;
  state_.startcancelled = 0;

  state_.statusvalue = static_cast<float>(link_.readAddress(kModelCodeAddress, 1, 1));
  if (readFailed(state_.statusvalue)) {
    OK = 1;
    return;
  }
  if (state_.statusvalue == kProfiCode) {
    state_.newinverter = model::kProfi;
    return;
  }
  if (state_.statusvalue == kMk410Code) {
    state_.newinverter = model::kMk410;
    return;
  }
  probeDisplay(OK);
}

void Identification::probeDisplay(std::int16_t& OK) {
  link_.port().setInputMode(InputMode::Text);
  panel_.PanelWrite2(OK);
  if (OK == 1 || !stepPanel(kStepsToFirstReading, OK))
    return;

  const std::optional<std::string> firstText = panel_.readDisplayText(OK);
  if (!firstText)
    return;
  if (firstText->starts_with(kCompactMark))
    state_.newinverter = model::kSingleCompact;

  if (!stepPanel(kStepsToSecondReading, OK))
    return;
  const std::optional<std::string> secondText = panel_.readDisplayText(OK);
  if (!secondText)
    return;
  if (secondText->starts_with(kVectorMark))
    state_.newinverter = model::kVector;

  link_.port().setInputMode(InputMode::Binary);
}

bool Identification::stepPanel(int count, std::int16_t& OK) {
  for (int step = 0; step < count; ++step) {
    panel_.PanelWrite1(OK);
    if (OK == 1)
      return false;
  }
  return true;
}

} // namespace orvane
