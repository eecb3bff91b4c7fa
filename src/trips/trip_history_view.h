#pragma once

#include "trips/trip_history_form.h"

#include <functional>

namespace orvane {

// Shows the trip history window.
class TripHistoryView {
public:
  virtual ~TripHistoryView() = default;
  // Shows `window` modal, owned by the main window, and returns once the user
  // has closed it ("&OK" or the window frame). "&Print" runs `print` and
  // leaves the window open.
  virtual void showModal(const TripHistoryForm& window, const std::function<void()>& print) = 0;
};

} // namespace orvane
