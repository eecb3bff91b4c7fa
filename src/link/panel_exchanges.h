#pragma once

#include "link/link.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// The characters of the operator display in a display text reply: the 2nd to
// the 17th. A shorter reply gives what there is.
std::string textOfDisplayReply(std::span<const std::uint8_t> reply);

// The display characters of a panel block: the bytes at indices 1 to 32.
// A shorter block gives what there is.
std::string textOfPanelBlock(std::span<const std::uint8_t> block);

// The exchanges with the drive's operator panel: the two panel writes that
// step the panel, the display text read and the panel block read.
class PanelExchanges {
public:
  explicit PanelExchanges(Link& link) : link_(link) {}

  // Open the port if it is closed and send one panel write; false after a
  // time-out. Nothing is shown or sounded.
  bool stepPanelForward();
  bool resetPanel();
  // The 16 display characters; nothing after a time-out.
  std::optional<std::string> displayText();
  // The 38-byte panel block, read within one budget of 2 seconds; nothing
  // after a time-out.
  std::optional<Bytes> panelBlock();

  // The stop/reset key (value bytes 00 04) in the write command of the model;
  // a name that is no model sends no command frame, so the first wait runs
  // out. Sends on the port as the caller left it. False after a time-out.
  bool resetWrite(const std::string& inverter);

private:
  bool panelWrite(std::uint8_t step);

  Link& link_;
};

} // namespace orvane
