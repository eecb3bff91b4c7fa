#include "logger/status_lines.h"

namespace orvane {

void StatusLines::report(const std::string& kind, const std::string& text) const {
  if (detail_ == Detail::Quiet)
    return;
  const std::string line = clockText(wall_.now()) + " " + kind + ": " + text + "\n";
  std::fputs(line.c_str(), out_);
  std::fflush(out_);
}

void StatusLines::sample(const std::string& text) const {
  if (detail_ == Detail::Verbose)
    report("sample", text);
}

} // namespace orvane
