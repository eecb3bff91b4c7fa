#pragma once

#include "engine/bytes.h"
#include "engine/drive.h"
#include "engine/engine_options.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane::sim {

// One exchange as it went on the wire, written as the golden transcripts
// write it: "> 01 05 03 00 06 < 06 > 02 02 04 FC FA < 06 05 03 00 06 > 06 <
// 02 13 88 9B" (the host's frames after ">", the drive's replies after "<").
// `role` says what the exchange was for: the memory's label ("output
// frequency", "DC link"), "display text", "panel block" or "write 0x23".
struct WireExchange {
  enum class End { Whole, Refused, Abandoned };
  std::string wire;
  std::string role;
  End end = End::Whole;
};

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
  using ExchangeLog = std::function<void(const WireExchange&)>;

  explicit ProtocolEngine(Drive drive, EngineOptions options = {});

  // Takes bytes from the host at scenario time `now` (time since the drive
  // started) and returns what the drive sends back.
  std::vector<Reply> feed(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds now);

  // Receives a line for every transaction and for anything out of the way.
  void setTranscript(Transcript transcript) { transcript_ = std::move(transcript); }

  // Receives every exchange when it ends: whole after the acknowledge's
  // reply, refused, or abandoned by a new command frame or a bad data frame.
  void setExchangeLog(ExchangeLog log) { exchangeLog_ = std::move(log); }

  // Whether the host has sent part of a request that is not yet whole.
  bool unfinished() const { return stage_ != Stage::Idle || !buffer_.empty(); }
  // Forgets that part, as a drive does when the line closes or goes quiet
  // in the middle of a request, and returns it as it went on the wire.
  std::optional<std::string> dropUnfinished();

  Drive& drive() { return drive_; }
  const Drive& drive() const { return drive_; }

private:
  enum class Stage { Idle, AwaitData, AwaitAcknowledge };

  bool step(std::vector<Reply>& replies);
  bool takeCommandFrame(std::vector<Reply>& replies);
  bool takeDataFrame(std::vector<Reply>& replies);
  void takeAcknowledge(std::vector<Reply>& replies);
  Bytes finalReply(std::string& description, std::string& role);
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
  void ended(WireExchange::End end, std::string role = {});

  Drive drive_;
  EngineOptions options_;
  Transcript transcript_;
  ExchangeLog exchangeLog_;
  std::string wire_; // the exchange in progress, as in WireExchange
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
