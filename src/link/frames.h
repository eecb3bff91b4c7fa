#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kAcknowledge = 0x06;

// Command codes the program sends.
namespace command {
inline constexpr std::uint8_t kReadMemory = 0x05;
inline constexpr std::uint8_t kWriteAtAddress = 0x01;
inline constexpr std::uint8_t kPanelWrite = 0x09;
inline constexpr std::uint8_t kResetWrite = 0x23;
inline constexpr std::uint8_t kReadDisplayText = 0x0A;
inline constexpr std::uint8_t kReadPanelBlock = 0x24;
} // namespace command

// 01, command, length low, length high, command ^ low ^ high.
Bytes commandFrame(std::uint8_t command, std::uint16_t payloadLength);

// 02, payload..., xor of the payload.
Bytes dataFrame(std::span<const std::uint8_t> payload);

// The payload of a memory read of n bytes at an address.
Bytes readRequestPayload(std::uint8_t count, std::uint8_t addressLow, std::uint8_t addressHigh);

// The raw value of a read reply B0 B1..Bn Bn+1: B1..Bn most significant first.
// A length outside 1..4, or a reply too short for it, gives 0.
std::uint32_t assembleValue(std::span<const std::uint8_t> reply, int length);

} // namespace orvane
