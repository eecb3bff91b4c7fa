#pragma once

#include "engine/protocol_engine.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

namespace orvane::sim {

// The --log file: one line per chunk of bytes in or out, one per decoded
// transaction, and one per exchange as the golden transcripts write it, whole
// ("ex ") or cut short ("cut": a request that never became whole), each
// stamped with the seconds since the simulator started.
//   0.012345 in  01 05 03 00 06
//   0.012398 out 06
//   0.014770 --  read 0xFC04 n2 output frequency -> 13 88
//   0.014770 ex  > 01 05 03 00 06 < 06 > 02 02 04 FC FA < 06 05 03 00 06 > 06 < 02 13 88 9B | output frequency
//   0.530000 cut > 01 05 03 00 06 < 06 | line closed
class WireLog {
public:
  explicit WireLog(const std::string& path); // throws std::system_error

  void received(std::chrono::nanoseconds at, std::span<const std::uint8_t> bytes);
  void sent(std::chrono::nanoseconds at, std::span<const std::uint8_t> bytes);
  void transaction(std::chrono::nanoseconds at, std::string_view text);
  void exchange(std::chrono::nanoseconds at, const WireExchange& exchange);
  void cut(std::chrono::nanoseconds at, std::string_view wire, std::string_view why);

private:
  void line(std::chrono::nanoseconds at, std::string_view tag, std::string_view text);

  std::ofstream out_;
};

} // namespace orvane::sim
