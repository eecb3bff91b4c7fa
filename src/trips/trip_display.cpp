#include "trips/trip_display.h"

#include "link/models.h"

#include <map>

namespace orvane {
namespace {

using CodeTable = std::map<TripValue, std::string>;

CodeTable threeTripNames() {
  CodeTable names;
  const auto name = [&names](std::initializer_list<TripValue> codes, const std::string& text) {
    for (const TripValue code : codes)
      names[code] = text;
  };
  name({0, 60}, "Overcurrent");
  name({1, 61}, "Overcurrent on Acceleration");
  name({2, 58}, "Overcurrent on Deceleration");
  name({3, 62}, "Over Voltage from Regeneration");
  name({4, 31, 63}, "Under Voltage");
  name({5, 32}, "Overload Protection");
  name({6, 57}, "EEPROM Error");
  name({7}, "CT Error");
  name({8, 14, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 52}, "CPU Error");
  name({10}, "Thermal Protection");
  name({11, 12}, "BRD Overload Protection");
  name({13}, "Ground Fault Protection");
  name({15}, "Over Voltage from Supply");
  name({33}, "USP Error");
  name({34}, "PTC Error");
  name({37}, "External Trip");
  name({59}, "Overcurrent at Constant Speed");
  return names;
}

CodeTable sixTripNames() {
  CodeTable names{{1, "Overcurrent at Constant Speed"},
                  {2, "Overcurrent on Deceleration"},
                  {3, "Overcurrent on Acceleration"},
                  {4, "Overcurrent"},
                  {5, "Overload Protection"},
                  {6, "BRD Overload Protection"},
                  {7, "Over Voltage from Regeneration"},
                  {8, "EEPROM Error"},
                  {9, "Under Voltage"},
                  {10, "CT Error"},
                  {11, "CPU Error"},
                  {12, "External Trip"},
                  {13, "USP Error"},
                  {14, "Ground Fault Protection"},
                  {15, "Over Voltage from Supply"},
                  {16, "Instantaneous Power Failure"},
                  {21, "Abnormal Temperature Protection"},
                  {23, "Gate Array Error"},
                  {24, "Phase Failure Protection"},
                  {30, "IGBT Error"},
                  {35, "Thermistor Input Protection"},
                  {36, "Abnormal Brake Error"}};
  // The errors reported by the two option boards, 60 to 69 and 70 to 79.
  for (int digit = 0; digit <= 9; ++digit) {
    names[60 + digit] = "Option 1 - Error " + std::to_string(digit);
    names[70 + digit] = "Option 2 - Error " + std::to_string(digit);
  }
  return names;
}

} // namespace

std::optional<std::string> tripName(const std::string& inverter, TripValue code) {
  static const CodeTable threeTrip = threeTripNames();
  static const CodeTable sixTrip = sixTripNames();
  const CodeTable* table = isThreeTripModel(inverter) ? &threeTrip : isSixTripModel(inverter) ? &sixTrip : nullptr;
  if (!table)
    return std::nullopt;
  const auto found = table->find(code);
  if (found == table->end())
    return std::nullopt;
  return found->second;
}

void Display(TripHistoryForm& form, const std::string& inverter, std::int16_t Number, const TripRecord& record) {
  TripCaptions& trip = form.trip(Number);
  if (const std::optional<std::string> name = tripName(inverter, record.Code))
    trip.tripcode = *name;
  trip.triphz = std::to_string(record.Hz) + " Hz";
  trip.tripamps = std::to_string(record.Amp) + " %";
  trip.tripvolts = std::to_string(record.Volts) + " Vdc";
  trip.triptime = std::to_string(record.Time) + " Hours";
}

} // namespace orvane
