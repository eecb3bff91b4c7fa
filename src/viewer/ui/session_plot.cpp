#include "viewer/ui/session_plot.h"

#include <cmath>

namespace orvane {
namespace {

constexpr double kValueMargin = 0.05;

QCPAxis* timeAxis(QCPAxisRect* rect) { return rect->axis(QCPAxis::atBottom); }
QCPAxis* valueAxis(QCPAxisRect* rect) { return rect->axis(QCPAxis::atLeft); }

QCPRange keyRange(const QCPGraphDataContainer& data) {
  if (data.isEmpty())
    return {0, 1};
  const double first = data.constBegin()->key;
  const double last = (data.constEnd() - 1)->key;
  return last > first ? QCPRange(first, last) : QCPRange(first - 1, last + 1);
}

} // namespace

SessionPlot::SessionPlot(const PlotSeries& series, QWidget* parent) : QCustomPlot(parent), series_(series) {
  plotLayout()->clear();
  auto* margins = new QCPMarginGroup(this);
  rects_[PlotSeries::Frequency] = addPlot(0, PlotSeries::Frequency, "Frequency (Hz)", QColor(255, 0, 0));
  rects_[PlotSeries::Current] = addPlot(1, PlotSeries::Current, "Current (A)", QColor(0, 128, 0));
  rects_[PlotSeries::DcLink] = addPlot(2, PlotSeries::DcLink, "DC Link (V)", QColor(0, 0, 255));
  for (QCPAxisRect* rect : rects_)
    rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);

  QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
  ticker->setTimeFormat("%h:%m:%s");
  ticker->setFieldWidth(QCPAxisTickerTime::tuHours, 1);
  for (QCPAxisRect* rect : rects_) {
    timeAxis(rect)->setTicker(ticker);
    timeAxis(rect)->setTickLabels(rect == rects_[PlotSeries::DcLink]);
  }
  timeAxis(rects_[PlotSeries::DcLink])->setLabel("Time from the session's start (h:mm:ss)");

  QCPAxis* percent = rects_[PlotSeries::Current]->axis(QCPAxis::atRight);
  percent->setVisible(true);
  percent->setLabel("Current (%)");
  connect(valueAxis(rects_[PlotSeries::Current]), qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          [this, percent](const QCPRange& amperes) {
            const std::optional<double> ratio = series_.percentPerAmpere();
            percent->setTickLabels(ratio.has_value());
            percent->setRange(amperes * ratio.value_or(1));
          });

  setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  setNoAntialiasingOnDrag(true);
  setPlottingHint(QCP::phCacheLabels, true);
  connect(selectionRect(), &QCPSelectionRect::accepted, this, [this](const QRect& band) { zoomToBand(band); });
  connect(this, &QCustomPlot::mouseMove, this, &SessionPlot::moveCursor);
  connect(this, &QCustomPlot::mouseDoubleClick, this, [this] { fitSession(); });
}

QCPAxisRect* SessionPlot::addPlot(int row, PlotSeries::Quantity quantity, const QString& label,
                                  const QColor& colour) {
  auto* rect = new QCPAxisRect(this);
  plotLayout()->addElement(row, 0, rect);
  rect->setRangeDrag(Qt::Horizontal);
  rect->setRangeZoom(Qt::Horizontal);
  valueAxis(rect)->setLabel(label);
  valueAxis(rect)->setLabelColor(colour);

  QCPGraph* graph = addGraph(timeAxis(rect), valueAxis(rect));
  graph->setData(series_.data(quantity));
  graph->setPen(QPen(colour, 1));
  connect(timeAxis(rect), qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          &SessionPlot::timeRangeChanged);

  auto* cursor = new QCPItemStraightLine(this);
  cursor->setClipAxisRect(rect);
  cursor->point1->setAxes(timeAxis(rect), valueAxis(rect));
  cursor->point2->setAxes(timeAxis(rect), valueAxis(rect));
  cursor->point1->setAxisRect(rect);
  cursor->point2->setAxisRect(rect);
  cursor->setPen(QPen(QColor(96, 96, 96), 1, Qt::DashLine));
  cursor->setVisible(false);
  cursor_[quantity] = cursor;
  return rect;
}

