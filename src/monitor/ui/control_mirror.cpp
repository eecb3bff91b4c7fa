#include "monitor/ui/control_mirror.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace orvane {
namespace {

void mirrorAction(QAction& action, const ControlModel::Control& control) {
  action.setVisible(control.visible);
  action.setEnabled(control.enabled);
  if (action.isSeparator())
    return;
  // Only a checked item is checkable, so unchecked items show no empty box.
  action.setCheckable(control.checked);
  action.setChecked(control.checked);
  action.setText(QString::fromStdString(control.caption));
}

void mirrorTimer(QTimer& timer, const ControlModel::Control& control) {
  // A timer with interval 0 never fires. Switching on a running timer keeps
  // its rhythm; a new interval starts the count again.
  if (!control.enabled || control.value <= 0)
    timer.stop();
  else if (!timer.isActive() || timer.interval() != control.value)
    timer.start(control.value);
}

void mirrorWidget(QWidget& widget, const ControlModel::Control& control) {
  widget.setVisible(control.visible);
  widget.setEnabled(control.enabled);
  const QString caption = QString::fromStdString(control.caption);
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(caption);
    if (button->isCheckable())
      button->setChecked(control.checked);
  } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
    group->setTitle(caption);
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(&widget)) {
    slider->setValue(control.value);
  }
}

} // namespace

void mirrorControl(QObject& object, const ControlModel::Control& control) {
  if (auto* menu = qobject_cast<QMenu*>(&object)) {
    mirrorAction(*menu->menuAction(), control);
  } else if (auto* action = qobject_cast<QAction*>(&object)) {
    mirrorAction(*action, control);
  } else if (auto* timer = qobject_cast<QTimer*>(&object)) {
    mirrorTimer(*timer, control);
  } else if (auto* widget = qobject_cast<QWidget*>(&object)) {
    mirrorWidget(*widget, control);
  }
}

} // namespace orvane
