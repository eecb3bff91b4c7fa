#include "options_fixture.h"
#include "settings/ui/options_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

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
