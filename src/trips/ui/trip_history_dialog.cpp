#include "trips/ui/trip_history_dialog.h"

#include "platform/qt/type_faces.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr int kClientHeight = 6345;
// The window's outer width includes its borders: 9540 around a 9450 client.
constexpr int kBorderWidth = 90;
constexpr double kLargePoints = 9.75;
constexpr double kWindowPoints = 8.25;

QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The look-alike fonts run a little wider than the window was drawn for: a
// caption that would be cut off at its label's edge is narrowed to fit.
void narrowToFit(QLabel& label) {
  constexpr int kNarrowest = 70;
  const int advance = label.fontMetrics().horizontalAdvance(label.text());
  if (advance <= label.width())
    return;
  QFont narrowed = label.font();
  narrowed.setStretch(std::max(kNarrowest, 100 * label.width() / advance));
  label.setFont(narrowed);
}

QLabel* addLabel(QWidget& parent, const QString& name, const std::string& caption, const QRect& geometry) {
  auto* label = new QLabel(QString::fromStdString(caption), &parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

// The frame of trip `Number`: five fixed captions and the trip's values.
struct TripFrame {
  const char* name;
  const char* caption;
  int left;
  int top;
  int height;
};

constexpr std::array<TripFrame, TripHistoryForm::kTrips> kTripFrames{{{"Frame1", " Last Trip ", 120, 480, 1665},
                                                                      {"Frame2", " 2nd Trip ", 120, 2280, 1665},
                                                                      {"Frame3", " 3rd Trip ", 120, 4080, 1650},
                                                                      {"Frame7", " 4th Trip ", 4800, 480, 1665},
                                                                      {"Frame6", " 5th Trip ", 4800, 2280, 1665},
                                                                      {"Frame5", " 6th Trip ", 4800, 4080, 1650}}};
constexpr int kFrameWidth = 4500;
constexpr int kCaptionLeft = 360;

QGroupBox* addTripFrame(QWidget& parent, const TripFrame& frame, int Number, const TripCaptions& trip) {
  auto* box = new QGroupBox(frame.caption, &parent);
  box->setObjectName(frame.name);
  box->setGeometry(twipsRect(frame.left, frame.top, kFrameWidth, frame.height));

  const QString index = QString("(%1)").arg(Number);
  const struct {
    int top;
    const char* caption;
    const char* name;
    const std::string& value;
    int valueLeft;
    int valueWidth;
  } rows[] = {{300, "Error Code:", "tripcode", trip.tripcode, 1680, 2655},
              {600, "Output Frequency at time of trip:", "triphz", trip.triphz, 2760, 1575},
              {840, "Output Current at time of trip:", "tripamps", trip.tripamps, 2520, 1815},
              {1080, "DC Link Voltage at time of trip:", "tripvolts", trip.tripvolts, 2640, 1695},
              {1320, "Total Running Time at time of trip:", "triptime", trip.triptime, 2880, 1455}};
  for (const auto& row : rows) {
    QLabel* caption = addLabel(*box, QString("%1Caption%2").arg(row.name, index), row.caption,
                               twipsRect(kCaptionLeft, row.top, row.valueLeft - kCaptionLeft, 255));
    QLabel* value =
        addLabel(*box, row.name + index, row.value, twipsRect(row.valueLeft, row.top, row.valueWidth, 255));
    if (row.top == rows[0].top) {
      caption->setFont(typeFace(TypeFace::MsSansSerif, kLargePoints, true));
      value->setFont(typeFace(TypeFace::MsSansSerif, kLargePoints));
    }
    narrowToFit(*caption);
    narrowToFit(*value);
  }
  return box;
}

} // namespace

TripHistoryDialog::TripHistoryDialog(const TripHistoryForm& window, std::function<void()> print, QWidget* owner)
    : QDialog(owner) {
  setObjectName("TripHistory");
  setWindowTitle("Trip History");
  setModal(true);
  setFont(typeFace(TypeFace::MsSansSerif, kWindowPoints));
  setFixedSize(twipsToPixels(window.Width - kBorderWidth), twipsToPixels(kClientHeight));

  auto* counter = new QGroupBox(this);
  counter->setObjectName("Frame4");
  counter->setGeometry(twipsRect(window.Frame4Left, 0, 4095, 480));
  addLabel(*counter, "Label16", "Total Trip Counter:", twipsRect(705, 135, 1695, 255))
      ->setFont(typeFace(TypeFace::MsSansSerif, kLargePoints));
  addLabel(*counter, "Totaltrip", window.Totaltrip, twipsRect(2505, 135, 975, 255))
      ->setFont(typeFace(TypeFace::MsSansSerif, kLargePoints));

  const std::array<bool, TripHistoryForm::kTrips> visible{
      true, true, true, window.Frame7Visible, window.Frame6Visible, window.Frame5Visible};
  for (int Number = 1; Number <= TripHistoryForm::kTrips; ++Number) {
    const auto at = static_cast<std::size_t>(Number - 1);
    addTripFrame(*this, kTripFrames[at], Number, window.trip(static_cast<std::int16_t>(Number)))
        ->setVisible(visible[at]);
  }

  auto* printButton = new QPushButton("&Print", this);
  printButton->setObjectName("Command5");
  printButton->setGeometry(twipsRect(window.Command5Left, 5880, 975, 375));
  printButton->setAutoDefault(false);
  connect(printButton, &QPushButton::clicked, this, [print = std::move(print)] { print(); });

  auto* okButton = new QPushButton("&OK", this);
  okButton->setObjectName("Command6");
  okButton->setGeometry(twipsRect(window.Command6Left, 5880, 975, 375));
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void QtTripHistoryView::showModal(const TripHistoryForm& window, const std::function<void()>& print) {
  TripHistoryDialog dialog(window, print, owner_);
  dialog.exec();
}

} // namespace orvane
