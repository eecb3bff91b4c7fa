#include "viewer/session_log_model.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::string kHeader = "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n";

class RecordedSeries final : public SampleSeries {
public:
  void clear() override { samples.clear(); }
  void append(const Sample& sample) override { samples.push_back(sample); }
  void reserve(std::size_t) override {}
  void settle() override {}
  std::vector<Sample> samples;
};

// Samples/skipped lines of each session, the shown one marked with *.
std::string describe(const SessionLogModel& model) {
  std::string text;
  for (std::size_t i = 0; i < model.sessions().size(); ++i)
    text += (i ? " " : "") + std::to_string(model.sessions()[i].samples) + "/" +
            std::to_string(model.sessions()[i].skippedLines) + (i == model.shownSession() ? "*" : "");
  return text;
}

class SessionLogModelTest : public ::testing::Test {
protected:
  void write(const std::string& text, std::ios::openmode mode = std::ios::trunc) {
    std::ofstream(path_, std::ios::binary | mode) << text;
  }
  void append(const std::string& text) { write(text, std::ios::app); }
  std::string sessions() const { return describe(model_); }

  // A folder per test: ctest runs the tests of this program side by side.
  std::filesystem::path folder_ = std::filesystem::path(::testing::TempDir()) / "viewer" /
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::string path_ = (std::filesystem::create_directories(folder_), folder_ / "Trend.CSV").string();
  RecordedSeries series_;
  SessionLogModel model_{path_, series_};
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
      {"header and CR LF lines", kHeader + "0,49.5,3.2,42.66667,560\r\n0.5,-12,1,13.3,561\r\n", "2/0*", ""},
      {"bare LF, no header, blanks around fields", "0,1,2,3,4\n 0.5 , 1 ,2,3,\t4\n", "2/0*", ""},
      {"two sessions: the last is shown", kHeader + "0,1,2,3,4\r\n" + kHeader + "0,1,2,3,4\r\n0.5,1,2,3,4\r\n",
       "1/0 2/0*", ""},
      {"too few, too many fields", kHeader + "0,1,2,3\r\n0,1,2,3,4,5\r\n0,1,2,3,4\r\n", "1/2*", ""},
      {"text in a number, comma decimals", "0,abc,2,3,4\n0,49,5,2,3,4\n0;1;2;3;4\n1,2,3,4,5\n", "1/3*", ""},
      {"not finite, time running backwards", "0,inf,2,3,4\n0,nan,2,3,4\n5,1,2,3,4\n4,1,2,3,4\n", "1/3*", ""},
      {"a very long line", kHeader + longLine + "\r\n1,2,3,4,5\r\n", "1/1*", ""},
      {"the last line without its end waits", kHeader + "0,1,2,3,4\r\n0.5,1,2,3,4", "1/0*", ""},
      {"empty", "", "", " is empty."},
      {"a header alone", kHeader, "0/0*", "has no samples yet."},
      {"binary",
       std::string("\x7f"
                   "ELF\x02\x01\x00\x00\r\n\xff\xfe,\x01\n",
                   15),
       "", "holds no sample lines (2 lines skipped)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write(c.file);
    RecordedSeries series;
    SessionLogModel model(path_, series);
    model.poll(1 << 20);
    EXPECT_EQ(describe(model), c.sessions);
    const std::string problem = model.problem();
    EXPECT_EQ(problem.empty(), c.problem.empty()) << problem;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
  }
}

TEST_F(SessionLogModelTest, showsTheValuesAndKeepsTheTextAsLogged) {
  write(kHeader + "1.20000002384186,-49.5,12.25,81.66667,560\r\nbad\r\n" + "1.5, 3 ,4,5,6\r\n");
  model_.poll(1 << 20);
  ASSERT_EQ(series_.samples.size(), 2u);
  const Sample& first = series_.samples[0];
  EXPECT_EQ(std::vector<double>({first.time, first.frequency, first.current, first.currentPercent, first.dcLink}),
            std::vector<double>({1.20000002384186, -49.5, 12.25, 81.66667, 560}));
  EXPECT_EQ(model_.loggedFields(0),
            (std::array<std::string, 5>{"1.20000002384186", "-49.5", "12.25", "81.66667", "560"}));
  EXPECT_EQ(model_.loggedFields(1), (std::array<std::string, 5>{"1.5", "3", "4", "5", "6"}));
  EXPECT_EQ(model_.loggedFields(2), std::nullopt);
}

