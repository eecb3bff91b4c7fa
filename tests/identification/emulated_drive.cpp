#include "identification/emulated_drive.h"

#include <numeric>

namespace orvane::testing {
namespace {

std::uint8_t xorOf(Bytes::const_iterator first, Bytes::const_iterator last) {
  return std::accumulate(first, last, std::uint8_t{0}, [](std::uint8_t sum, std::uint8_t byte) {
    return static_cast<std::uint8_t>(sum ^ byte);
  });
}

bool isCommandFrame(const Bytes& sent) {
  return sent.size() == 5 && sent[0] == 0x01 && xorOf(sent.begin() + 1, sent.end() - 1) == sent[4];
}

bool isDataFrame(const Bytes& sent, const Bytes& command) {
  const std::size_t length = command[2] | (command[3] << 8);
  return sent.size() == length + 2 && sent[0] == 0x02 && xorOf(sent.begin() + 1, sent.end() - 1) == sent.back();
}

Bytes padded(const std::string& text, std::size_t size) {
  Bytes bytes(text.begin(), text.end());
  bytes.resize(size, ' ');
  return bytes;
}

} // namespace

EmulatedDrive::EmulatedDrive(ScriptedSerialPort& port) : port_(port) {
  port_.setResponder([this](const Bytes& sent) { return respond(sent); });
}

void EmulatedDrive::setMemory(std::uint16_t address, const Bytes& bytes) {
  for (std::uint8_t byte : bytes)
    memory_[address++] = byte;
}

std::vector<std::pair<std::uint16_t, int>> EmulatedDrive::reads() const {
  std::vector<std::pair<std::uint16_t, int>> result;
  for (const Exchange& exchange : exchanges)
    if (exchange.command == 0x05)
      result.emplace_back(exchange.payload[1] | (exchange.payload[2] << 8), exchange.payload[0]);
  return result;
}

std::vector<ScriptedSerialPort::Reply> EmulatedDrive::respond(const Bytes& sent) {
  if (framesLeft_) {
    if (*framesLeft_ == 0)
      return {};
    --*framesLeft_;
  }
  if (isCommandFrame(sent)) {
    command_ = sent;
    payload_.reset();
    return {{Bytes{0x06}}};
  }
  if (command_ && !payload_ && isDataFrame(sent, *command_)) {
    payload_ = Bytes(sent.begin() + 1, sent.end() - 1);
    return {{Bytes(5, 0x06)}};
  }
  if (command_ && payload_ && sent == Bytes{0x06}) {
    Bytes answer = answerAcknowledge();
    command_.reset();
    if (answer.empty())
      return {};
    return {{std::move(answer)}};
  }
  command_.reset();
  return {};
}

Bytes EmulatedDrive::answerAcknowledge() {
  const std::uint8_t command = (*command_)[1];
  const Bytes& payload = *payload_;
  exchanges.push_back({command, payload, port_.inputMode()});
  switch (command) {
  case 0x05: {
    Bytes reply{0x00};
    const std::uint16_t address = payload[1] | (payload[2] << 8);
    for (int offset = 0; offset < payload[0]; ++offset) {
      const auto byte = memory_.find(static_cast<std::uint16_t>(address + offset));
      if (byte == memory_.end())
        return {};
      reply.push_back(byte->second);
    }
    reply.push_back(0x00);
    return reply;
  }
  case 0x09:
    if (payload == Bytes{0x02, 0x00, 0x00, 0x02, 0x00})
      panelPosition_ = 0;
    else if (payload == Bytes{0x02, 0x00, 0x00, 0x01, 0x00})
      ++panelPosition_;
    return {0x00, 0x00};
  case 0x0A: {
    const auto screen = screens_.find(panelPosition_);
    Bytes reply = padded(screen == screens_.end() ? std::string() : screen->second, 16);
    reply.insert(reply.begin(), 0x00);
    reply.insert(reply.end(), {0x00, 0x00});
    return reply;
  }
  case 0x24: {
    Bytes reply = padded(blockText_, 32);
    reply.insert(reply.begin(), 0x00);
    reply.insert(reply.end(), 5, 0x00);
    return reply;
  }
  default:
    return {0x00, 0x00};
  }
}

} // namespace orvane::testing
