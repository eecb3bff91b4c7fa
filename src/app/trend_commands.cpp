#include "app/trend_commands.h"

#include "output/toolbar.h"
#include "settings/options_menu.h"
#include "viewer/ui/session_viewer_window.h"

namespace orvane {

TrendCommands::TrendCommands(SharedState& state, Link& link, TrendWindow& window, WindowRegistry& windows,
                             TickGuard& guard, Desktop desktop)
    : state_(state), link_(link), guard_(guard),
      procedures_(state, link, window.surface("Picture1"), window.surface("Picture3")),
      options_(state, link.port(), link.platform().messages),
      optionsDialog_(std::make_unique<OptionsDialog>(state.options, options_, &window)), tripView_(&window),
      tripWindow_(tripView_, linkWork_), trips_(state, link, procedures_.identification, link.platform().messages,
                                                TripHistoryWindows{tripWindow_, tripPages_, desktop.files}),
      output_(state, link.platform().messages, desktop, windows, window) {
  options_.setClearGraph([this] { procedures_.graph.clearGraph(); });
  routeEvents(window);
  openSessionViewerFrom(window, windows);
}

// The Session Viewer on the session log: one window, brought to the front when already open.
void TrendCommands::openSessionViewerFrom(TrendWindow& window, WindowRegistry& windows) {
  windows.define("SessionViewer",
                 [] { return new SessionViewerWindow(QString::fromStdString(SessionLog::defaultPath())); });
  window.setClickHandler("viewermenu", [&windows] {
    QWidget& viewer = windows.load("SessionViewer");
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
  });
}

// A port that cannot be opened ends the command with a message and a
// stopped session.
void TrendCommands::guardPortOpen(const std::function<void()>& command) {
  try {
    command();
  } catch (const PortOpenError& error) {
    link_.showOpenFailure(error);
    procedures_.session.stopmonmenu_Click();
  }
}

void TrendCommands::runLinkWork(const std::function<void()>& command) {
  linkWork_.emplace(guard_);
  command();
  linkWork_.reset();
}

void TrendCommands::routeEvents(TrendWindow& window) {
  const auto start = [this] { runLinkWork([this] { procedures_.session.startmonmenu_Click(); }); };
  const auto readTrips = [this] { runLinkWork([this] { trips_.tripmenu_Click(); }); };
  window.setClickHandler("startmonmenu", start);
  window.setClickHandler("stopmonmenu", [this] { procedures_.session.stopmonmenu_Click(); });
  window.setClickHandler("resetmenu", [this] {
    runLinkWork([this] { guardPortOpen([this] { procedures_.tripWatch.resetmenu_Click(); }); });
  });
  window.setClickHandler("tripreset", [this] { runLinkWork([this] { procedures_.session.tripreset_Click(); }); });
  window.setClickHandler("clearscreen", [this] { procedures_.graph.clearscreen_Click(); });
  const auto openOptions = [this] {
    optionmenu_Click(
        state_.trend, link_.platform().messages, [this] { procedures_.session.stopmonmenu_Click(); }, options_);
  };
  window.setClickHandler("optionmenu", openOptions);
  window.setClickHandler("tripmenu", readTrips);
  window.setTimerHandler("Timer1", [this] { guardPortOpen([this] { procedures_.session.Timer1_Timer(); }); });
  window.setClickHandler("csvmenu", [this] { output_.csvmenu_Click(); });
  window.setClickHandler("clipboardmenu", [this] { output_.clipboardmenu_Click(); });
  window.setClickHandler("helpmenu", [this] { output_.helpmenu_Click(); });
  window.setClickHandler("aboutmenu", [this] { output_.aboutmenu_Click(); });
  window.setMouseDownHandler("Picture1", [this](float x, float y) { output_.Picture1_MouseDown(x, y); });
  window.setMouseDownHandler("Picture3", [this](float x, float y) { output_.Picture3_MouseDown(x, y); });

  window.setToolbarHandler([this, start, openOptions, readTrips](const std::string& key) {
    const ToolbarCommands commands{
        {"starttoolbar", start},
        {"stoptoolbar", [this] { procedures_.session.stopmonmenu_Click(); }},
        {"exporttoolbar", [this] { output_.csvmenu_Click(); }},
        {"cliptoolbar", [this] { output_.clipboardmenu_Click(); }},
        {"optionstoolbar", openOptions},
        {"triptoolbar", readTrips},
        {"valuetoolbar", [this] { state_.valuemode = state_.valuemode == 0 ? 1 : 0; }},
        {"helptoolbar", [this] { output_.helpmenu_Click(); }},
    };
    Toolbar1_ButtonClick(key, commands);
  });
}

} // namespace orvane
