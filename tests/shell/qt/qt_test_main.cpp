#include <gtest/gtest.h>

#include <QApplication>

#include "qt_test_environment.h"

int main(int argc, char** argv) {
  QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/kinovex-qt-XXXXXX"));
  shell::qt::testing::PrepareQtEnvironment(runtime);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
