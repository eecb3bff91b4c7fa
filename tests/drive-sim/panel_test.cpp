#include "engine/panel.h"
#include "host.h"

#include <gtest/gtest.h>

namespace orvane::sim::testing {
namespace {

TEST(Identification, modelCodeReadIsByteExact) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7Profi))};
  Host host(engine);
  EXPECT_EQ(host.send({0x01, 0x05, 0x03, 0x00, 0x06}), (Bytes{0x06}));
  EXPECT_EQ(host.send({0x02, 0x01, 0xF4, 0x03, 0xF6}), (Bytes{0x06, 0x05, 0x03, 0x00, 0x06}));
  EXPECT_EQ(host.send({0x06}), (Bytes{0x02, 0x01, 0x01}));
}

TEST(Identification, eachModelAnswersItsModelCode) {
  const std::pair<Model, std::uint8_t> expected[] = {{Model::Q7Profi, 1},
                                                     {Model::MK410, 0},
                                                     {Model::Q7SingleCompact, 2},
                                                     {Model::Q7Vector, 2},
                                                     {Model::Unknown, 2}};
  for (const auto& [model, code] : expected) {
    ProtocolEngine engine{Drive(scenarioFor(model))};
    EXPECT_EQ(Host(engine).read(0x03F4, 1), Bytes{code}) << layoutOf(model).name;
  }
}

TEST(Identification, singleCompactShowsHzAfterSevenPanelWritesButNotTheVectorText) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7SingleCompact))};
  const auto [first, second] = Host(engine).identificationTexts();
  EXPECT_TRUE(first.starts_with("/Hz")) << first;
  EXPECT_FALSE(second.starts_with("ADJ-O")) << second;
}

TEST(Identification, vectorShowsAdjOAfterFifteenPanelWritesButNotTheSingleCompactText) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7Vector))};
  const auto [first, second] = Host(engine).identificationTexts();
  EXPECT_FALSE(first.starts_with("/Hz")) << first;
  EXPECT_TRUE(second.starts_with("ADJ-O")) << second;
}

TEST(Identification, unknownDriveShowsNeitherText) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Unknown))};
  const auto [first, second] = Host(engine).identificationTexts();
  EXPECT_FALSE(first.starts_with("/Hz")) << first;
  EXPECT_FALSE(second.starts_with("ADJ-O")) << second;
}

TEST(Identification, probeRepeatedLaterIdentifiesAgain) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7SingleCompact))};
  Host host(engine);
  host.identificationTexts();
  host.at(5);
  EXPECT_TRUE(host.identificationTexts().first.starts_with("/Hz"));
}

TEST(Identification, nextKeysWithoutTheMenuKeyLeaveTheMonitorShowing) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7SingleCompact))};
  Host host(engine);
  const std::string monitor = host.displayText();
  for (int write = 0; write < 6; ++write)
    host.panelWrite(sim::kKeyNext);
  EXPECT_EQ(host.displayText(), monitor);
}

TEST(Identification, menuReturnsToTheMonitorAfterThirtyIdleSeconds) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7SingleCompact))};
  Host host(engine);
  const std::string monitor = host.displayText();
  host.panelWrite(sim::kKeyMenu);
  EXPECT_NE(host.displayText(), monitor);
  host.at(31);
  EXPECT_EQ(host.displayText(), monitor);
}

TEST(Identification, panelKeysOnTheWrongCommandAreAcceptedButIgnored) {
  ProtocolEngine engine{Drive(scenarioFor(Model::Q7Vector))};
  Host host(engine);
  const std::string monitor = host.displayText();
  const Host::Exchange write = host.exchange(0x23, {0x02, 0x00, 0x00, 0x02, 0x00});
  EXPECT_EQ(write.final, (Bytes{0x06, 0x04}));
  EXPECT_EQ(host.displayText(), monitor);
}

} // namespace
} // namespace orvane::sim::testing
