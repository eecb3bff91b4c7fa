#include "viewer/ui/statistics_panel.h"

#include "viewer/session_log_model.h"
#include "viewer/session_time.h"

#include <QGridLayout>

namespace orvane {
namespace {

enum Column { Minimum, Maximum, Mean };

// The columns of a log line: time, frequency, current (A), current (%), DC link.
constexpr int kTimeField = 0;
constexpr int kFieldOf[PlotSeries::QuantityCount] = {1, 2, 4};
constexpr int kPercentField = 3;
constexpr const char* kUnit[PlotSeries::QuantityCount] = {" Hz", " A", " V"};
constexpr const char* kName[PlotSeries::QuantityCount] = {"Frequency", "Current", "DC link"};

QString timeText(double seconds) { return QString::fromStdString(sessionTimeText(seconds)); }

QString valueText(const std::array<std::string, 5>& fields, PlotSeries::Quantity quantity) {
  QString text = QString::fromStdString(fields[kFieldOf[quantity]]) + kUnit[quantity];
  if (quantity == PlotSeries::Current)
    text += QStringLiteral(" (%1 %)").arg(QString::fromStdString(fields[kPercentField]));
  return text;
}

} // namespace

StatisticsPanel::StatisticsPanel(QWidget* parent) : QWidget(parent), cursor_(new QLabel(this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->addWidget(cursor_, 0, 0, 1, 4);
  cursor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  const char* headings[] = {"In view", "Minimum", "Maximum", "Mean"};
  for (int column = 0; column < 4; ++column)
    grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(headings[column]), this), 1, column);
  for (int quantity = 0; quantity < PlotSeries::QuantityCount; ++quantity) {
    grid->addWidget(new QLabel(kName[quantity], this), quantity + 2, 0);
    for (int column = Minimum; column <= Mean; ++column) {
      cells_[quantity][column] = new QLabel(this);
      cells_[quantity][column]->setTextInteractionFlags(Qt::TextSelectableByMouse);
      grid->addWidget(cells_[quantity][column], quantity + 2, column + 1);
    }
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);
  clear();
}

void StatisticsPanel::clear() {
  cursor_->setText("Point at the plots to read a sample.");
  for (auto& row : cells_)
    for (QLabel* cell : row)
      cell->clear();
}

QString StatisticsPanel::loggedValue(std::size_t sample, PlotSeries::Quantity quantity) const {
  const auto fields = model_ ? model_->loggedFields(sample) : std::nullopt;
  return fields ? valueText(*fields, quantity) : QStringLiteral("?");
}

void StatisticsPanel::showStatistics(const VisibleStatistics& statistics) {
  for (int quantity = 0; quantity < PlotSeries::QuantityCount; ++quantity) {
    auto& row = cells_[quantity];
    if (!statistics[quantity]) {
      for (QLabel* cell : row)
        cell->clear();
      continue;
    }
    const RangeStatistics& in = *statistics[quantity];
    const auto q = static_cast<PlotSeries::Quantity>(quantity);
    row[Minimum]->setText(loggedValue(in.minimum.index, q) + " at " + timeText(in.minimum.time));
    row[Maximum]->setText(loggedValue(in.maximum.index, q) + " at " + timeText(in.maximum.time));
    row[Mean]->setText(QString::number(in.mean, 'f', 2) + kUnit[quantity]);
  }
}

void StatisticsPanel::showCursor(std::size_t sample, double time) {
  const auto fields = model_ ? model_->loggedFields(sample) : std::nullopt;
  if (!fields)
    return;
  QString text =
      QStringLiteral("<b>%1</b> (%2 s)").arg(timeText(time), QString::fromStdString((*fields)[kTimeField]));
  for (int quantity = 0; quantity < PlotSeries::QuantityCount; ++quantity)
    text += QStringLiteral(" &nbsp; %1 <b>%2</b>")
                .arg(kName[quantity], valueText(*fields, static_cast<PlotSeries::Quantity>(quantity)));
  cursor_->setText(text);
}

} // namespace orvane
