#include "publish/json_object.h"

#include "platform/number_text.h"

#include <cmath>

namespace orvane {

std::string jsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (byte < 0x20 || byte > 0x7E) {
      quoted += "\\u00";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

void JsonObject::startMember(std::string_view name) {
  if (json_.size() > 1)
    json_ += ',';
  json_ += jsonString(name);
  json_ += ':';
}

JsonObject& JsonObject::text(std::string_view name, std::string_view value) {
  startMember(name);
  json_ += jsonString(value);
  return *this;
}

JsonObject& JsonObject::number(std::string_view name, double value) {
  startMember(name);
  json_ += std::isfinite(value) ? plainText(value) : "null";
  return *this;
}

JsonObject& JsonObject::integer(std::string_view name, long long value) {
  startMember(name);
  json_ += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
  startMember(name);
  json_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::texts(std::string_view name, const std::vector<std::string>& values) {
  startMember(name);
  json_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i)
    json_ += (i > 0 ? "," : "") + jsonString(values[i]);
  json_ += ']';
  return *this;
}

JsonObject& JsonObject::object(std::string_view name, const JsonObject& value) {
  startMember(name);
  json_ += value.finish();
  return *this;
}

} // namespace orvane
