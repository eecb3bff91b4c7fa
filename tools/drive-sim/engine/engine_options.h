#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace orvane::sim {

// The kinds of exchange, by command: memory read (0x05), display text read
// (0x0A), panel block read (0x24), and the writes (0x01, 0x09, 0x23).
enum class ExchangeKind { Any, Read, DisplayText, PanelBlock, Write };

// How the drive answers, and the failures asked of it.
struct EngineOptions {
  bool silent = false;                     // answers nothing at all
  std::optional<int> silentAfterFrames;    // answers that many host frames, then nothing
  bool noCommandReply = false;             // command frames go unanswered
  bool noDataReply = false;                // data frames go unanswered
  bool noAckReply = false;                 // the acknowledge gets no data or write reply
  bool shortReply = false;                 // the reply after the acknowledge lacks its last byte
  bool garbage = false;                    // a junk byte goes ahead of every reply
  std::chrono::milliseconds latency{0};    // before every reply
  std::chrono::milliseconds replyDelay{0}; // before the final reply of `replyDelayKind` exchanges
  ExchangeKind replyDelayKind = ExchangeKind::Any;
};

// Adds a fault by name: silent-from-start, silent-after=N, no-command-reply,
// no-data-reply, no-ack-reply, short-reply, garbage. False for anything else.
bool addFault(EngineOptions& options, std::string_view fault);

// any, read, display, block or write.
std::optional<ExchangeKind> exchangeKindFromName(std::string_view name);

} // namespace orvane::sim
