#include "settings/ui/options_dialog.h"

#include "platform/qt/type_faces.h"
#include "platform/twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <filesystem>
#include <functional>

namespace orvane {
namespace {

// The layout is drawn in twips, each edge and size rounded to logical pixels on its own.
QRect twips(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// A caption is never cut off: a button too narrow for its text grows to the right, as far as its
// container allows.
void placeButton(QAbstractButton* button, const QRect& place) {
  QRect wanted = place;
  const int room = button->parentWidget()->width() - place.left();
  wanted.setWidth(qMin(qMax(place.width(), button->sizeHint().width()), qMax(room, place.width())));
  button->setGeometry(wanted);
}

// A device list shows what each device is; choosing one puts only its path in the box.
class DeviceItemDelegate final : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = index.data(Qt::UserRole).toString();
  }
};

QString listed(const SerialDevice& device) {
  QString text = QString::fromStdString(describeSerialDevice(device));
  if (device.path != device.node)
    text += "   " + QString::fromStdString(std::filesystem::path(device.path).filename().string());
  return text;
}

} // namespace

OptionsDialog::OptionsDialog(ControlModel& controls, OptionsForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      controls_(controls), form_(form) {
  setWindowTitle("Options");
  // The layout was drawn for a narrow sans serif at about 11 pixels; prefer one with those metrics.
  // Frames show their caption set into their etched border line. Inside a styled frame a widget
  // takes its font from the style sheet, so the sheet sets it for every control.
  const QFont narrow = typeFace(TypeFace::MsSansSerif, font().pointSizeF());
  setStyleSheet(QString("* { font: 11px \"%1\"; }"
                        "QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
                        "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                        " background-color: palette(window); }")
                    .arg(QFontInfo(narrow).family()));
  // The devices each port opens sit in a column of their own to the right of the port choices,
  // so that no other control of the dialog had to move for them.
  setFixedSize(twips(0, 0, 8430, 5685).size());

  QGroupBox* ports = addFrame("Frame1", twips(120, 120, 3615, 1095));
  addPort(ports, "Port1", "Port2", twips(480, 240, 1935, 375), &OptionsForm::Port1_Click);
  addPort(ports, "Port2", "Port1", twips(480, 600, 1935, 375), &OptionsForm::Port2_Click);
  QGroupBox* devices = addFrame("devicesframe", twips(3855, 120, 4455, 1095));
  addDeviceCombo(devices, "port1devicecombo", twips(120, 255, 4215, 345), &OptionsForm::port1devicecombo_Change);
  addDeviceCombo(devices, "port2devicecombo", twips(120, 615, 4215, 345), &OptionsForm::port2devicecombo_Change);
  auto* note = new QLabel(this);
  note->setGeometry(twips(3975, 1320, 4335, 1455));
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  note->setWordWrap(true);
  note->setObjectName("devicenotelabel");
  widgets_["devicenotelabel"] = note;

  QGroupBox* monitor = addFrame("Frame3", twips(120, 1320, 3615, 1455));
  addCheckBox(monitor, "speedmenu", twips(240, 360, 1455, 255), &OptionsForm::speedmenu_Click);
  addCheckBox(monitor, "currentmenu", twips(240, 600, 1815, 255), &OptionsForm::currentmenu_Click);
  addCheckBox(monitor, "DCmenu", twips(240, 840, 1455, 255), &OptionsForm::DCmenu_Click);
  addCheckBox(monitor, "directionmenu", twips(240, 1080, 975, 255), &OptionsForm::directionmenu_Click);
  addCheckBox(monitor, "runningmenu", twips(1800, 360, 1335, 255), &OptionsForm::runningmenu_Click);
  addCheckBox(monitor, "inputmenu", twips(1800, 600, 1455, 255), &OptionsForm::inputmenu_Click);
  addCheckBox(monitor, "outputmenu", twips(1800, 840, 1575, 255), &OptionsForm::outputmenu_Click);
  // Belongs to the dialog itself but sits over the Monitor frame's right column.
  addCheckBox(this, "directiongraph", twips(1920, 2400, 1575, 255), &OptionsForm::directiongraph_Click);

  QGroupBox* rate = addFrame("Frame2", twips(120, 2880, 3615, 975));
  addSlider(rate, kSlider1, 5, 50, twips(240, 270, 3135, 255), &OptionsForm::Slider1_Change);
  addLabel(rate, "sliderlabel", twips(1320, 640, 1095, 255));

  QGroupBox* scale = addFrame("Frame4", twips(120, 3960, 3615, 975));
  addSlider(scale, kSlider2, 1, 5, twips(240, 250, 3135, 255), &OptionsForm::Slider2_Change);
  addLabel(scale, "Slider2label", twips(1320, 600, 1095, 255));

  addButton("OKbutton", twips(960, 5160, 855, 375), &OptionsForm::OKbutton_Click);
  addButton("Cancelbutton", twips(1920, 5160, 855, 375), &OptionsForm::Cancelbutton_Click);
  addButton("Applybutton", twips(2880, 5160, 855, 375), &OptionsForm::Applybutton_Click);
  widgets_.at("directiongraph")->raise();

  for (const auto& [name, atLoad] : controls_.declared())
    mirror(name, atLoad);
  for (const auto& [name, control] : controls_.controls())
    mirror(name, control);
  controls_.setListener(
      [this](const std::string& name, const ControlModel::Control& control) { mirror(name, control); });
  form_.setWindow([this] { exec(); }, [this] { hide(); });
}

OptionsDialog::~OptionsDialog() {
  form_.setWindow({}, {});
  controls_.setListener({});
}

void OptionsDialog::reject() { form_.unload(); }

void OptionsDialog::showEvent(QShowEvent* event) {
  listDevices();
  QDialog::showEvent(event);
}

void OptionsDialog::listDevices() {
  for (const char* name : {"port1devicecombo", "port2devicecombo"}) {
    auto* combo = qobject_cast<QComboBox*>(widgets_.at(name));
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const SerialDevice& device : form_.devicesPresent()) {
      combo->addItem(QString::fromStdString(device.path));
      combo->setItemData(combo->count() - 1, listed(device), Qt::UserRole);
    }
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + combo->view()->frameWidth() * 2);
    combo->setEditText(QString::fromStdString(controls_.caption(name)));
  }
}

