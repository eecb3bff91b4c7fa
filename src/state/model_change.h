#pragma once

#include "platform/message_boxes.h"
#include "state/shared_state.h"

#include <string>

namespace orvane {

// What the user is about to do with the newly identified drive; the question
// about a changed model says what follows.
enum class ModelChangeQuestion {
  BeforeTripHistory, // "... Do you wish to continue?"
  BeforeMonitoring   // "... The graph will be cleared. Continue?"
};

enum class ModelChangeOutcome {
  Unchanged, // `newinverter` equals `inverter`; nothing was touched
  Taken,     // `inverter` took `newinverter` (first model, or the user said Yes)
  Declined   // the user said No; the model in use stays
};

std::string modelChangeQuestionText(const std::string& inverter, const std::string& newinverter,
                                    ModelChangeQuestion question);

// Decides whether `inverter` takes the latest identification in `newinverter`.
// Once a model has been accepted in this run (`inverterknown` = 1), a change
// needs the user's Yes. Taking a model sets `inverterknown` to 1. The callers
// add their own consequences (clearing the graph, cancelling the start).
ModelChangeOutcome applyModelChange(SharedState& state, MessageBoxes& messages, ModelChangeQuestion question);

} // namespace orvane
