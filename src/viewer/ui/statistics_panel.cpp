#include "viewer/ui/statistics_panel.h"

#include "platform/number_text.h"

#include <QGridLayout>

namespace orvane {
namespace {

enum Column { Minimum, Maximum, Mean };

constexpr const char* kUnit[kPlottedQuantities] = {" Hz", " A", " V"};
constexpr const char* kName[kPlottedQuantities] = {"Frequency", "Current", "DC link"};

QString logged(float value) { return QString::fromStdString(logValueText(value)); }
// Values as the summary writes them: the logged float's digits, the mean to a tenth.
QString plain(double value) { return QString::fromStdString(plainText(static_cast<float>(value))); }
QString counted(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

} // namespace

StatisticsPanel::StatisticsPanel(const SessionPlot& plot, const SampleStore& store, QWidget* parent)
    : QWidget(parent), plot_(plot), store_(store), cursor_(new QLabel(this)), figures_(new QLabel(this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->addWidget(cursor_, 0, 0, 1, 4);
  cursor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  const char* headings[] = {"In view", "Minimum", "Maximum", "Mean"};
  for (int column = 0; column < 4; ++column)
    grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(headings[column]), this), 1, column);
  for (int quantity = 0; quantity < kPlottedQuantities; ++quantity) {
    grid->addWidget(new QLabel(kName[quantity], this), quantity + 2, 0);
    for (int column = Minimum; column <= Mean; ++column) {
      cells_[quantity][column] = new QLabel(this);
      cells_[quantity][column]->setTextInteractionFlags(Qt::TextSelectableByMouse);
      grid->addWidget(cells_[quantity][column], quantity + 2, column + 1);
    }
  }
  grid->addWidget(figures_, kPlottedQuantities + 2, 0, 1, 4);
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  figures_->setWordWrap(true);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);
  clear();
}

void StatisticsPanel::clear() {
  cursor_->setText("Point at the plots to read a sample.");
  figures_->clear();
  figures_->setToolTip({});
  for (auto& row : cells_)
    for (QLabel* cell : row)
      cell->clear();
}

QString StatisticsPanel::valueText(std::size_t sample, Quantity quantity) const {
  QString text = logged(store_.value(quantity, sample)) + kUnit[quantity];
  if (quantity == Current)
    text += QStringLiteral(" (%1 %)").arg(logged(store_.currentPercent(sample)));
  return text;
}

void StatisticsPanel::showStatistics(const VisibleStatistics& statistics) {
  for (int quantity = 0; quantity < kPlottedQuantities; ++quantity) {
    auto& row = cells_[quantity];
    if (!statistics[quantity]) {
      for (QLabel* cell : row)
        cell->clear();
      continue;
    }
    const RangeStatistics& in = *statistics[quantity];
    const auto q = static_cast<Quantity>(quantity);
    row[Minimum]->setText(valueText(in.minimum.index, q) + " at " + plot_.timeText(in.minimum.time));
    row[Maximum]->setText(valueText(in.maximum.index, q) + " at " + plot_.timeText(in.maximum.time));
    row[Mean]->setText(QString::number(in.mean, 'f', 2) + kUnit[quantity]);
  }
}

void StatisticsPanel::showFigures(const DayFigures& figures, const std::vector<Limit>& limits) {
  if (figures.samples == 0) {
    figures_->clear();
    return;
  }
  QStringList parts{QStringLiteral("running %1 h")
                        .arg(QString::fromStdString(formatNumber(figures.runningSeconds / 3600, 2, true))),
                    counted(static_cast<std::size_t>(figures.starts), "start", "starts"),
                    counted(static_cast<std::size_t>(figures.reversals), "reversal", "reversals"),
                    counted(figures.trips.size(), "trip", "trips")};
  if (figures.peakCurrent)
    parts << QStringLiteral("peak %1 A at %2")
                 .arg(plain(*figures.peakCurrent), plot_.timeText(figures.peakCurrentTime));
  if (figures.dcLinkMin && figures.dcLinkMax)
    parts << QStringLiteral("DC link %1 / %2 / %3 V")
                 .arg(plain(*figures.dcLinkMin),
                      QString::fromStdString(
                          formatNumber(figures.dcLinkSum / static_cast<double>(figures.samples), 1, true)),
                      plain(*figures.dcLinkMax));
  for (std::size_t at = 0; at < limits.size() && at < figures.secondsBeyond.size(); ++at)
    parts << QStringLiteral("above %1 %2 s")
                 .arg(QString::fromStdString(limits[at].name), plain(figures.secondsBeyond[at]));
  parts << counted(figures.missingSamples, "sample missing", "samples missing");
  figures_->setText("<b>Summary in view</b> &nbsp; " + parts.join(" · "));
  QStringList trips;
  for (const TripSeen& trip : figures.trips)
    trips << plot_.timeText(trip.time) + "  " + QString::fromStdString(trip.text);
  figures_->setToolTip(trips.join('\n'));
}

void StatisticsPanel::showCursor(std::size_t sample) {
  const double time = store_.time(sample);
  QString text =
      QStringLiteral("<b>%1</b> (%2 s)").arg(plot_.timeText(time), QString::fromStdString(logTimeText(time)));
  for (int quantity = 0; quantity < kPlottedQuantities; ++quantity)
    text += QStringLiteral(" &nbsp; %1 <b>%2</b>")
                .arg(kName[quantity], valueText(sample, static_cast<Quantity>(quantity)));
  cursor_->setText(text);
}

} // namespace orvane
