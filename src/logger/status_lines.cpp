#include "logger/status_lines.h"

#include "platform/untrusted_text.h"

namespace orvane {

void StatusLines::report(const std::string& kind, const std::string& text) const {
  if (detail_ == Detail::Quiet)
    return;
  const std::string line = clockText(wall_.now()) + " " + kind + ": " + printableText(text) + "\n";
  std::fputs(line.c_str(), out_);
  std::fflush(out_);
}

void StatusLines::sample(const std::string& text) const { detail("sample", text); }

void StatusLines::detail(const std::string& kind, const std::string& text) const {
  if (detail_ == Detail::Verbose)
    report(kind, text);
}

void StatusEvents::retrying(int retry, int retries) {
  status_.detail("retry", "no answer to the display read: retry " + std::to_string(retry) + " of " +
                              std::to_string(retries) + " after a 2 s pause");
}

} // namespace orvane
