#include "viewer/ui/session_viewer_window.h"

#include "limits/limits_file.h"
#include "session_log/session_log_name.h"
#include "viewer/session_time.h"
#include "viewer/ui/picture_file.h"
#include "viewer/ui/session_plot.h"
#include "viewer/ui/statistics_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

constexpr qint64 kDrawIntervalWhileReading = 250;
constexpr int kFiguresAfterMoveMs = 120;
// The figures' pass over a month in view takes a while; followed live, the window spends at most
// a tenth of its time on them.
constexpr int kFiguresCostShare = 10;
// Times closer than this are one time for the event navigation (a millisecond, far below any pixel).
constexpr double kSameTime = 1e-3;

QString grouped(std::size_t count) { return QLocale(QLocale::English).toString(static_cast<qulonglong>(count)); }

// The start a file's name carries, in seconds since the epoch.
std::optional<double> startInName(const QString& path) {
  const std::optional<LogStartTime> start = sessionLogStartTime(QFileInfo(path).fileName().toStdString());
  if (!start)
    return std::nullopt;
  const QDateTime local(QDate(start->year, start->month, start->day),
                        QTime(start->hour, start->minute, start->second), Qt::LocalTime);
  return static_cast<double>(local.toSecsSinceEpoch());
}

} // namespace

SessionViewerWindow::SessionViewerWindow(const QString& path, QWidget* parent)
    : QMainWindow(parent), pages_(new QStackedWidget(this)), message_(new QLabel(pages_)),
      sessionChoice_(new QComboBox(this)), counts_(new QLabel(this)), eventList_(new QListWidget(this)) {
  // The limits are watched as the samples are stored: known before the first piece comes. A
  // file with a fault is said once and the log is shown without limits.
  const LoadedLimits limits = loadLimitsFile(windowLimitsPath(), true);
  model_.setLimits(limits.limits);
  // The file is read while the window is built.
  startReading(path);
  resize(1100, 800);
  message_->setObjectName("message");
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  message_->setMargin(40);
  pages_->addWidget(message_);

  auto* view = new QWidget(pages_);
  auto* layout = new QVBoxLayout(view);
  layout->setContentsMargins(0, 0, 0, 0);
  plot_ = new SessionPlot(model_.store(), view);
  layout->addWidget(plot_, 1);
  statistics_ = new StatisticsPanel(*plot_, model_.store(), view);
  layout->addWidget(statistics_);
  pages_->addWidget(view);
  // The plots are laid out and painted with the window, not when the first samples come.
  pages_->setCurrentWidget(view);
  setCentralWidget(pages_);

  plot_->setStatisticsHandler([this](const VisibleStatistics& in) {
    statistics_->showStatistics(in);
    dropFiguresUnderWay();
    if (!figuresDue_.isActive())
      figuresDue_.start();
  });
  figuresDue_.setSingleShot(true);
  figuresDue_.setInterval(kFiguresAfterMoveMs);
  connect(&figuresDue_, &QTimer::timeout, this, &SessionViewerWindow::showFiguresInView);
  figuresSlice_.setSingleShot(true);
  figuresSlice_.setInterval(0);
  connect(&figuresSlice_, &QTimer::timeout, this, &SessionViewerWindow::addFiguresSlice);
  plot_->setCursorHandler([this](std::size_t sample) { statistics_->showCursor(sample); });
  plot_->setTimeline(&model_.gaps(), &model_.events());
  plot_->setLimits(&model_.limitSpans());

  buildMenus();
  auto* sessions = addToolBar("Sessions");
  sessions->setMovable(false);
  sessions->addWidget(new QLabel("Session: ", this));
  sessionChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  sessions->addWidget(sessionChoice_);
  connect(sessionChoice_, qOverload<int>(&QComboBox::activated), this, &SessionViewerWindow::pickSession);
  sessions->addSeparator();
  sessions->addAction("< Previous Event", this, [this] { stepEvent(-1); });
  sessions->addAction("Next Event >", this, [this] { stepEvent(1); });

  eventList_->setObjectName("events");
  eventList_->setMinimumWidth(340);
  connect(eventList_, &QListWidget::currentRowChanged, this, &SessionViewerWindow::showListedEvent);
  eventDock_ = new QDockWidget("Events", this);
  eventDock_->setObjectName("eventDock");
  eventDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  eventDock_->setWidget(eventList_);
  addDockWidget(Qt::RightDockWidgetArea, eventDock_);
  eventDock_->hide();
  counts_->setObjectName("counts");
  statusBar()->addWidget(counts_, 1);
  statusBar()->addPermanentWidget(new QLabel("Wheel: zoom · drag: pan · Shift+drag: zoom to a range · Home or "
                                             "double click: whole session · N/P: next/previous event",
                                             this));
  if (!limits.error.empty()) {
    // Said once, where it stays in sight while the log is read and followed; the whole text
    // (the file's path first) under the pointer.
    const QString path = QString::fromStdString(windowLimitsPath());
    auto* problem =
        new QLabel("No limits: " + QString::fromStdString(limits.error).replace(path, "limits.conf"), this);
    problem->setObjectName("limitsProblem");
    problem->setStyleSheet("color: #b00000");
    problem->setToolTip(QString::fromStdString(limits.error));
    statusBar()->addWidget(problem);
  }
  showFile(path);
}

