#pragma once

#include "platform/file_dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orvane::testing {

// Records every save dialog and answers with the scripted file names in
// turn; an empty name, or none left, is a cancel.
class ScriptedFileDialogs final : public FileDialogs {
public:
  std::string saveFileName(const SaveDialog& dialog) override {
    shown.push_back(dialog);
    if (answers.empty())
      return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<SaveDialog> shown;
  std::deque<std::string> answers;
};

} // namespace orvane::testing
