#include "output/sequential_input.h"

#include "platform/number_text.h"

#include <charconv>

namespace orvane {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isLineEnd(int c) { return c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number a field reads as: an optional sign, digits with at most one
// decimal point (at least one digit), then an optional exponent.
std::optional<double> decimalNumber(const std::string& text) {
  std::size_t at = 0;
  std::string plain;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-')
      plain += '-';
    ++at;
  }
  bool digits = false;
  bool point = false;
  for (; at < text.size(); ++at) {
    if (isDigit(text[at])) {
      digits = true;
    } else if (text[at] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    plain += text[at];
  }
  if (!digits)
    return std::nullopt;
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
    plain += 'e';
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
      plain += text[at++];
    const std::size_t exponentStart = at;
    while (at < text.size() && isDigit(text[at]))
      plain += text[at++];
    if (at == exponentStart)
      return std::nullopt;
  }
  if (at != text.size())
    return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size())
    return std::nullopt;
  return value;
}

} // namespace

std::string writtenForm(const InputField& field) { return field.isNumber ? plainText(field.number) : field.text; }

bool SequentialInput::atEnd() { return in_.peek() == kEnd; }

void SequentialInput::skipBlanks() {
  while (isBlank(in_.peek()))
    in_.get();
}

std::string SequentialInput::readQuoted() {
  in_.get();
  std::string text;
  for (int c = in_.peek(); c != kEnd && c != '"' && !isLineEnd(c); c = in_.peek())
    text += static_cast<char>(in_.get());
  if (in_.peek() == '"')
    in_.get();
  while (in_.peek() != kEnd && in_.peek() != ',' && !isLineEnd(in_.peek()))
    in_.get();
  return text;
}

std::string SequentialInput::readBare() {
  std::string text;
  for (int c = in_.peek(); c != kEnd && c != ',' && !isLineEnd(c); c = in_.peek())
    text += static_cast<char>(in_.get());
  while (!text.empty() && isBlank(static_cast<unsigned char>(text.back())))
    text.pop_back();
  return text;
}

bool SequentialInput::consumeDelimiter() {
  const int c = in_.get();
  if (c == '\r' && in_.peek() == '\n')
    in_.get();
  return c == ',';
}

std::optional<InputField> SequentialInput::next() {
  skipBlanks();
  if (atEnd()) {
    if (!afterComma_)
      return std::nullopt;
    afterComma_ = false;
    return InputField{};
  }
  InputField field;
  if (in_.peek() == '"') {
    field.text = readQuoted();
  } else {
    field.text = readBare();
    if (const std::optional<double> number = decimalNumber(field.text)) {
      field.isNumber = true;
      field.number = *number;
    }
  }
  afterComma_ = atEnd() ? false : consumeDelimiter();
  return field;
}

} // namespace orvane
