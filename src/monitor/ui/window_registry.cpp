#include "monitor/ui/window_registry.h"

#include <stdexcept>

namespace orvane {

WindowRegistry::~WindowRegistry() {
  for (auto& [name, window] : loaded_)
    delete window.data();
}

void WindowRegistry::define(WindowName name, Factory create) { factories_[name.str()] = std::move(create); }

QWidget& WindowRegistry::load(WindowName name) {
  QPointer<QWidget>& window = loaded_[name.str()];
  if (!window) {
    const auto factory = factories_.find(name.str());
    if (factory == factories_.end())
      throw std::logic_error("No window is defined as " + name.str());
    window = factory->second();
    window->setObjectName(QString::fromStdString(name.str()));
  }
  return *window;
}

bool WindowRegistry::isLoaded(WindowName name) const {
  const auto found = loaded_.find(name.str());
  return found != loaded_.end() && found->second;
}

void WindowRegistry::unload(WindowName name) { unloadByName(name.str()); }

void WindowRegistry::unloadByName(const std::string& name) {
  const auto found = loaded_.find(name);
  if (found == loaded_.end())
    return;
  if (QWidget* window = found->second) {
    window->hide();
    window->deleteLater();
  }
  loaded_.erase(found);
}

void WindowRegistry::unloadAll() {
  for (const std::string_view name : kWindowNames)
    unloadByName(std::string(name));
  while (!loaded_.empty())
    unloadByName(loaded_.begin()->first);
}

} // namespace orvane
