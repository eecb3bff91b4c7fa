#pragma once

#include "trips/trip_history_form.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The type styles of the printed page.
enum class PageFont {
  Title,       // the page title
  Heading,     // a trip's block heading
  BoldCaption, // "Total Trip Counter:" and "Error Code:"
  Caption,     // the other fixed captions
  Value        // the values
};

// One line of text on the page, in twips from the page's top-left corner.
// `x` is the left edge of left-aligned text and the right edge of
// right-aligned text.
struct PageText {
  std::string name; // the value label's name ("totaltrip", "code1", "Code4"); empty for fixed text
  std::string text;
  int x = 0;
  int top = 0;
  bool alignRight = false;
  PageFont font = PageFont::Caption;
};

// A printable trip history page: `TripPrint1` (three trips in one column) or
// `TripPrint2` (six trips in two columns), captioned "Trip History Printout".
struct TripPrintPage {
  std::string name;
  int width = 0;
  int height = 0;
  std::vector<PageText> texts;

  // The text of a named value label; nothing if the page has no such label.
  std::optional<std::string> value(const std::string& label) const;
};

// The page for the model `inverter`, carrying the captions of `window` as
// they stand, blank ones included; nothing for a model in neither group.
std::optional<TripPrintPage> tripPrintPage(const TripHistoryForm& window, const std::string& inverter);

} // namespace orvane
