#include "publish/broker_client.h"

#include <cerrno>
#include <mosquitto.h>
#include <system_error>

namespace orvane {
namespace {

constexpr int kKeepAliveSeconds = 30;
constexpr int kAtLeastOnce = 1;

} // namespace

BrokerClient::BrokerClient(const BrokerSettings& settings, const std::string& willTopic,
                           const std::string& willPayload, Callbacks callbacks)
    : settings_(settings), callbacks_(std::move(callbacks)), client_(mosquitto_new(nullptr, true, this)) {
  if (client_ == nullptr) {
    setupError_ = "cannot create an MQTT client: " + std::system_category().message(errno);
    return;
  }
  mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
  mosquitto_connect_callback_set(client_, [](mosquitto*, void* self, int code) {
    static_cast<BrokerClient*>(self)->callbacks_.connackReceived(code);
  });
  mosquitto_publish_callback_set(client_, [](mosquitto*, void* self, int messageId) {
    static_cast<BrokerClient*>(self)->callbacks_.acknowledged(messageId);
  });
  // libmosquitto tells why TLS failed (an unverified certificate, say) only in its log.
  mosquitto_log_callback_set(client_, [](mosquitto*, void* self, int level, const char* text) {
    if (level == MOSQ_LOG_ERR)
      static_cast<BrokerClient*>(self)->lastLoggedError_ = text;
  });
  int code = mosquitto_will_set(client_, willTopic.c_str(), static_cast<int>(willPayload.size()),
                                willPayload.data(), kAtLeastOnce, true);
  if (code == MOSQ_ERR_SUCCESS && !settings.user.empty())
    code = mosquitto_username_pw_set(client_, settings.user.c_str(),
                                     settings.password ? settings.password->c_str() : nullptr);
  if (code == MOSQ_ERR_SUCCESS && settings.tls)
    code = mosquitto_tls_set(client_, settings.caFile.empty() ? nullptr : settings.caFile.c_str(),
                             settings.caFile.empty() ? "/etc/ssl/certs" : nullptr, nullptr, nullptr, nullptr);
  if (code != MOSQ_ERR_SUCCESS)
    setupError_ = "cannot set up the MQTT client: " + errorText(code);
}

BrokerClient::~BrokerClient() {
  if (client_ != nullptr)
    mosquitto_destroy(client_);
}

std::string BrokerClient::errorText(int code) const {
  if (code == MOSQ_ERR_ERRNO)
    return std::system_category().message(errno);
  if (code == MOSQ_ERR_TLS && !lastLoggedError_.empty())
    return std::string(mosquitto_strerror(code)) + " " + lastLoggedError_;
  return mosquitto_strerror(code);
}

std::string BrokerClient::connect() {
  if (!setupError_.empty())
    return setupError_;
  const int code = mosquitto_connect_async(client_, settings_.host.c_str(), settings_.port, kKeepAliveSeconds);
  return code == MOSQ_ERR_SUCCESS ? std::string() : errorText(code);
}

int BrokerClient::socket() const { return mosquitto_socket(client_); }

bool BrokerClient::wantsWrite() const { return mosquitto_want_write(client_); }

std::string BrokerClient::read() {
  const int code = mosquitto_loop_read(client_, 1);
  return code == MOSQ_ERR_SUCCESS ? std::string() : errorText(code);
}

std::string BrokerClient::write() {
  const int code = mosquitto_loop_write(client_, 1);
  return code == MOSQ_ERR_SUCCESS ? std::string() : errorText(code);
}

std::string BrokerClient::keepAlive() {
  const int code = mosquitto_loop_misc(client_);
  return code == MOSQ_ERR_SUCCESS ? std::string() : errorText(code);
}

std::optional<int> BrokerClient::publish(const std::string& topic, const std::string& payload, bool retain) {
  int messageId = 0;
  const int code = mosquitto_publish(client_, &messageId, topic.c_str(), static_cast<int>(payload.size()),
                                     payload.data(), kAtLeastOnce, retain);
  return code == MOSQ_ERR_SUCCESS ? std::optional<int>(messageId) : std::nullopt;
}

std::string BrokerClient::refusalText(int connackCode) { return mosquitto_connack_string(connackCode); }

void BrokerClient::disconnect() {
  mosquitto_disconnect(client_);
  mosquitto_loop_write(client_, 1);
}

} // namespace orvane
