#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace orvane {

// An image control: a vector picture drawn to fill the widget, sharp at any
// device pixel ratio.
class SvgImage final : public QWidget {
public:
  SvgImage(const QString& resource, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QSvgRenderer renderer_;
};

} // namespace orvane
