#include "app/wire_log.h"

#include "engine/bytes.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace orvane::sim {

WireLog::WireLog(const std::string& path) : out_(path, std::ios::out | std::ios::trunc) {
  if (!out_)
    throw std::system_error(errno, std::generic_category(), "opening the log " + path);
}

void WireLog::received(std::chrono::nanoseconds at, std::span<const std::uint8_t> bytes) {
  line(at, "in ", hexText(bytes));
}

void WireLog::sent(std::chrono::nanoseconds at, std::span<const std::uint8_t> bytes) {
  line(at, "out", hexText(bytes));
}

void WireLog::transaction(std::chrono::nanoseconds at, std::string_view text) { line(at, "-- ", text); }

void WireLog::exchange(std::chrono::nanoseconds at, const WireExchange& exchange) {
  switch (exchange.end) {
  case WireExchange::End::Whole:
    line(at, "ex ", exchange.wire + " | " + exchange.role);
    break;
  case WireExchange::End::Refused:
    line(at, "ex ", exchange.wire + " | refused");
    break;
  case WireExchange::End::Abandoned:
    cut(at, exchange.wire, "abandoned");
    break;
  }
}

void WireLog::cut(std::chrono::nanoseconds at, std::string_view wire, std::string_view why) {
  line(at, "cut", std::string(wire) + " | " + std::string(why));
}

void WireLog::line(std::chrono::nanoseconds at, std::string_view tag, std::string_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%12.6f ", std::chrono::duration<double>(at).count());
  out_ << stamp << tag << ' ' << text << std::endl;
}

} // namespace orvane::sim
