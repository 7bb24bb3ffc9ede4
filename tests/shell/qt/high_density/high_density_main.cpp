#include <gtest/gtest.h>

#include <QApplication>

#include "../qt_test_environment.h"

// Every window of these tests has two device pixels per pixel.
int main(int argc, char** argv) {
  QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/kinovex-qt-XXXXXX"));
  shell::qt::testing::PrepareQtEnvironment(runtime);
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
