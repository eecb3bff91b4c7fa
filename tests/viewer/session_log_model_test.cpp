#include "fakes/comma_locale.h"
#include "fakes/log_header.h"
#include "viewer/session_log_model.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// Samples/skipped lines of each session, the shown one marked with *.
std::string describe(const SessionLogModel& model) {
  std::string text;
  for (std::size_t i = 0; i < model.sessions().size(); ++i)
    text += (i ? " " : "") + std::to_string(model.sessions()[i].samples) + "/" +
            std::to_string(model.sessions()[i].skippedLines) + (i == model.shownSession() ? "*" : "");
  return text;
}

// The shown session's samples as the log's own text would write them.
std::vector<std::string> shownLines(const SessionLogModel& model) {
  std::vector<std::string> lines;
  const SampleStore& store = model.store();
  for (auto [i, last] = model.shownSamples(); i < last; ++i)
    lines.push_back(formatSessionLogLine(logTimeText(store.time(i)), store.value(Frequency, i),
                                         store.value(Current, i), store.currentPercent(i),
                                         store.value(DcLink, i)));
  return lines;
}

class SessionLogModelTest : public ::testing::Test {
protected:
  void write(const std::string& text, std::ios::openmode mode = std::ios::trunc) {
    std::ofstream(path_, std::ios::binary | mode) << text;
  }
  void append(const std::string& text) { write(text, std::ios::app); }
  SessionLogModel::Change read() { return readAvailable(scanner_, model_); }
  std::string sessions() const { return describe(model_); }

  // A folder per test: ctest runs the tests of this program side by side.
  std::filesystem::path folder_ = std::filesystem::path(::testing::TempDir()) / "viewer" /
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::string path_ = (std::filesystem::create_directories(folder_), folder_ / "Trend.CSV").string();
  SessionLogModel model_{path_};
  LogScanner scanner_{path_};
};

