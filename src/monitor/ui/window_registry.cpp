#include "monitor/ui/window_registry.h"

#include <stdexcept>

namespace orvane {
namespace {

// The order in which the main window unloads the others; windows defined
// later and not named here follow.
constexpr const char* kUnloadOrder[] = {"About",   "capture", "Graph",       "Graphtitle", "Options",
                                        "Reading", "Splash",  "TripHistory", "TripPrint1", "TripPrint2"};

} // namespace

WindowRegistry::~WindowRegistry() {
  for (auto& [name, window] : loaded_)
    delete window.data();
}

void WindowRegistry::define(const std::string& name, Factory create) { factories_[name] = std::move(create); }

QWidget& WindowRegistry::load(const std::string& name) {
  QPointer<QWidget>& window = loaded_[name];
  if (!window) {
    const auto factory = factories_.find(name);
    if (factory == factories_.end())
      throw std::logic_error("No window is defined as " + name);
    window = factory->second();
    window->setObjectName(QString::fromStdString(name));
  }
  return *window;
}

bool WindowRegistry::isLoaded(const std::string& name) const {
  const auto found = loaded_.find(name);
  return found != loaded_.end() && found->second;
}

void WindowRegistry::unload(const std::string& name) {
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
  for (const char* name : kUnloadOrder)
    unload(name);
  while (!loaded_.empty())
    unload(loaded_.begin()->first);
}

} // namespace orvane
