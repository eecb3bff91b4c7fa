#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests need one application for the whole run; they draw off screen
// and keep away from the real home directory. A test program built with
// ORVANE_TEST_SCALE_FACTOR runs on a screen of that pixel density.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ORVANE_TEST_SCALE_FACTOR
  qputenv("QT_SCALE_FACTOR", ORVANE_TEST_SCALE_FACTOR);
#endif
  const QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
