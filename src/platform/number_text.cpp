#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orvane {
namespace {

// std::to_chars writes the C locale's form whatever locale the program runs
// in: the log and the settings must read the same on every desktop, and a
// comma decimal point would split a log field in two.
std::string cLocaleText(double value, std::chars_format format, int precision) {
  char text[512]; // room for the fixed form of the largest double
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, format, precision);
  return error == std::errc() ? std::string(text, end) : std::string();
}

std::string significantDigits(double value, int digits) {
  if (std::isnan(value))
    return "NaN";
  if (std::isinf(value))
    return value < 0 ? "-Infinity" : "Infinity";
  std::string result = cLocaleText(value, std::chars_format::general, digits);
  std::ranges::replace(result, 'e', 'E');
  if (result == "-0")
    result = "0";
  return result;
}

} // namespace

std::string plainText(float value) { return significantDigits(static_cast<double>(value), 7); }

std::string plainText(double value) { return significantDigits(value, 15); }

std::string formatNumber(double value, int decimals, bool leadingZero) {
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::round(value * scale) / scale;
  std::string result = cLocaleText(rounded == 0 ? 0.0 : rounded, std::chars_format::fixed, decimals);
  if (!leadingZero) {
    const auto zero = result.find("0.");
    if (zero == 0 || (zero == 1 && result[0] == '-'))
      result.erase(zero, 1);
  }
  return result;
}

double roundHalfEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  if (fraction > 0.5)
    return lower + 1;
  if (fraction < 0.5)
    return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::int16_t roundToInt16(double value) {
  if (std::isnan(value))
    return 0;
  const double rounded = roundHalfEven(value);
  if (rounded >= std::numeric_limits<std::int16_t>::max())
    return std::numeric_limits<std::int16_t>::max();
  if (rounded <= std::numeric_limits<std::int16_t>::min())
    return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(rounded);
}

} // namespace orvane
