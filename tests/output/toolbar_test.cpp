#include "output/toolbar.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ToolbarTest, theFirstKeyThatMatchesExactlyRunsItsCommand) {
  std::vector<std::string> ran;
  const ToolbarCommands commands{{"exporttoolbar", [&] { ran.push_back("export"); }},
                                 {"cliptoolbar", [&] { ran.push_back("clip"); }},
                                 {"cliptoolbar", [&] { ran.push_back("second clip"); }}};
  Toolbar1_ButtonClick("cliptoolbar", commands);
  Toolbar1_ButtonClick("exporttoolbar", commands);
  EXPECT_EQ(ran, (std::vector<std::string>{"clip", "export"}));

  Toolbar1_ButtonClick("ExportToolbar", commands);
  Toolbar1_ButtonClick("printtoolbar", commands);
  Toolbar1_ButtonClick("", commands);
  EXPECT_EQ(ran.size(), 2u);
}

} // namespace
} // namespace orvane
