#pragma once

#include "platform/beeper.h"
#include "platform/message_boxes.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orvane::testing {

// Records every message box and answers from a script (Yes, unless told
// otherwise; OK for OK-only boxes).
class RecordingMessageBoxes final : public MessageBoxes {
public:
  struct Shown {
    MessageIcon icon;
    MessageButtons buttons;
    std::string title;
    std::string text;
  };

  MessageAnswer show(MessageIcon icon, MessageButtons buttons, const std::string& title,
                     const std::string& text) override {
    shown.push_back({icon, buttons, title, text});
    if (whileOpen)
      whileOpen();
    if (buttons == MessageButtons::Ok)
      return MessageAnswer::Ok;
    if (answers.empty())
      return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Shown> shown;
  std::deque<MessageAnswer> answers;
  // Runs while a box is open, as other events may then.
  std::function<void()> whileOpen;
};

class CountingBeeper final : public Beeper {
public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

} // namespace orvane::testing
