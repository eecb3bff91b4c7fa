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

} // namespace
} // namespace orvane::sim::testing
