#pragma once

#include "fakes/recording_message_boxes.h"
#include "fakes/scripted_serial_port.h"
#include "settings/options_form.h"
#include "settings/settings_file.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane::testing {

inline constexpr const char* kDefaultsAsDigits = "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5\r\n1\r\n";
inline constexpr const char* kDefaultsAsNumbers =
    " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n 1 \r\n";

// An Options dialog on a fresh shared state with its settings in a temporary XDG_CONFIG_HOME; the
// window and the graph clear are counted.
class OptionsFixture : public ::testing::Test {
protected:
  OptionsFixture() {
    setenv("HOME", home_.path().toStdString().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home_.path() + "/config").toStdString().c_str(), 1);
    form.setClearGraph([this] { clearedUpTo.push_back(state.graph.maxpoints); });
    form.setWindow([this] { ++shows; }, [this] { ++hides; });
  }

  static std::filesystem::path file() { return settingsPath(); }
  static void writeFile(const std::string& text) {
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file(), std::ios::binary) << text;
  }
  static std::string fileText() {
    std::ostringstream text;
    text << std::ifstream(file(), std::ios::binary).rdbuf();
    return text.str();
  }

  const ControlModel& controls() const { return state.options; }
  std::string tickedBoxes() const {
    std::string ticked;
    for (const char* box : {"Port1", "Port2", "speedmenu", "currentmenu", "DCmenu", "directionmenu", "runningmenu",
                            "inputmenu", "outputmenu", "directiongraph"})
      ticked += controls().checked(box) ? std::string(ticked.empty() ? "" : " ") + box : "";
    return ticked;
  }
  void expectDefaultControls() const {
    EXPECT_EQ(tickedBoxes(), "Port1 speedmenu");
    EXPECT_EQ(controls().caption("sliderlabel"), "0.5 second");
    EXPECT_EQ(controls().caption("Slider2label"), "1 : 1");
    EXPECT_FALSE(controls().enabled("Applybutton"));
    EXPECT_TRUE(controls().enabled("Cancelbutton"));
  }

  // What the user does in the open dialog: a control changes, then its handler runs.
  void moveSlider(const char* slider, int value) {
    state.options.setValue(slider, value);
    slider == std::string("Slider1") ? form.Slider1_Change() : form.Slider2_Change();
  }
  void tick(const char* box, bool ticked, void (OptionsForm::*handler)()) {
    state.options.setChecked(box, ticked);
    (form.*handler)();
  }
  void selectPort2() {
    state.options.setChecked("Port2", true);
    state.options.setChecked("Port1", false);
    form.Port2_Click();
  }

  QTemporaryDir home_;
  FakeClock clock;
  ScriptedSerialPort port{clock};
  RecordingMessageBoxes messages;
  SharedState state;
  OptionsForm form{state, port, messages};
  std::vector<int> clearedUpTo;
  int shows = 0;
  int hides = 0;
};

} // namespace orvane::testing
