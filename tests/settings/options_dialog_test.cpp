#include "options_fixture.h"
#include "settings/ui/options_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <ranges>
#include <set>

namespace orvane::testing {
namespace {

class OptionsDialogTest : public OptionsFixture {
protected:
  template <typename Widget> Widget* find(const char* name) {
    auto* widget = dialog.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // Opens the dialog modally and runs `inside` while it is up; `inside` must close it.
  void whileShown(std::function<void()> inside) {
    QTimer::singleShot(0, &dialog, [this, inside] {
      inside();
      if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog stayed open";
        dialog.hide();
      }
    });
    form.show();
  }

  OptionsDialog dialog{state.options, form};
};

TEST_F(OptionsDialogTest, slidersRunOverTheirRangesInTheirSteps) {
  auto* rate = find<QScrollBar>("Slider1");
  EXPECT_EQ(QList<int>({rate->minimum(), rate->maximum(), rate->singleStep(), rate->pageStep()}),
            QList<int>({5, 320, 5, 50}));
  auto* scale = find<QScrollBar>("Slider2");
  EXPECT_EQ(QList<int>({scale->minimum(), scale->maximum(), scale->singleStep(), scale->pageStep()}),
            QList<int>({1, 20, 1, 5}));
  EXPECT_EQ(find<QCheckBox>("directiongraph")->parentWidget(), &dialog);
}

TEST_F(OptionsDialogTest, everyDeclaredControlHasAWidgetAndEveryWidgetIsDeclared) {
  std::set<std::string> widgets;
  for (const QWidget* widget : dialog.findChildren<QWidget*>())
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
      widgets.insert(widget->objectName().toStdString());
  const auto declared = std::views::keys(state.options.declared());
  EXPECT_EQ(widgets, std::set<std::string>(declared.begin(), declared.end()));
}

TEST_F(OptionsDialogTest, mirrorsTheControlsAndHandsUserInputToTheHandlers) {
  writeFile("1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n11\r\n3\r\n");
  form.applyStoredSettings();
  EXPECT_TRUE(find<QRadioButton>("Port2")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("speedmenu")->isChecked());
  EXPECT_EQ(find<QScrollBar>("Slider1")->value(), 11);
  EXPECT_EQ(find<QLabel>("Slider2label")->text(), "3 : 1");

  find<QCheckBox>("currentmenu")->click();
  find<QRadioButton>("Port1")->click();
  find<QScrollBar>("Slider1")->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(tickedBoxes(), "Port1 currentmenu");
  EXPECT_FALSE(find<QRadioButton>("Port2")->isChecked());
  EXPECT_EQ(find<QLabel>("sliderlabel")->text(), "0.6 second");
  EXPECT_TRUE(find<QPushButton>("Cancelbutton")->isEnabled());

  find<QComboBox>("port1devicecombo")->setEditText("/dev/ttyUSB93");
  EXPECT_EQ(controls().caption("port1devicecombo"), "/dev/ttyUSB93");
  state.options.setCaption("port2devicecombo", "/dev/ttyACM93");
  EXPECT_EQ(find<QComboBox>("port2devicecombo")->currentText(), "/dev/ttyACM93");

  find<QPushButton>("Applybutton")->click();
  EXPECT_EQ(state.trend.value("Timer1"), 600);
  EXPECT_EQ(state.port1on, 1);
  EXPECT_FALSE(find<QPushButton>("Applybutton")->isEnabled());
}

TEST_F(OptionsDialogTest, okHidesTheDialogWhileCancelAndTheWindowFrameUnloadIt) {
  form.applyStoredSettings();
  whileShown([this] {
    EXPECT_TRUE(dialog.isVisible());
    find<QCheckBox>("inputmenu")->click();
    find<QPushButton>("OKbutton")->click();
  });
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(form.loaded());
  EXPECT_EQ(state.inputon, 1);

  whileShown([this] {
    EXPECT_FALSE(find<QPushButton>("Cancelbutton")->isEnabled());
    find<QCheckBox>("inputmenu")->click();
    find<QPushButton>("Cancelbutton")->click();
  });
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(state.inputon, 1);
  whileShown([this] {
    EXPECT_TRUE(find<QCheckBox>("inputmenu")->isChecked());
    dialog.close();
  });
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(form.loaded());
}

} // namespace
} // namespace orvane::testing
