#include "limits/limit_watch.h"
#include "limits/limits_file.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(LimitsFileTest, readsEveryFormOfALine) {
  const LoadedLimits loaded = parseLimits("# drive 7\n"
                                          "overload = current_pct > 90 for 10 hysteresis 5  # warn early\n"
                                          "\r\n"
                                          "dc=dc_link_v>740 for 2\n"
                                          "slow = frequency_hz < 5.5 hysteresis 0.5 for 3\n",
                                          "limits.conf");
  ASSERT_EQ(loaded.error, "");
  const std::vector<Limit> expected{{"overload", LimitQuantity::CurrentPercent, Limit::Side::Above, 90, 10, 5},
                                    {"dc", LimitQuantity::DcLinkV, Limit::Side::Above, 740, 2, 0},
                                    {"slow", LimitQuantity::FrequencyHz, Limit::Side::Below, 5.5, 3, 0.5}};
  EXPECT_EQ(loaded.limits, expected);
}

// A fault anywhere gives no limits and names the line it is on.
TEST(LimitsFileTest, aBadLineIsNamedAndNoLimitCounts) {
  const std::vector<std::pair<std::string, std::string>> files{
      {"a = current_a > 5\nb = speed > 3\n", "limits.conf line 2: the quantity"},
      {"a = current_a >\n", "limits.conf line 1: expected"},
      {"# one\n\na = current_a > 5 for\n", "limits.conf line 3: for takes"},
      {"a = current_a > 5 hysteresis -1\n", "line 1: hysteresis takes"},
      {"a = current_a > 5 for 1 for 2\n", "line 1: after the limit"},
      {"a = current_a > 5,5\n", "line 1: the limit is a number"},
      {"a = current_a > 5\na = dc_link_v < 400\n", "line 2: the name a is given twice"},
      {"a b = current_a > 5\n", "line 1: expected"}};
  for (const auto& [text, error] : files) {
    const LoadedLimits loaded = parseLimits(text, "limits.conf");
    EXPECT_NE(loaded.error.find(error), std::string::npos) << loaded.error;
    EXPECT_TRUE(loaded.limits.empty()) << text;
  }
}

struct Seen {
  double seconds;
  LimitEvent::Kind kind;
  std::string text;
  friend bool operator==(const Seen&, const Seen&) = default;
};

// Every half second, as the logger samples: an excursion shorter than the duration, one long
// enough, a dip back inside by less than the hysteresis, and a low limit whose quantity is not in
// every reading.
TEST(LimitWatchTest, raisesAndClearsExactlyOnceEach) {
  LimitWatch watch({{"overload", LimitQuantity::CurrentPercent, Limit::Side::Above, 90, 2, 5},
                    {"undervolt", LimitQuantity::DcLinkV, Limit::Side::Below, 500, 0, 0}});
  // 96.3 as the drive's 32-bit reading gives it: written with a float's digits.
  const std::vector<double> current{80, 95, 89, 92, 93, 94, 95, 96.3F, 88, 91, 85, 95, 80, 97};
  std::vector<Seen> seen;
  for (std::size_t at = 0; at < current.size(); ++at) {
    LimitReading reading;
    reading.currentPercent = current[at];
    if (at == 3 || at == 6)
      reading.dcLinkV = at == 3 ? 490 : 500;
    for (const LimitEvent& event : watch.feed(static_cast<double>(at) * 0.5, reading))
      seen.push_back({static_cast<double>(at) * 0.5, event.kind, event.text});
  }
  const std::vector<Seen> expected{
      {1.5, LimitEvent::Kind::Raised, "undervolt: dc_link_v 490 < 500"},
      {3, LimitEvent::Kind::Cleared, "undervolt: dc_link_v 500, back at or above 500"},
      {3.5, LimitEvent::Kind::Raised, "overload: current_pct 96.3 > 90 for 2 s"},
      {5, LimitEvent::Kind::Cleared, "overload: current_pct 85, back at or below 85"}};
  EXPECT_EQ(seen, expected);
}

} // namespace
} // namespace orvane
