#include "viewer/ui/session_plot.h"

#include "viewer/session_time.h"
#include "viewer/ui/event_marks.h"
#include "viewer/ui/limit_marks.h"
#include "viewer/ui/trace_plottable.h"

#include <QToolTip>
#include <cmath>

namespace orvane {
namespace {

constexpr double kValueMargin = 0.05;
constexpr double kDay = 86400;
// A view that the growing end pushes on grows by this much, so that the end
// then lies at nine tenths of its width.
constexpr double kStepWidth = 10.0 / 9;
const QString kSessionTimeLabel = QStringLiteral("Time from the session's start (h:mm:ss)");
// How near the pointer must come to a mark, in pixels, for it to say its event.
constexpr double kMarkReach = 4;
const QString kLimitsLayer = QStringLiteral("limits");

QCPAxis* timeAxis(QCPAxisRect* rect) { return rect->axis(QCPAxis::atBottom); }
QCPAxis* valueAxis(QCPAxisRect* rect) { return rect->axis(QCPAxis::atLeft); }

// Clock time: the ticks a date-time axis places on the session's start plus
// the time column, at the time column's keys.
class ClockTicker final : public QCPAxisTickerDateTime {
public:
  explicit ClockTicker(double start) : start_(start) { setDateTimeSpec(Qt::LocalTime); }

  void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels) override {
    setDateTimeFormat(range.size() < kDay ? QStringLiteral("hh:mm:ss") : QStringLiteral("d MMM hh:mm"));
    QCPAxisTickerDateTime::generate(QCPRange(range.lower + start_, range.upper + start_), locale, formatChar,
                                    precision, ticks, subTicks, tickLabels);
    for (double& tick : ticks)
      tick -= start_;
    if (subTicks)
      for (double& tick : *subTicks)
        tick -= start_;
  }

private:
  double start_;
};

QSharedPointer<QCPAxisTicker> sessionTicker() {
  QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
  ticker->setTimeFormat("%h:%m:%s");
  ticker->setFieldWidth(QCPAxisTickerTime::tuHours, 1);
  return ticker;
}

} // namespace

SessionPlot::SessionPlot(const SampleStore& store, QWidget* parent) : QCustomPlot(parent), store_(store) {
  // The overlay (the zoom band) is drawn with the rest: one paint buffer, not two.
  layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmLogical);
  plotLayout()->clear();
  auto* margins = new QCPMarginGroup(this);
  rects_[Frequency] = addPlot(0, Frequency, "Frequency (Hz)", QColor(255, 0, 0));
  rects_[Current] = addPlot(1, Current, "Current (A)", QColor(0, 128, 0));
  rects_[DcLink] = addPlot(2, DcLink, "DC Link (V)", QColor(0, 0, 255));
  for (QCPAxisRect* rect : rects_) {
    rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
    timeAxis(rect)->setTickLabels(rect == rects_[DcLink]);
  }
  setClockStart(std::nullopt);

  QCPAxis* percent = rects_[Current]->axis(QCPAxis::atRight);
  percent->setVisible(true);
  percent->setLabel("Current (%)");
  connect(valueAxis(rects_[Current]), qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          [this, percent](const QCPRange& amperes) {
            percent->setTickLabels(percentPerAmpere_.has_value());
            percent->setRange(amperes * percentPerAmpere_.value_or(1));
          });

  setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  setNoAntialiasingOnDrag(true);
  setPlottingHint(QCP::phCacheLabels, true);
  connect(selectionRect(), &QCPSelectionRect::accepted, this, [this](const QRect& band) { zoomToBand(band); });
  connect(this, &QCustomPlot::mouseMove, this, &SessionPlot::moveCursor);
  connect(this, &QCustomPlot::mouseDoubleClick, this, [this] { fitSession(); });
}

QCPAxisRect* SessionPlot::addPlot(int row, Quantity quantity, const QString& label, const QColor& colour) {
  auto* rect = new QCPAxisRect(this);
  plotLayout()->addElement(row, 0, rect);
  rect->setRangeDrag(Qt::Horizontal);
  rect->setRangeZoom(Qt::Horizontal);
  valueAxis(rect)->setLabel(label);
  valueAxis(rect)->setLabelColor(colour);

  traces_[quantity] = new TracePlottable(timeAxis(rect), valueAxis(rect), store_, quantity);
  traces_[quantity]->setPen(QPen(colour, 1));
  // On a layer under the traces', so that a band never hides a trace.
  if (!layer(kLimitsLayer))
    addLayer(kLimitsLayer, layer(QStringLiteral("main")), limBelow);
  limitMarks_[quantity] = new LimitMarks(timeAxis(rect), valueAxis(rect), store_, quantity, colour);
  limitMarks_[quantity]->setLayer(kLimitsLayer);
  marks_[quantity] = new EventMarks(timeAxis(rect), valueAxis(rect));
  connect(timeAxis(rect), qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          &SessionPlot::timeRangeChanged);

  auto* cursor = new QCPItemStraightLine(this);
  cursor->setClipAxisRect(rect);
  for (QCPItemPosition* point : {cursor->point1, cursor->point2}) {
    point->setAxes(timeAxis(rect), valueAxis(rect));
    point->setAxisRect(rect);
  }
  cursor->setPen(QPen(QColor(96, 96, 96), 1, Qt::DashLine));
  cursor->setVisible(false);
  cursor_[quantity] = cursor;
  return rect;
}

