#include "summary/local_days.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace orvane {
namespace {

std::tm localFields(double time) {
  const auto seconds = static_cast<std::time_t>(std::floor(time));
  std::tm fields{};
  localtime_r(&seconds, &fields);
  return fields;
}

// Local midnight of the day `fields` names, `daysLater` days on.
double midnight(std::tm fields, int daysLater) {
  fields.tm_mday += daysLater;
  fields.tm_hour = 0;
  fields.tm_min = 0;
  fields.tm_sec = 0;
  fields.tm_isdst = -1;
  return static_cast<double>(std::mktime(&fields));
}

} // namespace

std::string LocalDay::text() const {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

LocalDay localDayOf(double time) {
  const std::tm fields = localFields(time);
  return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, midnight(fields, 0), midnight(fields, 1)};
}

std::string localClockText(double time) {
  const std::tm fields = localFields(time);
  char text[72]; // room for any int in each field, as the hardened -O2 build checks
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", fields.tm_year + 1900, fields.tm_mon + 1,
                fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec);
  return text;
}

} // namespace orvane
