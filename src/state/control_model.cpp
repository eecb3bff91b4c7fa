#include "state/control_model.h"

namespace orvane {

ControlModel::ControlModel(std::string window, const std::vector<Declaration>& declarations)
    : window_(std::move(window)) {
  for (const Declaration& declaration : declarations)
    declared_.emplace(declaration.name, declaration.atLoad);
}

void ControlModel::requireDeclared(std::string_view name) const {
  if (!declared_.contains(name))
    throw UnknownControl(window_ + " has no control \"" + std::string(name) + "\"");
}

const ControlModel::Control& ControlModel::get(std::string_view name) const {
  static const Control untouched;
  owner_.check("ControlModel read");
  if (loader_)
    loader_();
  const auto found = controls_.find(name);
  if (found != controls_.end())
    return found->second;
  requireDeclared(name);
  return untouched;
}

template <typename Change> void ControlModel::change(std::string_view name, Change&& apply) {
  owner_.check("ControlModel change");
  auto found = controls_.find(name);
  if (found == controls_.end()) {
    requireDeclared(name);
    found = controls_.emplace(std::string(name), Control{}).first;
  }
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

void ControlModel::set(std::string_view name, Control control) {
  change(name, [&](Control& current) { current = std::move(control); });
}

} // namespace orvane
