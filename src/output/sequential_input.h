#pragma once

#include <istream>
#include <optional>
#include <string>

namespace orvane {

// One field as sequential input reads it: its text, and whether it reads as
// a number (then `number` holds it).
struct InputField {
  std::string text;
  bool isNumber = false;
  double number = 0;
};

// The field as it is written back: a number in plain decimal form without
// blanks, anything else as its text.
std::string writtenForm(const InputField& field);

// Reads a text file field by field, tolerant of hand-edited and foreign CSV
// files (the CSV export reads the session log through it): a field
// ends at a comma or at the end of a line (CR LF, LF or CR); blanks (spaces
// and tabs) around it are dropped; a field in double quotes loses its quotes
// and may hold commas, and what follows its closing quote up to the next
// comma or line end is skipped; an unquoted field that reads as a decimal
// number (sign, digits, point, exponent with E or D) is taken as a number.
class SequentialInput {
public:
  explicit SequentialInput(std::istream& in) : in_(in) {}

  // The next field; none when the file ends before it. A comma at the very
  // end of the file is followed by one empty field.
  std::optional<InputField> next();
  // Whether everything has been read.
  bool atEnd();

private:
  void skipBlanks();
  std::string readQuoted();
  std::string readBare();
  // Consumes the comma or line end that ends a field; true for a comma.
  bool consumeDelimiter();

  std::istream& in_;
  bool afterComma_ = false;
};

} // namespace orvane
