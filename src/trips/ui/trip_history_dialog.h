#pragma once

#include "trips/trip_history_form.h"
#include "trips/trip_history_view.h"

#include <QDialog>
#include <functional>

namespace orvane {

// The trip history window "Trip History": the trip counter and a frame per
// trip, laid out as `window` says, with "&Print" and "&OK". "&OK" closes it.
class TripHistoryDialog final : public QDialog {
public:
  TripHistoryDialog(const TripHistoryForm& window, std::function<void()> print, QWidget* owner);
};

// Shows the trip history window modal to the main window.
class QtTripHistoryView final : public TripHistoryView {
public:
  explicit QtTripHistoryView(QWidget* owner) : owner_(owner) {}
  void showModal(const TripHistoryForm& window, const std::function<void()>& print) override;

private:
  QWidget* owner_;
};

} // namespace orvane
