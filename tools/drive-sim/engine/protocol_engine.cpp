#include "engine/protocol_engine.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace orvane::sim {
namespace {

constexpr std::uint8_t kCommandStart = 0x01;
constexpr std::uint8_t kDataStart = 0x02;
constexpr std::uint8_t kAcknowledge = 0x06;
constexpr std::uint8_t kRefused = 0x15;
constexpr std::uint8_t kJunk = 0xFF;
constexpr std::size_t kCommandFrameSize = 5;
// Skipped bytes the transcript shows; it counts the rest.
constexpr std::size_t kSkippedShown = 16;

constexpr std::uint8_t kReadMemory = 0x05;
constexpr std::uint8_t kReadDisplayText = 0x0A;
constexpr std::uint8_t kReadPanelBlock = 0x24;

// Every command the drive takes, with the payload length it comes with.
constexpr std::array<std::pair<std::uint8_t, std::size_t>, 6> kCommands{{
    {kReadMemory, 3},
    {kReadDisplayText, 3},
    {kReadPanelBlock, 3},
    {0x01, 5},
    {0x09, 5},
    {0x23, 5},
}};

// 02, the bytes, their xor.
Bytes framed(std::span<const std::uint8_t> bytes) {
  Bytes reply(bytes.size() + 2);
  reply.front() = kDataStart;
  std::ranges::copy(bytes, reply.begin() + 1);
  reply.back() = xorOf(bytes);
  return reply;
}

std::string hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

} // namespace

ProtocolEngine::ProtocolEngine(Drive drive, EngineOptions options) : drive_(std::move(drive)), options_(options) {}

std::vector<Reply> ProtocolEngine::feed(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds now) {
  drive_.advanceTo(std::chrono::duration<double>(now).count());
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
  std::vector<Reply> replies;
  while (step(replies)) {
  }
  return replies;
}

bool ProtocolEngine::step(std::vector<Reply>& replies) {
  if (stage_ == Stage::Idle)
    return takeCommandFrame(replies);
  if (buffer_.empty())
    return false;
  if (stage_ == Stage::AwaitData) {
    if (buffer_.front() != kDataStart) {
      abandon();
      return true;
    }
    return takeDataFrame(replies);
  }
  if (buffer_.front() != kAcknowledge) {
    abandon();
    return true;
  }
  takeAcknowledge(replies);
  return true;
}

bool ProtocolEngine::takeCommandFrame(std::vector<Reply>& replies) {
  skip(static_cast<std::size_t>(std::find(buffer_.begin(), buffer_.end(), kCommandStart) - buffer_.begin()));
  if (buffer_.size() < kCommandFrameSize)
    return false;
  const std::span<const std::uint8_t> frame(buffer_.data(), kCommandFrameSize);
  if (xorOf(frame.subspan(1)) != 0) {
    skip(1);
    return true;
  }
  if (skippedCount_ > 0) {
    note("skipped " + std::to_string(skippedCount_) + " bytes: " + hexText(skipped_) +
         (skippedCount_ > skipped_.size() ? " ..." : ""));
    skipped_.clear();
    skippedCount_ = 0;
  }
  command_ = frame[1];
  payloadLength_ = static_cast<std::size_t>(frame[2] | frame[3] << 8);
  const Bytes taken(frame.begin(), frame.end());
  buffer_.erase(buffer_.begin(), buffer_.begin() + kCommandFrameSize);
  ++frames_;
  wire_ = "> " + hexText(taken);
  const bool known =
      std::find(kCommands.begin(), kCommands.end(), std::pair{command_, payloadLength_}) != kCommands.end();
  if (!known) {
    refuse("command frame " + hexText(taken), replies);
    return true;
  }
  stage_ = Stage::AwaitData;
  send(replies, {kAcknowledge}, options_.noCommandReply, {}, "command frame " + hexText(taken));
  return true;
}

bool ProtocolEngine::takeDataFrame(std::vector<Reply>& replies) {
  const std::size_t size = payloadLength_ + 2;
  if (buffer_.size() < size)
    return false;
  const Bytes frame(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(size));
  const std::span<const std::uint8_t> payload = std::span(frame).subspan(1, payloadLength_);
  wire_ += " > " + hexText(frame);
  if (xorOf(payload) != frame.back()) {
    note("data frame with a wrong checksum dropped: " + hexText(frame));
    buffer_.erase(buffer_.begin());
    stage_ = Stage::Idle;
    ended(WireExchange::End::Abandoned);
    return true;
  }
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(size));
  ++frames_;
  payload_.assign(payload.begin(), payload.end());
  if (!payloadAccepted()) {
    refuse("data frame " + hexText(frame) + " for command " + hex(command_, 2), replies);
    return true;
  }
  stage_ = Stage::AwaitAcknowledge;
  const auto low = static_cast<std::uint8_t>(payloadLength_ & 0xFF);
  const auto high = static_cast<std::uint8_t>(payloadLength_ >> 8);
  send(replies, {kAcknowledge, command_, low, high, static_cast<std::uint8_t>(command_ ^ low ^ high)},
       options_.noDataReply, {}, "data frame " + hexText(frame));
  return true;
}