void SessionPlot::setClockStart(std::optional<double> epochSeconds) {
  clockStart_ = epochSeconds;
  const QSharedPointer<QCPAxisTicker> ticker =
      epochSeconds ? QSharedPointer<QCPAxisTicker>(new ClockTicker(*epochSeconds)) : sessionTicker();
  for (QCPAxisRect* rect : rects_)
    timeAxis(rect)->setTicker(ticker);
  timeAxis(rects_[DcLink])->setLabel(epochSeconds ? QStringLiteral("Clock time") : kSessionTimeLabel);
  setTimeline(gaps_, events_);
}

void SessionPlot::setTimeline(const GapFinder* gaps, const std::vector<TimelineEvent>* events) {
  gaps_ = gaps;
  events_ = events;
  for (TracePlottable* trace : traces_)
    trace->setGaps(gaps);
  for (EventMarks* marks : marks_)
    marks->setEvents(clockStart_ ? events : nullptr, clockStart_.value_or(0));
  drawAgain();
}

void SessionPlot::setLimits(const LimitSpans* spans) {
  for (LimitMarks* marks : limitMarks_)
    marks->setLimits(spans);
  drawAgain();
}

double SessionPlot::axisTime(const TimelineEvent& event) const { return event.time - clockStart_.value_or(0); }

void SessionPlot::centreOn(double time) {
  const QCPRange shown = visibleTime();
  setVisibleTime(QCPRange(time - shown.size() / 2, time + shown.size() / 2));
}

QString SessionPlot::eventText(const TimelineEvent& event) const {
  QString text = timeText(axisTime(event)) + "  " + QString::fromStdString(event.kind);
  if (!event.text.empty())
    text += ": " + QString::fromStdString(event.text);
  for (const std::string& line : event.details)
    text += "\n" + QString::fromStdString(line);
  return text;
}

// Over a mark, its event; else, in a gap, how long no sample was taken.
void SessionPlot::showPointerTip(QMouseEvent* event, double time) {
  QCPAxis* axis = timeAxis(rects_[DcLink]);
  const double perPixel = std::abs(axis->pixelToCoord(1) - axis->pixelToCoord(0));
  QString tip;
  if (clockStart_ && events_) {
    const double reach = kMarkReach * perPixel;
    const double clock = time + *clockStart_;
    auto at = std::lower_bound(events_->begin(), events_->end(), clock - reach,
                               [](const TimelineEvent& e, double t) { return e.time < t; });
    for (; at != events_->end() && at->time <= clock + reach; ++at)
      tip += (tip.isEmpty() ? "" : "\n") + eventText(*at);
  }
  if (tip.isEmpty() && gaps_)
    if (const std::optional<Gap> gap = gaps_->at(time, first_, last_))
      tip = "No samples for " + QString::fromStdString(sessionTimeText(gap->length())) + ", from " +
            timeText(gap->from) + " to " + timeText(gap->to);
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
}

QString SessionPlot::timeText(double seconds) const {
  if (!clockStart_)
    return QString::fromStdString(sessionTimeText(seconds));
  const auto tenths = static_cast<qint64>(std::llround((*clockStart_ + seconds) * 10));
  const QString clock = QDateTime::fromSecsSinceEpoch(tenths / 10).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
  return tenths % 10 == 0 ? clock : clock + QStringLiteral(".%1").arg(tenths % 10);
}

void SessionPlot::showSamples(std::size_t first, std::size_t last, std::optional<double> percentPerAmpere) {
  first_ = first;
  last_ = last;
  percentPerAmpere_ = percentPerAmpere;
  for (TracePlottable* trace : traces_)
    trace->setSamples(first, last);
  for (LimitMarks* marks : limitMarks_)
    marks->setSession(first, last, percentPerAmpere);
  for (QCPItemStraightLine* line : cursor_)
    line->setVisible(false);
  fitSession();
}

