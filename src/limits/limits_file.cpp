#include "limits/limits_file.h"

#include "platform/config_folder.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>

namespace orvane {
namespace {

constexpr std::size_t kLargestFile = std::size_t{64} * 1024;

// Words split at blanks; "=", "<" and ">" are words of their own even without blanks around them.
std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> found;
  std::size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++at;
    } else if (c == '=' || c == '<' || c == '>') {
      found.push_back(line.substr(at++, 1));
    } else {
      const std::size_t end = line.find_first_of(" \t\r=<>", at);
      found.push_back(line.substr(at, end - at));
      at = end == std::string_view::npos ? line.size() : end;
    }
  }
  return found;
}

std::optional<double> number(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<LimitQuantity> quantity(std::string_view name) {
  for (const LimitQuantity each : {LimitQuantity::FrequencyHz, LimitQuantity::CurrentA,
                                   LimitQuantity::CurrentPercent, LimitQuantity::DcLinkV})
    if (quantityName(each) == name)
      return each;
  return std::nullopt;
}

bool isName(std::string_view name) {
  return !name.empty() && std::ranges::all_of(name, [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
  });
}

// The limit of one line without its comment, or the reason it is none.
std::optional<Limit> limitOf(const std::vector<std::string_view>& line, std::string& reason) {
  if (line.size() < 5 || line[1] != "=" || (line[3] != ">" && line[3] != "<")) {
    reason = "expected NAME = QUANTITY > VALUE (or <) [for SECONDS] [hysteresis VALUE]";
    return std::nullopt;
  }
  Limit limit;
  limit.name = line[0];
  if (!isName(limit.name)) {
    reason = "a name is letters, digits, '_', '-' and '.': \"" + limit.name + "\"";
    return std::nullopt;
  }
  const std::optional<LimitQuantity> watched = quantity(line[2]);
  if (!watched) {
    reason =
        "the quantity is frequency_hz, current_a, current_pct or dc_link_v, not \"" + std::string(line[2]) + "\"";
    return std::nullopt;
  }
  limit.quantity = *watched;
  limit.side = line[3] == ">" ? Limit::Side::Above : Limit::Side::Below;
  const std::optional<double> value = number(line[4]);
  if (!value) {
    reason = "the limit is a number, not \"" + std::string(line[4]) + "\"";
    return std::nullopt;
  }
  limit.value = *value;
  bool hadFor = false;
  bool hadHysteresis = false;
  for (std::size_t at = 5; at < line.size(); at += 2) {
    const std::string_view word = line[at];
    bool& had = word == "for" ? hadFor : hadHysteresis;
    if ((word != "for" && word != "hysteresis") || had) {
      reason = "after the limit only \"for SECONDS\" and \"hysteresis VALUE\", once each: \"" + std::string(word) +
               "\"";
      return std::nullopt;
    }
    had = true;
    const std::optional<double> amount = at + 1 < line.size() ? number(line[at + 1]) : std::nullopt;
    if (!amount || *amount < 0) {
      reason = std::string(word) + " takes a number of 0 or more";
      return std::nullopt;
    }
    (word == "for" ? limit.seconds : limit.hysteresis) = *amount;
  }
  return limit;
}

} // namespace

LoadedLimits parseLimits(std::string_view text, const std::string& source) {
  LoadedLimits loaded;
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    line = line.substr(0, line.find('#'));
    const std::vector<std::string_view> found = words(line);
    if (found.empty())
      continue;
    std::string reason;
    std::optional<Limit> limit = limitOf(found, reason);
    if (limit && std::ranges::any_of(loaded.limits, [&](const Limit& other) { return other.name == limit->name; }))
      reason = "the name " + limit->name + " is given twice";
    if (!reason.empty()) {
      std::string error = source + " line " + std::to_string(lineNumber) + ": ";
      return {{}, error.append(reason)};
    }
    loaded.limits.push_back(std::move(*limit));
  }
  return loaded;
}

LoadedLimits loadLimitsFile(const std::string& path, bool mayBeMissing) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    if (mayBeMissing && errno == ENOENT)
      return {};
    return {{}, path + " cannot be read: " + std::strerror(errno)};
  }
  std::string text(kLargestFile + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (text.size() > kLargestFile || text.find('\0') != std::string::npos)
    return {{}, path + " is no limits file (binary, or larger than 64 KiB)"};
  return parseLimits(text, path);
}

std::string windowLimitsPath() { return configFolder() + "/limits.conf"; }

} // namespace orvane