void SessionViewerWindow::showFiguresInView() {
  figuresCost_.start();
  const auto [first, last] = model_.shownSamples();
  const QCPRange view = plot_->visibleTime();
  FiguresRange range;
  range.first = model_.store().firstAtOrAfter(first, last, view.lower);
  range.last = model_.store().firstAfter(range.first, last, view.upper);
  // The sample at the view's right edge is in view too: the range's end is just after it.
  range.time = {view.lower, std::nextafter(view.upper, HUGE_VAL)};
  range.interval = sampleInterval(model_.gaps().interval().value_or(0));
  // The trips count whether or not the axis shows clock time.
  if (const std::optional<double> start = shownClockStart()) {
    range.events = &model_.events();
    range.origin = *start;
  }
  figuresUnderWay_.emplace(model_.store(), range, model_.limitSpans().limits());
  addFiguresSlice();
}

void SessionViewerWindow::addFiguresSlice() {
  // Some 5 ms of work at a time, well within the 16 ms the window may be away from its input.
  constexpr std::size_t kSamplesAtATime = 1 << 15;
  constexpr qint64 kSliceMs = 5;
  QElapsedTimer slice;
  slice.start();
  while (!figuresUnderWay_->addUpTo(kSamplesAtATime)) {
    if (slice.elapsed() >= kSliceMs) {
      figuresSlice_.start();
      return;
    }
  }
  statistics_->showFigures(figuresUnderWay_->finish(), model_.limitSpans().limits());
  figuresUnderWay_.reset();
  figuresDue_.setInterval(
      std::max<int>(kFiguresAfterMoveMs, static_cast<int>(figuresCost_.elapsed()) * kFiguresCostShare));
}

void SessionViewerWindow::dropFiguresUnderWay() {
  figuresSlice_.stop();
  figuresUnderWay_.reset();
}

// The reading thread ends before the model it feeds.
SessionViewerWindow::~SessionViewerWindow() { loader_.reset(); }

void SessionViewerWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Open...", QKeySequence::Open, this, &SessionViewerWindow::openFromDialog);
  file->addAction("Open &Folder...", this, &SessionViewerWindow::openFolderFromDialog);
  file->addAction("&Save Picture...", QKeySequence::Save, this, &SessionViewerWindow::savePictureFromDialog);
  file->addAction("&Copy Picture", QKeySequence::Copy, this, &SessionViewerWindow::copyPicture);
  file->addSeparator();
  file->addAction("&Close", QKeySequence::Close, this, &QWidget::close);
  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("&Whole Session", QKeySequence(Qt::Key_Home), this, [this] { plot_->fitSession(); });
  clockTime_ = view->addAction("C&lock Time", this, &SessionViewerWindow::showClockTime);
  clockTime_->setObjectName("clockTime");
  clockTime_->setCheckable(true);
  clockTime_->setChecked(true);
  view->addSeparator();
  view->addAction("&Next Event", QKeySequence(Qt::Key_N), this, [this] { stepEvent(1); });
  view->addAction("&Previous Event", QKeySequence(Qt::Key_P), this, [this] { stepEvent(-1); });
}

