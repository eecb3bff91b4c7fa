#pragma once

#include "summary/day_figures.h"
#include "viewer/ui/session_plot.h"

#include <QLabel>
#include <QWidget>

namespace orvane {

// Under the plots: the sample under the cursor in the log's own number text,
// and the minimum, maximum and mean of each quantity over the visible time,
// with the time of each extreme; below them the summary's figures of the same
// time (running hours, starts, reversals, trips, peak current, DC link, time
// above each limit, samples missing). Times are written as the plot's time
// axis gives them. Everything comes from the samples in memory.
class StatisticsPanel final : public QWidget {
public:
  StatisticsPanel(const SessionPlot& plot, const SampleStore& store, QWidget* parent = nullptr);

  void showStatistics(const VisibleStatistics& statistics);
  void showFigures(const DayFigures& figures, const std::vector<Limit>& limits);
  void showCursor(std::size_t sample);
  void clear();

private:
  QString valueText(std::size_t sample, Quantity quantity) const;

  const SessionPlot& plot_;
  const SampleStore& store_;
  QLabel* cursor_;
  QLabel* figures_;
  std::array<std::array<QLabel*, 3>, kPlottedQuantities> cells_{};
};

} // namespace orvane
