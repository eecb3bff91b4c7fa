#pragma once

#include "settings/options_form.h"
#include "state/control_model.h"
#include "state/options_controls.h"

#include <QDialog>
#include <map>
#include <string>

class QAbstractButton;
class QGroupBox;
class QRect;
class QScrollBar;

namespace orvane {

// The Options window. It mirrors the dialog's controls (SharedState::options) and hands every
// click and scroll to OptionsForm, which decides when it is shown and hidden. Each control carries
// its name as object name.
class OptionsDialog final : public QDialog {
public:
  OptionsDialog(ControlModel& controls, OptionsForm& form, QWidget* parent = nullptr);
  ~OptionsDialog() override;
  OptionsDialog(const OptionsDialog&) = delete;
  OptionsDialog& operator=(const OptionsDialog&) = delete;

protected:
  // The window frame's close (and Escape) unloads the dialog, as Cancel does.
  void reject() override;
  // Each opening lists the serial devices present at that moment.
  void showEvent(QShowEvent* event) override;

private:
  using Handler = void (OptionsForm::*)();

  // The caption the control is declared with.
  QString caption(const char* name) const;
  QGroupBox* addFrame(const char* name, const QRect& place);
  void addPort(QWidget* frame, const char* name, const char* other, const QRect& place, Handler handler);
  void addCheckBox(QWidget* container, const char* name, const QRect& place, Handler handler);
  void addSlider(QWidget* frame, const Slider& range, int arrowStep, int pageStep, const QRect& place,
                 Handler handler);
  void addLabel(QWidget* frame, const char* name, const QRect& place);
  void addButton(const char* name, const QRect& place, Handler handler);
  void addDeviceCombo(QWidget* frame, const char* name, const QRect& place, Handler handler);
  void listDevices();
  void mirror(const std::string& name, const ControlModel::Control& control);

  ControlModel& controls_;
  OptionsForm& form_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
};

} // namespace orvane
