// Reads arbitrary bytes as ta.ini. Besides what the sanitizers catch: settings that were read in
// whole are written back and read again to the same eleven numbers.

#include "settings/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace orvane;

std::filesystem::path configHome;

void removeConfigHome() { std::filesystem::remove_all(configHome); }

void writeFile(const std::uint8_t* data, std::size_t size) {
  std::ofstream file(settingsPath(), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every input is written to the file and read back: in memory that runs twenty times faster.
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  std::string folder = (base / "orvane-settings-fuzz.XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr)
    std::abort();
  configHome = folder;
  std::filesystem::create_directories(configHome / "orvane-trend");
  ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  std::atexit(removeConfigHome);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  writeFile(data, size);
  AppliedSettings read;
  if (!readSettingsFile(read))
    return 0;

  writeSettingsFile(read);
  AppliedSettings again;
  if (!readSettingsFile(again))
    std::abort();
  for (const auto setting : kStoredSettings) {
    if (again.*setting != read.*setting)
      std::abort();
  }
  return 0;
}
