#include "monitor/ui/trend_window.h"

#include "monitor/ui/control_mirror.h"
#include "monitor/ui/graph_box.h"
#include "monitor/ui/trend_menus.h"
#include "monitor/ui/trend_panels.h"
#include "state/trend_design_state.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

namespace orvane {
namespace {

bool isToolbarKey(const std::string& name) {
  const auto buttons = toolbarButtons();
  return std::any_of(buttons.begin(), buttons.end(),
                     [&](const ToolbarButton& button) { return button.key && name == button.key; });
}

constexpr const char* kTitle = "Orvane Trend Analysis";
constexpr const char* kLongestPublishingText = "MQTT: not connected";
constexpr const char* kLongestLimitsText = "Limits: within";
constexpr const char* kLongestLinkHealthText = "Link: 999999 exchanges, 9999 time-outs";

} // namespace

TrendWindow::TrendWindow(SharedState& state, WindowRegistry& windows, TickGuard& guard)
    : state_(state), windows_(windows), guard_(guard) {
  setObjectName("Trend");
  setWindowTitle(QString::fromUtf8(kTitle));
  Form_Load();
}

TrendWindow::~TrendWindow() { state_.trend.setListener({}); }

void TrendWindow::Form_Load() {
  // The shared state starts at its defaults when it is made; the window
  // loads once per run, so only the controls are set here.
  setTrendDesignState(state_.trend);
  buildTrendMenus(*menuBar(), controls_);
  setCentralWidget(buildTrendForm(controls_));
  for (const char* name : {"Timer1", "Timer2"})
    controls_.add(name, new QTimer(this));
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  const auto mirror = [this](const std::string& name, const ControlModel::Control& control) {
    if (QObject* object = controls_.find(name))
      mirrorControl(*object, control);
  };
  for (const auto& [name, control] : state_.trend.controls())
    mirror(name, control);
  state_.trend.setListener(mirror);

  connectCommands();
  setClickHandler("exitmenu", [this] { exitmenu_Click(); });
}

void TrendWindow::connectCommands() {
  for (const auto& [name, object] : controls_.all()) {
    if (auto* action = qobject_cast<QAction*>(object)) {
      connect(action, &QAction::triggered, this, [this, name = name, action] {
        // Qt flips a checked item by itself; only the model decides.
        const auto& model = state_.trend.controls();
        if (const auto found = model.find(name); found != model.end())
          mirrorControl(*action, found->second);
        if (isToolbarKey(name)) {
          if (toolbarHandler_)
            toolbarHandler_(name);
        } else if (const Handler& handler = clickHandlers_[name]) {
          handler();
        }
      });
    } else if (auto* button = qobject_cast<QPushButton*>(object)) {
      connect(button, &QPushButton::clicked, this, [this, name = name] {
        if (const Handler& handler = clickHandlers_[name])
          handler();
      });
    } else if (auto* timer = qobject_cast<QTimer*>(object)) {
      connect(timer, &QTimer::timeout, this, [this, name = name] { onTick(name); });
    }
  }
}

void TrendWindow::setClickHandler(TrendControlName control, Handler handler) {
  clickHandlers_[control.str()] = std::move(handler);
}

void TrendWindow::setToolbarHandler(std::function<void(const std::string& key)> handler) {
  toolbarHandler_ = std::move(handler);
}

void TrendWindow::setMouseDownHandler(TrendControlName box, std::function<void(float x, float y)> handler) {
  graphBox(box.str()).setMouseDownHandler(std::move(handler));
}

void TrendWindow::setTimerHandler(TrendControlName timer, Handler handler) {
  timerHandlers_[timer.str()] = std::move(handler);
}

DrawingSurface& TrendWindow::surface(TrendControlName box) { return graphBox(box.str()); }

GraphBox& TrendWindow::graphBox(const std::string& name) {
  auto* box = dynamic_cast<GraphBox*>(controls_.find(name));
  if (!box)
    throw std::logic_error(name + " is not a graph box");
  return *box;
}

void TrendWindow::onTick(const std::string& timer) { guard_.runTick(timerHandlers_[timer]); }

void TrendWindow::showLinkStatus(const std::string& status) {
  const std::string title = status.empty() ? kTitle : std::string(kTitle) + " - " + status;
  setWindowTitle(QString::fromStdString(title));
}

QLabel& TrendWindow::cornerLabel(QLabel*& label, const char* longest) {
  if (label)
    return *label;
  if (!corner_) {
    corner_ = new QWidget(this);
    auto* row = new QHBoxLayout(corner_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
  }
  label = new QLabel(corner_);
  label->setContentsMargins(8, 0, 8, 0);
  label->setAlignment(Qt::AlignVCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(longest)) + 16);
  corner_->layout()->addWidget(label);
  // The menu bar sizes its corner when it is given one, so it is given it again with each label,
  // shown (a widget moved into a shown one is hidden, and a hidden one takes no room).
  label->show();
  corner_->adjustSize();
  menuBar()->setCornerWidget(nullptr, Qt::TopRightCorner);
  menuBar()->setCornerWidget(corner_, Qt::TopRightCorner);
  corner_->show();
  return *label;
}

void TrendWindow::showPublishing(const std::string& text, const std::string& detail) {
  QLabel& label = cornerLabel(publishingLabel_, kLongestPublishingText);
  label.setText(QString::fromStdString(text));
  label.setToolTip(QString::fromStdString(detail));
}

void TrendWindow::showLimits(const std::string& text, const std::string& detail) {
  QLabel& label = cornerLabel(limitsLabel_, kLongestLimitsText);
  label.setText(QString::fromStdString(text));
  label.setToolTip(QString::fromStdString(detail));
}

void TrendWindow::showLinkHealth(const std::string& text, const std::string& detail) {
  QLabel& label = cornerLabel(linkHealthLabel_, kLongestLinkHealthText);
  label.setText(QString::fromStdString(text));
  label.setToolTip(QString::fromStdString(detail));
}

void TrendWindow::exitmenu_Click() {
  if (endLink_)
    endLink_();
  QCoreApplication::exit(0);
}

void TrendWindow::Form_Unload() { windows_.unloadAll(); }

void TrendWindow::closeEvent(QCloseEvent* event) {
  if (endLink_)
    endLink_();
  Form_Unload();
  event->accept();
  QCoreApplication::quit();
}

} // namespace orvane
