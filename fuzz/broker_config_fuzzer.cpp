// Reads arbitrary bytes as a broker URL (--mqtt) or as mqtt.conf, as the first byte says. Besides what
// the sanitizers catch: exactly one of settings and an error comes out, and accepted settings, written
// as a URL again, read back as the same settings.

#include "publish/broker_config_file.h"
#include "publish/publisher_report.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace orvane;

std::filesystem::path folder;

void removeFolder() { std::filesystem::remove_all(folder); }

void checkSettings(const BrokerSettingsResult& result) {
  if (result.settings.has_value() == !result.error.empty())
    std::abort();
  if (!result.settings)
    return;
  const BrokerSettings& settings = *result.settings;
  if (settings.host.empty() || settings.port < 1 || settings.port > 65535 || settings.prefix.empty())
    std::abort();
  const std::string url = brokerUrlText(settings);
  const BrokerSettingsResult again = parseBrokerUrl(url);
  if (!again.settings || brokerUrlText(*again.settings) != url)
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  std::string name = (base / "orvane-broker-fuzz.XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr)
    std::abort();
  folder = name;
  std::atexit(removeFolder);
  ::unsetenv("CREDENTIALS_DIRECTORY");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if ((data[0] & 1) == 0) {
    checkSettings(parseBrokerUrl(text));
    return 0;
  }
  const std::string path = (folder / "mqtt.conf").string();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  checkSettings(loadBrokerConfig(path));
  return 0;
}
