#include "monitor/ui/trend_menus.h"

#include "state/trend_design_state.h"

#include <QMenuBar>
#include <QToolBar>
#include <string_view>

namespace orvane {
namespace {

QMenu* addMenu(QWidget& owner, const char* name, TrendControls& controls) {
  auto* menu = controls.add(name, new QMenu(&owner));
  if (auto* bar = qobject_cast<QMenuBar*>(&owner))
    bar->addMenu(menu);
  else
    static_cast<QMenu&>(owner).addMenu(menu);
  return menu;
}

void addItems(QMenu& menu, std::initializer_list<const char*> names, TrendControls& controls) {
  for (const char* name : names) {
    const bool separator = std::string_view(name).starts_with("filebar");
    QAction* action = separator ? menu.addSeparator() : menu.addAction(QString());
    controls.add(name, action);
  }
}

QString iconFor(std::string_view key) {
  static const std::pair<std::string_view, const char*> icons[] = {
      {"starttoolbar", "start"},    {"stoptoolbar", "stop"},       {"exporttoolbar", "export_csv"},
      {"cliptoolbar", "clipboard"}, {"optionstoolbar", "options"}, {"triptoolbar", "trip_history"},
      {"valuetoolbar", "value"},    {"helptoolbar", "help"}};
  for (const auto& [name, file] : icons)
    if (name == key)
      return QStringLiteral(":/images/toolbar/%1.svg").arg(file);
  return {};
}

} // namespace

void buildTrendMenus(QMenuBar& bar, TrendControls& controls) {
  QMenu* file = addMenu(bar, "filememu", controls);
  QMenu* exportGraph = addMenu(*file, "exportmenu", controls);
  addItems(*exportGraph, {"csvmenu", "clipboardmenu"}, controls);
  addItems(*file, {"filebar", "exitmenu"}, controls);

  addItems(*addMenu(bar, "Viewmenu", controls), {"tripmenu", "optionmenu", "viewermenu"}, controls);
  addItems(*addMenu(bar, "commmenu", controls), {"startmonmenu", "stopmonmenu", "filebar2", "resetmenu"},
           controls);
  addItems(*addMenu(bar, "helptopmenu", controls), {"helpmenu", "aboutmenu"}, controls);
}

QToolBar* buildTrendToolbar(QWidget& form, TrendControls& controls) {
  auto* toolbar = controls.add("Toolbar1", new QToolBar(&form));
  toolbar->setIconSize(QSize(24, 24));
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const ToolbarButton& button : toolbarButtons()) {
    if (!button.key) {
      toolbar->addSeparator();
      continue;
    }
    QAction* action = toolbar->addAction(QIcon(iconFor(button.key)), QString());
    action->setToolTip(QString::fromUtf8(button.toolTip));
    controls.add(button.key, action);
  }
  return toolbar;
}

} // namespace orvane
