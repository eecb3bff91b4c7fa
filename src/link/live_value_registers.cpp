#include "link/live_value_registers.h"

#include "link/models.h"

namespace orvane {
namespace {

constexpr LiveValueRegisters kCompactRegisters{
    .speed = {0xFC04, 2, 100},
    .current = {0xFC12, 2, 100},
    .currentPercent = Register{0xF966, 2, 10},
    .dcLink = {0xF9E6, 2, 10},
    .maxSpeed = {0xF8BC, 2, 100},
    .voltCode = {0xF8B8, 1, 1},
    .runState = {0xFC50, 1, 1},
    .inputs = {0xFB5F, 1, 1},
    .outputs = {0xFC22, 1, 1},
};

constexpr LiveValueRegisters kVectorRegisters{
    .speed = {0xFC40, 2, 100},
    .current = {0xFC4E, 2, 100},
    .currentPercent = Register{0xF96C, 2, 10},
    .dcLink = {0xFA14, 2, 10},
    .maxSpeed = {0xF788, 2, 100},
    .voltCode = {0xF8B8, 1, 1},
    .runState = {0xFC8D, 1, 1},
    .inputs = {0xFB93, 1, 1},
    .outputs = {0xFC5E, 1, 1},
};

constexpr LiveValueRegisters kSixTripRegisters{
    .speed = {0x0400, 4, 1000},
    .current = {0x042C, 2, 10},
    .currentPercent = std::nullopt,
    .dcLink = {0x043C, 2, 10},
    .maxSpeed = {0x00F8, 2, 1},
    .voltCode = {0x03F3, 1, 1},
    .runState = {0x044A, 1, 1},
    // The six-trip models keep the terminal words in two bytes.
    .inputs = {0x042E, 2, 1},
    .outputs = {0x0446, 2, 1},
};

} // namespace

const LiveValueRegisters* liveValueRegistersFor(const std::string& inverter) {
  if (inverter == model::kSingleCompact)
    return &kCompactRegisters;
  if (inverter == model::kVector)
    return &kVectorRegisters;
  if (isSixTripModel(inverter))
    return &kSixTripRegisters;
  return nullptr;
}

} // namespace orvane
