#include "monitor/ui/trend_commands.h"

#include "output/toolbar.h"
#include "settings/options_menu.h"

namespace orvane {

TrendCommands::TrendCommands(SharedState& state, Link& link, TrendWindow& window, WindowRegistry& windows,
                             TickGuard& guard, Desktop desktop)
    : state_(state), link_(link), identification_(state, link), liveValues_(state, link), screen_(state, link),
      indicators_(state, link), tripWatch_(state, link, screen_),
      graph_(state, window.surface("Picture1"), window.surface("Picture3"), link.platform().messages,
             TraceReads{[this](std::int16_t& OK) { liveValues_.GetSpeed(OK); },
                        [this](std::int16_t& OK) { liveValues_.GetAmps(OK); },
                        [this](std::int16_t& OK) { liveValues_.GetDCVolts(OK); },
                        [this](std::int16_t& OK) { indicators_.Direction(OK); }}),
      session_(state, link,
               MonitoringSession::Procedures{identification_, liveValues_, indicators_, tripWatch_, graph_}),
      options_(state, link.port(), link.platform().messages),
      optionsDialog_(std::make_unique<OptionsDialog>(state.options, options_, &window)), tripView_(&window),
      tripSaveDialog_(&window), trips_(state, link, identification_, link.platform().messages,
                                       TripHistoryWindows{tripView_, tripPages_, tripSaveDialog_}),
      output_(state, link.platform().messages, desktop, windows, guard, window) {
  options_.setClearGraph([this] { graph_.clearGraph(); });
  routeEvents(window);
}

// A port that cannot be opened ends the command with a message and a
// stopped session.
void TrendCommands::guardPortOpen(const std::function<void()>& command) {
  try {
    command();
  } catch (const PortOpenError& error) {
    link_.showOpenFailure(error);
    session_.stopmonmenu_Click();
  }
}

void TrendCommands::routeEvents(TrendWindow& window) {
  window.setClickHandler("startmonmenu", [this] { session_.startmonmenu_Click(); });
  window.setClickHandler("stopmonmenu", [this] { session_.stopmonmenu_Click(); });
  window.setClickHandler("resetmenu", [this] { guardPortOpen([this] { tripWatch_.resetmenu_Click(); }); });
  window.setClickHandler("tripreset", [this] { session_.tripreset_Click(); });
  window.setClickHandler("clearscreen", [this] { graph_.clearscreen_Click(); });
  const auto openOptions = [this] {
    optionmenu_Click(
        state_.trend, link_.platform().messages, [this] { session_.stopmonmenu_Click(); }, options_);
  };
  window.setClickHandler("optionmenu", openOptions);
  window.setClickHandler("tripmenu", [this] { trips_.tripmenu_Click(); });
  window.setTimerHandler("Timer1", [this] { guardPortOpen([this] { session_.Timer1_Timer(); }); });
  window.setClickHandler("csvmenu", [this] { output_.csvmenu_Click(); });
  window.setClickHandler("clipboardmenu", [this] { output_.clipboardmenu_Click(); });
  window.setClickHandler("helpmenu", [this] { output_.helpmenu_Click(); });
  window.setClickHandler("aboutmenu", [this] { output_.aboutmenu_Click(); });
  window.setMouseDownHandler("Picture1", [this](float x, float y) { output_.Picture1_MouseDown(x, y); });
  window.setMouseDownHandler("Picture3", [this](float x, float y) { output_.Picture3_MouseDown(x, y); });

  window.setToolbarHandler([this, openOptions](const std::string& key) {
    const ToolbarCommands commands{
        {"starttoolbar", [this] { session_.startmonmenu_Click(); }},
        {"stoptoolbar", [this] { session_.stopmonmenu_Click(); }},
        {"exporttoolbar", [this] { output_.csvmenu_Click(); }},
        {"cliptoolbar", [this] { output_.clipboardmenu_Click(); }},
        {"optionstoolbar", openOptions},
        {"triptoolbar", [this] { trips_.tripmenu_Click(); }},
        {"valuetoolbar", [this] { state_.valuemode = state_.valuemode == 0 ? 1 : 0; }},
        {"helptoolbar", [this] { output_.helpmenu_Click(); }},
    };
    Toolbar1_ButtonClick(key, commands);
  });
}

} // namespace orvane
