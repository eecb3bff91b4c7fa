#include "engine/drive.h"
#include "engine/scenario_json.h"

#include <gtest/gtest.h>

namespace orvane::sim {
namespace {

TEST(Scenarios, timelinesStepsWordsAndMemoryParse) {
  const Scenario scenario = parseScenario(R"({
    "model": ">Talvik< Q7 vector", "loop_seconds": 60,
    "frequency": {"points": [[0, 0], [10, 50]]},
    "run_state": {"steps": [[0, "stopped"], [5, "reverse"]]},
    "inputs": "0x0301", "voltage_class": "high",
    "trips": [{"at": 30, "code": 5, "text": "ERR OL"}],
    "history": {"counter": 1, "index": 4, "records": [
      {"area": 3, "code": 5, "frequency": 45, "percent": 150, "dc_link": 566, "hours": 305}]},
    "memory": {"0xFC04": "13 88"}})");
  EXPECT_EQ(scenario.model, Model::Q7Vector);
  EXPECT_DOUBLE_EQ(scenario.frequency.at(5), 25);
  ASSERT_TRUE(scenario.runState);
  EXPECT_DOUBLE_EQ(scenario.runState->at(6), kReverse);
  EXPECT_DOUBLE_EQ(scenario.inputs.at(0), 0x0301);
  EXPECT_EQ(scenario.voltageClass, 1);
  ASSERT_EQ(scenario.trips.size(), 1u);
  EXPECT_EQ(scenario.trips[0].text, "ERR OL");
  ASSERT_EQ(scenario.history.size(), 1u);
  EXPECT_EQ(scenario.history[0].area, 3);
  EXPECT_EQ(scenario.memory.at(0xFC04), (Bytes{0x13, 0x88}));
}

TEST(Scenarios, mistakesAreNamed) {
  const std::pair<const char*, const char*> mistakes[] = {
      {R"({"frequncy": 50})", "frequncy: unknown key"},
      {R"({"model": "Q9"})", "model:"},
      {R"({"loop_seconds": 60, "trips": [{"at": 60, "code": 1}]})", "trips.at:"},
      {R"({"model": "sc", "history": {"counter": 1, "index": 4, "records": [{"area": 4}]}})",
       "history.records.area:"},
      {R"({"frequency": {"points": [[10, 0], [5, 1]]}})", "frequency.points:"},
      {R"({"memory": {"0xFC04": "1G"}})", "memory.0xFC04:"},
      {R"({"frequency": 50,)", "not valid JSON"},
  };
  for (const auto& [json, message] : mistakes) {
    try {
      parseScenario(json);
      ADD_FAILURE() << json;
    } catch (const ScenarioError& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(message)) << error.what();
    }
  }
}

} // namespace
} // namespace orvane::sim
