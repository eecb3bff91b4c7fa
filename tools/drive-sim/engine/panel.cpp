#include "engine/panel.h"

#include "engine/scenario.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace orvane::sim {
namespace {

struct TripWord {
  int code;
  std::string_view word;
};

constexpr std::array<TripWord, 21> kThreeTripWords{{
    {0, "OVERCURR"},  {60, "OVERCURR"}, {1, "OC ACCEL"},  {61, "OC ACCEL"}, {2, "OC DECEL"},  {58, "OC DECEL"},
    {3, "OVERVOLT"},  {62, "OVERVOLT"}, {4, "UNDERVLT"},  {31, "UNDERVLT"}, {63, "UNDERVLT"}, {5, "OVERLOAD"},
    {32, "OVERLOAD"}, {6, "EEPROM"},    {7, "CT ERROR"},  {10, "THERMAL"},  {13, "GND FLT"},  {15, "SUPPLY V"},
    {34, "PTC"},      {37, "EXTERNAL"}, {59, "OC CONST"},
}};

constexpr std::array<TripWord, 14> kSixTripWords{{
    {1, "OC CONST"},
    {2, "OC DECEL"},
    {3, "OC ACCEL"},
    {4, "OVERCURR"},
    {5, "OVERLOAD"},
    {6, "BRD OVLD"},
    {7, "OVERVOLT"},
    {8, "EEPROM"},
    {9, "UNDERVLT"},
    {10, "CT ERROR"},
    {12, "EXTERNAL"},
    {14, "GND FLT"},
    {15, "SUPPLY V"},
    {21, "OVERTEMP"},
}};

std::string_view tripWord(TripGroup group, int code) {
  const std::span<const TripWord> words =
      group == TripGroup::SixTrip ? std::span<const TripWord>(kSixTripWords) : kThreeTripWords;
  for (const TripWord& word : words) {
    if (word.code == code)
      return word.word;
  }
  return "TRIP";
}

std::string_view directionWord(int runState) {
  switch (runState) {
  case kForward:
    return "FWD";
  case kReverse:
    return "REV";
  case kStopped:
    return "STOP";
  default:
    return "?";
  }
}

} // namespace

std::string PanelMenu::press(std::uint16_t key, double now) {
  if (entries_.empty())
    return "panel key " + std::to_string(key) + " ignored (no menu)";
  if (key == kKeyMenu) {
    position_ = 0;
  } else if (key == kKeyNext) {
    if (!shown(now))
      return "next key ignored (menu closed)";
    position_ = (*position_ + 1) % entries_.size();
  } else {
    return "panel key " + std::to_string(key) + " ignored";
  }
  lastKey_ = now;
  return std::string(key == kKeyMenu ? "menu key" : "next key") + ": \"" + std::string(entries_[*position_]) +
         "\"";
}

std::optional<std::string_view> PanelMenu::shown(double now) const {
  if (!position_ || now - lastKey_ > kIdleSeconds)
    return std::nullopt;
  return entries_[*position_];
}

std::string displayLine(std::string_view text) {
  std::string line(text.substr(0, kLineWidth));
  line.resize(kLineWidth, ' ');
  return line;
}

std::string monitorText(double frequency, double current, double dcLink, int runState) {
  char first[64];
  char second[64];
  const std::string_view direction = directionWord(runState);
  std::snprintf(first, sizeof first, "%7.2fHz %.*s", std::fabs(frequency), static_cast<int>(direction.size()),
                direction.data());
  std::snprintf(second, sizeof second, "%6.1fA %5.0fVdc", current, dcLink);
  return displayLine(first) + displayLine(second);
}

std::string tripText(TripGroup group, int code, std::string_view firstLine) {
  if (!firstLine.empty())
    return displayLine(firstLine) + displayLine("PRESS STOP/RESET");
  char first[64];
  const std::string_view word = tripWord(group, code);
  std::snprintf(first, sizeof first, "ERR E%02d %.*s", code, static_cast<int>(word.size()), word.data());
  return displayLine(first) + displayLine("PRESS STOP/RESET");
}

} // namespace orvane::sim
