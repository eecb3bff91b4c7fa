#include "session_log_generator.h"

#include "monitor/session_log_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <numbers>
#include <random>

namespace orvane::bench {
namespace {

constexpr double kInterval = 0.5;
constexpr double kCycle = 1800;
constexpr double kDay = 86400;
constexpr double kTripAt = 13 * 3600 + 20 * 60;
constexpr double kRatedCurrent = 7.5;

struct Reading {
  double hz = 0;
  double amps = 0;
  double volts = 565;
};

double ramp(double from, double to, double phase, double start, double length) {
  return from + (to - from) * std::clamp((phase - start) / length, 0.0, 1.0);
}

// One 30-minute duty cycle: forward, stop, reverse, stop.
Reading duty(double t) {
  const double p = std::fmod(t, kCycle);
  Reading r;
  if (p < 900)
    r.hz = ramp(0, 50, p, 0, 15);
  else if (p < 960)
    r.hz = ramp(50, 0, p, 900, 10);
  else if (p < 1500)
    r.hz = ramp(0, -35, p, 960, 15);
  else
    r.hz = ramp(-35, 0, p, 1500, 10);
  const double load = 1.5 * std::sin(2 * std::numbers::pi * t / 300);
  r.amps = r.hz == 0 ? 0 : 2.2 + 0.045 * std::abs(r.hz) + load * std::abs(r.hz) / 50;
  const bool braking = (p >= 900 && p < 910) || (p >= 1500 && p < 1510);
  r.volts = braking ? 690 : 565 - 0.8 * r.amps;
  return r;
}

// The overcurrent: the current climbs to 19.6 A in 3 s while the frequency
// sags, then the drive trips and stands for two minutes.
Reading withTrip(double t, Reading r) {
  const double since = std::fmod(t, kDay) - kTripAt;
  if (since >= 0 && since < 3) {
    r.amps += (19.6 - r.amps) * since / 3;
    r.hz *= 1 - 0.1 * since / 3;
  } else if (since >= 3 && since < 123) {
    r = Reading{0, 0, 588};
  }
  return r;
}

float rounded(double value, double step) { return static_cast<float>(std::round(value / step) * step); }

} // namespace

long writeSessionLog(const std::string& path, double hours) {
  std::ofstream log(path, std::ios::binary | std::ios::trunc);
  log << kSessionLogHeader << kLogLineEnd;
  std::mt19937 random(17);
  std::normal_distribution<double> noise(0, 1);
  const long samples = std::lround(hours * 3600 / kInterval);
  float elapsed = 0;
  for (long i = 0; i < samples; ++i) {
    const double t = i * kInterval;
    Reading r = withTrip(t, duty(t));
    if (r.amps > 0)
      r.amps += 0.05 * noise(random);
    r.volts += 1.5 * noise(random);
    const double time = i == 0 ? static_cast<double>(elapsed) : kInterval + static_cast<double>(elapsed);
    if (i > 0)
      elapsed = static_cast<float>(kInterval + static_cast<double>(elapsed));
    const float amps = rounded(std::max(r.amps, 0.0), 0.01);
    log << formatSessionLogLine(logTimeText(time), rounded(r.hz, 0.01), amps,
                                static_cast<float>(amps / kRatedCurrent * 100), rounded(r.volts, 1))
        << kLogLineEnd;
  }
  return samples;
}

long writeLoggerFolder(const std::string& folder, int days) {
  std::ofstream events(folder + "/Events.CSV", std::ios::binary | std::ios::trunc);
  events << "Clock time,Session file,Event,Text\r\n";
  long samples = 0;
  for (int day = 0; day < days; ++day) {
    std::tm date{};
    date.tm_year = 2026 - 1900;
    date.tm_mon = 10;
    date.tm_mday = 1 + day;
    date.tm_isdst = -1;
    std::mktime(&date);
    char name[64];
    std::snprintf(name, sizeof name, "Trend-%04d-%02d-%02d_00-00-00.CSV", date.tm_year + 1900, date.tm_mon + 1,
                  date.tm_mday);
    samples += writeSessionLog(folder + "/" + name, 24);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d ", date.tm_year + 1900, date.tm_mon + 1, date.tm_mday);
    events << stamp << "13:20:03," << name << ",trip,ERR 3 Over Current\r\n"
           << stamp << "13:20:04," << name << ",trip history,Total trips: " << day + 1 << "\r\n"
           << stamp << "13:22:03," << name << ",trip cleared,\r\n";
  }
  return samples;
}

} // namespace orvane::bench
