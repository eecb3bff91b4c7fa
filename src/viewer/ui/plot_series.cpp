#include "viewer/ui/plot_series.h"

#include <cmath>
#include <cstdint>
#include <sys/mman.h>

namespace orvane {
namespace {

constexpr qsizetype kSmallestGrowth = 1 << 16;
constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;

// A graph container that grows by reserving: an eighth more each time
// instead of doubling.
class SeriesContainer final : public QCPGraphDataContainer {
public:
  void append(double key, double value) {
    if (mData.size() == mData.capacity())
      mData.reserve(mData.size() + std::max(mData.size() / 8, kSmallestGrowth));
    mData.append(QCPGraphData(key, value));
  }
  void reserveMore(qsizetype count) {
    mData.reserve(mData.size() + count);
    // Large pages for a large read: far fewer first-touch faults while the samples go in.
    const auto begin = reinterpret_cast<std::uintptr_t>(mData.data());
    const std::uintptr_t end = begin + static_cast<std::uintptr_t>(mData.capacity()) * sizeof(QCPGraphData);
    const std::uintptr_t alignedBegin = (begin + kLargePage - 1) & ~(kLargePage - 1);
    if (alignedBegin + kLargePage <= end)
      ::madvise(reinterpret_cast<void*>(alignedBegin), (end - alignedBegin) & ~(kLargePage - 1), MADV_HUGEPAGE);
  }
  void release() { mData = QVector<QCPGraphData>(); }
};

SeriesContainer& container(const QSharedPointer<QCPGraphDataContainer>& data) {
  return static_cast<SeriesContainer&>(*data);
}

} // namespace

PlotSeries::PlotSeries() {
  for (auto& data : data_)
    data = QSharedPointer<QCPGraphDataContainer>(new SeriesContainer);
}

// An empty series keeps the room reserved for what is about to be read.
void PlotSeries::clear() {
  for (auto& data : data_)
    if (!data->isEmpty())
      container(data).release();
  for (BlockSummary& summary : summaries_)
    summary.clear();
  percentTimesAmperes_ = 0;
  amperesSquared_ = 0;
}

void PlotSeries::append(const Sample& sample) {
  container(data_[Frequency]).append(sample.time, sample.frequency);
  container(data_[Current]).append(sample.time, sample.current);
  container(data_[DcLink]).append(sample.time, sample.dcLink);
  summaries_[Frequency].append(sample.frequency);
  summaries_[Current].append(sample.current);
  summaries_[DcLink].append(sample.dcLink);
  // The least-squares ratio of the two current columns: the logged values are
  // rounded, so no single sample gives it exactly.
  percentTimesAmperes_ += sample.currentPercent * sample.current;
  amperesSquared_ += sample.current * sample.current;
}

void PlotSeries::reserve(std::size_t samples) {
  for (auto& data : data_)
    container(data).reserveMore(static_cast<qsizetype>(samples));
}

std::optional<RangeStatistics> PlotSeries::statistics(Quantity quantity, double from, double to) const {
  const QCPGraphDataContainer& data = *data_[quantity];
  const auto [begin, end] = pointsBetween(data.constBegin(), data.constEnd(), from, to);
  const auto index = [&data](QCPGraphDataContainer::const_iterator point) {
    return static_cast<std::size_t>(point - data.constBegin());
  };
  const auto at = [&data](std::size_t i) { return data.constBegin() + static_cast<qsizetype>(i); };
  return summaries_[quantity].over(
      index(begin), index(end), [&at](std::size_t i) { return at(i)->value; },
      [&at](std::size_t i) { return at(i)->key; });
}

std::optional<double> PlotSeries::percentPerAmpere() const {
  const double ratio = percentTimesAmperes_ / amperesSquared_;
  if (!(amperesSquared_ > 0) || !std::isfinite(ratio) || ratio == 0)
    return std::nullopt;
  return ratio;
}

} // namespace orvane
