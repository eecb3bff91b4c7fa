#include "settings/options_form.h"

#include "platform/number_text.h"
#include "settings/graph_change_question.h"
#include "settings/settings_file.h"

#include <system_error>

namespace orvane {
namespace {

// What Apply and OK name as the source of a failure they report.
constexpr const char* kErrorSource = "Orvane Trend Analysis";

struct CheckBox {
  const char* name;
  std::int16_t AppliedSettings::*flag;
};

// The check boxes in the order of their lines in ta.ini (lines 2 to 9).
constexpr std::array<CheckBox, 8> kCheckBoxes{{
    {"speedmenu", &AppliedSettings::speedon},
    {"currentmenu", &AppliedSettings::currenton},
    {"DCmenu", &AppliedSettings::dcon},
    {"directionmenu", &AppliedSettings::directionon},
    {"runningmenu", &AppliedSettings::runningon},
    {"inputmenu", &AppliedSettings::inputon},
    {"outputmenu", &AppliedSettings::outputon},
    {"directiongraph", &AppliedSettings::directiongraphon},
}};
constexpr std::size_t kDirectionGraph = 7;
constexpr std::size_t kPortLine = 0;
constexpr std::size_t kSampleRateLine = 9;
constexpr std::size_t kScaleLine = 10;

bool fits(const Slider& slider, int value) { return value >= slider.minimum && value <= slider.maximum; }

// A scroll bar refuses a position outside its range; a stored value put back may be one.
void requireFit(const Slider& slider, int value) {
  if (!fits(slider, value))
    throw std::system_error(std::make_error_code(std::errc::invalid_argument),
                            std::string(slider.name) + " cannot be set to " + std::to_string(value));
}

// A stored 0 leaves the slider at its lowest position.
int positionFor(const Slider& slider, std::int16_t stored) { return stored != 0 ? stored : slider.minimum; }

std::array<std::int16_t, 11> storedSettings(const SharedState& state) {
  std::array<std::int16_t, 11> settings{};
  for (std::size_t line = 0; line < settings.size(); ++line)
    settings[line] = state.applied.*kStoredSettings[line];
  return settings;
}

std::string numberWithSign(int number) { return (number < 0 ? "" : " ") + std::to_string(number); }

} // namespace

std::string sliderlabelCaption(int tenths) {
  const double seconds = tenths / 10.0;
  return plainText(seconds) + (seconds <= 1 ? " second" : " seconds");
}

std::string Slider2labelCaption(int scale) { return std::to_string(scale) + " : 1"; }

OptionsForm::OptionsForm(SharedState& state, SerialPort& port, MessageBoxes& messages)
    : state_(state), port_(port), messages_(messages), devices_(state.options),
      runPortWork_([this](const PortWork& work) { work(port_); }) {
  // Whoever reads a control of an unloaded dialog loads it from the file.
  state_.options.setLoader([this] { ensureLoaded(); });
}

OptionsForm::~OptionsForm() { state_.options.setLoader(nullptr); }

void OptionsForm::setWindow(std::function<void()> showModal, std::function<void()> hide) {
  showModal_ = std::move(showModal);
  hide_ = std::move(hide);
}

const ControlModel& OptionsForm::controls() {
  ensureLoaded();
  return state_.options;
}

void OptionsForm::applyStoredSettings() { OKbutton_Click(); }

void OptionsForm::show() {
  ensureLoaded();
  devices_.refresh();
  if (showModal_)
    showModal_();
}

void OptionsForm::unload() {
  loaded_ = false;
  hideWindow();
}

void OptionsForm::ensureLoaded() {
  if (!loaded_)
    Form_Load();
}

void OptionsForm::Form_Load() {
  loaded_ = true;
  state_.applied.optionsapplied = false;
  if (!readSettingsFile(state_.applied) || !showSettings(storedSettings(state_)))
    recover();
  state_.options.setEnabled("Applybutton", false);
  state_.options.setEnabled("Cancelbutton", true);
}

// Sets every control from the settings in file order; false, with nothing set, when a slider
// position lies outside its range.
bool OptionsForm::showSettings(const std::array<std::int16_t, 11>& settings) {
  const int rate = positionFor(kSlider1, settings[kSampleRateLine]);
  const int scale = positionFor(kSlider2, settings[kScaleLine]);
  if (!fits(kSlider1, rate) || !fits(kSlider2, scale))
    return false;
  const bool port2 = settings[kPortLine] != 0;
  state_.options.setChecked(port2 ? "Port2" : "Port1", true);
  state_.options.setChecked(port2 ? "Port1" : "Port2", false);
  setSlider1(rate);
  setSlider2(scale);
  for (std::size_t box = 0; box < kCheckBoxes.size(); ++box)
    state_.options.setChecked(kCheckBoxes[box].name, settings[box + 1] == 1);
  return true;
}

// A missing or damaged file is replaced by the defaults, which the dialog then shows; the shared
// variables keep what they hold until the next Apply or OK takes the controls into them.
void OptionsForm::recover() {
  try {
    writeDefaultSettingsFile();
  } catch (const std::system_error&) {
    // Left silent: every Apply and OK writes the same file and reports the failure, and the
    // start-up OK that follows the first load does so at once, so the user is told once.
  }
  showSettings(kDefaultSettings);
}

void OptionsForm::setSlider1(int value) {
  state_.options.setValue(kSlider1.name, value);
  state_.options.setCaption("sliderlabel", sliderlabelCaption(value));
}

void OptionsForm::setSlider2(int value) {
  state_.options.setValue(kSlider2.name, value);
  state_.options.setCaption("Slider2label", Slider2labelCaption(value));
}

void OptionsForm::changed(bool enableButtons) {
  if (enableButtons) {
    state_.options.setEnabled("Applybutton", true);
    state_.options.setEnabled("Cancelbutton", true);
  }
  state_.applied.optionsapplied = false;
}

void OptionsForm::Port1_Click() { changed(!state_.applied.port1on); }

void OptionsForm::Port2_Click() { changed(state_.applied.port2on == 0); }

void OptionsForm::checkBoxClicked(std::size_t box) {
  const int ticked = state_.options.checked(kCheckBoxes[box].name) ? 1 : 0;
  changed(ticked != state_.applied.*kCheckBoxes[box].flag);
}

void OptionsForm::Slider1_Change() {
  setSlider1(state_.options.value(kSlider1.name));
  changed(true);
}

void OptionsForm::Slider2_Change() {
  setSlider2(state_.options.value(kSlider2.name));
  changed(true);
}

void OptionsForm::Applybutton_Click() {
  try {
    closePortIfOpen();
    applySettings(kApplyWidth);
    state_.applied.optionsapplied = true;
  } catch (const UnknownControl&) {
    throw; // a programming error, not a failure to tell the user about
  } catch (...) {
    reportFailure();
  }
}

// Like every use of the dialog, OK loads it first when it is not loaded.
void OptionsForm::OKbutton_Click() {
  ensureLoaded();
  try {
    closePortIfOpen();
    if (!state_.applied.optionsapplied)
      applySettings(kOkWidth);
    hideWindow();
  } catch (const UnknownControl&) {
    throw;
  } catch (...) {
    reportFailure();
  }
}

void OptionsForm::closePortIfOpen() {
  runPortWork_([](SerialPort& port) {
    if (port.isOpen())
      port.close();
  });
}

// Asks before the graph is cleared by a change of sample rate, scale or graph kind. No puts those
// controls back, and the rest of the action goes on without them.
void OptionsForm::confirmGraphChanges() {
  const ControlModel& controls = state_.options;
  const bool rate = controls.value(kSlider1.name) != state_.applied.samplerate;
  const bool scale = controls.value(kSlider2.name) != state_.applied.graphscale;
  const bool directionGraph =
      (controls.checked(kCheckBoxes[kDirectionGraph].name) ? 1 : 0) != state_.applied.directiongraphon;
  const auto question = graphChangeQuestion(rate, scale, directionGraph);
  if (!question)
    return;
  if (messages_.show(MessageIcon::Question, MessageButtons::YesNo, question->title, question->text) ==
      MessageAnswer::Yes) {
    if (clearGraph_)
      clearGraph_();
    return;
  }
  if (rate) {
    requireFit(kSlider1, state_.applied.samplerate);
    setSlider1(state_.applied.samplerate);
  }
  if (scale) {
    requireFit(kSlider2, state_.applied.graphscale);
    setSlider2(state_.applied.graphscale);
  }
  if (directionGraph)
    state_.options.setChecked(kCheckBoxes[kDirectionGraph].name, state_.applied.directiongraphon == 1);
}

void OptionsForm::applySettings(double graphWidth) {
  confirmGraphChanges();
  const ControlModel& controls = state_.options;

  const int rate = controls.value(kSlider1.name);
  state_.trend.setValue("Timer1", rate * 100);
  state_.applied.samplerate = static_cast<std::int16_t>(rate);

  const int scale = controls.value(kSlider2.name);
  state_.graph.xstep = static_cast<std::int16_t>(scale * 20);
  state_.graph.maxpoints = roundToInt16(graphWidth / state_.graph.xstep);
  state_.applied.graphscale = static_cast<std::int16_t>(scale);

  if (controls.checked("Port1")) {
    runPortWork_([](SerialPort& port) { port.setPortNumber(1); });
    state_.applied.port1on = true;
    state_.applied.port2on = 0;
  }
  if (controls.checked("Port2")) {
    runPortWork_([](SerialPort& port) { port.setPortNumber(2); });
    state_.applied.port2on = 1;
    state_.applied.port1on = false;
  }

  for (const CheckBox& box : kCheckBoxes)
    state_.applied.*box.flag = controls.checked(box.name) ? 1 : 0;
  const bool signedGraph = state_.applied.directiongraphon == 1;
  state_.trend.setVisible("Picture1", !signedGraph);
  state_.trend.setVisible("Picture3", signedGraph);

  writeSettingsFile(state_.applied);
  devices_.applyEdits();
  state_.options.setEnabled("Applybutton", false);
  state_.options.setEnabled("Cancelbutton", false);
}

void OptionsForm::hideWindow() {
  if (hide_)
    hide_();
}

// The one message for any failure of Apply or OK: system failures carry their errno, anything
// else -1.
void OptionsForm::reportFailure() {
  int number = -1;
  std::string description = "Unexpected failure";
  try {
    // Only ever called from a catch handler, so there is always an exception to rethrow.
    // cppcheck-suppress rethrowNoCurrentException
    throw;
  } catch (const std::system_error& failure) {
    number = failure.code().value();
    description = failure.what();
  } catch (const std::exception& failure) {
    description = failure.what();
  } catch (...) {
  }
  messages_.show(MessageIcon::Critical, MessageButtons::Ok, "Communications Error",
                 "Error " + numberWithSign(number) + " was generated by " + kErrorSource + "\r" + description);
}

} // namespace orvane
