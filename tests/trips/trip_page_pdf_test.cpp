#include "link/models.h"
#include "trips/trip_display.h"
#include "trips/trip_print_page.h"
#include "trips/ui/qt_trip_page_output.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// A page saved as a PDF file and read back with pdftotext, keeping the layout.
class PrintedPage {
public:
  explicit PrintedPage(const TripPrintPage& page) {
    const QString path = dir_.filePath("page.pdf");
    written_ = QtTripPageOutput().saveAsPdf(page, path.toStdString());
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    process.waitForFinished();
    text_ = QString::fromUtf8(process.readAllStandardOutput());
  }

  bool written() const { return written_; }
  const QString& text() const { return text_; }
  int pages() const { return text_.count('\f'); }
  // The line holding `words`, and where on it they start.
  std::pair<int, int> find(const QString& words) const {
    const QStringList lines = text_.split('\n');
    for (int line = 0; line < lines.size(); ++line)
      if (const int column = lines[line].indexOf(words); column >= 0)
        return {line, column};
    return {-1, -1};
  }

private:
  QTemporaryDir dir_;
  bool written_ = false;
  QString text_;
};

TEST(TripPagePdf, sixTripPageShowsTwoFilledBlocksAndFourEmptyOnesInTwoColumns) {
  TripHistoryForm window;
  window.Totaltrip = "2";
  Display(window, model::kMk410, 1, {4, 50, 187, 331, 48});
  Display(window, model::kMk410, 2, {9, 0, 0, 208, 31});
  const PrintedPage printed(*tripPrintPage(window, model::kMk410));
  ASSERT_TRUE(printed.written());
  EXPECT_EQ(printed.pages(), 1);

  const QString& text = printed.text();
  for (const char* expected : {"Trip History", "Total Trip Counter:", "Overcurrent", "50 Hz", "187 %", "331 Vdc",
                               "48 Hours", "Under Voltage", "0 Hz", "208 Vdc", "31 Hours", "6th Trip"})
    EXPECT_TRUE(text.contains(expected)) << expected;
  EXPECT_EQ(text.count("Error Code:"), 6);
  EXPECT_EQ(text.count("Total Running Time at time of trip:"), 6);
  EXPECT_EQ(text.count("Hours"), 2);
  EXPECT_EQ(text.count("Vdc"), 2);
  // The fourth trip heads the right-hand column, level with the last.
  EXPECT_EQ(printed.find("4th Trip").first, printed.find("Last Trip").first);
  EXPECT_GT(printed.find("4th Trip").second, printed.find("Last Trip").second + 20);
}

} // namespace
} // namespace orvane
