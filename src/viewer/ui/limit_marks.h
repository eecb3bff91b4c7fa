#pragma once

#include "viewer/limit_spans.h"
#include "viewer/sample_store.h"

#include <QColor>
#include <optional>
#include <qcustomplot.h>

namespace orvane {

// The limits on one plot's quantity: a dashed line at each limit's value, labelled with its
// name, and a translucent band over each time the limit was raised, all in the trace's colour.
// The current plot takes both the limits in A and in % (drawn in A while the session gives the
// ratio). Reads the spans it is given (which it does not own) and the shown session's samples.
class LimitMarks final : public QCPAbstractPlottable {
public:
  LimitMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, const SampleStore& store, Quantity quantity, QColor colour);

  // None: no limits.
  void setLimits(const LimitSpans* spans) { spans_ = spans; }
  // The shown session's samples [first, last); a span still raised lasts to the last of them.
  void setSession(std::size_t first, std::size_t last, std::optional<double> percentPerAmpere);

  double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
  QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
  QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                         const QCPRange& inKeyRange = QCPRange()) const override;

protected:
  void draw(QCPPainter* painter) override;
  void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
  bool onThisPlot(const Limit& limit) const;
  // The limit's value on this plot's axis; none for a limit in % without the session's ratio.
  std::optional<double> axisValue(const Limit& limit) const;
  void drawBands(QCPPainter* painter, const QRect& rect);
  void drawLines(QCPPainter* painter, const QRect& rect);

  const SampleStore& store_;
  Quantity quantity_;
  QColor colour_;
  const LimitSpans* spans_ = nullptr;
  std::size_t first_ = 0;
  std::size_t last_ = 0;
  std::optional<double> percentPerAmpere_;
};

} // namespace orvane
