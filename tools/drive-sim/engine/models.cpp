#include "engine/models.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace orvane::sim {
namespace {

// Function menus of the drives with a key-driven panel. The menu key (panel
// write value 2) opens the menu at its first entry and the next key (value 1)
// steps to the following one.
constexpr std::array<std::string_view, 12> kSingleCompactMenu{
    "d001 OUTPUT FREQ", "F001 SET FREQ",    "F002 ACCEL TIME", "F003 DECEL TIME",
    "F004 ROTATION",    "A001 FREQ SOURCE", "/Hz  V/F CURVE",  "A004 MAX FREQ",
    "A020 MULTI SPEED", "b001 RESTART",     "C001 INPUT 1",    "H003 MOTOR KW"};

constexpr std::array<std::string_view, 16> kVectorMenu{
    "d001 OUTPUT FREQ", "d002 OUTPUT CURR", "F001 SET FREQ",  "F002 ACCEL TIME",
    "F003 DECEL TIME",  "A001 FREQ SOURCE", "A003 BASE FREQ", "A004 MAX FREQ",
    "A044 CONTROL",     "b012 THERMAL",     "C001 INPUT 1",   "C021 OUTPUT 11",
    "H002 MOTOR",       "H020 MOTOR R1",    "ADJ-O AM GAIN",  "ADJ-O AM OFFSET"};

constexpr std::array<std::string_view, 10> kUnknownMenu{
    "P000 PARAMETERS", "P001 SPEED REF",  "P002 RAMP UP",    "P003 RAMP DOWN", "P004 MIN SPEED",
    "P005 MAX SPEED",  "P006 CURR LIMIT", "P007 MOTOR AMPS", "P008 MOTOR RPM", "P009 BRAKE MODE"};

constexpr TripLayout kSixTripLayout{
    {0x0360, 2, 1}, {0x0363, 1, 1}, 6, {0x0364, 0x0378, 0x038C, 0x03A0, 0x03B4, 0x03C8}};

ModelLayout singleCompact() {
  return {.name = ">Talvik< Q7 single/compact",
          .modelCode = 2,
          .frequency = {0xFC04, 2, 100},
          .current = {0xFC12, 2, 100},
          .percent = Register{0xF966, 2, 10},
          .dcLink = {0xF9E6, 2, 10},
          .dcLinkPerVoltCode = true,
          .maxFrequency = {0xF8BC, 2, 100},
          .voltageClass = {0xF8B8, 1, 1},
          .voltageClassAsCode = true,
          .sizeCode = std::nullopt,
          .defaultSizeCode = 0,
          .runState = {0xFC50, 1, 1},
          .inputs = {0xFB5F, 1, 1},
          .outputs = {0xFC22, 1, 1},
          .alarmMask = 4,
          .tripGroup = TripGroup::ThreeTrip,
          .trips = {{0xF88B, 1, 1}, {0xF88A, 1, 1}, 3, {0xF88C, 0xF896, 0xF8A0}},
          .panelCommand = 0x09,
          .menu = kSingleCompactMenu};
}

ModelLayout vector() {
  return {.name = ">Talvik< Q7 vector",
          .modelCode = 2,
          .frequency = {0xFC40, 2, 100},
          .current = {0xFC4E, 2, 100},
          .percent = Register{0xF96C, 2, 10},
          .dcLink = {0xFA14, 2, 10},
          .dcLinkPerVoltCode = true,
          .maxFrequency = {0xF788, 2, 100},
          .voltageClass = {0xF8B8, 1, 1},
          .voltageClassAsCode = true,
          .sizeCode = std::nullopt,
          .defaultSizeCode = 0,
          .runState = {0xFC8D, 1, 1},
          .inputs = {0xFB93, 1, 1},
          .outputs = {0xFC5E, 1, 1},
          .alarmMask = 4,
          .tripGroup = TripGroup::ThreeTrip,
          .trips = {{0xF889, 1, 1}, {0xF888, 1, 1}, 3, {0xF88A, 0xF894, 0xF89E}},
          .panelCommand = 0x09,
          .menu = kVectorMenu};
}

ModelLayout sixTrip(std::string_view name, std::uint8_t range, int defaultSizeCode) {
  return {.name = name,
          .modelCode = range,
          .frequency = {0x0400, 4, 1000},
          .current = {0x042C, 2, 10},
          .percent = std::nullopt,
          .dcLink = {0x043C, 2, 10},
          .dcLinkPerVoltCode = false,
          .maxFrequency = {0x00F8, 2, 1},
          .voltageClass = {0x03F3, 1, 1},
          .voltageClassAsCode = false,
          .sizeCode = Register{0x03F2, 1, 1},
          .defaultSizeCode = defaultSizeCode,
          .runState = {0x044A, 1, 1},
          .inputs = {0x042E, 2, 1},
          .outputs = {0x0446, 2, 1},
          .alarmMask = 32,
          .tripGroup = TripGroup::SixTrip,
          .trips = kSixTripLayout,
          .panelCommand = 0x23,
          .menu = {}};
}

// A drive of the same family as the single/compact one whose panel shows
// neither identifying text.
ModelLayout unknown() {
  ModelLayout layout = singleCompact();
  layout.name = "unknown drive";
  layout.menu = kUnknownMenu;
  return layout;
}

// Rated currents by size code 1 to 19; 0 where no drive of that size exists.
constexpr std::array<std::array<double, 19>, 4> kRatedCurrent{{
    {3, 5, 7.5, 10.5, 16.5, 24, 32, 46, 64, 76, 95, 121, 145, 182, 220, 0, 0, 0, 0},
    {1.0, 2.5, 3.8, 5.3, 8.6, 12, 16, 23, 32, 39, 48, 59, 75, 90, 110, 149, 176, 217, 260},
    {0, 0, 0, 0, 0, 0, 0, 44, 58, 73, 85, 113, 140, 169, 210, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 22, 29, 37, 43, 57, 70, 85, 105, 149, 176, 217, 260},
}};

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

} // namespace

