// Reads arbitrary bytes field by field as the CSV export reads the session log, then exports them as
// a session log through the export itself. Besides what the sanitizers catch: the reader ends
// within one field per byte, and a field that reads as a number is written in a form that reads
// back as the same number to 14 significant digits.

#include "output/csv_export.h"
#include "output/sequential_input.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace orvane;

std::filesystem::path folder;

void removeFolder() { std::filesystem::remove_all(folder); }

// The save dialog: always the same file in the fuzzer's folder.
class FixedChoice final : public FileDialogs {
public:
  std::string saveFileName(const SaveDialog&) override { return (folder / "export.csv").string(); }
};

void checkNumber(const InputField& field) {
  std::istringstream written(writtenForm(field));
  SequentialInput again(written);
  const std::optional<InputField> read = again.next();
  if (!read || !read->isNumber ||
      std::abs(read->number - field.number) > 1e-14 * std::max(1.0, std::abs(field.number)))
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every input is written to a file and exported: in memory that runs far faster.
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  std::string name = (base / "orvane-csv-fuzz.XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr)
    std::abort();
  folder = name;
  std::atexit(removeFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  SequentialInput input(in);
  std::size_t fields = 0;
  while (const std::optional<InputField> field = input.next()) {
    if (++fields > size + 1)
      std::abort();
    if (field->isNumber)
      checkNumber(*field);
  }

  const std::filesystem::path log = folder / "Trend.CSV";
  std::ofstream(log, std::ios::binary | std::ios::trunc) << bytes;
  FixedChoice dialogs;
  CsvExport(dialogs, log.string()).csvmenu_Click();
  return 0;
}
