#include "trips/trip_history_form.h"

#include "link/models.h"

namespace orvane {

void layOutTripHistory(TripHistoryForm& form, const std::string& inverter) {
  const bool three = isThreeTripModel(inverter);
  if (!three && !isSixTripModel(inverter))
    return;
  form.Command5Left = three ? 2520 : 7200;
  form.Command6Left = three ? 3600 : 8280;
  form.Frame4Left = three ? 360 : 2760;
  form.Width = three ? 4815 : 9540;
  form.Frame5Visible = !three;
  form.Frame6Visible = !three;
  form.Frame7Visible = !three;
}

} // namespace orvane
