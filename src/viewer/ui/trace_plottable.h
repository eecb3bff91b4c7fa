#pragma once

#include "timeline/gap_finder.h"
#include "viewer/sample_store.h"

#include <qcustomplot.h>

namespace orvane {

// One quantity of a stretch of the store drawn as a line. When more samples
// are in view than the plot has pixel columns, each column is drawn as the
// span of its samples' extremes, found in the store's summaries, so a week
// draws as quickly as a minute and the plot keeps no copy of the samples.
// The line breaks at each gap: nothing is drawn where no sample was taken.
class TracePlottable final : public QCPAbstractPlottable {
public:
  TracePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, const SampleStore& store, Quantity quantity);

  // The samples [first, last) of the store, in time order.
  void setSamples(std::size_t first, std::size_t last);
  // Where the line breaks; none without.
  void setGaps(const GapFinder* gaps) { gaps_ = gaps; }
  // Whether the samples [first, last), added since the last draw, would change
  // the picture with the axes as they are: not when each falls on the last
  // pixel column drawn, within the span already drawn there.
  bool changesPicture(std::size_t first, std::size_t last) const;

  double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
  QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
  QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                         const QCPRange& inKeyRange = QCPRange()) const override;

protected:
  void draw(QCPPainter* painter) override;
  void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
  QPointF pixel(double key, float value) const;
  // Samples [begin, end), a run without a gap: one by one, or a span a pixel column.
  void drawRun(QCPPainter* painter, std::size_t begin, std::size_t end, bool spans);

  const SampleStore& store_;
  Quantity quantity_;
  const GapFinder* gaps_ = nullptr;
  std::size_t first_ = 0;
  std::size_t last_ = 0;
  QVector<QPointF> points_;
  // The last pixel column of the last draw, when it was drawn as a span, and the span's ends.
  std::optional<double> lastColumn_;
  double spanTop_ = 0;
  double spanBottom_ = 0;
};

} // namespace orvane
