#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string_view>

// Every test program has one application for the whole run: widgets draw off
// screen (on a screen of the pixel density --scale-factor=N gives), and
// nothing touches the real home directory.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  for (int arg = 1; arg < argc; ++arg)
    if (const std::string_view option = argv[arg]; option.starts_with("--scale-factor="))
      qputenv("QT_SCALE_FACTOR", QByteArray(option.substr(15).data()));
  const QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
