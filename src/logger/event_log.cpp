#include "logger/event_log.h"

#include "platform/untrusted_text.h"

namespace orvane {

std::string csvField(const std::string& text) {
  std::string field;
  bool quoted = false;
  for (const char character : text) {
    if (static_cast<unsigned char>(character) < 0x20) {
      field += ' ';
      continue;
    }
    quoted = quoted || character == ',' || character == '"';
    field += character;
    if (character == '"')
      field += '"';
  }
  return quoted ? '"' + field + '"' : field;
}

int EventLog::open(const LogFolder& folder) {
  if (const int error = file_.openForAppend(folder, kFileName))
    return error;
  return file_.empty() ? file_.appendLine(kHeader, Clock::Duration::zero()) : 0;
}

int EventLog::write(WallClock::TimePoint when, const std::string& sessionFile, const std::string& event,
                    const std::string& text, Clock::Duration now) {
  const std::string line = csvField(clockTextWithOffset(when)) + "," + csvField(sessionFile) + "," +
                           csvField(event) + "," + csvField(spreadsheetText(text));
  const int error = file_.appendLine(line, now);
  // Events are few and are what a user comes back for: each goes to the disk at once.
  const int syncError = file_.sync();
  return error ? error : syncError;
}

} // namespace orvane
