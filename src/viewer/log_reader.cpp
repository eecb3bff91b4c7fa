#include "viewer/log_reader.h"

namespace orvane {

void LogReader::feed(std::string_view bytes) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n' && bytes[i] != '\r')
      continue;
    const std::string_view piece = bytes.substr(start, i - start);
    const std::uint64_t pieceOffset = offset_ + start;
    if (overlongBytes_ > 0) {
      overlongBytes_ = 0;
      sink_.lineSkipped();
    } else if (pending_.empty()) {
      takeLine(piece, pieceOffset);
    } else if (pending_.size() + piece.size() > kLongestLine) {
      pending_.clear();
      sink_.lineSkipped();
    } else {
      const std::uint64_t lineOffset = pieceOffset - pending_.size();
      pending_.append(piece);
      takeLine(pending_, lineOffset);
      pending_.clear();
    }
    start = i + 1;
  }
  const std::string_view rest = bytes.substr(start);
  if (overlongBytes_ > 0 || pending_.size() + rest.size() > kLongestLine) {
    overlongBytes_ += pending_.size() + rest.size();
    pending_.clear();
  } else {
    pending_.append(rest);
  }
  offset_ += bytes.size();
}

void LogReader::takeLine(std::string_view line, std::uint64_t lineOffset) {
  if (line.size() > kLongestLine) {
    sink_.lineSkipped();
    return;
  }
  const LogLine parsed = parseLogLine(line);
  switch (parsed.kind) {
  case LineKind::Blank:
    return;
  case LineKind::Header:
    lastTime_ = -std::numeric_limits<double>::infinity();
    sink_.sessionStarted(lineOffset);
    return;
  case LineKind::Sample:
    if (parsed.sample.time >= lastTime_) {
      lastTime_ = parsed.sample.time;
      sink_.sampleRead(parsed.sample, lineOffset);
      return;
    }
    break;
  case LineKind::Bad:
    break;
  }
  sink_.lineSkipped();
}

} // namespace orvane
