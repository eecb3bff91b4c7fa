#pragma once

#include "timeline/timeline_events.h"

#include <QColor>
#include <QString>
#include <qcustomplot.h>

namespace orvane {

// The events of a timeline as vertical marks across one plot, each in the
// colour of its kind. Draws only the marks in view, straight from the event
// list it is given (which it does not own): thousands cost no more than the
// few in view.
class EventMarks final : public QCPAbstractPlottable {
public:
  EventMarks(QCPAxis* keyAxis, QCPAxis* valueAxis);

  // `events` in time order, their times seconds since the epoch; `origin` is
  // the clock time of the axis's zero. None: no marks.
  void setEvents(const std::vector<TimelineEvent>* events, double origin);

  double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
  QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
  QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                         const QCPRange& inKeyRange = QCPRange()) const override;

protected:
  void draw(QCPPainter* painter) override;
  void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
  const std::vector<TimelineEvent>* events_ = nullptr;
  double origin_ = 0;
};

// The colour an event's mark is drawn in: trips red, their clearing green,
// limits orange, anything else purple.
QColor eventColour(const std::string& kind);

} // namespace orvane
