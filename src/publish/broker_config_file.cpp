#include "publish/broker_config_file.h"

#include "platform/config_folder.h"

#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string besideFile(const std::filesystem::path& file, std::string_view value) {
  if (value.empty())
    return {};
  const std::filesystem::path path(value);
  return path.is_absolute() ? path.string() : (file.parent_path() / path).string();
}

} // namespace

std::string brokerConfigPath() { return configFolder() + "/mqtt.conf"; }

BrokerSettingsResult loadBrokerConfig(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored))
    return {};
  std::ifstream file(path);
  if (!file)
    return {std::nullopt, "cannot read " + path, {}};

  std::string url;
  std::string caFile;
  std::string passwordFile;
  PlainPassword plainPassword = PlainPassword::refused;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.starts_with('#'))
      continue;
    const auto equals = text.find('=');
    const std::string where = path + " line " + std::to_string(number) + ": ";
    if (equals == std::string_view::npos)
      return {std::nullopt, where + "expected key=value", {}};
    const std::string_view key = trimmed(text.substr(0, equals));
    const std::string_view value = trimmed(text.substr(equals + 1));
    if (key == "url")
      url = value;
    else if (key == "ca_file")
      caFile = besideFile(path, value);
    else if (key == "password_file")
      passwordFile = besideFile(path, value);
    else if (key == "allow_plain_password" && (value == "yes" || value == "no"))
      plainPassword = value == "yes" ? PlainPassword::allowed : PlainPassword::refused;
    else if (key == "allow_plain_password")
      return {std::nullopt, where + "allow_plain_password takes yes or no", {}};
    else
      return {std::nullopt,
              where + "unknown key \"" + std::string(key) +
                  "\" (url, ca_file, password_file, allow_plain_password)",
              {}};
  }
  if (url.empty())
    return {std::nullopt, path + ": no url= line", {}};
  BrokerSettingsResult result = brokerSettings(url, caFile, passwordFile, plainPassword);
  if (!result.settings)
    result.error = path + ": " + result.error;
  return result;
}

} // namespace orvane
