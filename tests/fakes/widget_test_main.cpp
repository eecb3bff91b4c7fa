#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program has one application for the whole run: widgets draw off
// screen, and nothing touches the real home directory.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The build lists every program's tests; that needs no application, and starting one costs
  // more than the listing.
  if (GTEST_FLAG_GET(list_tests))
    return RUN_ALL_TESTS();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