void SessionViewerWindow::open(const QString& path) {
  startReading(path);
  showFile(path);
}

void SessionViewerWindow::startReading(const QString& path) {
  loader_.reset();
  dropFiguresUnderWay(); // its samples go with the model's
  model_.reopen(path.toStdString());
  const int generation = ++generation_;
  loader_ =
      std::make_unique<LogLoader>(path.toStdString(), [this, generation](const std::shared_ptr<LogBatch>& batch) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, batch] {
              if (generation != generation_)
                return;
              showBatch(*batch);
              loader_->batchTaken(std::move(batch->samples));
            },
            Qt::QueuedConnection);
      });
  loader_->setFollowing(isVisible());
}

// The window as it stands before the first piece of a file comes.
void SessionViewerWindow::showFile(const QString& path) {
  setWindowTitle("Session Viewer - " + QFileInfo(path).fileName());
  setWindowFilePath(path);
  fileStart_ = startInName(path);
  sessionChoice_->clear();
  listEvents();
  newSession_ = true;
  newSamples_ = false;
  sinceDrawn_.start();
  refresh();
}

void SessionViewerWindow::showBatch(const LogBatch& batch) {
  const SessionLogModel::Change change = model_.apply(batch);
  if (change.newSession)
    dropFiguresUnderWay(); // a file begun afresh took the samples it was counting
  newSession_ = newSession_ || change.newSession;
  newSamples_ = newSamples_ || change.newSamples;
  refresh();
  // After the refresh: the list writes times as the time axis does.
  if (change.newEvents)
    listEvents();
}

void SessionViewerWindow::refresh() {
  listSessions();
  const auto [first, last] = model_.shownSamples();
  const std::string problem = model_.problem();
  if (!problem.empty() || (first == last && model_.caughtUp())) {
    message_->setText(problem.empty() ? QStringLiteral("This session has no samples yet.")
                                      : QString::fromStdString(problem));
    pages_->setCurrentWidget(message_);
  } else {
    pages_->setCurrentIndex(1);
  }
  const bool shownSession = !model_.sessions().empty();
  const std::optional<double> ratio =
      shownSession ? model_.sessions()[model_.shownSession()].percentPerAmpere() : std::nullopt;
  // While a large file is read, the plots show what has come four times a
  // second, not after every piece: drawing them takes as long as reading
  // three pieces, and slows the reading thread down while it lasts.
  const bool drawNow = model_.caughtUp() || sinceDrawn_.elapsed() >= kDrawIntervalWhileReading;
  plot_->holdDrawing(!drawNow);
  if (newSession_) {
    statistics_->clear();
    showClockTime();
    plot_->showSamples(first, last, ratio);
  } else if (newSamples_ && drawNow) {
    plot_->samplesAdded(last, ratio);
  } else if (newSamples_) {
    return;
  }
  if (drawNow)
    sinceDrawn_.start();
  newSession_ = false;
  newSamples_ = false;
}

void SessionViewerWindow::listSessions() {
  const auto& sessions = model_.sessions();
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
  sessionChoice_->setCurrentIndex(static_cast<int>(model_.shownSession()));
  sessionChoice_->setEnabled(sessions.size() > 1);
  if (!model_.caughtUp())
    return counts_->setText(QStringLiteral("Reading %1 %").arg(static_cast<int>(model_.progress() * 100)));
  if (sessions.empty())
    return counts_->clear();
  const SessionSummary& shown = sessions[model_.shownSession()];
  counts_->setText(
      QStringLiteral("%1 samples · %2 lines skipped").arg(grouped(shown.samples), grouped(shown.skippedLines)));
}

void SessionViewerWindow::pickSession(int index) {
  if (index < 0 || static_cast<std::size_t>(index) == model_.shownSession())
    return;
  model_.showSession(static_cast<std::size_t>(index));
  newSession_ = true;
  refresh();
}

