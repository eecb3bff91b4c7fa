#include "trips/trip_print_page.h"

#include "link/models.h"

#include <array>

namespace orvane {
namespace {

// Where a column of three trip blocks stands on a page.
struct Column {
  int headingLeft;
  int captionRight;
  int valueLeft;
};

constexpr std::array<int, 3> kBlockTops{2280, 4800, 7320};
constexpr std::array<const char*, 6> kHeadings{"Last Trip", "2nd Trip", "3rd Trip",
                                               "4th Trip",  "5th Trip", "6th Trip"};

void addBlock(TripPrintPage& page, const Column& column, int top, int Number, const TripCaptions& trip) {
  const std::string digit = std::to_string(Number);
  // The code labels of trips 4 to 6 are capitalised on the six-trip page.
  const std::string codeName = (Number > 3 ? "Code" : "code") + digit;
  page.texts.push_back(
      {"", kHeadings[static_cast<std::size_t>(Number - 1)], column.headingLeft, top, false, PageFont::Heading});
  const struct {
    int offset;
    const char* caption;
    PageFont font;
    std::string name;
    const std::string& value;
  } rows[] = {{360, "Error Code:", PageFont::BoldCaption, codeName, trip.tripcode},
              {840, "Output Frequency at time of trip:", PageFont::Caption, "freq" + digit, trip.triphz},
              {1200, "Output Current at time of trip:", PageFont::Caption, "amps" + digit, trip.tripamps},
              {1560, "DC Link Voltage at time of trip:", PageFont::Caption, "volts" + digit, trip.tripvolts},
              {1920, "Total Running Time at time of trip:", PageFont::Caption, "time" + digit, trip.triptime}};
  for (const auto& row : rows) {
    page.texts.push_back({"", row.caption, column.captionRight, top + row.offset, true, row.font});
    page.texts.push_back({row.name, row.value, column.valueLeft, top + row.offset, false, PageFont::Value});
  }
}

struct PageDesign {
  const char* name;
  int width;
  int height;
  int titleLeft;
  int counterCaptionLeft;
  int counterValueLeft;
  std::vector<Column> columns;
};

TripPrintPage layOut(const PageDesign& design, const TripHistoryForm& window) {
  TripPrintPage page{design.name, design.width, design.height, {}};
  page.texts.push_back({"", "Trip History", design.titleLeft, 600, false, PageFont::Title});
  page.texts.push_back({"", "Total Trip Counter:", design.counterCaptionLeft, 1560, false, PageFont::BoldCaption});
  page.texts.push_back({"totaltrip", window.Totaltrip, design.counterValueLeft, 1560, false, PageFont::Value});
  int Number = 1;
  for (const Column& column : design.columns)
    for (const int top : kBlockTops) {
      addBlock(page, column, top, Number, window.trip(static_cast<std::int16_t>(Number)));
      ++Number;
    }
  return page;
}

} // namespace

std::optional<std::string> TripPrintPage::value(const std::string& label) const {
  for (const PageText& text : texts)
    if (text.name == label)
      return text.text;
  return std::nullopt;
}

std::optional<TripPrintPage> tripPrintPage(const TripHistoryForm& window, const std::string& inverter) {
  if (isThreeTripModel(inverter))
    return layOut({"TripPrint1", 10815, 11190, 3960, 3240, 5880, {{4680, 5055, 5280}}}, window);
  if (isSixTripModel(inverter))
    return layOut({"TripPrint2", 12195, 12195, 4680, 3960, 6600, {{2880, 3255, 3480}, {8520, 8895, 9120}}},
                  window);
  return std::nullopt;
}

} // namespace orvane
