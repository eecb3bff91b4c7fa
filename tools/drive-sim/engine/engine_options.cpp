#include "engine/engine_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace orvane::sim {

bool addFault(EngineOptions& options, std::string_view fault) {
  static constexpr std::string_view kSilentAfter = "silent-after=";
  if (fault.starts_with(kSilentAfter)) {
    const std::string_view count = fault.substr(kSilentAfter.size());
    int frames = -1;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), frames);
    if (error != std::errc() || end != count.data() + count.size() || frames < 0)
      return false;
    options.silentAfterFrames = frames;
    return true;
  }
  const std::array<std::pair<std::string_view, bool*>, 6> flags{{
      {"silent-from-start", &options.silent},
      {"no-command-reply", &options.noCommandReply},
      {"no-data-reply", &options.noDataReply},
      {"no-ack-reply", &options.noAckReply},
      {"short-reply", &options.shortReply},
      {"garbage", &options.garbage},
  }};
  const auto* const match = std::ranges::find_if(flags, [&](const auto& entry) { return entry.first == fault; });
  if (match == flags.end())
    return false;
  *match->second = true;
  return true;
}

std::optional<ExchangeKind> exchangeKindFromName(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, ExchangeKind>, 5> kKinds{{
      {"any", ExchangeKind::Any},
      {"read", ExchangeKind::Read},
      {"display", ExchangeKind::DisplayText},
      {"block", ExchangeKind::PanelBlock},
      {"write", ExchangeKind::Write},
  }};
  for (const auto& [kindName, kind] : kKinds) {
    if (name == kindName)
      return kind;
  }
  return std::nullopt;
}

} // namespace orvane::sim