// Clock time belongs to the session the file's name dates, its first, and to a folder's whole timeline.
std::optional<double> SessionViewerWindow::shownClockStart() const {
  const std::optional<double> start = model_.clockOrigin() ? model_.clockOrigin() : fileStart_;
  return model_.clockOrigin() || model_.shownSession() == 0 ? start : std::nullopt;
}

void SessionViewerWindow::showClockTime() {
  const std::optional<double> start = shownClockStart();
  clockTime_->setEnabled(start.has_value());
  plot_->setClockStart(clockTime_->isChecked() ? start : std::nullopt);
  listEvents();
  plot_->setVisibleTime(plot_->visibleTime());
}

void SessionViewerWindow::openFromDialog() {
  const QString path = QFileDialog::getOpenFileName(this, "Open Session Log", QFileInfo(windowFilePath()).path(),
                                                    "Session logs (*.csv *.CSV);;All files (*)");
  if (!path.isEmpty())
    open(path);
}

void SessionViewerWindow::openFolderFromDialog() {
  const QString path = QFileDialog::getExistingDirectory(this, "Open Folder", QFileInfo(windowFilePath()).path());
  if (!path.isEmpty())
    open(path);
}

void SessionViewerWindow::listEvents() {
  const QSignalBlocker quiet(eventList_);
  eventList_->clear();
  shownEvent_.reset();
  for (const TimelineEvent& event : model_.events())
    eventList_->addItem(plot_->eventText(event).section('\n', 0, 0));
  // Events have a place on a clock-time axis only (a logger file's later sessions have none).
  eventDock_->setVisible(!model_.events().empty() && plot_->showsClockTime());
  plot_->setTimeline(&model_.gaps(), &model_.events());
}

void SessionViewerWindow::showListedEvent(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= model_.events().size())
    return;
  shownEvent_ = static_cast<std::size_t>(index);
  plot_->centreOn(plot_->axisTime(model_.events()[*shownEvent_]));
}

// From the event shown while the view still centres it, else from the view's middle, so
// that events of one second are each visited.
void SessionViewerWindow::stepEvent(int direction) {
  if (!plot_->showsClockTime())
    return;
  const std::vector<TimelineEvent>& events = model_.events();
  const double centre = plot_->visibleTime().center();
  std::optional<std::size_t> next;
  if (shownEvent_ && *shownEvent_ < events.size() &&
      std::abs(plot_->axisTime(events[*shownEvent_]) - centre) < kSameTime) {
    if (direction > 0 && *shownEvent_ + 1 < events.size())
      next = *shownEvent_ + 1;
    else if (direction < 0 && *shownEvent_ > 0)
      next = *shownEvent_ - 1;
  } else {
    const double clock = events.empty() ? 0 : centre - plot_->axisTime(events[0]) + events[0].time;
    next = direction > 0 ? nextEvent(events, clock + kSameTime) : previousEvent(events, clock - kSameTime);
  }
  if (!next)
    return;
  if (eventList_->currentRow() == static_cast<int>(*next))
    showListedEvent(eventList_->currentRow());
  else
    eventList_->setCurrentRow(static_cast<int>(*next));
}

void SessionViewerWindow::savePictureFromDialog() {
  QString chosenFilter = kPngPictureFilter;
  const QString typed = QFileDialog::getSaveFileName(this, "Save Picture", QString(),
                                                     kPngPictureFilter + ";;" + kPdfPictureFilter, &chosenFilter);
  if (typed.isEmpty())
    return;
  const QString path = pictureFileName(typed, chosenFilter);
  if (!savePicture(*plot_, path))
    QMessageBox::warning(this, "Save Picture", "The picture could not be saved as " + path + ".");
}

void SessionViewerWindow::copyPicture() { QApplication::clipboard()->setPixmap(plot_->toPixmap()); }

void SessionViewerWindow::showEvent(QShowEvent* event) {
  if (loader_)
    loader_->setFollowing(true);
  QMainWindow::showEvent(event);
}

void SessionViewerWindow::hideEvent(QHideEvent* event) {
  if (loader_)
    loader_->setFollowing(false);
  QMainWindow::hideEvent(event);
}

} // namespace orvane
