#pragma once

#include <string>

namespace orvane {

// The operator display's lines (16 characters each, two in a panel block) without their padding,
// joined by a blank: a trip as both programs tell it.
std::string trimmedDisplay(const std::string& text);

} // namespace orvane
