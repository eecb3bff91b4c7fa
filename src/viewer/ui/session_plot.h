#pragma once

#include "viewer/range_statistics.h"
#include "viewer/ui/plot_series.h"

#include <array>
#include <functional>
#include <optional>
#include <qcustomplot.h>

namespace orvane {

using VisibleStatistics = std::array<std::optional<RangeStatistics>, PlotSeries::QuantityCount>;

// Frequency, current (A, with % on the right) and DC link as three stacked
// plots on one time axis. The wheel zooms time around the pointer, dragging
// pans, Shift+drag (or a right-button drag) zooms to a range, a double
// click fits the whole session; the value axes follow what is in view.
class SessionPlot final : public QCustomPlot {
public:
  explicit SessionPlot(const PlotSeries& series, QWidget* parent = nullptr);

  // After new samples: the end stays in sight unless the user has moved away from it.
  void samplesAdded();
  void fitSession();
  QCPRange visibleTime() const;
  void setVisibleTime(const QCPRange& range);

  // Called with the index of the sample nearest the pointer.
  void setCursorHandler(std::function<void(std::size_t sample)> handler) { cursorHandler_ = std::move(handler); }
  // Called whenever the visible time changes, with the statistics of what is in view.
  void setStatisticsHandler(std::function<void(const VisibleStatistics&)> handler) {
    statisticsHandler_ = std::move(handler);
  }

protected:
  void mousePressEvent(QMouseEvent* event) override;

private:
  QCPAxisRect* addPlot(int row, PlotSeries::Quantity quantity, const QString& label, const QColor& colour);
  void timeRangeChanged(const QCPRange& range);
  void fitValueAxes(const VisibleStatistics& statistics);
  void moveCursor(QMouseEvent* event);
  void zoomToBand(const QRect& band);

  const PlotSeries& series_;
  std::array<QCPAxisRect*, PlotSeries::QuantityCount> rects_{};
  std::array<QCPItemStraightLine*, PlotSeries::QuantityCount> cursor_{};
  bool endInSight_ = true;
  bool syncing_ = false;
  std::function<void(std::size_t)> cursorHandler_;
  std::function<void(const VisibleStatistics&)> statisticsHandler_;
};

} // namespace orvane
