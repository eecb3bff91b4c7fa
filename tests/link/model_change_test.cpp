#include "fakes/recording_message_boxes.h"
#include "link/model_change.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class ModelChangeTest : public ::testing::Test {
protected:
  ModelChangeOutcome identified(const std::string& model,
                                ModelChangeQuestion question = ModelChangeQuestion::BeforeMonitoring) {
    state.newinverter = model;
    return applyModelChange(state, messages, question);
  }

  SharedState state;
  testing::RecordingMessageBoxes messages;
};

TEST_F(ModelChangeTest, firstModelAndUnknownAreTakenWithoutAQuestionAndTheSameModelAgainAsksNothing) {
  EXPECT_EQ(identified("Unknown"), ModelChangeOutcome::Taken);
  EXPECT_EQ(state.inverterknown, 1);
  EXPECT_EQ(identified("Unknown"), ModelChangeOutcome::Unchanged);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(identified("MK410"), ModelChangeOutcome::Taken);
  EXPECT_EQ(state.inverter, "MK410");
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(ModelChangeTest, changeAsksWithTheTextOfItsCommandAndNoKeepsTheModelInUse) {
  identified(">Talvik< Q7 vector");
  EXPECT_EQ(identified("MK410"), ModelChangeOutcome::Taken);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "The Inverter connected has been changed from a >Talvik< Q7 vector to a MK410.\n"
            "The graph will be cleared. Continue?");
  EXPECT_EQ(messages.shown[0].title, "Inverter Selection");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);

  messages.answers.push_back(MessageAnswer::No);
  EXPECT_EQ(identified(">Talvik< Q7 profi", ModelChangeQuestion::BeforeTripHistory), ModelChangeOutcome::Declined);
  EXPECT_EQ(
      messages.shown[1].text,
      "The Inverter connected has been changed from a MK410 to a >Talvik< Q7 profi. Do you wish to continue?");
  EXPECT_EQ(state.inverter, "MK410");
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 profi");
  EXPECT_EQ(state.inverterknown, 1);
}

} // namespace
} // namespace orvane
