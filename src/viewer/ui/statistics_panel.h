#pragma once

#include "viewer/ui/session_plot.h"

#include <QLabel>
#include <QWidget>

namespace orvane {

class SessionLogModel;

// Under the plots: the sample under the cursor as logged, and the minimum,
// maximum and mean of each quantity over the visible time, with the time of
// each extreme.
class StatisticsPanel final : public QWidget {
public:
  explicit StatisticsPanel(QWidget* parent = nullptr);

  // Where the logged text of the samples is read.
  void setModel(const SessionLogModel& model) { model_ = &model; }

  void showStatistics(const VisibleStatistics& statistics);
  void showCursor(std::size_t sample, double time);
  void clear();

private:
  QString loggedValue(std::size_t sample, PlotSeries::Quantity quantity) const;

  const SessionLogModel* model_ = nullptr;
  QLabel* cursor_;
  std::array<std::array<QLabel*, 3>, PlotSeries::QuantityCount> cells_{};
};

} // namespace orvane
