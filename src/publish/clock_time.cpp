#include "publish/clock_time.h"

#include <cstdlib>
#include <ctime>

namespace orvane {
namespace {

void appendDigits(std::string& text, long long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    text.append(static_cast<std::size_t>(width) - digits.size(), '0');
  text += digits;
}

} // namespace

ClockTime localClockTime(std::chrono::system_clock::time_point moment) {
  using namespace std::chrono;
  const auto milliseconds = duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count();
  const std::time_t seconds = system_clock::to_time_t(moment);
  std::tm local{};
  localtime_r(&seconds, &local);
  return {milliseconds, static_cast<std::int32_t>(local.tm_gmtoff)};
}

std::string isoText(ClockTime time) {
  using namespace std::chrono;
  const sys_time<milliseconds> local{milliseconds(time.unixMilliseconds + time.utcOffsetSeconds * 1000LL)};
  const auto day = floor<days>(local);
  const year_month_day date{day};
  const hh_mm_ss clock{local - day};

  std::string text;
  appendDigits(text, static_cast<int>(date.year()), 4);
  text += '-';
  appendDigits(text, static_cast<unsigned>(date.month()), 2);
  text += '-';
  appendDigits(text, static_cast<unsigned>(date.day()), 2);
  text += 'T';
  appendDigits(text, clock.hours().count(), 2);
  text += ':';
  appendDigits(text, clock.minutes().count(), 2);
  text += ':';
  appendDigits(text, clock.seconds().count(), 2);
  text += '.';
  appendDigits(text, clock.subseconds().count(), 3);
  const int offsetMinutes = std::abs(time.utcOffsetSeconds) / 60;
  text += time.utcOffsetSeconds < 0 ? '-' : '+';
  appendDigits(text, offsetMinutes / 60, 2);
  text += ':';
  appendDigits(text, offsetMinutes % 60, 2);
  return text;
}

} // namespace orvane
