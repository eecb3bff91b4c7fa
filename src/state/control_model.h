#pragma once

#include "platform/thread_owner.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A name that is not a control of the window: a programming error.
class UnknownControl : public std::logic_error {
public:
  using std::logic_error::logic_error;
};

// The state of a window's named controls (visibility, enabled, checked,
// caption, value), kept as plain data so that the logic can run and be tested
// without widgets. A window mirrors it by listening to changes. Used on the
// user-interface thread alone (the first thread to use it, checked).
class ControlModel {
public:
  struct Control {
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    std::string caption{};
    int value = 0;
  };
  // A control of the window and its state when the window loads.
  struct Declaration {
    std::string name;
    Control atLoad;
  };
  using Listener = std::function<void(const std::string& name, const Control& control)>;

  // The window's controls are the declared ones and no others: reading or
  // setting any other name throws UnknownControl. Until it is set, a control
  // reads as the default Control.
  ControlModel(std::string window, const std::vector<Declaration>& declarations);

  const std::map<std::string, Control, std::less<>>& declared() const { return declared_; }

  void setVisible(std::string_view name, bool visible);
  void setEnabled(std::string_view name, bool enabled);
  void setChecked(std::string_view name, bool checked);
  void setCaption(std::string_view name, std::string caption);
  void setValue(std::string_view name, int value);
  void set(std::string_view name, Control control);

  bool visible(std::string_view name) const { return get(name).visible; }
  bool enabled(std::string_view name) const { return get(name).enabled; }
  bool checked(std::string_view name) const { return get(name).checked; }
  const std::string& caption(std::string_view name) const { return get(name).caption; }
  int value(std::string_view name) const { return get(name).value; }

  // Called after every change of a control; one listener (the window).
  void setListener(Listener listener) { listener_ = std::move(listener); }
  // Called before a control is read, so that a window that loads its
  // controls from a file (the Options dialog) is loaded by the first read.
  void setLoader(std::function<void()> loader) { loader_ = std::move(loader); }
  const std::map<std::string, Control, std::less<>>& controls() const { return controls_; }

private:
  const Control& get(std::string_view name) const;
  void requireDeclared(std::string_view name) const;
  template <typename Change> void change(std::string_view name, Change&& apply);

  std::string window_;
  std::map<std::string, Control, std::less<>> declared_;
  std::map<std::string, Control, std::less<>> controls_;
  Listener listener_;
  std::function<void()> loader_;
  ThreadOwner owner_;
};

} // namespace orvane
