#include "state/control_model.h"

namespace orvane {

const ControlModel::Control& ControlModel::get(std::string_view name) const {
  static const Control untouched;
  if (loader_)
    loader_();
  const auto found = controls_.find(name);
  return found == controls_.end() ? untouched : found->second;
}

template <typename Change> void ControlModel::change(std::string_view name, Change&& apply) {
  auto found = controls_.find(name);
  if (found == controls_.end())
    found = controls_.emplace(std::string(name), Control{}).first;
  apply(found->second);
  if (listener_)
    listener_(found->first, found->second);
}

void ControlModel::setVisible(std::string_view name, bool visible) {
  change(name, [&](Control& control) { control.visible = visible; });
}

void ControlModel::setEnabled(std::string_view name, bool enabled) {
  change(name, [&](Control& control) { control.enabled = enabled; });
}

void ControlModel::setChecked(std::string_view name, bool checked) {
  change(name, [&](Control& control) { control.checked = checked; });
}

void ControlModel::setCaption(std::string_view name, std::string caption) {
  change(name, [&](Control& control) { control.caption = std::move(caption); });
}

void ControlModel::setValue(std::string_view name, int value) {
  change(name, [&](Control& control) { control.value = value; });
}

} // namespace orvane