TEST_F(SessionLogModelTest, findsTheTextOfSamplesFarFromTheirCheckpoint) {
  std::string file = kHeader;
  for (int i = 0; i < 200; ++i)
    file += (i % 7 == 3 ? "skip me\r\n" : "") + std::to_string(i) + ",1,2,3," + std::to_string(1000 + i) + "\r\n";
  write(file);
  model_.poll(1 << 20);
  for (std::size_t sample : {0u, 63u, 64u, 130u, 199u})
    EXPECT_EQ((*model_.loggedFields(sample))[4], std::to_string(1000 + sample));
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
      {"a session begins", true, kHeader + "0,1,2,3,4\r\n", "1/0*", true, 1},
      {"half a line waits", false, "0.5,1,2,", "1/0*", false, 1},
      {"until its end comes", false, "3,4\r", "2/0*", false, 2},
      {"the LF after the CR adds nothing", false, "\n", "2/0*", false, 2},
      {"a bad line is counted", false, "1,x,2,3,4\r\n", "2/1*", false, 2},
      {"a new header starts a new session", false, kHeader + "0,5,6,7,8\r\n", "2/1 1/0*", true, 1},
      {"truncated: read from the start", true, kHeader + "0,9,9,9,9\r\n", "1/0*", true, 1},
      {"rewritten to a longer file", true, kHeader + "0,8,8,8,8\r\n0.5,8,8,8,8\r\n", "2/0*", true, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.rewrite ? write(step.text) : append(step.text);
    const SessionLogModel::Poll poll = model_.poll(1 << 20);
    EXPECT_EQ(sessions(), step.sessions);
    EXPECT_EQ(poll.newSession, step.newSession);
    EXPECT_EQ(series_.samples.size(), step.shownSamples);
  }
  EXPECT_EQ(series_.samples.back().frequency, 8);
}

TEST_F(SessionLogModelTest, showsAnEarlierSessionWhenPickedAndTheNewestWhenOneBegins) {
  write(kHeader + "0,1,1,1,1\r\n0.5,2,2,2,2\r\n" + kHeader + "0,3,3,3,3\r\n");
  model_.poll(1 << 20);
  model_.showSession(0);
  EXPECT_EQ(series_.samples.size(), 2u);
  EXPECT_EQ((*model_.loggedFields(1))[1], "2");
  append("0.5,4,4,4,4\r\n");
  model_.poll(1 << 20);
  EXPECT_EQ(sessions(), "2/0* 2/0");
  append(kHeader + "0,5,5,5,5\r\n");
  model_.poll(1 << 20);
  EXPECT_EQ(sessions(), "2/0 2/0 1/0*");
  EXPECT_EQ(series_.samples.back().frequency, 5);
}

TEST_F(SessionLogModelTest, refusesWhatCannotBeReadAndReadsALargeFileInPieces) {
  std::filesystem::remove(path_);
  model_.poll(1 << 20);
  EXPECT_EQ(model_.problem(), path_ + " does not exist.");
  std::filesystem::create_directory(path_);
  model_.poll(1 << 20);
  EXPECT_EQ(model_.problem(), path_ + " cannot be shown: it is a folder.");
  std::filesystem::remove(path_);

  std::string file = kHeader;
  for (int i = 0; i < 1000; ++i)
    file += std::to_string(i) + ",1,2,3,4\r\n";
  write(file);
  int polls = 1;
  while (model_.poll(1000).more)
    ++polls;
  EXPECT_EQ(polls, static_cast<int>((file.size() + 999) / 1000));
  EXPECT_EQ(sessions(), "1000/0*");
}

} // namespace
} // namespace orvane
