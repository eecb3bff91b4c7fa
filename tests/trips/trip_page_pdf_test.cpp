#include "link/models.h"
#include "trips/trip_display.h"
#include "trips/trip_print_page.h"
#include "trips/ui/qt_trip_page_output.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvane {
namespace {

struct Word {
  QString text;
  double left;
  double top;
  double right;
};

// A page printed to a PDF file, read back with pdftotext.
class PrintedPage {
public:
  explicit PrintedPage(const TripPrintPage& page) {
    path_ = dir_.filePath("page.pdf");
    written_ = QtTripPageOutput().saveAsPdf(page, path_.toStdString());
  }

  bool written() const { return written_; }
  QString text() const { return run({"-layout", path_, "-"}); }
  int pages() const { return run({path_, "-"}).count('\f'); }

  // Every word with its box, in points from the top-left of the paper.
  std::vector<Word> words() const {
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<Word> found;
    for (const QRegularExpressionMatch& match : word.globalMatch(run({"-bbox", path_, "-"})))
      found.push_back({match.captured(4), match.captured(1).toDouble(), match.captured(2).toDouble(),
                       match.captured(3).toDouble()});
    return found;
  }

  std::vector<Word> wordsReading(const QString& text) const {
    std::vector<Word> found;
    for (const Word& word : words())
      if (word.text == text)
        found.push_back(word);
    return found;
  }

private:
  static QString run(const QStringList& arguments) {
    QProcess process;
    process.start("pdftotext", arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  QTemporaryDir dir_;
  QString path_;
  bool written_ = false;
};

TEST(TripPagePdf, sixTripPageShowsTwoFilledBlocksAndFourEmptyOnesInTwoColumns) {
  TripHistoryForm window;
  window.Totaltrip = "2";
  Display(window, model::kMk410, 1, {4, 50, 187, 331, 48});
  Display(window, model::kMk410, 2, {9, 0, 0, 208, 31});
  const PrintedPage printed(*tripPrintPage(window, model::kMk410));
  ASSERT_TRUE(printed.written());
  EXPECT_EQ(printed.pages(), 1);

  const QString text = printed.text();
  for (const char* expected : {"Trip History", "Total Trip Counter:", "Overcurrent", "50 Hz", "187 %", "331 Vdc",
                               "48 Hours", "Under Voltage", "0 Hz", "208 Vdc", "31 Hours", "6th Trip"})
    EXPECT_TRUE(text.contains(expected)) << expected;
  EXPECT_EQ(text.count("Error Code:"), 6);
  EXPECT_EQ(text.count("Total Running Time at time of trip:"), 6);
  EXPECT_EQ(text.count("Hours"), 2);
  EXPECT_EQ(text.count("Vdc"), 2);

  const Word last = printed.wordsReading("Last").at(0);
  const Word fourth = printed.wordsReading("4th").at(0);
  EXPECT_NEAR(fourth.top, last.top, 0.5);
  EXPECT_GT(fourth.left, last.left + 200); // 5640 twips: 282 points
  // The captions of each column end at one right edge.
  const std::vector<Word> ends = printed.wordsReading("trip:");
  ASSERT_EQ(ends.size(), 24u);
  for (const Word& end : ends)
    EXPECT_NEAR(end.right, end.left < fourth.left ? ends[0].right : ends[23].right, 0.5);
}

TEST(TripPagePdf, threeTripPageShowsThreeBlocksInOneColumn) {
  TripHistoryForm window;
  window.Totaltrip = "5";
  for (std::int16_t Number = 1; Number <= 3; ++Number)
    Display(window, model::kSingleCompact, Number, {52, 45, 90, 560, 1000 + Number});
  const PrintedPage printed(*tripPrintPage(window, model::kSingleCompact));
  ASSERT_TRUE(printed.written());
  EXPECT_EQ(printed.pages(), 1);

  const QString text = printed.text();
  EXPECT_EQ(text.count("CPU Error"), 3);
  EXPECT_TRUE(text.contains("1003 Hours"));
  EXPECT_FALSE(text.contains("4th Trip"));
  const Word last = printed.wordsReading("Last").at(0);
  const Word second = printed.wordsReading("2nd").at(0);
  const Word third = printed.wordsReading("3rd").at(0);
  EXPECT_NEAR(second.left, last.left, 0.5);
  EXPECT_NEAR(third.left, last.left, 0.5);
  EXPECT_NEAR(second.top - last.top, 126, 0.5); // 2520 twips
  EXPECT_NEAR(third.top - second.top, 126, 0.5);
}

TEST(TripPagePdf, unwritableFileReportsFailure) {
  TripHistoryForm window;
  EXPECT_FALSE(QtTripPageOutput().saveAsPdf(*tripPrintPage(window, model::kProfi), "/nonexistent/dir/page.pdf"));
}

} // namespace
} // namespace orvane
