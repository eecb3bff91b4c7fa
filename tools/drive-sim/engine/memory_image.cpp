#include "engine/memory_image.h"

#include <algorithm>
#include <cmath>

namespace orvane::sim {

std::uint32_t encodeRaw(double value, double divisor, int length) {
  const double largest = std::ldexp(1.0, 8 * length) - 1;
  const double raw = std::round(value * divisor);
  if (!(raw > 0))
    return 0;
  return static_cast<std::uint32_t>(std::min(raw, largest));
}

void MemoryImage::put(const Register& where, double value, std::string_view label) {
  putRaw(where.address, where.length, encodeRaw(value, where.divisor, where.length), label);
}

void MemoryImage::putRaw(std::uint16_t address, int length, std::uint32_t raw, std::string_view label) {
  Bytes bytes(static_cast<std::size_t>(length));
  for (int index = length - 1; index >= 0; --index) {
    bytes[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(raw & 0xFF);
    raw >>= 8;
  }
  putBytes(address, bytes, label);
}

void MemoryImage::putBytes(std::uint16_t address, std::span<const std::uint8_t> bytes, std::string_view label) {
  for (std::size_t offset = 0; offset < bytes.size(); ++offset)
    bytes_[static_cast<std::uint16_t>(address + offset)] = bytes[offset];
  labels_[address] = std::string(label);
}

Bytes MemoryImage::read(std::uint16_t address, int count) const {
  Bytes bytes;
  for (int offset = 0; offset < count; ++offset) {
    const auto found = bytes_.find(static_cast<std::uint16_t>(address + offset));
    bytes.push_back(found == bytes_.end() ? 0 : found->second);
  }
  return bytes;
}

std::string MemoryImage::labelAt(std::uint16_t address) const {
  const auto found = labels_.find(address);
  return found == labels_.end() ? std::string() : found->second;
}

} // namespace orvane::sim
