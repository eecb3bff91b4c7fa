#pragma once

#include "monitor/ui/window_names.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

namespace orvane {

// The secondary windows of the program. Each exists once: it is created on
// first use and lives until it is unloaded. Every window defines here how it
// is created, so that the main window can unload them all when it closes.
class WindowRegistry {
public:
  using Factory = std::function<QWidget*()>;

  WindowRegistry() = default;
  ~WindowRegistry();
  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;

  void define(WindowName name, Factory create);

  // The loaded window, created first if it is not loaded.
  QWidget& load(WindowName name);

  bool isLoaded(WindowName name) const;
  // Hides the window at once and destroys it when control returns to the
  // event loop, so a window may unload itself from its own handler.
  void unload(WindowName name);
  // Unloads every loaded window, hidden ones too.
  void unloadAll();

private:
  void unloadByName(const std::string& name);

  std::map<std::string, Factory> factories_;
  std::map<std::string, QPointer<QWidget>> loaded_;
};

} // namespace orvane
