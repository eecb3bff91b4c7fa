#include "state/options_controls.h"

namespace orvane {

const std::vector<ControlModel::Declaration>& optionsControls() {
  using Control = ControlModel::Control;
  static const std::vector<ControlModel::Declaration> controls{
      {"Frame1", Control{.caption = " PC Communications Port Selection "}},
      {"Port1", Control{.caption = "Communications Port 1"}},
      {"Port2", Control{.caption = "Communications Port 2"}},
      {"devicesframe", Control{.caption = " Serial Devices "}},
      {"port1devicecombo", Control{}},
      {"port2devicecombo", Control{}},
      {"devicenotelabel", Control{}},
      {"Frame3", Control{.caption = " Monitor "}},
      {"speedmenu", Control{.checked = true, .caption = "Speed (Hz)"}},
      {"currentmenu", Control{.caption = "Current (A)"}},
      {"DCmenu", Control{.caption = "DC Link Voltage"}},
      {"directionmenu", Control{.caption = "Direction"}},
      {"runningmenu", Control{.caption = "Running"}},
      {"inputmenu", Control{.caption = "Input Terminals"}},
      {"outputmenu", Control{.caption = "Output Terminals"}},
      {"directiongraph", Control{.caption = "Direction (Graph)"}},
      {"Frame2", Control{.caption = " Sample Rate "}},
      {kSlider1.name, Control{.value = kSlider1.minimum}},
      {"sliderlabel", Control{.caption = "0.5 second"}},
      {"Frame4", Control{.caption = " Scale "}},
      {kSlider2.name, Control{.value = kSlider2.minimum}},
      {"Slider2label", Control{.caption = "1 : 1"}},
      {"OKbutton", Control{.caption = "OK"}},
      {"Cancelbutton", Control{.caption = "Cancel"}},
      {"Applybutton", Control{.enabled = false, .caption = "Apply"}},
  };
  return controls;
}

} // namespace orvane
