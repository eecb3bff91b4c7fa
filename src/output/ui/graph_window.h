#pragma once

#include "output/graph_copy.h"

#include <QWidget>

class QLabel;

namespace orvane {

class GraphBox;

// The window Graph (caption "Trend Analysis"): the title line Graphname, the
// plain and signed graph boxes Picture1 and Picture3 one over the other, and
// the legend Frame5. It is only shown for the moment of a copy.
class GraphWindow final : public QWidget, public GraphSheet {
public:
  GraphWindow();

  DrawingSurface& picture(GraphKind box) override;
  void showPicture(GraphKind box) override;
  void setCaption(const std::string& label, const std::string& caption) override;
  QImage capture() override;

private:
  void addLegend();

  QLabel* graphname_;
  GraphBox* picture1_;
  GraphBox* picture3_;
};

} // namespace orvane