QCPRange SessionPlot::visibleTime() const { return timeAxis(rects_[PlotSeries::DcLink])->range(); }

// The same range again still brings the value axes and the statistics up to
// date: the samples under it may have changed.
void SessionPlot::setVisibleTime(const QCPRange& range) {
  QCPAxis* time = timeAxis(rects_[PlotSeries::DcLink]);
  if (time->range() == range)
    timeRangeChanged(range);
  else
    time->setRange(range);
  replot(rpQueuedReplot);
}

void SessionPlot::fitSession() { setVisibleTime(keyRange(*series_.data(PlotSeries::Frequency))); }

void SessionPlot::samplesAdded() {
  const QCPRange session = keyRange(*series_.data(PlotSeries::Frequency));
  const QCPRange shown = visibleTime();
  if (!endInSight_)
    return replot(rpQueuedReplot);
  if (shown.lower <= session.lower || series_.size() < 2)
    return fitSession();
  setVisibleTime(QCPRange(session.upper - shown.size(), session.upper));
}

void SessionPlot::timeRangeChanged(const QCPRange& range) {
  if (syncing_)
    return;
  syncing_ = true;
  for (QCPAxisRect* rect : rects_)
    timeAxis(rect)->setRange(range);
  syncing_ = false;

  const QCPGraphDataContainer& frequency = *series_.data(PlotSeries::Frequency);
  endInSight_ = frequency.isEmpty() || range.upper >= (frequency.constEnd() - 1)->key;
  VisibleStatistics statistics;
  for (int quantity = 0; quantity < PlotSeries::QuantityCount; ++quantity)
    statistics[quantity] =
        series_.statistics(static_cast<PlotSeries::Quantity>(quantity), range.lower, range.upper);
  fitValueAxes(statistics);
  if (statisticsHandler_)
    statisticsHandler_(statistics);
}

// Frequency and current keep their zero in view, so a small wiggle does not
// look like a large one; the DC link sits far above zero and shows its detail.
void SessionPlot::fitValueAxes(const VisibleStatistics& statistics) {
  for (int quantity = 0; quantity < PlotSeries::QuantityCount; ++quantity) {
    if (!statistics[quantity])
      continue;
    double low = statistics[quantity]->minimum.value;
    double high = statistics[quantity]->maximum.value;
    if (quantity != PlotSeries::DcLink) {
      low = std::min(low, 0.0);
      high = std::max(high, 0.0);
    }
    const double margin = high > low ? (high - low) * kValueMargin : std::max(1.0, std::abs(high) * kValueMargin);
    valueAxis(rects_[quantity])->setRange(low - margin, high + margin);
  }
}

void SessionPlot::moveCursor(QMouseEvent* event) {
  const QCPGraphDataContainer& frequency = *series_.data(PlotSeries::Frequency);
  const double time = timeAxis(rects_[PlotSeries::DcLink])->pixelToCoord(event->position().x());
  const std::optional<std::size_t> nearest = nearestPoint(frequency.constBegin(), frequency.constEnd(), time);
  if (!nearest)
    return;
  const double key = frequency.at(static_cast<int>(*nearest))->key;
  for (QCPItemStraightLine* line : cursor_) {
    line->point1->setCoords(key, 0);
    line->point2->setCoords(key, 1);
    line->setVisible(true);
  }
  replot(rpQueuedReplot);
  if (cursorHandler_)
    cursorHandler_(*nearest);
}

void SessionPlot::mousePressEvent(QMouseEvent* event) {
  const bool band = event->button() == Qt::RightButton || (event->modifiers() & Qt::ShiftModifier);
  setSelectionRectMode(band ? QCP::srmCustom : QCP::srmNone);
  QCustomPlot::mousePressEvent(event);
}

void SessionPlot::zoomToBand(const QRect& band) {
  QCPAxis* time = timeAxis(rects_[PlotSeries::DcLink]);
  const QCPRange range(time->pixelToCoord(band.left()), time->pixelToCoord(band.right()));
  if (band.width() > 2)
    setVisibleTime(range);
}

} // namespace orvane
