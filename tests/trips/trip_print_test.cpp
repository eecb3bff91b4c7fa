#include "fakes/trip_session_fixture.h"
#include "trips/trip_printing.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

// "&Print" in the shown window prints its captions on the page of the model's
// group and leaves the window open.
TEST(TripHistoryPrint, printFromTheShownWindowCarriesItsCaptionsOnThePageOfTheModelsGroup) {
  TripSession session;
  session.view.whileShown = [&session](const std::function<void()>& print) {
    print();
    EXPECT_NE(session.trips.window(), nullptr);
  };
  session.connect(shippedScenario("mk410"));
  session.trips.tripmenu_Click();
  session.connect(driveOf(sim::Model::Q7SingleCompact, 1, 4));
  session.trips.tripmenu_Click();
  ASSERT_EQ(session.pages.printed.size(), 2u);
  const TripPrintPage& six = session.pages.printed[0];
  EXPECT_EQ(six.name, "TripPrint2");
  EXPECT_EQ(six.value("totaltrip"), "2");
  EXPECT_EQ(six.value("code1"), "Overcurrent");
  EXPECT_EQ(six.value("volts2"), "208 Vdc");
  EXPECT_EQ(six.value("Code4"), ""); // the code labels of trips 4 to 6 are capitalised
  EXPECT_EQ(session.pages.printed[1].name, "TripPrint1");
  EXPECT_FALSE(session.pages.printed[1].value("freq4"));
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
  EXPECT_EQ(output.saved[0], "/tmp/trips.pdf");
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
