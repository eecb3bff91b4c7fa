#pragma once

#include "engine/models.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane::sim {

// Panel keys, as the two value bytes of a panel write read big-endian: the
// host's panel writes carry 01 00 (next) and 02 00 (menu), the reset 00 04.
inline constexpr std::uint16_t kKeyNext = 0x0100;
inline constexpr std::uint16_t kKeyMenu = 0x0200;
inline constexpr std::uint16_t kKeyStopReset = 0x0004;

// Each display line holds 16 characters; the display has two.
inline constexpr std::size_t kLineWidth = 16;

// The function menu of the operator panel. The menu key opens it at its first
// entry (wherever it was), the next key steps round it while it is open, and
// it closes by itself after some time without keys, or on a reset.
class PanelMenu {
public:
  static constexpr double kIdleSeconds = 30;

  explicit PanelMenu(std::span<const std::string_view> entries) : entries_(entries) {}

  // Returns what the key did, for the transcript.
  std::string press(std::uint16_t key, double now);
  void close() { position_.reset(); }
  // The entry on show, or nothing while the panel shows the monitor.
  std::optional<std::string_view> shown(double now) const;

private:
  std::span<const std::string_view> entries_;
  std::optional<std::size_t> position_;
  double lastKey_ = 0;
};

// `text` cut or padded with spaces to one display line.
std::string displayLine(std::string_view text);

// The monitor display of a healthy drive: frequency and direction, then
// current and DC link.
std::string monitorText(double frequency, double current, double dcLink, int runState);

// The display of a tripped drive: "ERR E07 OVERVOLT" (or the given first
// line) above the prompt to reset.
std::string tripText(TripGroup group, int code, std::string_view firstLine);

} // namespace orvane::sim
