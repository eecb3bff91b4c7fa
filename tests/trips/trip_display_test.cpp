#include "link/models.h"
#include "trips/trip_display.h"
#include "trips/ui/trip_history_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

namespace orvane {
namespace {

std::string nameShown(const std::string& inverter, TripValue code) {
  TripHistoryForm window;
  Display(window, inverter, 2, {code, 0, 0, 0, 0});
  return window.trip(2).tripcode;
}

TEST(TripDisplay, eachGroupNamesItsOwnCodesAndLeavesTheRestBlank) {
  for (const char* inverter : {model::kSingleCompact, model::kVector}) {
    EXPECT_EQ(nameShown(inverter, 50), "CPU Error");
    EXPECT_EQ(nameShown(inverter, 52), "CPU Error");
    EXPECT_EQ(nameShown(inverter, 51), "");
    EXPECT_EQ(nameShown(inverter, 0), "Overcurrent");
    EXPECT_EQ(nameShown(inverter, 63), "Under Voltage");
    EXPECT_EQ(nameShown(inverter, 64), "");
  }
  for (const char* inverter : {model::kMk410, model::kProfi}) {
    EXPECT_EQ(nameShown(inverter, 0), "");
    EXPECT_EQ(nameShown(inverter, 4), "Overcurrent");
    EXPECT_EQ(nameShown(inverter, 60), "Option 1 - Error 0");
    EXPECT_EQ(nameShown(inverter, 75), "Option 2 - Error 5");
    EXPECT_EQ(nameShown(inverter, 80), "");
  }
  EXPECT_EQ(nameShown(model::kUnknown, 4), "");
}

TEST(TripHistoryDialog, wideLayoutShowsTheFourthTripAtTheTopOfTheRightColumnAndTheNarrowOneHidesIt) {
  TripHistoryForm form;
  form.Totaltrip = "8";
  Display(form, model::kProfi, 4, {75, 60, 152, 601, 71});
  const TripHistoryDialog wide(
      form, [] {}, nullptr);
  EXPECT_EQ(wide.windowTitle(), "Trip History");
  EXPECT_EQ(wide.size(), QSize(630, 423));
  EXPECT_EQ(wide.findChild<QLabel*>("Totaltrip")->text(), "8");
  const auto* fourth = wide.findChild<QGroupBox*>("Frame7");
  EXPECT_EQ(fourth->title(), " 4th Trip ");
  EXPECT_EQ(fourth->geometry().topLeft(), QPoint(320, 32));
  EXPECT_EQ(fourth->findChild<QLabel*>("tripcode(4)")->text(), "Option 2 - Error 5");

  layOutTripHistory(form, model::kVector);
  const TripHistoryDialog narrow(
      form, [] {}, nullptr);
  EXPECT_EQ(narrow.size(), QSize(315, 423));
  for (const char* frame : {"Frame5", "Frame6", "Frame7"})
    EXPECT_TRUE(narrow.findChild<QWidget*>(frame)->isHidden()) << frame;
  EXPECT_FALSE(narrow.findChild<QWidget*>("Frame3")->isHidden());
  EXPECT_EQ(narrow.findChild<QWidget*>("Command6")->x(), 240);
}

} // namespace
} // namespace orvane
