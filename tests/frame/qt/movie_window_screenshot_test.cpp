#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <string>

#include "document/data_object_window.h"
#include "frame/video_motion_window.h"
#include "model/point_series.h"
#include "model/series_view.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/movie_window.h"
#include "movie_generator.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

// The movie window as the real backend draws it, off screen: a generated
// toss with the ball tracked (its marker and trail), the default origin's
// axes and a scale on the stick. The picture is kept under the build
// folder for a person to look at.

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrames = 10;
constexpr int kShownFrame = 6;
constexpr int kStickLeft = 70;
constexpr int kStickLength = 180;
constexpr int kStickY = kHeight - 8;
constexpr int kOriginX = 20;
constexpr int kOriginY = 200;
constexpr int kPointCommand = 651;
constexpr int kMetres = 1;
constexpr int kFixed = 2;

// Movie units: half pixels, y upwards from the picture's top edge.
TdvPoint Units(double x, double y) {
  return {static_cast<int>(std::lround(2 * x)), static_cast<int>(-std::lround(2 * y))};
}

QColor Colour(TdvColour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

class MovieWindowScreenshotTest : public ::testing::Test {
 protected:
  MovieWindowScreenshotTest() {
    backend.SetResourceFolder(KINOVEX_RESOURCE_STAGE);
    recipe.path = (folder.path() + QStringLiteral("/toss.mov")).toStdString();
    recipe.width = kWidth;
    recipe.height = kHeight;
    recipe.frameCount = kFrames;
    recipe.ball = kinovex::testing::ThrownBall(40, 200, 180, 570, 1800);
    recipe.ballRadius = 8;
    recipe.scaleBarLength = kStickLength;
    recipe.scaleBarLeft = kStickLeft;
    recipe.scaleBarStripes = 10;
  }

  QTemporaryDir folder;
  kinovex::testing::TestMovieRecipe recipe;
  shell::qt::QtBackend backend;
  TdvShell shell{backend};
  kinovex::TdvFfmpegVideoLibrary library;
};

TEST_F(MovieWindowScreenshotTest, MarkersTrailsOriginAndScaleAreDrawnOverThePicture) {
  const kinovex::testing::GeneratedMovie made = kinovex::testing::MakeTestMovie(recipe);
  ASSERT_TRUE(made.ok) << made.error;
  const auto ballAt = [&](std::int32_t key) {
    return recipe.ball(static_cast<double>(key) / made.timeScale);
  };
  auto* frame = shell.Keep(
      std::make_unique<TdvVideoMotionWindow>(&library, nullptr, std::filesystem::path()));
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 1000, 700});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);

  TdvDataObjectWindow* document = frame->NewDocumentWindow();
  ASSERT_TRUE(frame->AttachMovie(*document, recipe.path));
  auto* window = dynamic_cast<kinovex::TdvMoovWindow*>(document->Movie());
  ASSERT_NE(window, nullptr);
  auto* origin = static_cast<TdvDataPoint*>(document->GetItem(document->DefaultOrigin()));
  const TdvPoint originAt = Units(kOriginX, kOriginY);
  origin->TakeData(originAt.x, originAt.y, 0);
  document->SetQuickScale(1.0, kMetres, -1, kFixed);
  const TdvPoint stickStart = Units(kStickLeft, kStickY);
  const TdvPoint stickEnd = Units(kStickLeft + kStickLength, kStickY);
  document->ScalePoint(stickStart.x, stickStart.y, -5);
  document->ScalePoint(stickEnd.x, stickEnd.y, -6);
  auto* ball =
      static_cast<TdvDataPoint*>(document->GetItem(document->CreateFromMenu(kPointCommand)));
  ball->SetName("Ball");
  const std::vector<std::int32_t> keys = document->FrameKeys();
  ASSERT_EQ(keys.size(), static_cast<std::size_t>(kFrames));
  for (std::int32_t key : keys) {
    const kinovex::testing::BallSpot spot = ballAt(key);
    const TdvPoint at = Units(spot.x, spot.y);
    ball->TakeData(at.x, at.y, key);
  }
  ball->SetTrails(1);
  window->GoToTime(keys[kShownFrame]);
  QApplication::processEvents();

  QWidget* widget = backend.Widget(window->hwnd);
  ASSERT_NE(widget, nullptr);
  const QImage shot = widget->grab().toImage();
  QDir().mkpath(QStringLiteral(KINOVEX_SCREENSHOT_DIR));
  const QString saved = QStringLiteral(KINOVEX_SCREENSHOT_DIR "/movie_window.png");
  EXPECT_TRUE(shot.save(saved, "PNG"));
  std::printf("screenshot: %s\n", saved.toLocal8Bit().constData());

  // Window pixels of a movie pixel at the window's zoom.
  const shell::Rect picture = window->PictureRect();
  const auto pixel = [&](double x, double y) {
    return shot.pixelColor(
        picture.left + static_cast<int>(std::lround(x * shell::RectWidth(picture) / kWidth)),
        picture.top + static_cast<int>(std::lround(y * shell::RectHeight(picture) / kHeight)));
  };
  // Trails: a square of the ball's colour on each earlier frame's spot.
  const QColor ballColour = Colour(MarkerColourRgb(ball->GetMarkerColour()));
  for (int index : {0, 2, 4}) {
    const kinovex::testing::BallSpot spot = ballAt(keys[index]);
    EXPECT_EQ(pixel(spot.x, spot.y), ballColour) << "the trail on frame " << index;
  }
  // The marker, its ring of the ball's colour, over the ball of this frame.
  const kinovex::testing::BallSpot shown = ballAt(keys[kShownFrame]);
  int markerPixels = 0;
  for (int dy = -6; dy <= 6; ++dy) {
    for (int dx = -6; dx <= 6; ++dx) {
      markerPixels += pixel(shown.x + dx, shown.y + dy) == ballColour ? 1 : 0;
    }
  }
  EXPECT_GT(markerPixels, 40);

  const QColor originColour = Colour(MarkerColourRgb(origin->GetMarkerColour()));
  EXPECT_EQ(pixel(kOriginX + 150, kOriginY), originColour) << "the origin's x axis";
  EXPECT_EQ(pixel(kOriginX, kOriginY - 150), originColour) << "the origin's y axis";
  TdvDataObject* scale = document->GetItem(document->ItemOrder()[3]);
  ASSERT_EQ(scale->GetName(), "Scale1");
  const QColor scaleColour = Colour(MarkerColourRgb(scale->GetMarkerColour()));
  for (int x : {kStickLeft + 20, kStickLeft + kStickLength / 2, kStickLeft + kStickLength - 20}) {
    EXPECT_EQ(pixel(x, kStickY), scaleColour) << "the scale's line at " << x;
  }

  document->modified = false;  // closes without the save prompt
  frame->ExitApplication();
}

}  // namespace
