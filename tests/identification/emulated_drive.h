#pragma once

#include "fakes/scripted_serial_port.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

// A drive at the far end of a ScriptedSerialPort. It answers well-formed
// frames of the link protocol (command frame, data frame, acknowledge) from its
// memory and its operator panel, and stays silent on anything malformed, on a
// read of memory it does not have, and once told to fall silent.
class EmulatedDrive {
public:
  // One acknowledged exchange: its command, data payload and the port's input
  // mode when the host acknowledged.
  struct Exchange {
    std::uint8_t command;
    Bytes payload;
    InputMode mode;
  };

  explicit EmulatedDrive(ScriptedSerialPort& port);

  // Memory bytes from `address` on.
  void setMemory(std::uint16_t address, const Bytes& bytes);
  void setModelCode(std::uint8_t code) { setMemory(0x03F4, {code}); }
  // The display text at a panel position: the number of forward steps since
  // the panel was last reset. Positions without a text show blanks.
  void showAtPanelPosition(int position, std::string text) { screens_[position] = std::move(text); }
  // The 32 display characters of the panel block.
  void setPanelBlockText(std::string text) { blockText_ = std::move(text); }
  // Answers this many more frames, then never again.
  void answerOnly(int frames) { framesLeft_ = frames; }

  // The memory reads asked for, as (address, length).
  std::vector<std::pair<std::uint16_t, int>> reads() const;

  std::vector<Exchange> exchanges;

private:
  std::vector<ScriptedSerialPort::Reply> respond(const Bytes& sent);
  Bytes answerAcknowledge();

  ScriptedSerialPort& port_;
  std::map<std::uint16_t, std::uint8_t> memory_;
  std::map<int, std::string> screens_;
  std::string blockText_;
  int panelPosition_ = 0;
  std::optional<int> framesLeft_;
  std::optional<Bytes> command_;
  std::optional<Bytes> payload_;
};

} // namespace orvane::testing
