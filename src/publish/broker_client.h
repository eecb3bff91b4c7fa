#pragma once

#include "publish/broker_settings.h"

#include <functional>
#include <optional>
#include <string>

struct mosquitto;

namespace orvane {

// One connection to the broker through libmosquitto, driven from the caller's own poll loop
// (socket(), wantsWrite(), read(), write(), keepAlive()): nothing here blocks but the name
// look-up of connect(). A connection that is lost or refused is thrown away whole and a new
// client made for the next attempt, so that no message lingers inside the library.
class BrokerClient {
public:
  struct Callbacks {
    std::function<void(int connackCode)> connackReceived; // 0: accepted
    std::function<void(int messageId)> acknowledged;
  };

  // The last will is published retained by the broker when this client vanishes.
  BrokerClient(const BrokerSettings& settings, const std::string& willTopic, const std::string& willPayload,
               Callbacks callbacks);
  ~BrokerClient();
  BrokerClient(const BrokerClient&) = delete;
  BrokerClient& operator=(const BrokerClient&) = delete;

  // Starts connecting; an error text when it cannot even begin (TLS setup, name look-up).
  std::string connect();
  int socket() const;
  bool wantsWrite() const;
  // Each returns an error text when the connection is gone.
  std::string read();
  std::string write();
  std::string keepAlive();
  // QoS 1. The message id, or none when the library refuses it (not connected).
  std::optional<int> publish(const std::string& topic, const std::string& payload, bool retain);
  void disconnect();

  // Why the broker refused a connection, from its CONNACK code.
  static std::string refusalText(int connackCode);

private:
  std::string errorText(int code) const;

  const BrokerSettings& settings_;
  Callbacks callbacks_;
  mosquitto* client_;
  std::string setupError_;
  std::string lastLoggedError_;
};

} // namespace orvane
