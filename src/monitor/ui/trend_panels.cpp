#include "monitor/ui/trend_panels.h"

#include "monitor/graph_scale.h"
#include "monitor/ui/graph_box.h"
#include "monitor/ui/svg_image.h"
#include "monitor/ui/trend_menus.h"
#include "platform/qt/twips_rect.h"
#include "platform/twips.h"
#include "state/terminals.h"
#include "state/trend_design_state.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace orvane {
namespace {

// The client area and the places of its parts, in twips. Raised plates carry
// the graph and each group of indicators, 120 twips (8 pixels) apart.
constexpr int kFormWidth = 12720;
constexpr int kFormHeight = 7830;
constexpr int kToolbarHeight = 540;

constexpr int kGraphLeft = 400;
constexpr int kGraphTop = 675;
constexpr int kGraphWidth = 8130;
constexpr int kGraphHeight = 5415;

constexpr int kTerminalPitch = 480;
constexpr int kTerminalImage = 330;

void setPointSize(QWidget& widget, double points, bool bold) {
  QFont font = widget.font();
  font.setPointSizeF(points);
  font.setBold(bold);
  widget.setFont(font);
}

class FormBuilder {
public:
  FormBuilder(QWidget& form, TrendControls& controls) : form_(form), controls_(controls) {}

  void plate(const char* name, QRect area) {
    auto* panel = controls_.add(name, new QFrame(&form_));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(area);
  }

  QGroupBox* frame(const char* name, QRect area) {
    auto* group = controls_.add(name, new QGroupBox(&form_));
    setPointSize(*group, 8.5, true);
    group->setGeometry(area);
    return group;
  }

  QLabel* label(QWidget& parent, const char* name, QRect area, Qt::Alignment align = Qt::AlignCenter,
                double points = 8, bool bold = true) {
    auto* text = new QLabel(&parent);
    if (name)
      controls_.add(name, text);
    text->setAlignment(align | Qt::AlignVCenter);
    setPointSize(*text, points, bold);
    text->setGeometry(area);
    return text;
  }

  void image(QWidget& parent, const char* name, const char* resource, QRect area) {
    controls_.add(name, new SvgImage(QStringLiteral(":/images/indicators/%1.svg").arg(resource), &parent))
        ->setGeometry(area);
  }

