#pragma once

#include "app/program.h"
#include "fakes/fake_line.h"
#include "fakes/scripted_file_dialogs.h"
#include "platform/qt/qt_clipboard.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane::testing {

// The program on fakes: a scripted port that no drive answers, a fake clock,
// recorded message boxes, scripted file dialogs and the application's clipboard.
class ProgramTest : public ::testing::Test, protected FakeLine {
protected:
  QWidget* topLevel(const QString& name) const {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == name)
        return widget;
    return nullptr;
  }
  template <typename Control = QObject> Control* control(const std::string& name) const {
    return qobject_cast<Control*>(program.trend()->controls().find(name));
  }
  QWidget* widget(const std::string& name) const { return control<QWidget>(name); }

  // Runs the event loop until the program ends it; fails after five seconds.
  int runEventLoop() {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    limit.start(5000);
    return QApplication::exec();
  }

  ScriptedFileDialogs files;
  QtClipboard clipboard;
  Program program{platform, link, Desktop{files, clipboard}};
};

} // namespace orvane::testing