QString OptionsDialog::caption(const char* name) const {
  return QString::fromStdString(controls_.declared().at(name).caption);
}

QGroupBox* OptionsDialog::addFrame(const char* name, const QRect& place) {
  auto* frame = new QGroupBox(caption(name), this);
  frame->setObjectName(name);
  frame->setGeometry(place);
  return frame;
}

void OptionsDialog::addPort(QWidget* frame, const char* name, const char* other, const QRect& place,
                            Handler handler) {
  auto* port = new QRadioButton(caption(name), frame);
  placeButton(port, place);
  port->setObjectName(name);
  widgets_[name] = port;
  connect(port, &QRadioButton::clicked, this, [this, name, other, handler] {
    controls_.setChecked(name, true);
    controls_.setChecked(other, false);
    std::invoke(handler, form_);
  });
}

void OptionsDialog::addCheckBox(QWidget* container, const char* name, const QRect& place, Handler handler) {
  auto* box = new QCheckBox(caption(name), container);
  placeButton(box, place);
  box->setObjectName(name);
  widgets_[name] = box;
  connect(box, &QCheckBox::clicked, this, [this, name, handler](bool ticked) {
    controls_.setChecked(name, ticked);
    std::invoke(handler, form_);
  });
}

void OptionsDialog::addSlider(QWidget* frame, const Slider& range, int arrowStep, int pageStep, const QRect& place,
                              Handler handler) {
  const char* name = range.name;
  auto* slider = new QScrollBar(Qt::Horizontal, frame);
  slider->setGeometry(place);
  slider->setRange(range.minimum, range.maximum);
  slider->setSingleStep(arrowStep);
  slider->setPageStep(pageStep);
  slider->setObjectName(name);
  widgets_[name] = slider;
  connect(slider, &QScrollBar::valueChanged, this, [this, name, handler](int value) {
    controls_.setValue(name, value);
    std::invoke(handler, form_);
  });
}

void OptionsDialog::addLabel(QWidget* frame, const char* name, const QRect& place) {
  auto* label = new QLabel(caption(name), frame);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setObjectName(name);
  widgets_[name] = label;
}

void OptionsDialog::addButton(const char* name, const QRect& place, Handler handler) {
  auto* button = new QPushButton(caption(name), this);
  button->setGeometry(place);
  button->setObjectName(name);
  widgets_[name] = button;
  connect(button, &QPushButton::clicked, this, [this, handler] { std::invoke(handler, form_); });
}

void OptionsDialog::addDeviceCombo(QWidget* frame, const char* name, const QRect& place, Handler handler) {
  auto* combo = new QComboBox(frame);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setItemDelegate(new DeviceItemDelegate(combo));
  combo->setGeometry(place);
  combo->setObjectName(name);
  widgets_[name] = combo;
  connect(combo, &QComboBox::editTextChanged, this, [this, name, handler](const QString& text) {
    controls_.setCaption(name, text.toStdString());
    std::invoke(handler, form_);
  });
}

void OptionsDialog::mirror(const std::string& name, const ControlModel::Control& control) {
  const auto found = widgets_.find(name);
  if (found == widgets_.end())
    return;
  QWidget* widget = found->second;
  const QSignalBlocker quiet(widget);
  widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
  if (auto* port = qobject_cast<QRadioButton*>(widget)) {
    // Exclusive buttons refuse to be unticked one by one; the model ticks the other itself.
    port->setAutoExclusive(false);
    port->setChecked(control.checked);
    port->setAutoExclusive(true);
  } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    box->setChecked(control.checked);
  } else if (auto* slider = qobject_cast<QScrollBar*>(widget)) {
    slider->setValue(control.value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->currentText().toStdString() != control.caption)
      combo->setEditText(QString::fromStdString(control.caption));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(QString::fromStdString(control.caption));
  }
}

} // namespace orvane
