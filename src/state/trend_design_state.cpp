#include "state/trend_design_state.h"

#include "state/terminals.h"

#include <array>
#include <utility>

namespace orvane {
namespace {

constexpr std::array kToolbarButtons{
    ToolbarButton{"starttoolbar", "Start Monitor"},
    ToolbarButton{"stoptoolbar", "Stop Monitor"},
    ToolbarButton{nullptr, nullptr},
    ToolbarButton{"exporttoolbar", "Export Graph to CSV File"},
    ToolbarButton{"cliptoolbar", "Copy Graph to Clipboard"},
    ToolbarButton{"optionstoolbar", "Options"},
    ToolbarButton{"triptoolbar", "Trip History"},
    ToolbarButton{nullptr, nullptr},
    ToolbarButton{"valuetoolbar", "Value on Graph"},
    ToolbarButton{"helptoolbar", "Help"},
};

void setCaptions(ControlModel& trend, std::initializer_list<std::pair<const char*, const char*>> captions) {
  for (const auto& [name, caption] : captions)
    trend.setCaption(name, caption);
}

void setMenus(ControlModel& trend) {
  setCaptions(trend, {{"filememu", "&File"},
                      {"exportmenu", "Export Graph"},
                      {"csvmenu", "To CSV File"},
                      {"clipboardmenu", "To Clipboard"},
                      {"filebar", "-"},
                      {"exitmenu", "E&xit"},
                      {"Viewmenu", "&View"},
                      {"tripmenu", "Trip History"},
                      {"optionmenu", "Options"},
                      {"commmenu", "&Communication"},
                      {"startmonmenu", "Start Monitor"},
                      {"stopmonmenu", "Stop Monitor"},
                      {"filebar2", "-"},
                      {"resetmenu", "Reset Inverter"},
                      {"helptopmenu", "&Help"},
                      {"helpmenu", "Help"},
                      {"aboutmenu", "About"}});
  trend.setEnabled("exportmenu", false);
  trend.setChecked("stopmonmenu", true);
  trend.setEnabled("resetmenu", false);
}

void setToolbar(ControlModel& trend) {
  trend.setVisible("Toolbar1", true);
  for (const ToolbarButton& button : kToolbarButtons)
    if (button.key)
      trend.setVisible(button.key, true);
  // Export and copy need a session's graph; the start enables them.
  trend.setEnabled("exporttoolbar", false);
  trend.setEnabled("cliptoolbar", false);
}

void setPanels(ControlModel& trend) {
  for (const char* name :
       {"Command1", "Command2", "Command5", "Command6", "Command7", "Command8", "Command9", "Picture1", "Picture2",
        "Picture3", "Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "clearscreen"})
    trend.setVisible(name, false);
  setCaptions(trend, {{"Frame1", " Direction "},
                      {"Frame2", " Running Condition "},
                      {"Frame3", " Input Terminals "},
                      {"Frame4", " Ouput Terminals "},
                      {"Frame6", " Monitoring "},
                      {"clearscreen", "CLEAR SCREEN"},
                      {"Label32", ""},
                      {"Label33", ""}});
}

void setIndicators(ControlModel& trend) {
  setCaptions(trend, {{"fordir", "FORWARD"},
                      {"revdir", "REVERSE"},
                      {"runlabel", "RUNNING"},
                      {"stoplabel", "STOPPED"},
                      {"triplabel", "TRIPPED"},
                      {"tripreset", "Reset"},
                      {"displayspeed", ""},
                      {"displaycurrent", ""},
                      {"displayvoltage", ""}});
  for (const char* name : {"forarrow", "revarrow", "fordir", "revdir", "runpiccy", "runlabel", "stoppiccy",
                           "stoplabel", "trippiccy", "triplabel", "tripreset", "greenlight"})
    trend.setVisible(name, false);
  trend.setVisible("redlight", true);
  for (const char* name : {"displayspeed", "displaycurrent", "displayvoltage"})
    trend.setVisible(name, true);

  for (const auto terminals : {inputTerminalIndicators(), outputTerminalIndicators()})
    for (const Terminal& terminal : terminals) {
      trend.setCaption(terminal.label, terminal.caption);
      trend.setVisible(terminal.label, terminal.shownAtLoad);
      trend.setVisible(terminal.off, terminal.shownAtLoad);
      trend.setVisible(terminal.on, false);
    }
}

void setTimers(ControlModel& trend) {
  trend.setEnabled("Timer1", false);
  trend.setValue("Timer1", 500);
  trend.setEnabled("Timer2", false);
  trend.setValue("Timer2", 1);
}

} // namespace

std::span<const ToolbarButton> toolbarButtons() { return kToolbarButtons; }

void setTrendDesignState(ControlModel& trend) {
  setMenus(trend);
  setToolbar(trend);
  setPanels(trend);
  setIndicators(trend);
  setTimers(trend);
}

} // namespace orvane
