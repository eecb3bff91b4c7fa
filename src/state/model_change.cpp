#include "state/model_change.h"

namespace orvane {

std::string modelChangeQuestionText(const std::string& inverter, const std::string& newinverter,
                                    ModelChangeQuestion question) {
  const std::string change = "The Inverter connected has been changed from a " + inverter + " to a " + newinverter;
  if (question == ModelChangeQuestion::BeforeTripHistory)
    return change + ". Do you wish to continue?";
  return change + "." + "\n" + "The graph will be cleared. Continue?";
}

ModelChangeOutcome applyModelChange(SharedState& state, MessageBoxes& messages, ModelChangeQuestion question) {
  if (state.drive.newinverter == state.drive.inverter)
    return ModelChangeOutcome::Unchanged;
  if (state.drive.inverterknown) {
    const MessageAnswer answer =
        messages.show(MessageIcon::Information, MessageButtons::YesNo, "Inverter Selection",
                      modelChangeQuestionText(state.drive.inverter, state.drive.newinverter, question));
    if (answer != MessageAnswer::Yes)
      return ModelChangeOutcome::Declined;
  }
  state.drive.inverter = state.drive.newinverter;
  state.drive.inverterknown = true;
  return ModelChangeOutcome::Taken;
}

} // namespace orvane
