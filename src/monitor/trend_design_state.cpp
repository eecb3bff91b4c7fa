#include "monitor/trend_design_state.h"

#include <array>
#include <utility>

namespace orvane {
namespace {

constexpr std::array kInputTerminals{
    TerminalIndicator{"1", "Label7", "Image1on", "Image1off", true},
    TerminalIndicator{"2", "Label8", "Image2on", "Image2off", true},
    TerminalIndicator{"3", "Label9", "Image3on", "Image3off", true},
    TerminalIndicator{"4", "Label10", "Image4on", "Image4off", true},
    TerminalIndicator{"5", "Label11", "Image5on", "Image5off", true},
    TerminalIndicator{"6", "Label12", "Image6on", "Image6off", true},
    TerminalIndicator{"7", "Label38", "Image7on", "Image7off", false},
    TerminalIndicator{"8", "Label39", "Image8on", "Image8off", false},
    TerminalIndicator{"FW", "Label40", "ImageFWon", "ImageFWoff", false},
    TerminalIndicator{"TH", "Label41", "ImageTHon", "ImageTHoff", false},
};

constexpr std::array kOutputTerminals{
    TerminalIndicator{"11", "Label13", "Image11on", "Image11off", true},
    TerminalIndicator{"12", "Label14", "Image12on", "Image12off", true},
    TerminalIndicator{"13", "Label34", "Image13on", "Image13off", false},
    TerminalIndicator{"14", "Label36", "Image14on", "Image14off", false},
    TerminalIndicator{"15", "Label37", "Image15on", "Image15off", false},
    TerminalIndicator{"AL", "Label15", "ImageALon", "ImageALoff", true},
};

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

  for (const auto terminals : {inputTerminals(), outputTerminals()})
    for (const TerminalIndicator& terminal : terminals) {
      trend.setCaption(terminal.label, terminal.caption);
      trend.setVisible(terminal.label, terminal.shownAtLoad);
      trend.setVisible(terminal.offImage, terminal.shownAtLoad);
      trend.setVisible(terminal.onImage, false);
    }
}

void setTimers(ControlModel& trend) {
  trend.setEnabled("Timer1", false);
  trend.setValue("Timer1", 500);
  trend.setEnabled("Timer2", false);
  trend.setValue("Timer2", 1);
}

} // namespace

std::span<const TerminalIndicator> inputTerminals() { return kInputTerminals; }
std::span<const TerminalIndicator> outputTerminals() { return kOutputTerminals; }
std::span<const ToolbarButton> toolbarButtons() { return kToolbarButtons; }

void setTrendDesignState(ControlModel& trend) {
  setMenus(trend);
  setToolbar(trend);
  setPanels(trend);
  setIndicators(trend);
  setTimers(trend);
}

} // namespace orvane
