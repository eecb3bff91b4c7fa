#pragma once

#include <utility>
#include <variant>

namespace orvane {

// Why an exchange with the drive gave no value.
enum class LinkFailure {
  ReadTimedOut,    // a memory read had no answer within its 2 seconds
  FailureValue,    // a memory read answered with the value that means failure (9999)
  ExchangeTimedOut // a panel, display, reset or start write had no answer (and beeped)
};

// A value from the drive, or the reason there is none.
template <typename T> class LinkResult {
public:
  // cppcheck-suppress noExplicitConstructor ; a value or a failure stands for its result
  LinkResult(T value) : content_(std::move(value)) {}
  // cppcheck-suppress noExplicitConstructor
  LinkResult(LinkFailure failure) : content_(failure) {}

  explicit operator bool() const { return std::holds_alternative<T>(content_); }
  const T& operator*() const { return std::get<T>(content_); }
  const T* operator->() const { return &std::get<T>(content_); }
  // Only for a result without a value.
  LinkFailure failure() const { return std::get<LinkFailure>(content_); }

private:
  std::variant<T, LinkFailure> content_;
};

} // namespace orvane
