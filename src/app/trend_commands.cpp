#include "app/trend_commands.h"

#include "output/toolbar.h"
#include "settings/options_menu.h"
#include "viewer/ui/session_viewer_window.h"

namespace orvane {

TrendCommands::TrendCommands(SharedState& state, Link& link, TrendWindow& window, WindowRegistry& windows,
                             TickGuard& guard, Desktop desktop)
    : state_(state), link_(link), guard_(guard), worker_(link), ui_(worker_),
      procedures_(state, link, window.surface("Picture1"), window.surface("Picture3"), SessionLog(), &ui_),
      options_(state, link.port(), link.platform().messages),
      optionsDialog_(std::make_unique<OptionsDialog>(state.options, options_, &window)), tripView_(&window),
      trips_(state, link, procedures_.identification, ui_,
             TripHistoryWindows{tripView_, tripPages_, desktop.files},
             [this] { procedures_.session.stopmonmenu_Click(); }),
      output_(state, link.platform().messages, desktop, windows, window) {
  options_.setClearGraph([this] { procedures_.graph.clearGraph(); });
  options_.setPortWork([this](OptionsForm::PortWork work) {
    worker_.postPortWork([this, work = std::move(work)] { work(link_.port()); });
  });
  procedures_.session.setClosePort([this] { worker_.closePort(); });
  procedures_.events.setStatusLine([&window](const std::string& text) { window.showLinkStatus(text); });
  window.setEndLink([this] {
    ui_.end();
    worker_.shutDown();
  });
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

TrendCommands::~TrendCommands() {
  ui_.end();
  worker_.shutDown();
}

void TrendCommands::guardPortOpen(const std::function<void()>& command) {
  try {
    command();
  } catch (const PortOpenError& error) {
    ui_.run([&] {
      link_.showOpenFailure(error);
      procedures_.session.stopmonmenu_Click();
    });
  }
}

void TrendCommands::runLinkWork(std::function<void()> command) {
  if (commandsQueued_++ == 0)
    linkWork_.emplace(guard_);
  // Ends the busy look on the user-interface thread once the work has run,
  // or has been dropped unrun when the program ends.
  struct Done {
    TrendCommands& commands;
    ~Done() {
      commands.ui_.post([&commands = commands] {
        if (--commands.commandsQueued_ == 0)
          commands.linkWork_.reset();
      });
    }
  };
  worker_.post([command = std::move(command), done = std::shared_ptr<Done>(new Done{*this})] { command(); });
}

void TrendCommands::tick() {
  if (!worker_.busy())
    worker_.post([this] { guardPortOpen([this] { procedures_.session.Timer1_Timer(); }); });
}

void TrendCommands::stop() {
  worker_.stop();
  procedures_.session.stopmonmenu_Click();
}

void TrendCommands::routeEvents(TrendWindow& window) {
  const auto start = [this] { runLinkWork([this] { procedures_.session.startmonmenu_Click(); }); };
  const auto readTrips = [this] { runLinkWork([this] { trips_.tripmenu_Click(); }); };
  window.setClickHandler("startmonmenu", start);
  window.setClickHandler("stopmonmenu", [this] { stop(); });
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
  window.setTimerHandler("Timer1", [this] { tick(); });
  window.setClickHandler("csvmenu", [this] { output_.csvmenu_Click(); });
  window.setClickHandler("clipboardmenu", [this] { output_.clipboardmenu_Click(); });
  window.setClickHandler("helpmenu", [this] { output_.helpmenu_Click(); });
  window.setClickHandler("aboutmenu", [this] { output_.aboutmenu_Click(); });
  window.setMouseDownHandler("Picture1", [this](float x, float y) { output_.Picture1_MouseDown(x, y); });
  window.setMouseDownHandler("Picture3", [this](float x, float y) { output_.Picture3_MouseDown(x, y); });

  window.setToolbarHandler([this, start, openOptions, readTrips](const std::string& key) {
    const ToolbarCommands commands{
        {"starttoolbar", start},
        {"stoptoolbar", [this] { stop(); }},
        {"exporttoolbar", [this] { output_.csvmenu_Click(); }},
        {"cliptoolbar", [this] { output_.clipboardmenu_Click(); }},
        {"optionstoolbar", openOptions},
        {"triptoolbar", readTrips},
        {"valuetoolbar", [this] { state_.valuemode = !state_.valuemode; }},
        {"helptoolbar", [this] { output_.helpmenu_Click(); }},
    };
    Toolbar1_ButtonClick(key, commands);
  });
}

} // namespace orvane
