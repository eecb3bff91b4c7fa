#include "state/trend_control_names.h"
#include "state/trend_design_state.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Every name the wiring may use is a control the main window declares, and the
// window declares no control the list leaves out: the checks the compiler makes
// on the listed names hold for the window as it is.
TEST(TrendControlNames, areExactlyTheMainWindowsDeclaredControls) {
  std::vector<std::string> declared;
  for (const auto& declaration : trendControls()) {
    EXPECT_TRUE(TrendControlName::isListed(declaration.name)) << declaration.name;
    declared.push_back(declaration.name);
  }
  for (const std::string_view name : kTrendControlNames)
    EXPECT_NE(std::find(declared.begin(), declared.end(), name), declared.end()) << name;
  EXPECT_EQ(declared.size(), kTrendControlNames.size());
}

} // namespace
} // namespace orvane
