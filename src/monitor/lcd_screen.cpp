#include "monitor/lcd_screen.h"

#include "link/models.h"

namespace orvane {

void LcdScreen::LCDSCR(std::int16_t& OK) {
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Text);
  if (isThreeTripModel(state_.inverter)) {
    const std::optional<std::string> text = panel_.readDisplayText(OK);
    if (!text)
      return;
    state_.lcdtext = *text;
  } else if (isSixTripModel(state_.inverter)) {
    Bytes block;
    std::int16_t blockOK = 0;
    panel_.ReadPanelBlock(block, blockOK);
    if (blockOK == 1) {
      OK = 1;
      return;
    }
    state_.lcdtext = textOfPanelBlock(block);
  }
  link_.port().setInputMode(InputMode::Binary);
}

} // namespace orvane
