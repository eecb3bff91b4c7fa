#include "settings/settings_file.h"

#include "platform/config_folder.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace orvane {
namespace {

std::optional<std::int16_t> wholeNumber(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return std::nullopt;
  line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
  if (line.size() > 1 && line.front() == '+' && line[1] != '-')
    line.remove_prefix(1);
  std::int16_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error != std::errc() || end != line.data() + line.size())
    return std::nullopt;
  return value;
}

// No line of a sound file is longer than this: a longer one means a damaged file, or a device that
// never ends a line, and reading stops there instead of taking ever more memory.
constexpr std::size_t kLongestLine = 64;

// One line without its end; false at the end of the file or on a line that runs too long.
bool readLine(std::istream& file, std::string& line) {
  line.clear();
  for (char character; file.get(character);) {
    if (character == '\n')
      return true;
    if (line.size() == kLongestLine)
      return false;
    line += character;
  }
  return !line.empty();
}

std::system_error writeFailure(std::error_code error, const std::string& path) {
  return std::system_error(error, "The settings file " + path + " could not be written");
}

// The file is rewritten whole, without a backup or a temporary copy.
template <typename Format> void writeLines(Format&& format) {
  const std::string path = settingsPath();
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (error)
    throw writeFailure(error, path);
  std::string text;
  for (std::size_t line = 0; line < kStoredSettings.size(); ++line)
    text += format(line) + "\r\n";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    throw writeFailure({errno, std::generic_category()}, path);
  if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
    const int writeError = errno;
    std::fclose(file);
    throw writeFailure({writeError, std::generic_category()}, path);
  }
  if (std::fclose(file) != 0)
    throw writeFailure({errno, std::generic_category()}, path);
}

} // namespace

std::string settingsPath() { return configFolder() + "/ta.ini"; }

bool readSettingsFile(AppliedSettings& settings) {
  std::ifstream file(settingsPath(), std::ios::binary);
  std::string line;
  for (const auto setting : kStoredSettings) {
    if (!readLine(file, line))
      return false;
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    const auto value = wholeNumber(line);
    if (!value)
      return false;
    settings.*setting = *value;
  }
  return true;
}

void writeSettingsFile(const AppliedSettings& settings) {
  writeLines([&](std::size_t line) {
    const std::int16_t value = settings.*kStoredSettings[line];
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
  });
}

void writeDefaultSettingsFile() {
  writeLines([](std::size_t line) { return std::to_string(kDefaultSettings[line]); });
}

} // namespace orvane
