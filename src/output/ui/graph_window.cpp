#include "output/ui/graph_window.h"

#include "monitor/ui/graph_box.h"
#include "platform/qt/twips_rect.h"

#include <QLabel>

namespace orvane {
namespace {

// The client area and its parts, in twips: the title line across the top,
// the graph boxes below it (the size of the main window's, a little
// narrower), the legend along the bottom.
constexpr int kClientWidth = 7995;
constexpr int kClientHeight = 6720;
constexpr int kMargin = 60;
constexpr int kInnerWidth = kClientWidth - 2 * kMargin;
constexpr int kTitleTop = 60;
constexpr int kTitleHeight = 360;
constexpr int kGraphTop = 480;
constexpr int kGraphHeight = 5415;
constexpr int kLegendTop = 5970;
constexpr int kLegendHeight = 690;

// One legend entry: where it starts in the legend, its line and its caption.
struct LegendEntry {
  int left;
  const char* line;
  const char* caption;
  Rgb colour;
};

constexpr LegendEntry kLegend[] = {{600, "Line9", "Speed (Hz)", graph::kFrequencyColour},
                                   {3000, "Line10", "Current (A)", graph::kCurrentColour},
                                   {5400, "Line11", "DC Link (V)", graph::kVoltageColour}};

GraphBox* addBox(const char* name, const GraphScale& scale, QWidget& window) {
  const QRect area = twipsRect(kMargin, kGraphTop, kInnerWidth, kGraphHeight);
  auto* box = new GraphBox(scale, area.size(), &window);
  box->setObjectName(name);
  box->move(area.topLeft());
  return box;
}

} // namespace

GraphWindow::GraphWindow() : QWidget(nullptr, Qt::Window) {
  setWindowTitle(QStringLiteral("Trend Analysis"));
  setFixedSize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
  // Shown only for the copy: the main window keeps the focus.
  setAttribute(Qt::WA_ShowWithoutActivating);

  graphname_ = new QLabel(this);
  graphname_->setObjectName("Graphname");
  // The title is shown as typed: "Run <b>2</b>" is text, not markup.
  graphname_->setTextFormat(Qt::PlainText);
  graphname_->setAlignment(Qt::AlignCenter);
  QFont title = graphname_->font();
  title.setPointSizeF(11);
  title.setBold(true);
  graphname_->setFont(title);
  graphname_->setGeometry(twipsRect(kMargin, kTitleTop, kInnerWidth, kTitleHeight));

  picture1_ = addBox("Picture1", plainGraphScale(), *this);
  picture3_ = addBox("Picture3", signedGraphScale(), *this);
  picture3_->hide();
  addLegend();
}

void GraphWindow::addLegend() {
  auto* legend = new QFrame(this);
  legend->setObjectName("Frame5");
  legend->setFrameStyle(QFrame::Box | QFrame::Plain);
  legend->setGeometry(twipsRect(kMargin, kLegendTop, kInnerWidth, kLegendHeight));
  for (const LegendEntry& entry : kLegend) {
    auto* line = new QFrame(legend);
    line->setObjectName(entry.line);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setLineWidth(2);
    QPalette colour = line->palette();
    colour.setColor(QPalette::WindowText, QColor(entry.colour.r, entry.colour.g, entry.colour.b));
    line->setPalette(colour);
    line->setGeometry(twipsRect(entry.left, 255, 450, 180));

    auto* caption = new QLabel(QString::fromUtf8(entry.caption), legend);
    caption->setGeometry(twipsRect(entry.left + 570, 180, 1800, 330));
  }
}

DrawingSurface& GraphWindow::picture(GraphKind box) { return box == GraphKind::Signed ? *picture3_ : *picture1_; }

void GraphWindow::showPicture(GraphKind box) {
  picture1_->setVisible(box == GraphKind::Plain);
  picture3_->setVisible(box == GraphKind::Signed);
}

void GraphWindow::setCaption(const std::string& label, const std::string& caption) {
  if (auto* found = findChild<QLabel*>(QString::fromStdString(label)))
    found->setText(QString::fromStdString(caption));
}

QImage GraphWindow::capture() {
  show();
  repaint();
  // The picture comes from the window's own contents, so a window that
  // happens to lie in front of it on screen cannot end up in the copy.
  QImage image = grab().toImage();
  hide();
  return image;
}

} // namespace orvane
