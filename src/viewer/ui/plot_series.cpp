#include "viewer/ui/plot_series.h"

#include <cmath>
#include <cstdint>
#include <sys/mman.h>

namespace orvane {
namespace {

constexpr qsizetype kSmallestGrowth = 1 << 16;
constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;

// A graph container that grows by reserving: an eighth more each time
// instead of doubling. Before a large read it is given room, points set
// aside at its end that the appends fill in place; the room they leave is
// given back when the read is done.
class SeriesContainer final : public QCPGraphDataContainer {
public:
  void append(double key, double value) {
    if (free_ != roomEnd_) {
      free_->key = key;
      free_->value = value;
      ++free_;
      return;
    }
    free_ = roomEnd_ = nullptr;
    if (mData.size() == mData.capacity())
      mData.reserve(mData.size() + std::max(mData.size() / 8, kSmallestGrowth));
    mData.append(QCPGraphData(key, value));
  }
  void makeRoom(qsizetype count) {
    giveBackRoom();
    const qsizetype used = mData.size();
    mData.reserve(used + count);
    // Large pages for a large read: far fewer first-touch faults while the samples go in.
    auto* const begin = reinterpret_cast<char*>(mData.data());
    const std::size_t bytes = static_cast<std::size_t>(mData.capacity()) * sizeof(QCPGraphData);
    const std::size_t skip = (kLargePage - reinterpret_cast<std::uintptr_t>(begin) % kLargePage) % kLargePage;
    if (skip + kLargePage <= bytes)
      ::madvise(begin + skip, (bytes - skip) & ~(kLargePage - 1), MADV_HUGEPAGE);
    mData.resize(used + count, QCPGraphData(0, 0));
    free_ = mData.data() + used;
    roomEnd_ = free_ + count;
  }
  void giveBackRoom() {
    if (roomEnd_)
      mData.resize(mData.size() - (roomEnd_ - free_));
    free_ = roomEnd_ = nullptr;
  }
  // All points gone; room being filled stays for the points that follow.
  void removeAll() {
    if (roomEnd_)
      free_ = mData.data();
    else if (!mData.isEmpty())
      mData = QVector<QCPGraphData>();
  }

private:
  QCPGraphData* free_ = nullptr;
  QCPGraphData* roomEnd_ = nullptr;
};

SeriesContainer& container(const QSharedPointer<QCPGraphDataContainer>& data) {
  return static_cast<SeriesContainer&>(*data);
}

} // namespace

PlotSeries::PlotSeries() {
  for (auto& data : data_)
    data = QSharedPointer<QCPGraphDataContainer>(new SeriesContainer);
}

void PlotSeries::clear() {
  for (auto& data : data_)
    container(data).removeAll();
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
    container(data).makeRoom(static_cast<qsizetype>(samples));
}

void PlotSeries::settle() {
  for (auto& data : data_)
    container(data).giveBackRoom();
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
