#include "state/trend_design_state.h"

#include "state/terminals.h"
#include "state/trend_control_names.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

using Control = ControlModel::Control;

constexpr std::array kToolbarButtons{
    ToolbarButton{"starttoolbar", "Start Monitor"},
    ToolbarButton{"stoptoolbar", "Stop Monitor"},
    ToolbarButton{nullptr, nullptr},
    ToolbarButton{"exporttoolbar", "Export Graph to CSV File", true},
    ToolbarButton{"cliptoolbar", "Copy Graph to Clipboard", true},
    ToolbarButton{"optionstoolbar", "Options"},
    ToolbarButton{"triptoolbar", "Trip History"},
    ToolbarButton{nullptr, nullptr},
    ToolbarButton{"valuetoolbar", "Value on Graph"},
    ToolbarButton{"helptoolbar", "Help"},
};

Control shown(std::string caption = {}) { return {.caption = std::move(caption)}; }
Control hidden(std::string caption = {}) { return {.visible = false, .caption = std::move(caption)}; }
Control disabled(std::string caption = {}) { return {.enabled = false, .caption = std::move(caption)}; }
Control stoppedTimer(int interval) { return {.enabled = false, .value = interval}; }

// A control of the window and its state at load, by a name that must be listed.
struct ListedControl {
  TrendControlName name;
  Control atLoad;
};

std::vector<ControlModel::Declaration> declareTrendControls() {
  const ListedControl listed[]{
      // Menus.
      {"filememu", shown("&File")},
      {"exportmenu", disabled("Export Graph")},
      {"csvmenu", shown("To CSV File")},
      {"clipboardmenu", shown("To Clipboard")},
      {"filebar", shown("-")},
      {"exitmenu", shown("E&xit")},
      {"Viewmenu", shown("&View")},
      {"tripmenu", shown("Trip History")},
      {"optionmenu", shown("Options")},
      {"viewermenu", shown("Session Viewer")},
      {"commmenu", shown("&Communication")},
      {"startmonmenu", shown("Start Monitor")},
      {"stopmonmenu", {.checked = true, .caption = "Stop Monitor"}},
      {"filebar2", shown("-")},
      {"resetmenu", disabled("Reset Inverter")},
      {"helptopmenu", shown("&Help")},
      {"helpmenu", shown("Help")},
      {"aboutmenu", shown("About")},
      // Panels; start-up shows them.
      {"Toolbar1", shown()},
      {"Command1", hidden()},
      {"Command2", hidden()},
      {"Command5", hidden()},
      {"Command6", hidden()},
      {"Command7", hidden()},
      {"Command8", hidden()},
      {"Command9", hidden()},
      {"Picture1", hidden()},
      {"Picture2", hidden()},
      {"Picture3", hidden()},
      {"Frame1", hidden(" Direction ")},
      {"Frame2", hidden(" Running Condition ")},
      {"Frame3", hidden(" Input Terminals ")},
      {"Frame4", hidden(" Ouput Terminals ")},
      {"Frame5", hidden()},
      {"Frame6", hidden(" Monitoring ")},
      {"clearscreen", hidden("CLEAR SCREEN")},
      {"Label32", shown()},
      {"Label33", shown()},
      // Read-outs and indicators.
      {"displayspeed", shown()},
      {"displaycurrent", shown()},
      {"displayvoltage", shown()},
      {"fordir", hidden("FORWARD")},
      {"forarrow", hidden()},
      {"revdir", hidden("REVERSE")},
      {"revarrow", hidden()},
      {"runpiccy", hidden()},
      {"runlabel", hidden("RUNNING")},
      {"stoppiccy", hidden()},
      {"stoplabel", hidden("STOPPED")},
      {"trippiccy", hidden()},
      {"triplabel", hidden("TRIPPED")},
      {"tripreset", hidden("Reset")},
      {"greenlight", hidden()},
      {"redlight", shown()},
      {"Timer1", stoppedTimer(500)},
      {"Timer2", stoppedTimer(1)},
  };
  std::vector<ControlModel::Declaration> controls;
  for (const auto& [name, atLoad] : listed)
    controls.push_back({name.str(), atLoad});
  for (const ToolbarButton& button : kToolbarButtons)
    if (button.key)
      controls.push_back({button.key, button.needsGraph ? disabled() : shown()});
  for (const auto terminals : {inputTerminalIndicators(), outputTerminalIndicators()})
    for (const Terminal& terminal : terminals) {
      controls.push_back({terminal.label, {.visible = terminal.shownAtLoad, .caption = terminal.caption}});
      controls.push_back({terminal.off, {.visible = terminal.shownAtLoad}});
      controls.push_back({terminal.on, hidden()});
    }
  return controls;
}

} // namespace

static_assert(std::ranges::all_of(kToolbarButtons, [](const ToolbarButton& button) {
  return !button.key || TrendControlName::isListed(button.key);
}));

std::span<const ToolbarButton> toolbarButtons() { return kToolbarButtons; }

const std::vector<ControlModel::Declaration>& trendControls() {
  static const std::vector<ControlModel::Declaration> controls = declareTrendControls();
  return controls;
}

void setTrendDesignState(ControlModel& trend) {
  for (const auto& [name, atLoad] : trend.declared())
    trend.set(name, atLoad);
}

} // namespace orvane
