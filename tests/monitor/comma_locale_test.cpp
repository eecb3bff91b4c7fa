#include "fakes/comma_locale.h"
#include "fakes/session_fixture.h"
#include "platform/number_text.h"

#include <cstdio>

namespace orvane {
namespace {

using testing::SessionFixture;

// A desktop whose numbers use a decimal comma.
class CommaLocale : public SessionFixture {
protected:
  void SetUp() override {
    ASSERT_TRUE(testing::useCommaLocale()) << "no comma-decimal locale: the Debian package locales is missing";
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5") << "the C library does not use the comma locale";
  }
  void TearDown() override { testing::restoreCLocale(); }
};

TEST_F(CommaLocale, numbersKeepTheDecimalPointAndTheLogItsFiveFields) {
  EXPECT_EQ(plainText(33.38f), "33.38");
  EXPECT_EQ(plainText(0.6 + static_cast<double>(0.6f)), "1.20000002384186");
  EXPECT_EQ(formatNumber(500 / 1000.0 * 338 / 60, 1, false), "2.8");

  connect(R"({"model": "mk410", "frequency": 50.5, "current": 8.3, "dc_link": 565})");
  state.options.setChecked("currentmenu", true);
  state.options.setChecked("DCmenu", true);
  session.startmonmenu_Click();
  tick(2);
  EXPECT_EQ(logLines(),
            (std::vector<std::string>{kSessionLogHeader, "0,50.5,8.3,50.30303,565", "0.5,50.5,8.3,50.30303,565"}));
  EXPECT_EQ(state.trend.caption("displayspeed"), "50.5");
  EXPECT_EQ(state.trend.caption("Label32"), "2.8");
}

} // namespace
} // namespace orvane
