#pragma once

#include "viewer/block_summary.h"
#include "viewer/session_log_model.h"

#include <qcustomplot.h>

namespace orvane {

// The plots' data for the shown session: frequency, current and DC link,
// each a QCustomPlot container that is the only copy of its values. Every
// container grows by an eighth at a time, so it never holds much more room
// than its samples need. A summary of every run of samples beside it keeps
// the statistics of a long stretch quick.
class PlotSeries final : public SampleSeries {
public:
  enum Quantity { Frequency, Current, DcLink, QuantityCount };

  PlotSeries();

  void clear() override;
  void append(const Sample& sample) override;
  void reserve(std::size_t samples) override;
  void settle() override;

  QSharedPointer<QCPGraphDataContainer> data(Quantity quantity) const { return data_[quantity]; }
  std::size_t size() const { return static_cast<std::size_t>(data_[Frequency]->size()); }
  // Statistics of the samples with times in [from, to].
  std::optional<RangeStatistics> statistics(Quantity quantity, double from, double to) const;
  // The session's current in % of the drive's rating per A, when any sample carries current.
  std::optional<double> percentPerAmpere() const;

private:
  QSharedPointer<QCPGraphDataContainer> data_[QuantityCount];
  BlockSummary summaries_[QuantityCount];
  double percentTimesAmperes_ = 0;
  double amperesSquared_ = 0;
};

} // namespace orvane
