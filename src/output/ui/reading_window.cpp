#include "output/ui/reading_window.h"

#include <QGridLayout>
#include <QLabel>

namespace orvane {
namespace {

QLabel* addRow(QGridLayout& grid, int row, const char* captionName, const char* caption, const char* valueName) {
  auto* fixed = new QLabel(QString::fromUtf8(caption));
  fixed->setObjectName(captionName);
  grid.addWidget(fixed, row, 0);
  auto* value = new QLabel;
  value->setObjectName(valueName);
  // Room for the longest text, "Not Monitored", so the window keeps its size.
  value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QString::fromUtf8(kNotMonitored)));
  grid.addWidget(value, row, 1);
  return value;
}

} // namespace

ReadingWindow::ReadingWindow(QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Reading"));
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(12);
  frequency_ = addRow(*grid, 0, "Label1", "Frequency:", "Label4");
  current_ = addRow(*grid, 1, "Label2", "Current:", "Label5");
  voltage_ = addRow(*grid, 2, "Label3", "DC Voltage:", "Label6");
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void ReadingWindow::showModal(const ReadingTexts& texts) {
  frequency_->setText(QString::fromStdString(texts.frequency));
  current_->setText(QString::fromStdString(texts.current));
  voltage_->setText(QString::fromStdString(texts.voltage));
  exec();
}

} // namespace orvane
