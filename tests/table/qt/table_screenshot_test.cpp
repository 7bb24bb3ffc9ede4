#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"
#include "table/table_window.h"
#include "table/table_window_opener.h"

// The data table of a small analysis drawn by the real backend off screen,
// with a selected column and the marked row of the movie's frame. The
// picture is kept under the build folder for a person to look at.

namespace {

const QString kArtifacts = QStringLiteral(KINOVEX_SCREENSHOT_DIR);
constexpr std::int32_t kFrameStep = 20;

class ShotFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

int DistinctColours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y) & 0xFFFFFFu);
    }
  }
  return static_cast<int>(colours.size());
}

TEST(TableScreenshotTest, TheTableOfASmallAnalysisRenders) {
  shell::qt::QtBackend backend;
  TdvShell shell{backend};
  auto* frame = shell.Keep(std::make_unique<ShotFrame>());
  frame->title = "Kinovex";
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 800, 600});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);

  auto* document = shell.Keep(std::make_unique<TdvDataObjectWindow>());
  ASSERT_EQ(document->OpenWindow(), 1);
  std::vector<std::int32_t> keys;
  for (int i = 0; i < 30; ++i) {
    keys.push_back(i * kFrameStep);
  }
  document->SetTimeBase(600, keys);
  static_cast<TdvDataPoint*>(document->GetItem(document->DefaultOrigin()))
      ->TakeData(16, -464, keys.front());
  std::int32_t ball = document->ObjectNewObject(kItemPoint, "Ball");
  auto* point = static_cast<TdvDataPoint*>(document->GetItem(ball));
  for (int i = 0; i < 30; ++i) {
    point->TakeData(40 + 7 * i, -300 + i * i, keys[static_cast<std::size_t>(i)]);
  }
  document->RecalculateAll();
  TdvTableWindowOpener opener({0, 0, 420, 320});
  document->SetTableOpener(&opener);
  document->ShowTableWindow();
  auto* table = dynamic_cast<TdvTableWindow*>(document->TableWindow());
  ASSERT_NE(table, nullptr);
  document->CurrentTimeChanged(4 * kFrameStep);
  table->DoMouseDown(18 + 64 * 3 + 10, 30, 0);
  table->DoMouseUp(18 + 64 * 3 + 10, 30, 0);
  QApplication::processEvents();

  QWidget* widget = backend.Widget(table->hwnd);
  ASSERT_NE(widget, nullptr);
  const QImage image = widget->grab().toImage();
  ASSERT_FALSE(image.isNull());
  EXPECT_GT(DistinctColours(image), 4);
  QDir().mkpath(kArtifacts);
  const QString path = kArtifacts + QStringLiteral("/table.png");
  EXPECT_TRUE(image.save(path, "PNG"));
  std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
}

}  // namespace
