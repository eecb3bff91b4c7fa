#pragma once

#include "monitor/tick_guard.h"
#include "monitor/ui/trend_controls.h"
#include "monitor/ui/window_registry.h"
#include "platform/drawing_surface.h"
#include "state/shared_state.h"
#include "state/trend_control_names.h"

#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

namespace orvane {

class GraphBox;

// The main window `Trend`. Its controls show SharedState::trend; the logic
// changes them through the model only. Commands reach the handlers that are
// plugged in by name; timer ticks reach theirs through the tick guard.
class TrendWindow final : public QMainWindow {
public:
  using Handler = std::function<void()>;

  TrendWindow(SharedState& state, WindowRegistry& windows, TickGuard& guard);
  ~TrendWindow() override;

  // A menu item or button, by its control name.
  void setClickHandler(TrendControlName control, Handler handler);
  // Toolbar1's buttons, by key.
  void setToolbarHandler(std::function<void(const std::string& key)> handler);
  // Mouse presses on Picture1 or Picture3, at the box's coordinates in twips.
  void setMouseDownHandler(TrendControlName box, std::function<void(float x, float y)> handler);
  // The tick of Timer1 or Timer2.
  void setTimerHandler(TrendControlName timer, Handler handler);

  // The picture of Picture1 or Picture3.
  DrawingSurface& surface(TrendControlName box);
  const TrendControls& controls() const { return controls_; }

  // What ends the link when the program ends: the wait in progress is
  // abandoned and the port closed.
  void setEndLink(Handler endLink) { endLink_ = std::move(endLink); }
  // A line about the link's state after the title; empty for none.
  void showLinkStatus(const std::string& status);
  // The publisher's state at the right of the menu bar, where it moves no control; the detail
  // is its tooltip.
  void showPublishing(const std::string& text, const std::string& detail);
  // The limits' state beside it, the last events in its tooltip.
  void showLimits(const std::string& text, const std::string& detail);
  // The link's health beside them: a short text and its tooltip.
  void showLinkHealth(const std::string& text, const std::string& detail);

  // "E&xit": ends the link and the program at once, with no further events.
  void exitmenu_Click();

protected:
  // The window is being closed other than by "E&xit".
  void closeEvent(QCloseEvent* event) override;

private:
  void Form_Load();
  void Form_Unload();
  void connectCommands();
  void onTick(const std::string& timer);
  GraphBox& graphBox(const std::string& name);
  // A label in the menu bar's corner, made wide enough for `longest` when first asked for.
  QLabel& cornerLabel(QLabel*& label, const char* longest);

  SharedState& state_;
  WindowRegistry& windows_;
  TickGuard& guard_;
  TrendControls controls_;
  std::map<std::string, Handler> clickHandlers_;
  std::map<std::string, Handler> timerHandlers_;
  std::function<void(const std::string&)> toolbarHandler_;
  Handler endLink_;
  QWidget* corner_ = nullptr;
  QLabel* publishingLabel_ = nullptr;
  QLabel* limitsLabel_ = nullptr;
  QLabel* linkHealthLabel_ = nullptr;
};

} // namespace orvane
