#include "link/status_registers.h"

#include "link/models.h"

namespace orvane {

const StatusRegisters* statusRegistersFor(const std::string& inverter) {
  static constexpr StatusRegisters singleCompact{{0xFC50, 1, 1}, {0xFB5F, 1, 1}, {0xFC22, 1, 1}};
  static constexpr StatusRegisters vector{{0xFC8D, 1, 1}, {0xFB93, 1, 1}, {0xFC5E, 1, 1}};
  // The six-trip models keep the terminal words in two bytes.
  static constexpr StatusRegisters sixTrip{{0x044A, 1, 1}, {0x042E, 2, 1}, {0x0446, 2, 1}};
  if (inverter == model::kSingleCompact)
    return &singleCompact;
  if (inverter == model::kVector)
    return &vector;
  if (isSixTripModel(inverter))
    return &sixTrip;
  return nullptr;
}

} // namespace orvane
