#pragma once

#include "viewer/session_log_model.h"
#include "viewer/ui/plot_series.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class QComboBox;
class QLabel;
class QStackedWidget;

namespace orvane {

class SessionPlot;
class StatisticsPanel;

// "Session Viewer - <file>": a session log or export, the whole of one
// session at a time, followed while it grows.
class SessionViewerWindow final : public QMainWindow {
public:
  explicit SessionViewerWindow(const QString& path, QWidget* parent = nullptr);
  ~SessionViewerWindow() override;

  void open(const QString& path);
  SessionPlot& plot() { return *plot_; }

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void buildMenus();
  void readMore();
  void showReadResult();
  void listSessions();
  void pickSession(int index);
  void openFromDialog();
  void savePicture();
  void copyPicture();

  PlotSeries series_;
  std::unique_ptr<SessionLogModel> model_;
  QStackedWidget* pages_;
  QLabel* message_;
  SessionPlot* plot_;
  StatisticsPanel* statistics_;
  QComboBox* sessionChoice_;
  QLabel* counts_;
  QTimer follow_;
  bool reading_ = false;
  bool newSession_ = false;
  bool newSamples_ = false;
};

} // namespace orvane
