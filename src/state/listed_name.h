#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace orvane {

// Reached only when a listed name is built from a name that is not in its list: being
// no constant expression, it turns the mistake into a compile error that names it.
void nameIsNotInTheList();

template <typename Names> constexpr bool namesAreDistinct(const Names& names) {
  for (auto name = std::begin(names); name != std::end(names); ++name)
    if (std::find(std::next(name), std::end(names), *name) != std::end(names))
      return false;
  return true;
}

// A name from a fixed list, checked when the program is compiled: the names that
// wire commands, timers and windows to their handlers cannot be misspelt into
// one that nothing declares.
template <const auto& kNames> class ListedName {
public:
  static constexpr bool isListed(std::string_view name) {
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
  }

  consteval ListedName(const char* name) : name_(name) {
    if (!isListed(name_))
      nameIsNotInTheList();
  }

  constexpr std::string_view view() const { return name_; }
  std::string str() const { return std::string(name_); }
  constexpr operator std::string_view() const { return name_; }

  friend constexpr bool operator==(ListedName, ListedName) = default;

private:
  std::string_view name_;
};

} // namespace orvane
