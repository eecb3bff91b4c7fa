#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane::sim {

using Bytes = std::vector<std::uint8_t>;

// "13 88": bytes as upper-case hex pairs, for logs and the transcript.
std::string hexText(std::span<const std::uint8_t> bytes);

// Xor of all bytes: the checksum of every frame on the link.
std::uint8_t xorOf(std::span<const std::uint8_t> bytes);

} // namespace orvane::sim
