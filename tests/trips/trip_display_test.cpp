#include "link/models.h"
#include "trips/trip_display.h"

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

TEST(TripDisplay, unnamedCodeLeavesTheEarlierNameAndValuesCarryTheirUnits) {
  TripHistoryForm window;
  window.trip(1).tripcode = "External Trip";
  Display(window, model::kMk410, 1, {0, 50, 87, 565, 1});
  EXPECT_EQ(window.trip(1).tripcode, "External Trip");
  EXPECT_EQ(window.trip(1).triphz, "50 Hz");
  EXPECT_EQ(window.trip(1).tripamps, "87 %");
  EXPECT_EQ(window.trip(1).tripvolts, "565 Vdc");
  EXPECT_EQ(window.trip(1).triptime, "1 Hours");
  Display(window, model::kVector, 1, {0, -5, 0, 0, 0});
  EXPECT_EQ(window.trip(1).triphz, "-5 Hz");
}

} // namespace
} // namespace orvane