// When the end passes the right edge the view steps on, leaving a ninth of
// its width free; until then it stays, and only a picture that the new
// samples change is drawn again, which at a day or more in view is seldom.
void SessionPlot::samplesAdded(std::size_t last, std::optional<double> percentPerAmpere) {
  const std::size_t before = last_;
  last_ = last;
  percentPerAmpere_ = percentPerAmpere;
  for (TracePlottable* trace : traces_)
    trace->setSamples(first_, last_);
  for (LimitMarks* marks : limitMarks_)
    marks->setSession(first_, last_, percentPerAmpere);
  if (!endInSight_)
    return;
  if (before - first_ < 2)
    return fitSession();
  const QCPRange session = sessionTime();
  const QCPRange shown = visibleTime();
  if (session.upper > shown.upper) {
    const bool whole = shown.lower <= session.lower;
    const double width = whole ? session.size() * kStepWidth : shown.size();
    const double lower = whole ? shown.lower : session.upper - width / kStepWidth;
    return setVisibleTime(QCPRange(lower, lower + width));
  }
  const VisibleStatistics statistics = statisticsIn(shown);
  bool changed = fitValueAxes(statistics);
  for (const TracePlottable* trace : traces_)
    changed = changed || trace->changesPicture(before, last_);
  if (statisticsHandler_)
    statisticsHandler_(statistics);
  if (changed)
    drawAgain();
}

QCPRange SessionPlot::sessionTime() const {
  if (first_ >= last_)
    return {0, 1};
  const double begin = store_.time(first_);
  const double end = store_.time(last_ - 1);
  return end > begin ? QCPRange(begin, end) : QCPRange(begin - 1, end + 1);
}

QCPRange SessionPlot::visibleTime() const { return timeAxis(rects_[DcLink])->range(); }

// The same range again still brings the value axes and the statistics up to
// date: the samples under it may have changed.
void SessionPlot::setVisibleTime(const QCPRange& range) {
  QCPAxis* time = timeAxis(rects_[DcLink]);
  if (time->range() == range)
    timeRangeChanged(range);
  else
    time->setRange(range);
  drawAgain();
}

void SessionPlot::fitSession() { setVisibleTime(sessionTime()); }

void SessionPlot::holdDrawing(bool held) {
  drawingHeld_ = held;
  if (!held && drawWanted_) {
    drawWanted_ = false;
    replot(rpQueuedReplot);
  }
}

void SessionPlot::drawAgain() {
  if (drawingHeld_)
    drawWanted_ = true;
  else
    replot(rpQueuedReplot);
}

void SessionPlot::timeRangeChanged(const QCPRange& range) {
  if (syncing_)
    return;
  syncing_ = true;
  for (QCPAxisRect* rect : rects_)
    timeAxis(rect)->setRange(range);
  syncing_ = false;

  endInSight_ = first_ >= last_ || range.upper >= store_.time(last_ - 1);
  const VisibleStatistics statistics = statisticsIn(range);
  fitValueAxes(statistics);
  if (statisticsHandler_)
    statisticsHandler_(statistics);
}

VisibleStatistics SessionPlot::statisticsIn(const QCPRange& range) const {
  const std::size_t begin = store_.firstAtOrAfter(first_, last_, range.lower);
  const std::size_t end = store_.firstAfter(begin, last_, range.upper);
  VisibleStatistics statistics;
  for (int quantity = 0; quantity < kPlottedQuantities; ++quantity)
    statistics[quantity] = store_.statistics(static_cast<Quantity>(quantity), begin, end);
  return statistics;
}

// Frequency and current keep their zero in view, so a small wiggle does not
// look like a large one; the DC link sits far above zero and shows its detail.
bool SessionPlot::fitValueAxes(const VisibleStatistics& statistics) {
  bool moved = false;
  for (int quantity = 0; quantity < kPlottedQuantities; ++quantity) {
    if (!statistics[quantity])
      continue;
    double low = statistics[quantity]->minimum.value;
    double high = statistics[quantity]->maximum.value;
    if (quantity != DcLink) {
      low = std::min(low, 0.0);
      high = std::max(high, 0.0);
    }
    const double margin = high > low ? (high - low) * kValueMargin : std::max(1.0, std::abs(high) * kValueMargin);
    const QCPRange fitted(low - margin, high + margin);
    moved = moved || valueAxis(rects_[quantity])->range() != fitted;
    valueAxis(rects_[quantity])->setRange(fitted);
  }
  return moved;
}

void SessionPlot::moveCursor(QMouseEvent* event) {
  const double time = timeAxis(rects_[DcLink])->pixelToCoord(event->position().x());
  showPointerTip(event, time);
  const std::optional<std::size_t> nearest = store_.nearest(first_, last_, time);
  if (!nearest)
    return;
  const double key = store_.time(*nearest);
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
  QCPAxis* time = timeAxis(rects_[DcLink]);
  const QCPRange range(time->pixelToCoord(band.left()), time->pixelToCoord(band.right()));
  if (band.width() > 2)
    setVisibleTime(range);
}

} // namespace orvane
