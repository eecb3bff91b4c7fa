#include "fakes/recording_message_boxes.h"
#include "link/model_change.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::RecordingMessageBoxes;

class ModelChangeTest : public ::testing::Test {
protected:
  ModelChangeOutcome identified(const std::string& model,
                                ModelChangeQuestion question = ModelChangeQuestion::BeforeMonitoring) {
    state.newinverter = model;
    return applyModelChange(state, messages, question);
  }

  SharedState state;
  RecordingMessageBoxes messages;
};

TEST_F(ModelChangeTest, firstModelIsTakenWithoutAQuestion) {
  EXPECT_EQ(identified("MK410"), ModelChangeOutcome::Taken);
  EXPECT_EQ(state.inverter, "MK410");
  EXPECT_EQ(state.inverterknown, 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ModelChangeTest, sameModelAgainAsksNothing) {
  identified(">Talvik< Q7 vector");
  EXPECT_EQ(identified(">Talvik< Q7 vector"), ModelChangeOutcome::Unchanged);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ModelChangeTest, changeBeforeMonitoringAsksAboutClearingTheGraph) {
  identified(">Talvik< Q7 vector");
  EXPECT_EQ(identified("MK410"), ModelChangeOutcome::Taken);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "The Inverter connected has been changed from a >Talvik< Q7 vector to a MK410.\n"
            "The graph will be cleared. Continue?");
  EXPECT_EQ(messages.shown[0].title, "Inverter Selection");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(state.inverter, "MK410");
}

TEST_F(ModelChangeTest, changeBeforeTripHistoryAsksToContinue) {
  identified("MK410", ModelChangeQuestion::BeforeTripHistory);
  identified(">Talvik< Q7 profi", ModelChangeQuestion::BeforeTripHistory);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(
      messages.shown[0].text,
      "The Inverter connected has been changed from a MK410 to a >Talvik< Q7 profi. Do you wish to continue?");
}

TEST_F(ModelChangeTest, noKeepsTheModelInUse) {
  identified(">Talvik< Q7 single/compact");
  messages.answers.push_back(MessageAnswer::No);
  EXPECT_EQ(identified(">Talvik< Q7 profi"), ModelChangeOutcome::Declined);
  EXPECT_EQ(state.inverter, ">Talvik< Q7 single/compact");
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 profi");
  EXPECT_EQ(state.inverterknown, 1);
}

TEST_F(ModelChangeTest, unknownIsTakenLikeAModelName) {
  EXPECT_EQ(identified("Unknown"), ModelChangeOutcome::Taken);
  EXPECT_EQ(state.inverter, "Unknown");
  EXPECT_EQ(identified("MK410"), ModelChangeOutcome::Taken);
  EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
} // namespace orvane