const ModelLayout& layoutOf(Model model) {
  static const ModelLayout kSingleCompact = singleCompact();
  static const ModelLayout kVector = vector();
  static const ModelLayout kMk410 = sixTrip("MK410", 0, 5);
  static const ModelLayout kProfi = sixTrip(">Talvik< Q7 profi", 1, 8);
  static const ModelLayout kUnknown = unknown();
  switch (model) {
  case Model::Q7SingleCompact:
    return kSingleCompact;
  case Model::Q7Vector:
    return kVector;
  case Model::MK410:
    return kMk410;
  case Model::Q7Profi:
    return kProfi;
  case Model::Unknown:
    break;
  }
  return kUnknown;
}

std::optional<Model> modelFromName(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Model>, 5> kShortNames{{
      {"sc", Model::Q7SingleCompact},
      {"vector", Model::Q7Vector},
      {"mk410", Model::MK410},
      {"profi", Model::Q7Profi},
      {"unknown", Model::Unknown},
  }};
  const std::string lower = lowerCase(name);
  for (const auto& [shortName, model] : kShortNames) {
    if (lower == shortName || name == layoutOf(model).name)
      return model;
  }
  return std::nullopt;
}

std::optional<double> ratedCurrent(int range, int voltageClass, int sizeCode) {
  if (range < 0 || range > 1 || voltageClass < 0 || voltageClass > 1 || sizeCode < 1 || sizeCode > 19)
    return std::nullopt;
  const double amperes =
      kRatedCurrent[static_cast<std::size_t>(range) * 2 + static_cast<std::size_t>(voltageClass)]
                   [static_cast<std::size_t>(sizeCode - 1)];
  if (amperes == 0)
    return std::nullopt;
  return amperes;
}

} // namespace orvane::sim
