#pragma once

#include <string>

namespace orvane {

enum class MessageIcon { Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes; the only points at which other events can run.
class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer show(MessageIcon icon, MessageButtons buttons, const std::string& title,
                             const std::string& text) = 0;
};

} // namespace orvane
