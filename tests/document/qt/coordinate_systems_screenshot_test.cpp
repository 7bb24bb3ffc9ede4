#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <set>

#include "document/data_object_window.h"
#include "frame/video_motion_window.h"
#include "model/point_series.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

// The coordinate-systems window of a small analysis drawn by the real
// backend off screen; the picture is kept under the build folder for a
// person to look at.

namespace {

const QString kArtifacts = QStringLiteral(KINOVEX_SCREENSHOT_DIR);

TEST(CoordinateSystemsScreenshotTest, BoxesHeadersAndItemRowsRender) {
  shell::qt::QtBackend backend;
  backend.SetResourceFolder(KINOVEX_RESOURCE_STAGE);
  TdvShell shell{backend};
  auto* frame =
      shell.Keep(std::make_unique<TdvVideoMotionWindow>(nullptr, nullptr, std::filesystem::path()));
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 800, 600});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);

  auto* doc = shell.Keep(std::make_unique<TdvDataObjectWindow>());
  ASSERT_EQ(doc->OpenWindow(), 1);
  const std::int32_t pivot = doc->ObjectNewObject(kItemPoint, "Pivot");
  doc->GetItem(pivot)->SetOrigin(1);
  const std::int32_t ball = doc->ObjectNewObject(kItemPoint, "Ball");
  doc->GetItem(ball)->SetOriginId(pivot);
  doc->GetItem(ball)->SetTrails(1);
  doc->ObjectNewObject(kItemPoint, "Cart");
  doc->ObjectNewObject(kItemDistance, "Span");
  doc->SelectItem(ball, 0);
  backend.MoveWindow(doc->hwnd, {40, 20, 460, 420});
  QApplication::processEvents();

  QWidget* widget = backend.Widget(doc->hwnd);
  ASSERT_NE(widget, nullptr);
  const QImage image = widget->grab().toImage();
  ASSERT_FALSE(image.isNull());
  // The box headers' colour and the text drawn over it.
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y) & 0xFFFFFFu);
    }
  }
  EXPECT_GT(colours.size(), 4u);

  QDir().mkpath(kArtifacts);
  const QString path = kArtifacts + QStringLiteral("/coordinate_systems.png");
  EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
  std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
  doc->modified = false;
}

}  // namespace
