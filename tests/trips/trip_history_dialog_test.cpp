#include "link/models.h"
#include "trips/trip_display.h"
#include "trips/ui/trip_history_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane {
namespace {

QRect geometryOf(const QWidget& window, const char* name) { return window.findChild<QWidget*>(name)->geometry(); }

TEST(TripHistoryDialog, wideLayoutPlacesEveryTripFrameAndItsValues) {
  TripHistoryForm form;
  form.Totaltrip = "8";
  Display(form, model::kProfi, 4, {75, 60, 152, 601, 71});
  const TripHistoryDialog dialog(
      form, [] {}, nullptr);

  EXPECT_EQ(dialog.windowTitle(), "Trip History");
  EXPECT_EQ(dialog.size(), QSize(630, 423));
  EXPECT_EQ(dialog.findChild<QLabel*>("Totaltrip")->text(), "8");
  EXPECT_EQ(geometryOf(dialog, "Frame4"), QRect(184, 0, 273, 32));
  // The fourth trip sits in Frame7, at the top of the right column.
  const auto* fourth = dialog.findChild<QGroupBox*>("Frame7");
  EXPECT_EQ(fourth->title(), " 4th Trip ");
  EXPECT_EQ(fourth->geometry(), QRect(320, 32, 300, 111));
  const auto* code = fourth->findChild<QLabel*>("tripcode(4)");
  EXPECT_EQ(code->text(), "Option 2 - Error 5");
  EXPECT_EQ(code->geometry(), QRect(112, 20, 177, 17));
  EXPECT_EQ(code->font().pointSizeF(), 9.75);
  EXPECT_TRUE(fourth->findChild<QLabel*>("tripcodeCaption(4)")->font().bold());
  EXPECT_EQ(fourth->findChild<QLabel*>("triptime(4)")->geometry(), QRect(192, 88, 97, 17));
  EXPECT_EQ(geometryOf(dialog, "Command5"), QRect(480, 392, 65, 25));
}

TEST(TripHistoryDialog, narrowLayoutHidesTheLaterTrips) {
  TripHistoryForm form;
  layOutTripHistory(form, model::kVector);
  const TripHistoryDialog dialog(
      form, [] {}, nullptr);
  EXPECT_EQ(dialog.size(), QSize(315, 423));
  for (const char* frame : {"Frame5", "Frame6", "Frame7"})
    EXPECT_TRUE(dialog.findChild<QWidget*>(frame)->isHidden()) << frame;
  EXPECT_FALSE(dialog.findChild<QWidget*>("Frame3")->isHidden());
  EXPECT_EQ(geometryOf(dialog, "Command6").x(), 240);
}

TEST(TripHistoryDialog, printKeepsTheWindowOpenAndOkClosesIt) {
  int prints = 0;
  bool openAfterPrint = false;
  QTimer::singleShot(0, [&] {
    QWidget* window = QApplication::activeModalWidget();
    ASSERT_NE(window, nullptr);
    window->findChild<QPushButton*>("Command5")->click();
    openAfterPrint = window->isVisible();
    window->findChild<QPushButton*>("Command6")->click();
  });
  QtTripHistoryView(nullptr).showModal(TripHistoryForm(), [&] { ++prints; });
  EXPECT_EQ(prints, 1);
  EXPECT_TRUE(openAfterPrint);
}

} // namespace
} // namespace orvane
