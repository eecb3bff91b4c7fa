#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Writes one JSON object (flat, or holding others), member by member, in the order given. Numbers use "." and
// no more digits than they carry, whatever the locale; a number that is not finite is
// written as null, which JSON has in place of NaN and infinity. Texts are escaped.
class JsonObject {
public:
  JsonObject& text(std::string_view name, std::string_view value);
  JsonObject& number(std::string_view name, double value);
  JsonObject& integer(std::string_view name, long long value);
  JsonObject& boolean(std::string_view name, bool value);
  JsonObject& texts(std::string_view name, const std::vector<std::string>& values);
  JsonObject& object(std::string_view name, const JsonObject& value);

  std::string finish() const { return json_ + '}'; }

private:
  void startMember(std::string_view name);

  std::string json_ = "{";
};

// The JSON string literal of a text: quotes and backslash escaped, and every byte outside printable
// ASCII as \u00HH. The texts come from the drive or a user, not always in UTF-8; a subscriber must
// never be handed a payload that is not valid JSON.
std::string jsonString(std::string_view text);

} // namespace orvane
