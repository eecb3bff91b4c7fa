#include "session_log/decimal_text.h"

#include <cstdint>

namespace orvane {
namespace {

// With at most this many digits the digits make an integer below 2^53, held
// exactly in a double, and the power of ten they are divided by is exact too.
constexpr int kMostQuickDigits = 15;
constexpr double kPowersOfTen[kMostQuickDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

// "-digits" or "-digits.digits" with few digits: one division of two exact
// numbers, whose single rounding gives the nearest double, as from_chars
// does. Anything else (an exponent, a bare point, many digits, words) goes to
// from_chars itself.
std::from_chars_result readDecimal(const char* first, const char* last, double& value) {
  const char* at = first;
  if (at != last && *at == '-')
    ++at;
  const char* const integerStart = at;
  std::uint64_t digits = 0;
  while (at != last && isDigit(*at))
    digits = digits * 10 + static_cast<std::uint64_t>(*at++ - '0');
  int digitCount = static_cast<int>(at - integerStart);
  int fractionDigits = 0;
  if (digitCount > 0 && at != last && *at == '.') {
    const char* const fractionStart = ++at;
    while (at != last && isDigit(*at))
      digits = digits * 10 + static_cast<std::uint64_t>(*at++ - '0');
    fractionDigits = static_cast<int>(at - fractionStart);
    digitCount += fractionDigits;
    if (fractionDigits == 0)
      return std::from_chars(first, last, value);
  }
  if (digitCount == 0 || digitCount > kMostQuickDigits || (at != last && (*at == 'e' || *at == 'E')))
    return std::from_chars(first, last, value);
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[fractionDigits];
  value = integerStart == first ? magnitude : -magnitude;
  return {at, std::errc()};
}

} // namespace orvane
