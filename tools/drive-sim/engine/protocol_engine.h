#pragma once

#include "engine/bytes.h"
#include "engine/drive.h"
#include "engine/engine_options.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace orvane::sim {

// Bytes for the host, to go out `delay` after the host bytes that caused them.
struct Reply {
  Bytes bytes;
  std::chrono::nanoseconds delay{};
};

// The drive's side of the link. The host's bytes go in, in whatever pieces
// they arrive; the drive's answers come out: one byte (06) after a command
// frame, five (06, command, length, checksum) after a data frame, and after
// the acknowledge the data (02, the bytes, their xor) or, for a write, 06 04.
// Bytes that do not make a frame are skipped: the drive looks for the 01 of
// the next command frame. A frame that the drive does not take is answered
// with 15.
class ProtocolEngine {
public:
  using Transcript = std::function<void(const std::string&)>;

  explicit ProtocolEngine(Drive drive, EngineOptions options = {});

  // Takes bytes from the host at scenario time `now` (time since the drive
  // started) and returns what the drive sends back.
  std::vector<Reply> feed(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds now);

  // Receives a line for every transaction and for anything out of the way.
  void setTranscript(Transcript transcript) { transcript_ = std::move(transcript); }

  Drive& drive() { return drive_; }
  const Drive& drive() const { return drive_; }

private:
  enum class Stage { Idle, AwaitData, AwaitAcknowledge };

  bool step(std::vector<Reply>& replies);
  bool takeCommandFrame(std::vector<Reply>& replies);
  bool takeDataFrame(std::vector<Reply>& replies);
  void takeAcknowledge(std::vector<Reply>& replies);
  Bytes finalReply(std::string& description);
  bool payloadAccepted() const;
  ExchangeKind kind() const;
  // Drops bytes from the front of the buffer, keeping a few for the transcript.
  void skip(std::size_t count);
  void abandon();
  void refuse(const std::string& what, std::vector<Reply>& replies);
  // Sends unless the drive is silent or `fault` holds back this reply.
  void send(std::vector<Reply>& replies, Bytes bytes, bool fault, std::chrono::nanoseconds extraDelay,
            const std::string& what);
  void note(const std::string& line);

  Drive drive_;
  EngineOptions options_;
  Transcript transcript_;
  Bytes buffer_;
  Bytes skipped_;
  std::size_t skippedCount_ = 0;
  Stage stage_ = Stage::Idle;
  std::uint8_t command_ = 0;
  std::size_t payloadLength_ = 0;
  Bytes payload_;
  int frames_ = 0;
};

} // namespace orvane::sim
