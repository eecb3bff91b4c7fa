#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Text that neither program wrote itself (the drive's display, a broker's answer) made harmless
// where it lands. Both are pure functions, called from any thread.

// Every byte outside printable ASCII (0x20 to 0x7E) as \xHH, so that a line feed cannot forge a
// second journal line and a control sequence cannot reach a terminal: "ERR\n" is "ERR\x0a".
std::string printableText(std::string_view text);

// printableText, and a text a spreadsheet would take for a formula (it begins with = + - @, a tab
// or a carriage return) behind an apostrophe, which the spreadsheet shows as text: "=1+1" is "'=1+1".
std::string spreadsheetText(std::string_view text);

} // namespace orvane
