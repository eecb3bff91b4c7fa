#include "session_log/log_reader.h"

#include <cstring>

namespace orvane {

void LogReader::feed(std::string_view bytes) {
  if (bytes.empty())
    return;
  const char* const data = bytes.data();
  std::size_t start = 0;
  for (;;) {
    const auto* lineFeed = static_cast<const char*>(std::memchr(data + start, '\n', bytes.size() - start));
    const std::size_t stop = lineFeed ? static_cast<std::size_t>(lineFeed - data) : bytes.size();
    // A CR ends a line too, alone or before its LF.
    while (const auto* carriageReturn = static_cast<const char*>(std::memchr(data + start, '\r', stop - start))) {
      const auto end = static_cast<std::size_t>(carriageReturn - data);
      endLine(bytes.substr(start, end - start), offset_ + start);
      start = end + 1;
    }
    if (!lineFeed)
      break;
    endLine(bytes.substr(start, stop - start), offset_ + start);
    start = stop + 1;
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

// The piece of a line up to its end, joined to what came before it.
void LogReader::endLine(std::string_view piece, std::uint64_t pieceOffset) {
  if (overlongBytes_ > 0) {
    overlongBytes_ = 0;
    sink_.lineSkipped();
  } else if (pending_.empty()) {
    if (!piece.empty())
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
}

void LogReader::takeLine(std::string_view line, std::uint64_t lineOffset) {
  if (line.size() > kLongestLine) {
    sink_.lineSkipped();
    return;
  }
  const LogLine parsed = parseSessionLogLine(line);
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
