#include "link/panel_exchanges.h"

#include "link/models.h"

#include <algorithm>

namespace orvane {
namespace {

// Replies the host waits for after the acknowledge.
constexpr std::size_t kPanelWriteReplySize = 2;
constexpr std::size_t kDisplayTextReplySize = 19;
constexpr std::size_t kPanelBlockReplySize = 38;

constexpr std::uint8_t kStepPanelForward = 0x01;
constexpr std::uint8_t kResetPanel = 0x02;

std::string charactersOf(std::span<const std::uint8_t> bytes, std::size_t first, std::size_t count) {
  if (bytes.size() <= first)
    return {};
  const auto part = bytes.subspan(first, std::min(count, bytes.size() - first));
  return std::string(part.begin(), part.end());
}

} // namespace

std::string textOfDisplayReply(std::span<const std::uint8_t> reply) { return charactersOf(reply, 1, 16); }

std::string textOfPanelBlock(std::span<const std::uint8_t> block) { return charactersOf(block, 1, 32); }

bool PanelExchanges::stepPanelForward() { return panelWrite(kStepPanelForward); }

bool PanelExchanges::resetPanel() { return panelWrite(kResetPanel); }

bool PanelExchanges::panelWrite(std::uint8_t step) {
  link_.openIfClosed();
  const Bytes payload{0x02, 0x00, 0x00, step, 0x00};
  return link_.exchange(commandFrame(command::kPanelWrite, 5), dataFrame(payload), kPanelWriteReplySize)
      .has_value();
}

std::optional<std::string> PanelExchanges::displayText() {
  const Bytes payload{0x11, 0x00, 0x00};
  const std::optional<Bytes> reply =
      link_.exchange(commandFrame(command::kReadDisplayText, 3), dataFrame(payload), kDisplayTextReplySize);
  if (!reply)
    return std::nullopt;
  return textOfDisplayReply(*reply);
}

std::optional<Bytes> PanelExchanges::panelBlock() {
  const Bytes payload{0x02, 0x00, 0x00};
  return link_.exchange(commandFrame(command::kReadPanelBlock, 3), dataFrame(payload), kPanelBlockReplySize,
                        WaitBudget::WholeExchange);
}

bool PanelExchanges::resetWrite(const std::string& inverter) {
  // Only the command byte differs by model.
  Bytes command;
  if (isSixTripModel(inverter))
    command = commandFrame(command::kResetWrite, 5);
  else if (isThreeTripModel(inverter))
    command = commandFrame(command::kPanelWrite, 5);
  const Bytes payload{0x02, 0x00, 0x00, 0x00, 0x04};
  return link_.exchange(command, dataFrame(payload), kPanelWriteReplySize).has_value();
}

} // namespace orvane
