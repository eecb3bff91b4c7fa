#include "viewer/ui/session_viewer_window.h"

#include "viewer/session_time.h"
#include "viewer/ui/session_plot.h"
#include "viewer/ui/statistics_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace orvane {
namespace {

// The log gains a line every 0.5 s at the fastest; a look at the file every
// fifth of that shows each line well within its tick.
constexpr int kFollowIntervalMs = 100;
// Read at once between two looks at the user's input, so a large file never freezes the window.
constexpr std::size_t kBytesPerRead = 16u << 20;

QString grouped(std::size_t count) { return QLocale(QLocale::English).toString(static_cast<qulonglong>(count)); }

} // namespace

SessionViewerWindow::SessionViewerWindow(const QString& path, QWidget* parent)
    : QMainWindow(parent), pages_(new QStackedWidget(this)), message_(new QLabel(pages_)),
      sessionChoice_(new QComboBox(this)), counts_(new QLabel(this)) {
  resize(1100, 800);
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  message_->setMargin(40);
  pages_->addWidget(message_);

  auto* view = new QWidget(pages_);
  auto* layout = new QVBoxLayout(view);
  layout->setContentsMargins(0, 0, 0, 0);
  plot_ = new SessionPlot(series_, view);
  layout->addWidget(plot_, 1);
  statistics_ = new StatisticsPanel(view);
  layout->addWidget(statistics_);
  pages_->addWidget(view);
  setCentralWidget(pages_);

  plot_->setStatisticsHandler([this](const VisibleStatistics& in) { statistics_->showStatistics(in); });
  plot_->setCursorHandler([this](std::size_t sample) {
    statistics_->showCursor(sample, series_.data(PlotSeries::Frequency)->at(static_cast<int>(sample))->key);
  });

  buildMenus();
  auto* sessions = addToolBar("Sessions");
  sessions->setMovable(false);
  sessions->addWidget(new QLabel("Session: ", this));
  sessionChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  sessions->addWidget(sessionChoice_);
  connect(sessionChoice_, qOverload<int>(&QComboBox::activated), this, &SessionViewerWindow::pickSession);
  statusBar()->addWidget(counts_, 1);
  statusBar()->addPermanentWidget(new QLabel(
      "Wheel: zoom · drag: pan · Shift+drag: zoom to a range · Home or double click: whole session", this));

  follow_.setInterval(kFollowIntervalMs);
  connect(&follow_, &QTimer::timeout, this, [this] {
    if (!reading_)
      readMore();
  });
  open(path);
}

SessionViewerWindow::~SessionViewerWindow() = default;

void SessionViewerWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Open...", QKeySequence::Open, this, &SessionViewerWindow::openFromDialog);
  file->addAction("&Save Picture...", QKeySequence::Save, this, &SessionViewerWindow::savePicture);
  file->addAction("&Copy Picture", QKeySequence::Copy, this, &SessionViewerWindow::copyPicture);
  file->addSeparator();
  file->addAction("&Close", QKeySequence::Close, this, &QWidget::close);
  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("&Whole Session", QKeySequence(Qt::Key_Home), this, [this] { plot_->fitSession(); });
}

void SessionViewerWindow::open(const QString& path) {
  setWindowTitle("Session Viewer - " + QFileInfo(path).fileName());
  setWindowFilePath(path);
  series_.clear();
  model_ = std::make_unique<SessionLogModel>(path.toStdString(), series_);
  statistics_->setModel(*model_);
  sessionChoice_->clear();
  newSession_ = true;
  newSamples_ = false;
  readMore();
}

// Reads what the file has gained; a large file is read a piece at a time
// with the user's input handled in between.
void SessionViewerWindow::readMore() {
  const SessionLogModel::Poll poll = model_->poll(kBytesPerRead);
  newSession_ = newSession_ || poll.newSession;
  newSamples_ = newSamples_ || poll.newSamples;
  reading_ = poll.more;
  if (reading_) {
    counts_->setText(QStringLiteral("Reading %1 %").arg(static_cast<int>(model_->progress() * 100)));
    QTimer::singleShot(0, this, &SessionViewerWindow::readMore);
    return;
  }
  showReadResult();
}

void SessionViewerWindow::showReadResult() {
  listSessions();
  const std::string problem = model_->problem();
  const bool empty = series_.size() == 0;
  if (!problem.empty() || empty) {
    message_->setText(QString::fromStdString(problem.empty() ? "This session has no samples yet." : problem));
    pages_->setCurrentWidget(message_);
  } else {
    pages_->setCurrentIndex(1);
  }
  if (newSession_) {
    statistics_->clear();
    plot_->fitSession();
  } else if (newSamples_) {
    plot_->samplesAdded();
  }
  newSession_ = false;
  newSamples_ = false;
}

void SessionViewerWindow::listSessions() {
  const auto& sessions = model_->sessions();
  while (sessionChoice_->count() > static_cast<int>(sessions.size()))
    sessionChoice_->removeItem(sessionChoice_->count() - 1);
  for (std::size_t i = 0; i < sessions.size(); ++i) {
    const QString text = QStringLiteral("%1 of %2, %3 long")
                             .arg(i + 1)
                             .arg(sessions.size())
                             .arg(QString::fromStdString(sessionTimeText(sessions[i].lastTime)));
    if (static_cast<int>(i) < sessionChoice_->count())
      sessionChoice_->setItemText(static_cast<int>(i), text);
    else
      sessionChoice_->addItem(text);
  }
  sessionChoice_->setCurrentIndex(static_cast<int>(model_->shownSession()));
  sessionChoice_->setEnabled(sessions.size() > 1);
  if (sessions.empty())
    return counts_->clear();
  const SessionSummary& shown = sessions[model_->shownSession()];
  counts_->setText(
      QStringLiteral("%1 samples · %2 lines skipped").arg(grouped(shown.samples), grouped(shown.skippedLines)));
}

void SessionViewerWindow::pickSession(int index) {
  if (index < 0 || static_cast<std::size_t>(index) == model_->shownSession())
    return;
  model_->showSession(static_cast<std::size_t>(index));
  newSession_ = true;
  showReadResult();
}

void SessionViewerWindow::openFromDialog() {
  const QString path = QFileDialog::getOpenFileName(this, "Open Session Log", QFileInfo(windowFilePath()).path(),
                                                    "Session logs (*.csv *.CSV);;All files (*)");
  if (!path.isEmpty())
    open(path);
}

void SessionViewerWindow::savePicture() {
  QString path =
      QFileDialog::getSaveFileName(this, "Save Picture", QString(), "PNG image (*.png);;PDF document (*.pdf)");
  if (path.isEmpty())
    return;
  if (QFileInfo(path).suffix().isEmpty())
    path += ".png";
  const bool pdf = QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) == 0;
  const bool saved = pdf ? plot_->savePdf(path) : plot_->savePng(path);
  if (!saved)
    QMessageBox::warning(this, "Save Picture", "The picture could not be saved as " + path + ".");
}

void SessionViewerWindow::copyPicture() { QApplication::clipboard()->setPixmap(plot_->toPixmap()); }

void SessionViewerWindow::showEvent(QShowEvent* event) {
  follow_.start();
  QMainWindow::showEvent(event);
}

void SessionViewerWindow::hideEvent(QHideEvent* event) {
  follow_.stop();
  QMainWindow::hideEvent(event);
}

} // namespace orvane
