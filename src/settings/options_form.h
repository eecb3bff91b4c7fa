#pragma once

#include "platform/message_boxes.h"
#include "platform/serial_port.h"
#include "settings/port_devices.h"
#include "state/shared_state.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// Caption of `sliderlabel` for a Slider1 position in tenths of a second ("0.5 second", "1 second",
// "1.1 seconds", "32 seconds").
std::string sliderlabelCaption(int tenths);
// Caption of `Slider2label` for a scale factor ("1 : 1" … "20 : 1").
std::string Slider2labelCaption(int scale);

// The Options dialog without its window. Its controls live in SharedState::options under their
// names; the shared variables hold the applied values, which the controls are compared against.
// The dialog is loaded on first use, which reads ta.ini, and stays loaded (hidden after OK) until
// Cancel, its window frame or the closing main window unloads it; the next use then loads it
// again from the file. Other windows read its controls through controls(), never directly.
class OptionsForm {
public:
  // The graph widths maxpoints is derived from: Apply leaves room at the right, OK fills the box.
  static constexpr double kApplyWidth = 6410;
  static constexpr double kOkWidth = 6760;

  OptionsForm(SharedState& state, SerialPort& port, MessageBoxes& messages);
  ~OptionsForm();
  OptionsForm(const OptionsForm&) = delete;
  OptionsForm& operator=(const OptionsForm&) = delete;

  // What Apply and OK do to the serial port (close it, take port 1 or 2): by default at once; the
  // program queues it as link work, done on the link's thread after the work in progress.
  using PortWork = std::function<void(SerialPort&)>;
  void setPortWork(std::function<void(PortWork)> run) { runPortWork_ = std::move(run); }
  // Clears the graph without a question; the sample arrays are zeroed up to the maxpoints in
  // force, which is still the old one when Apply or OK calls this.
  void setClearGraph(std::function<void()> clearGraph) { clearGraph_ = std::move(clearGraph); }
  // The window: show it modally (returns once it is hidden again) and hide it.
  void setWindow(std::function<void()> showModal, std::function<void()> hide);

  // The dialog's controls, loading the dialog first when it is not loaded.
  const ControlModel& controls();
  bool loaded() const { return loaded_; }
  // The serial devices present when the dialog was last shown, for its device lists.
  const std::vector<SerialDevice>& devicesPresent() const { return devices_.present(); }

  // Start-up: applies the stored settings by the OK action, without showing the dialog.
  void applyStoredSettings();
  // Shows the dialog modally, loading it first when it is not loaded, with the devices present now.
  void show();
  // Cancel, the window frame and the closing main window: nothing is applied or stored.
  void unload();

  void Form_Load();
  void Port1_Click();
  void Port2_Click();
  void speedmenu_Click() { checkBoxClicked(0); }
  void currentmenu_Click() { checkBoxClicked(1); }
  void DCmenu_Click() { checkBoxClicked(2); }
  void directionmenu_Click() { checkBoxClicked(3); }
  void runningmenu_Click() { checkBoxClicked(4); }
  void inputmenu_Click() { checkBoxClicked(5); }
  void outputmenu_Click() { checkBoxClicked(6); }
  void directiongraph_Click() { checkBoxClicked(7); }
  void Slider1_Change();
  void Slider2_Change();
  void port1devicecombo_Change() { changed(devices_.edited(1)); }
  void port2devicecombo_Change() { changed(devices_.edited(2)); }
  void Applybutton_Click();
  void OKbutton_Click();
  void Cancelbutton_Click() { unload(); }

private:
  void ensureLoaded();
  bool showSettings(const std::array<std::int16_t, 11>& settings);
  void recover();
  void setSlider1(int value);
  void setSlider2(int value);
  void checkBoxClicked(std::size_t box);
  void changed(bool enableButtons);
  void closePortIfOpen();
  void confirmGraphChanges();
  void applySettings(double graphWidth);
  void hideWindow();
  void reportFailure();

  SharedState& state_;
  SerialPort& port_;
  MessageBoxes& messages_;
  PortDevices devices_;
  std::function<void(PortWork)> runPortWork_;
  std::function<void()> clearGraph_;
  std::function<void()> showModal_;
  std::function<void()> hide_;
  bool loaded_ = false;
};

} // namespace orvane
