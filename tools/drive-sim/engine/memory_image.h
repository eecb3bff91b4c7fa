#pragma once

#include "engine/bytes.h"
#include "engine/models.h"

#include <map>
#include <string>
#include <string_view>

namespace orvane::sim {

// The raw number a register holds for an engineering value: rounded to the
// nearest whole number and held within what `length` bytes can carry
// (negative values become 0).
std::uint32_t encodeRaw(double value, double divisor, int length);

// A sparse picture of drive memory: what the registers hold at one moment.
// Bytes nobody put there read as 0. Each value remembers a label so that a
// read can be described in the transcript.
class MemoryImage {
public:
  void put(const Register& where, double value, std::string_view label);
  void putRaw(std::uint16_t address, int length, std::uint32_t raw, std::string_view label);
  void putBytes(std::uint16_t address, std::span<const std::uint8_t> bytes, std::string_view label);

  Bytes read(std::uint16_t address, int count) const;
  // The label of the value that starts at `address`, or empty.
  std::string labelAt(std::uint16_t address) const;

private:
  std::map<std::uint16_t, std::uint8_t> bytes_;
  std::map<std::uint16_t, std::string> labels_;
};

} // namespace orvane::sim
