#pragma once

#include <QObject>
#include <map>
#include <string>

namespace orvane {

// The named controls of the main window, found by the names the logic uses.
class TrendControls {
public:
  // Names the object and files it under that name.
  template <typename Object> Object* add(const std::string& name, Object* object) {
    object->setObjectName(QString::fromStdString(name));
    objects_[name] = object;
    return object;
  }
  QObject* find(const std::string& name) const {
    const auto found = objects_.find(name);
    return found == objects_.end() ? nullptr : found->second;
  }
  const std::map<std::string, QObject*>& all() const { return objects_; }

private:
  std::map<std::string, QObject*> objects_;
};

} // namespace orvane
