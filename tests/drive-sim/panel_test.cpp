#include "engine/panel.h"
#include "host.h"

#include <gtest/gtest.h>

namespace orvane::sim::testing {
namespace {

TEST(Panel, menuOpensOnlyOnTheMenuKeyAndClosesAfterThirtyIdleSeconds) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7SingleCompact))};
  Host host(engine);
  const std::string monitor = host.displayText();
  for (int write = 0; write < 6; ++write)
    host.panelWrite(kKeyNext);
  EXPECT_EQ(host.displayText(), monitor);
  host.panelWrite(kKeyMenu);
  EXPECT_NE(host.displayText(), monitor);
  host.at(31);
  EXPECT_EQ(host.displayText(), monitor);
}

TEST(Panel, panelKeysOnTheWrongCommandAreAcceptedButIgnored) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7Vector))};
  Host host(engine);
  const std::string monitor = host.displayText();
  const Host::Exchange write = host.exchange(0x23, {0x02, 0x00, 0x00, 0x02, 0x00});
  EXPECT_EQ(write.final, (Bytes{0x06, 0x04}));
  EXPECT_EQ(host.displayText(), monitor);
}

} // namespace
} // namespace orvane::sim::testing
