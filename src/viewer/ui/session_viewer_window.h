#pragma once

#include "viewer/log_loader.h"
#include "viewer/range_figures.h"
#include "viewer/session_log_model.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QDockWidget;
class QLabel;
class QListWidget;
class QStackedWidget;

namespace orvane {

class SessionPlot;
class StatisticsPanel;

// "Session Viewer - <file>": a session log or export, the whole of one
// session at a time, followed while it grows. The file is read on a thread
// of its own; the window shows each piece as it comes and never waits for
// the disk. A log named by its start time (Trend-YYYY-MM-DD_HH-MM-SS.CSV) can
// show clock time on its time axis. A logger's folder is one timeline across
// its files, its newest file followed, with the events of Events.CSV as marks,
// listed in a side panel and visited in order with N and P. The limits of
// limits.conf beside ta.ini are drawn, and the statistics panel gives the
// summary's figures of the time in view.
class SessionViewerWindow final : public QMainWindow {
public:
  explicit SessionViewerWindow(const QString& path, QWidget* parent = nullptr);
  ~SessionViewerWindow() override;

  void open(const QString& path);
  SessionPlot& plot() { return *plot_; }
  const SessionLogModel& model() const { return model_; }
  // Shows what the reading thread found; its pieces come here in order.
  void showBatch(const LogBatch& batch);
  // Centres the next or previous event (direction +1 or -1) and selects it in the list.
  void stepEvent(int direction);
  QListWidget& eventList() { return *eventList_; }

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void startReading(const QString& path);
  void showFile(const QString& path);
  void buildMenus();
  void refresh();
  void listSessions();
  void pickSession(int index);
  // The shown session's start in seconds since the epoch, when its samples have clock times.
  std::optional<double> shownClockStart() const;
  void showClockTime();
  void openFromDialog();
  void openFolderFromDialog();
  void listEvents();
  void showListedEvent(int index);
  void savePictureFromDialog();
  void copyPicture();
  void showFiguresInView();
  void addFiguresSlice();
  void dropFiguresUnderWay();

  SessionLogModel model_{""};
  std::unique_ptr<LogLoader> loader_;
  int generation_ = 0;
  std::optional<double> fileStart_;
  QStackedWidget* pages_;
  QLabel* message_;
  SessionPlot* plot_ = nullptr;
  StatisticsPanel* statistics_ = nullptr;
  QComboBox* sessionChoice_;
  QLabel* counts_;
  QAction* clockTime_ = nullptr;
  QListWidget* eventList_;
  QDockWidget* eventDock_ = nullptr;
  std::optional<std::size_t> shownEvent_;
  bool newSession_ = false;
  bool newSamples_ = false;
  QElapsedTimer sinceDrawn_;
  // The figures of the range in view are one pass over its samples: they follow the view a
  // while after it moves (whatever it is then), not at every step of a drag or every sample
  // followed, and the while grows with what the last pass cost.
  QTimer figuresDue_;
  // The pass runs a slice at a time between the window's other events; a view that moves or a
  // session that changes meanwhile drops it.
  std::optional<RangeFiguresInSlices> figuresUnderWay_;
  QTimer figuresSlice_;
  QElapsedTimer figuresCost_;
};

} // namespace orvane
