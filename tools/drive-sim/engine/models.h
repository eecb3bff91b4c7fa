#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvane::sim {

enum class Model { Q7SingleCompact, Q7Vector, MK410, Q7Profi, Unknown };

// How a drive keeps its trip history: a ring of three or of six records.
enum class TripGroup { ThreeTrip, SixTrip };

// A value in drive memory: `length` bytes, most significant first, holding
// the engineering value times `divisor`.
struct Register {
  std::uint16_t address;
  int length;
  double divisor;
};

struct TripLayout {
  Register counter;
  Register index;
  int areas;                              // 3 or 6
  std::array<std::uint16_t, 6> areaBases; // the first `areas` are used
};

// Where one model keeps what the host reads, and how its panel behaves.
struct ModelLayout {
  std::string_view name;
  std::uint8_t modelCode; // at kModelCodeAddress; the range byte on MK410 and profi
  Register frequency;
  Register current;
  std::optional<Register> percent; // absent where the host computes the percent itself
  Register dcLink;
  bool dcLinkPerVoltCode; // holds the DC link divided by the voltage code (1 or 2)
  Register maxFrequency;
  Register voltageClass;   // one byte
  bool voltageClassAsCode; // 1 or 2 for the lower or higher class, rather than 0 or 1
  std::optional<Register> sizeCode;
  int defaultSizeCode;
  Register runState;
  Register inputs;
  Register outputs;
  std::uint32_t alarmMask; // output bit of the alarm relay, set while tripped
  TripGroup tripGroup;
  TripLayout trips;
  std::uint8_t panelCommand;              // the write command that carries panel keys and the reset
  std::span<const std::string_view> menu; // function menu shown by the panel keys; empty: none
};

inline constexpr std::uint16_t kModelCodeAddress = 0x03F4;

const ModelLayout& layoutOf(Model model);

// Accepts the full model names and the short ones: sc, vector, mk410, profi, unknown.
std::optional<Model> modelFromName(std::string_view name);

// Rated current in amperes of an MK410 (range 0) or profi (range 1) drive, by
// voltage class (0 or 1) and size code; nothing for a combination not built.
std::optional<double> ratedCurrent(int range, int voltageClass, int sizeCode);

} // namespace orvane::sim
