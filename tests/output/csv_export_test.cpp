#include "fakes/scripted_file_dialogs.h"
#include "output/csv_export.h"

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ScriptedFileDialogs;

constexpr const char* kHeader = "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n";

class CsvExportTest : public ::testing::Test {
protected:
  std::string path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }

  void writeLog(const std::string& bytes) const { std::ofstream(logPath, std::ios::binary) << bytes; }

  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Exports the log to the named file, as if the user chose it.
  std::string exportTo(const std::string& name) {
    files.answers.push_back(path(name));
    exporter.csvmenu_Click();
    return contents(path(name));
  }

  QTemporaryDir dir;
  std::string logPath = path("Trend.CSV");
  ScriptedFileDialogs files;
  CsvExport exporter{files, logPath};
};

TEST_F(CsvExportTest, cancellingWritesNothingAndWithoutALogNoFileIsCreated) {
  exportTo("export.csv");
  EXPECT_FALSE(std::filesystem::exists(path("export.csv")));

  writeLog(kHeader);
  exporter.csvmenu_Click();
  EXPECT_EQ(files.shown.size(), 2u);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList{"Trend.CSV"});
}

TEST_F(CsvExportTest, anUnwritableOrFullTargetOrTheLogItselfEndsSilentlyAndLeavesTheLogAlone) {
  std::string log = kHeader;
  log += "0,49.5,3.2,40,560\r\n";
  writeLog(log);
  std::filesystem::create_directory(path("folder.csv"));
  std::filesystem::create_symlink(logPath, path("symbolic.csv"));
  std::filesystem::create_hard_link(logPath, path("hard.csv"));
  for (const std::string& target :
       {path("folder.csv"), std::string("/dev/full"), path("missing/export.csv"), logPath,
        path("folder.csv/../Trend.CSV"), path("symbolic.csv"), path("hard.csv")}) {
    files.answers.push_back(target);
    exporter.csvmenu_Click();
  }
  EXPECT_EQ(contents(logPath), log);
  EXPECT_FALSE(std::filesystem::exists(path("missing")));
}

TEST_F(CsvExportTest, fieldsAreCopiedFiveALineBareAndNumbersInPlainFormKeepingOnlyCompleteRecords) {
  const std::string header = kHeader;
  const std::tuple<std::string, const char*, std::string> exports[] = {
      {header, "pump run", header}, // a name without extension is used as typed
      {header + "0,49.5,3.2,40,560\r\n0.5,49", "export.csv", header + "0,49.5,3.2,40,560\r\n"},
      {"", "export.csv", ""}, // an earlier export is emptied
      {"1,2,3,4,5,6\r\n7,8,9,10\r\n", "export.csv", "1,2,3,4,5\r\n6,7,8,9,10\r\n"},
      {"  \" a,b \" x , 007 ,1.50,\t1E3 , -.5\r\nText here,+2.5D-1,12abc,\"7\",\n1,2,3,4,5\r1,2,3,4,5",
       "export.csv", " a,b ,7,1.5,1000,-0.5\r\nText here,0.25,12abc,7,\r\n1,2,3,4,5\r\n1,2,3,4,5\r\n"}};
  for (const auto& [log, name, expected] : exports) {
    writeLog(log);
    EXPECT_EQ(exportTo(name), expected) << log;
  }
  EXPECT_EQ(files.shown.back().title, "Export");
  EXPECT_EQ(files.shown.back().filter, "CSV File Format (*.CSV)");
  EXPECT_TRUE(files.shown.back().askBeforeReplacing);
  EXPECT_FALSE(std::filesystem::exists(path("pump run.CSV")));
}

// A 0.6 s session logs times such as 1.20000002384186: the export must not
// round them, nor the measured values, on the way through.
TEST_F(CsvExportTest, keepsEveryDigitOfTheLoggedNumbers) {
  std::string log(kHeader);
  log += "0,-12.5,3.333333,44.44444,565\r\n0.6,49.98,6.12,81.6,561\r\n"
         "1.20000002384186,49.99999,0.1234567,1.645879,560.5\r\n";
  writeLog(log);
  EXPECT_EQ(exportTo("export.csv"), log);
}

} // namespace
} // namespace orvane
