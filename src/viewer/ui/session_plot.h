#pragma once

#include "timeline/gap_finder.h"
#include "timeline/timeline_events.h"
#include "viewer/range_statistics.h"
#include "viewer/sample_store.h"

#include <array>
#include <functional>
#include <optional>
#include <qcustomplot.h>

namespace orvane {

class EventMarks;
class LimitMarks;
class LimitSpans;
class TracePlottable;

using VisibleStatistics = std::array<std::optional<RangeStatistics>, kPlottedQuantities>;

// Frequency, current (A, with % on the right) and DC link of one session as
// three stacked plots on one time axis. The wheel zooms time around the
// pointer, dragging pans, Shift+drag (or a right-button drag) zooms to a
// range, a double click fits the whole session; the value axes follow what
// is in view. The traces break at gaps; a timeline's events are marks across
// the plots, and the pointer over a mark or a gap says what it is. Limits are
// dashed lines on their quantity's plot, the times they were raised bands. Draws
// without being shown, to a picture as well as on screen.
class SessionPlot final : public QCustomPlot {
public:
  explicit SessionPlot(const SampleStore& store, QWidget* parent = nullptr);

  // The session shown: samples [first, last) of the store. The same session
  // grown keeps the view; the end stays in sight unless the user has moved
  // away from it.
  void showSamples(std::size_t first, std::size_t last, std::optional<double> percentPerAmpere);
  void samplesAdded(std::size_t last, std::optional<double> percentPerAmpere);
  void fitSession();
  QCPRange visibleTime() const;
  void setVisibleTime(const QCPRange& range);

  // Clock time on the time axis: the session's start in seconds since the
  // epoch; none for the time from the session's start.
  void setClockStart(std::optional<double> epochSeconds);
  // A time of the session as the time axis gives it.
  QString timeText(double seconds) const;
  bool showsClockTime() const { return clockStart_.has_value(); }

  // Where the traces break, and the events marked (in time order, times in
  // seconds since the epoch, drawn while the axis gives clock time). Neither
  // is owned; none leaves them out.
  void setTimeline(const GapFinder* gaps, const std::vector<TimelineEvent>* events);
  // The limits drawn and the times they were raised (not owned); none leaves them out.
  void setLimits(const LimitSpans* spans);
  // The event's time on the time axis (its clock time less the clock start).
  double axisTime(const TimelineEvent& event) const;
  // The view moved, its width kept, so that `time` lies in its middle.
  void centreOn(double time);
  // What the pointer shows over an event's mark.
  QString eventText(const TimelineEvent& event) const;

  // While held, the plots are not drawn again for what changes; released,
  // they are drawn once if anything changed meanwhile. A large file read in
  // pieces would otherwise be drawn for every piece.
  void holdDrawing(bool held);

  // Called with the store index of the sample nearest the pointer.
  void setCursorHandler(std::function<void(std::size_t sample)> handler) { cursorHandler_ = std::move(handler); }
  // Called whenever the visible time changes, with the statistics of what is in view.
  void setStatisticsHandler(std::function<void(const VisibleStatistics&)> handler) {
    statisticsHandler_ = std::move(handler);
  }

protected:
  void mousePressEvent(QMouseEvent* event) override;

private:
  QCPAxisRect* addPlot(int row, Quantity quantity, const QString& label, const QColor& colour);
  QCPRange sessionTime() const;
  void timeRangeChanged(const QCPRange& range);
  VisibleStatistics statisticsIn(const QCPRange& range) const;
  // Whether any value axis moved.
  bool fitValueAxes(const VisibleStatistics& statistics);
  void moveCursor(QMouseEvent* event);
  void showPointerTip(QMouseEvent* event, double time);
  void zoomToBand(const QRect& band);
  void drawAgain();

  const SampleStore& store_;
  std::size_t first_ = 0;
  std::size_t last_ = 0;
  std::optional<double> percentPerAmpere_;
  std::optional<double> clockStart_;
  std::array<QCPAxisRect*, kPlottedQuantities> rects_{};
  std::array<TracePlottable*, kPlottedQuantities> traces_{};
  std::array<EventMarks*, kPlottedQuantities> marks_{};
  std::array<LimitMarks*, kPlottedQuantities> limitMarks_{};
  const GapFinder* gaps_ = nullptr;
  const std::vector<TimelineEvent>* events_ = nullptr;
  std::array<QCPItemStraightLine*, kPlottedQuantities> cursor_{};
  bool endInSight_ = true;
  bool syncing_ = false;
  bool drawingHeld_ = false;
  bool drawWanted_ = false;
  std::function<void(std::size_t)> cursorHandler_;
  std::function<void(const VisibleStatistics&)> statisticsHandler_;
};

} // namespace orvane