void ProtocolEngine::takeAcknowledge(std::vector<Reply>& replies) {
  buffer_.erase(buffer_.begin());
  ++frames_;
  stage_ = Stage::Idle;
  wire_ += " > " + hexText(Bytes{kAcknowledge});
  std::string description;
  std::string role;
  Bytes reply = finalReply(description, role);
  if (options_.shortReply)
    reply.pop_back();
  const bool delayed = options_.replyDelayKind == ExchangeKind::Any || options_.replyDelayKind == kind();
  note(description);
  send(replies, std::move(reply), options_.noAckReply, delayed ? options_.replyDelay : std::chrono::milliseconds{},
       "acknowledge");
  ended(WireExchange::End::Whole, role);
}

Bytes ProtocolEngine::finalReply(std::string& description, std::string& role) {
  switch (kind()) {
  case ExchangeKind::Read: {
    const int count = payload_[0];
    const auto address = static_cast<std::uint16_t>(payload_[1] | payload_[2] << 8);
    const MemoryImage memory = drive_.memory();
    const Bytes value = memory.read(address, count);
    const std::string label = memory.labelAt(address);
    role = label.empty() ? "read " + hex(address, 4) : label;
    description = "read " + hex(address, 4) + " n" + std::to_string(count) + (label.empty() ? "" : " " + label) +
                  " -> " + hexText(value);
    return framed(value);
  }
  case ExchangeKind::DisplayText: {
    std::string text = drive_.displayText();
    text.resize(payload_[0], ' ');
    role = "display text";
    description = "display text \"" + text + "\"";
    return framed(Bytes(text.begin(), text.end()));
  }
  case ExchangeKind::PanelBlock: {
    const Bytes block = drive_.panelBlock();
    role = "panel block";
    description = "panel block \"" + std::string(block.begin(), block.begin() + 32) + "\" status " +
                  hexText(std::span(block).subspan(32));
    return framed(block);
  }
  case ExchangeKind::Write:
  case ExchangeKind::Any:
    break;
  }
  const auto address = static_cast<std::uint16_t>(payload_[1] | payload_[2] << 8);
  const auto value = static_cast<std::uint16_t>(payload_[3] << 8 | payload_[4]);
  role = "write " + hex(command_, 2);
  description = "write " + hex(command_, 2) + " at " + hex(address, 4) + " value " +
                hexText(std::span(payload_).subspan(3)) + ": " + drive_.write(command_, address, value);
  return {kAcknowledge, 0x04};
}

bool ProtocolEngine::payloadAccepted() const {
  switch (kind()) {
  case ExchangeKind::Read:
    return payload_[0] >= 1 && payload_[0] <= 4;
  case ExchangeKind::DisplayText:
    return payload_[0] >= 1 && payload_[0] <= 2 * kLineWidth;
  case ExchangeKind::PanelBlock:
    return true;
  case ExchangeKind::Write:
  case ExchangeKind::Any:
    break;
  }
  return payload_[0] == 2;
}

ExchangeKind ProtocolEngine::kind() const {
  switch (command_) {
  case kReadMemory:
    return ExchangeKind::Read;
  case kReadDisplayText:
    return ExchangeKind::DisplayText;
  case kReadPanelBlock:
    return ExchangeKind::PanelBlock;
  default:
    return ExchangeKind::Write;
  }
}

void ProtocolEngine::skip(std::size_t count) {
  const std::size_t shown = std::min(count, kSkippedShown - std::min(kSkippedShown, skipped_.size()));
  skipped_.insert(skipped_.end(), buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(shown));
  skippedCount_ += count;
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
}

void ProtocolEngine::abandon() {
  note(std::string("transaction ") + hex(command_, 2) + " abandoned before its " +
       (stage_ == Stage::AwaitData ? "data frame" : "acknowledge"));
  stage_ = Stage::Idle;
  ended(WireExchange::End::Abandoned);
}

void ProtocolEngine::refuse(const std::string& what, std::vector<Reply>& replies) {
  stage_ = Stage::Idle;
  note("refused " + what);
  send(replies, {kRefused}, false, {}, what);
  ended(WireExchange::End::Refused);
}

void ProtocolEngine::send(std::vector<Reply>& replies, Bytes bytes, bool fault,
                          std::chrono::nanoseconds extraDelay, const std::string& what) {
  const bool beyondLimit = options_.silentAfterFrames && frames_ > *options_.silentAfterFrames;
  if (options_.silent || beyondLimit || fault) {
    note("not answered: " + what);
    return;
  }
  if (options_.garbage)
    bytes.insert(bytes.begin(), kJunk);
  wire_ += " < " + hexText(bytes);
  replies.push_back({std::move(bytes), options_.latency + extraDelay});
}

std::optional<std::string> ProtocolEngine::dropUnfinished() {
  if (!unfinished())
    return std::nullopt;
  std::string wire = stage_ == Stage::Idle ? std::string() : wire_;
  if (!buffer_.empty())
    wire += (wire.empty() ? "> " : " > ") + hexText(buffer_);
  stage_ = Stage::Idle;
  buffer_.clear();
  wire_.clear();
  return wire;
}

void ProtocolEngine::ended(WireExchange::End end, std::string role) {
  if (exchangeLog_)
    exchangeLog_({wire_, std::move(role), end});
  wire_.clear();
}

void ProtocolEngine::note(const std::string& line) {
  if (transcript_)
    transcript_(line);
}

} // namespace orvane::sim