TEST_F(SessionLogModelTest, readsTheSamplesOfEveryLineItCanAndCountsTheRest) {
  const std::string longLine(3000, '7');
  struct Case {
    const char* what;
    std::string file;
    std::string sessions;
    std::string problem;
  };
  const Case cases[] = {
      {"header and CR LF lines", kLogHeader + "0,49.5,3.2,42.66667,560\r\n0.5,-12,1,13.3,561\r\n", "2/0*", ""},
      {"bare LF, no header, blanks around fields", "0,1,2,3,4\n 0.5 , 1 ,2,3,\t4\n", "2/0*", ""},
      {"two sessions: the last is shown",
       kLogHeader + "0,1,2,3,4\r\n" + kLogHeader + "0,1,2,3,4\r\n0.5,1,2,3,4\r\n", "1/0 2/0*", ""},
      {"too few, too many fields", kLogHeader + "0,1,2,3\r\n0,1,2,3,4,5\r\n0,1,2,3,4\r\n", "1/2*", ""},
      {"text in a number, comma decimals", "0,abc,2,3,4\n0,49,5,2,3,4\n0;1;2;3;4\n1,2,3,4,5\n", "1/3*", ""},
      {"not finite, time running backwards", "0,inf,2,3,4\n0,nan,2,3,4\n5,1,2,3,4\n4,1,2,3,4\n", "1/3*", ""},
      {"a very long line", kLogHeader + longLine + "\r\n1,2,3,4,5\r\n", "1/1*", ""},
      {"the last line without its end waits", kLogHeader + "0,1,2,3,4\r\n0.5,1,2,3,4", "1/0*", ""},
      {"empty", "", "", " is empty."},
      {"a header alone", kLogHeader, "0/0*", "has no samples yet."},
      {"a header and half a line", kLogHeader + "0,1,2", "0/0*", "has no samples yet."},
      {"binary",
       std::string("\x7f"
                   "ELF\x02\x01\x00\x00\r\n\xff\xfe,\x01\n",
                   15),
       "", "holds no sample lines (2 lines skipped)."},
      {"NUL bytes", std::string(5000, '\0'), "", "holds no sample lines (5000 bytes without a line end)."},
      {"no line end at all", "0,1,2,3,4", "", "holds no sample lines (9 bytes without a line end)."},
      {"bad lines, then no line end", "x\r\ny\r\n0,1", "", "(2 lines skipped, 3 bytes without a line end)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write(c.file);
    SessionLogModel model(path_);
    LogScanner scanner(path_);
    readAvailable(scanner, model);
    EXPECT_EQ(describe(model), c.sessions);
    const std::string problem = model.problem();
    EXPECT_EQ(problem.empty(), c.problem.empty()) << problem;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
  }
}

// The cursor read-out and the statistics write values from memory: they must
// come out as the program logged them.
TEST_F(SessionLogModelTest, keepsEveryValueAsLogged) {
  write(kLogHeader +
        "0,-49.5,12.25,81.66667,560\r\nbad\r\n1.20000002384186, 3.333333 ,0.1234567,1.645879,565.5\r\n");
  read();
  EXPECT_EQ(shownLines(model_), (std::vector<std::string>{"0,-49.5,12.25,81.66667,560",
                                                          "1.20000002384186,3.333333,0.1234567,1.645879,565.5"}));
}

// Qt sets the C library's locale from the desktop's; the log's "." stays the decimal point.
TEST_F(SessionLogModelTest, readsLogsOnACommaDecimalDesktop) {
  ASSERT_TRUE(testing::useCommaLocale()) << "no comma-decimal locale: the Debian package locales is missing";
  write(kLogHeader + "0,-49.5,12.25,81.66667,560\r\n0.6,49.98,6.12,81.6,561\r\n1.20000002384186,1,2,3,4\r\n");
  read();
  testing::restoreCLocale();
  EXPECT_EQ(sessions(), "3/0*");
  EXPECT_EQ(model_.store().value(Frequency, 1), 49.98f);
  EXPECT_EQ(model_.store().time(2), 1.20000002384186);
}

TEST_F(SessionLogModelTest, followsAppendsAndStartsAfreshOnANewStart) {
  struct Step {
    const char* what;
    bool rewrite;
    std::string text;
    std::string sessions;
    bool newSession;
    std::size_t shownSamples;
  };
  const Step steps[] = {
      {"a session begins", true, kLogHeader + "0,1,2,3,4\r\n", "1/0*", true, 1},
      {"half a line waits", false, "0.5,1,2,", "1/0*", false, 1},
      {"until its end comes", false, "3,4\r", "2/0*", false, 2},
      {"the LF after the CR adds nothing", false, "\n", "2/0*", false, 2},
      {"a bad line is counted", false, "1,x,2,3,4\r\n", "2/1*", false, 2},
      {"a new header starts a new session", false, kLogHeader + "0,5,6,7,8\r\n", "2/1 1/0*", true, 1},
      {"truncated: read from the start", true, kLogHeader + "0,9,9,9,9\r\n", "1/0*", true, 1},
      {"rewritten to a longer file", true, kLogHeader + "0,8,8,8,8\r\n0.5,8,8,8,8\r\n", "2/0*", true, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.rewrite ? write(step.text) : append(step.text);
    const SessionLogModel::Change change = read();
    EXPECT_EQ(sessions(), step.sessions);
    EXPECT_EQ(change.newSession, step.newSession);
    const auto [first, last] = model_.shownSamples();
    EXPECT_EQ(last - first, step.shownSamples);
  }
  EXPECT_EQ(model_.store().value(Frequency, model_.store().size() - 1), 8);
}

TEST_F(SessionLogModelTest, showsAnEarlierSessionWhenPickedAndTheNewestWhenOneBegins) {
  write(kLogHeader + "0,1,1,1,1\r\n0.5,2,2,2,2\r\n" + kLogHeader + "0,3,3,3,3\r\n");
  read();
  model_.showSession(0);
  EXPECT_EQ(shownLines(model_), (std::vector<std::string>{"0,1,1,1,1", "0.5,2,2,2,2"}));
  append("0.5,4,4,4,4\r\n");
  EXPECT_FALSE(read().newSamples) << "the shown session did not grow";
  EXPECT_EQ(sessions(), "2/0* 2/0");
  append(kLogHeader + "0,5,5,5,5\r\n");
  read();
  EXPECT_EQ(sessions(), "2/0 2/0 1/0*");
  EXPECT_EQ(shownLines(model_), (std::vector<std::string>{"0,5,5,5,5"}));
}

TEST_F(SessionLogModelTest, refusesWhatCannotBeReadAndReadsALargeFileInPieces) {
  std::filesystem::remove(path_);
  read();
  EXPECT_EQ(model_.problem(), path_ + " does not exist.");
  std::filesystem::create_directory(path_);
  read();
  EXPECT_EQ(model_.problem(), path_ + " cannot be shown: it is a folder.");
  std::filesystem::remove(path_);
  std::filesystem::resize_file((std::ofstream(path_), path_), 257u << 20);
  read();
  EXPECT_EQ(model_.problem(),
            path_ + " cannot be shown: it holds 257 MB, more than the 256 MB the Session Viewer reads.");

  std::string file = kLogHeader;
  for (int i = 0; i < 1000; ++i)
    file += std::to_string(i) + ",1,2,3,4\r\n";
  write(file);
  int pieces = 0;
  for (bool more = true; more; ++pieces) {
    const LogBatch batch = scanner_.next(1000);
    model_.apply(batch);
    more = batch.more;
    EXPECT_EQ(model_.caughtUp(), !more);
  }
  EXPECT_EQ(pieces, static_cast<int>((file.size() + 999) / 1000));
  EXPECT_EQ(sessions(), "1000/0*");
}

} // namespace
} // namespace orvane