  QWidget& form() { return form_; }
  TrendControls& controls() { return controls_; }

private:
  QWidget& form_;
  TrendControls& controls_;
};

void addGraphs(FormBuilder& build) {
  build.plate("Command1", twipsRect(280, 570, 8370, 5640));
  const QRect area = twipsRect(kGraphLeft, kGraphTop, kGraphWidth, kGraphHeight);
  for (const auto& [name, scale] :
       {std::pair{"Picture1", &plainGraphScale()}, {"Picture3", &signedGraphScale()}}) {
    auto* box = build.controls().add(name, new GraphBox(*scale, area.size(), &build.form()));
    box->move(area.topLeft());
    // The time label at the end of the axis is a control of the window.
    for (QLabel* label : box->findChildren<QLabel*>())
      if (!label->objectName().isEmpty())
        build.controls().add(label->objectName().toStdString(), label);
  }
}

void addStatusPlate(FormBuilder& build) {
  build.plate("Command2", twipsRect(8770, 570, 3830, 2520));

  QGroupBox* monitoring = build.frame("Frame6", twipsRect(8890, 690, 3590, 840));
  build.image(*monitoring, "greenlight", "monitoring_on", twipsRect(195, 300, 420, 420));
  build.image(*monitoring, "redlight", "monitoring_off", twipsRect(195, 300, 420, 420));

  QGroupBox* readouts = build.frame("Frame5", twipsRect(8890, 1650, 3590, 1320));
  const std::pair<const char*, const char*> rows[] = {
      {"displayspeed", "Speed (Hz):"}, {"displaycurrent", "Current (A):"}, {"displayvoltage", "DC Link (V):"}};
  int top = 150;
  for (const auto& [name, caption] : rows) {
    build.label(*readouts, nullptr, twipsRect(180, top, 1560, 330), Qt::AlignLeft, 8.5, false)->setText(caption);
    QLabel* value = build.label(*readouts, name, twipsRect(1770, top, 1650, 330), Qt::AlignRight, 10, true);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setMargin(3);
    value->setAutoFillBackground(true);
    QPalette paper = value->palette();
    paper.setColor(QPalette::Window, Qt::white);
    value->setPalette(paper);
    top += 390;
  }
}

void addConditionPlate(FormBuilder& build) {
  build.plate("Command5", twipsRect(8770, 3210, 3830, 3000));

  QGroupBox* direction = build.frame("Frame1", twipsRect(8890, 3330, 3590, 960));
  build.image(*direction, "forarrow", "forward", twipsRect(150, 345, 540, 420));
  build.label(*direction, "fordir", twipsRect(720, 345, 1020, 420), Qt::AlignLeft);
  build.image(*direction, "revarrow", "reverse", twipsRect(1860, 345, 540, 420));
  build.label(*direction, "revdir", twipsRect(2430, 345, 1020, 420), Qt::AlignLeft);

  QGroupBox* running = build.frame("Frame2", twipsRect(8890, 4410, 3590, 1680));
  const char* rows[][3] = {{"runpiccy", "running", "runlabel"},
                           {"stoppiccy", "stopped", "stoplabel"},
                           {"trippiccy", "tripped", "triplabel"}};
  int top = 330;
  for (const auto& row : rows) {
    build.image(*running, row[0], row[1], twipsRect(195, top, 390, 390));
    build.label(*running, row[2], twipsRect(720, top, 1320, 390), Qt::AlignLeft);
    top += 420;
  }
  auto* reset = build.controls().add("tripreset", new QPushButton(running));
  reset->setGeometry(twipsRect(2220, 1140, 1170, 420));
}

void addTerminals(FormBuilder& build, const char* name, QRect area, std::span<const Terminal> terminals) {
  QGroupBox* group = build.frame(name, area);
  const int span = (static_cast<int>(terminals.size()) - 1) * kTerminalPitch + kTerminalImage;
  int left = (area.width() * kTwipsPerPixel - span) / 2;
  for (const Terminal& terminal : terminals) {
    const QRect image = twipsRect(left, 330, kTerminalImage, kTerminalImage);
    build.image(*group, terminal.off, "terminal_off", image);
    build.image(*group, terminal.on, "terminal_on", image);
    build.label(*group, terminal.label, twipsRect(left - 75, 705, kTerminalImage + 150, 300), Qt::AlignHCenter, 8,
                false);
    left += kTerminalPitch;
  }
}

void addTerminalPlates(FormBuilder& build) {
  build.plate("Command6", twipsRect(280, 6330, 5400, 1380));
  addTerminals(build, "Frame3", twipsRect(400, 6450, 5160, 1140), inputTerminalIndicators());
  build.plate("Command7", twipsRect(5800, 6330, 3480, 1380));
  addTerminals(build, "Frame4", twipsRect(5920, 6450, 3240, 1140), outputTerminalIndicators());
}

void addCommandPlates(FormBuilder& build) {
  build.plate("Command8", twipsRect(9400, 6330, 3200, 690));
  auto* clear = build.controls().add("clearscreen", new QPushButton(&build.form()));
  setPointSize(*clear, 9, true);
  clear->setGeometry(twipsRect(9520, 6435, 2960, 480));

  build.plate("Command9", twipsRect(9400, 7140, 3200, 570));
  auto* picture = build.controls().add("Picture2", new QFrame(&build.form()));
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setGeometry(twipsRect(9520, 7215, 2960, 420));
  auto* mark = new SvgImage(QStringLiteral(":/images/wordmark.svg"), picture);
  mark->setGeometry(picture->contentsRect().adjusted(4, 2, -4, -2));
}

} // namespace

QWidget* buildTrendForm(TrendControls& controls) {
  auto* form = new QWidget;
  form->setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());
  buildTrendToolbar(*form, controls)->setGeometry(twipsRect(0, 0, kFormWidth, kToolbarHeight));
  auto* rule = new QFrame(form);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  rule->setGeometry(twipsRect(0, kToolbarHeight, kFormWidth, 30));
  FormBuilder build(*form, controls);
  addGraphs(build);
  addStatusPlate(build);
  addConditionPlate(build);
  addTerminalPlates(build);
  addCommandPlates(build);
  return form;
}

} // namespace orvane
