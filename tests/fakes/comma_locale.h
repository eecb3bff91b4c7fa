#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvane::testing {

// Switches the C library to a desktop whose numbers use a decimal comma, as
// Qt does from the environment. The machine may have no compiled locales: one
// is built from the locale sources into a temporary folder. False when even
// that is impossible: the test then fails, for a pin that skips pins nothing.
inline bool useCommaLocale() {
  const std::filesystem::path compiled = std::filesystem::temp_directory_path() / "orvane-locales";
  if (!std::filesystem::exists(compiled / "de_DE.UTF-8")) {
    std::filesystem::create_directories(compiled);
    const std::string build =
        "localedef -i de_DE -f UTF-8 " + (compiled / "de_DE.UTF-8").string() + " 2>/dev/null";
    [[maybe_unused]] const int status = std::system(build.c_str());
  }
  setenv("LOCPATH", compiled.c_str(), 1);
  return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

inline void restoreCLocale() {
  std::setlocale(LC_ALL, "C");
  unsetenv("LOCPATH");
}

} // namespace orvane::testing
