#include "fakes/session_fixture.h"
#include "trips/trip_printing.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

TEST(TripHistoryPrint, printFromTheShownWindowCarriesItsCaptionsAndKeepsItOpen) {
  Session bench;
  bench.connect(shippedScenario("mk410"));
  bench.view.whileShown = [&bench](const std::function<void()>& print) {
    print();
    EXPECT_NE(bench.trips.window(), nullptr);
  };
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.pages.printed.size(), 1u);
  const TripPrintPage& page = bench.pages.printed[0];
  EXPECT_EQ(page.name, "TripPrint2");
  EXPECT_EQ(page.value("totaltrip"), "2");
  EXPECT_EQ(page.value("code1"), "Overcurrent");
  EXPECT_EQ(page.value("volts2"), "208 Vdc");
  // The code labels of trips 4 to 6 are capitalised on this page.
  EXPECT_EQ(page.value("Code4"), "");
  EXPECT_FALSE(page.value("code4"));

  // A three-trip model prints the one-column page, an unknown one nothing.
  bench.view.whileShown = [](const std::function<void()>& print) { print(); };
  bench.pages.printed.clear();
  bench.connect(driveOf(sim::Model::Q7SingleCompact, 1, 4));
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.pages.printed.size(), 1u);
  EXPECT_EQ(bench.pages.printed[0].name, "TripPrint1");
  EXPECT_FALSE(bench.pages.printed[0].value("freq4"));

  bench.connect(driveOf(sim::Model::Unknown, 0, 0));
  bench.trips.tripmenu_Click();
  EXPECT_EQ(bench.view.shown.size(), 3u);
  EXPECT_EQ(bench.pages.printed.size(), 1u);
}

class TripPrintingTest : public ::testing::Test {
protected:
  TripPrintPage page = *tripPrintPage(TripHistoryForm(), "MK410");
  RecordingMessageBoxes messages;
  RecordingPageOutput output;
  ScriptedSaveDialog saveDialog;
  TripPrinting printing{messages, output, saveDialog};
};

TEST_F(TripPrintingTest, pageGoesToTheDefaultPrinterWithoutAQuestionAndWithoutOneMaySaveAsPdf) {
  printing.print(page);
  EXPECT_EQ(output.printed.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(saveDialog.asked.empty());

  output.printerAvailable = false;
  saveDialog.answers = {"/tmp/trips.pdf"};
  printing.print(page);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.shown[0].text, "No printer is available.\n"
                                    "Do you wish to save the trip history as a PDF file instead?");
  ASSERT_EQ(output.saved.size(), 1u);
  EXPECT_EQ(output.saved[0].path, "/tmp/trips.pdf");
  EXPECT_EQ(output.printed.size(), 1u);

  // No, or a cancelled dialog, saves nothing; a file that cannot be written is reported.
  messages.answers = {MessageAnswer::No};
  printing.print(page);
  printing.print(page);
  EXPECT_EQ(saveDialog.asked.size(), 2u);
  output.pdfWritable = false;
  saveDialog.answers = {"/nowhere/trips.pdf"};
  printing.print(page);
  EXPECT_EQ(output.saved.size(), 2u);
  EXPECT_EQ(messages.shown.back().icon, MessageIcon::Exclamation);
  EXPECT_EQ(messages.shown.back().text, "The file /nowhere/trips.pdf could not be written.");
}

} // namespace
} // namespace orvane::testing
