#include "platform/untrusted_text.h"

namespace orvane {

std::string printableText(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string printable;
  printable.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte <= 0x7E) {
      printable += c;
    } else {
      printable += "\\x";
      printable += kHex[byte >> 4];
      printable += kHex[byte & 0xF];
    }
  }
  return printable;
}

std::string spreadsheetText(std::string_view text) {
  // Tested before escaping: a tab or a carriage return starts a formula too, and escaped it
  // would begin with a backslash.
  const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
  return (formula ? "'" : "") + printableText(text);
}

} // namespace orvane
