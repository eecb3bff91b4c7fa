#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The plain number-to-text conversion used wherever numbers are shown, logged
// or stored: at most 7 significant digits for a float and 15 for a double,
// trailing zeros dropped, "." as the decimal point (49.5, 50, 1.20000002384186).
std::string plainText(float value);
std::string plainText(double value);

// A fixed-point format pattern: "###0.0" is formatNumber(v, 1, true), "##.#"
// is formatNumber(v, 1, false) (0.5 shows as ".5"), "###0V" formatNumber(v, 0,
// true) + "V". Halves round away from zero; "." is the decimal point.
std::string formatNumber(double value, int decimals, bool leadingZero);

// Rounds to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4),
// clamped to the 16-bit range.
std::int16_t roundToInt16(double value);

// Halves-to-even rounding without a range limit.
double roundHalfEven(double value);

} // namespace orvane
