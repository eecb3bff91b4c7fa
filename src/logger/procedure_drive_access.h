#pragma once

#include "logger/drive_access.h"
#include "monitor/identification.h"
#include "monitor/lcd_screen.h"
#include "monitor/live_values.h"
#include "monitor/status_indicators.h"
#include "monitor/trip_watch.h"
#include "state/shared_state.h"

namespace orvane {

// The logger's access to the drive over the monitoring procedures: identification, the start
// reads, the trip check with its retries, the live value reads and the trip history read, on a
// state of its own. It sends neither the reset nor the start-of-monitoring write: that write
// changes a setting of the two panel-probed models that no value the logger reads depends on.
class ProcedureDriveAccess final : public DriveAccess {
public:
  ProcedureDriveAccess(Link& link, const LoggedQuantities& quantities);

  DriveResult<DriveIdentity> connect() override;
  DriveResult<TickReading> tick() override;
  DriveResult<TripHistoryForm> readTripHistory() override;
  void disconnect() override;

private:
  // Runs `work`, turning the link's ways of failing into a result.
  template <typename Value, typename Work> DriveResult<Value> guarded(Work&& work);
  bool readQuantities(std::int16_t& OK);
  bool readRatedCurrent(std::optional<float>& rated);

  Link& link_;
  LoggedQuantities quantities_;
  SharedState state_;
  Identification identification_;
  LiveValues liveValues_;
  StatusIndicators indicators_;
  LcdScreen screen_;
  TripWatch tripWatch_;
  LoggedValues values_;
};

} // namespace orvane
