#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "../../frame/svg_pixel_sheet.h"
#include "dialogs/about_dialog.h"
#include "dialogs/movie_frame_rate_dialog.h"
#include "dialogs/movie_step_dialog.h"
#include "dialogs/number_of_points_dialog.h"
#include "dialogs/scale_movie_dialog.h"
#include "dialogs/setup_dialog.h"
#include "document/data_object_window.h"
#include "frame/bitmap_marker.h"
#include "frame/program_cursor.h"
#include "frame/tool_window.h"
#include "frame/video_motion_window.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

// The program as a user first sees it, drawn by the real backend off
// screen: the frame with its tool bar and the Startup dialog over it. The
// pictures are kept under the build folder for a person to look at.

namespace {

const QString kArtifacts = QStringLiteral(KINOVEX_SCREENSHOT_DIR);

QImage Grab(QWidget* widget) {
  return widget == nullptr ? QImage() : widget->grab().toImage();
}

int DistinctColours(const QImage& image, const QRect& area) {
  std::set<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      colours.insert(image.pixel(x, y) & 0xFFFFFFu);
    }
  }
  return static_cast<int>(colours.size());
}

std::string Save(const QImage& image, const QString& name) {
  QDir().mkpath(kArtifacts);
  const QString path = kArtifacts + QLatin1Char('/') + name;
  EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
  std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
  return path.toStdString();
}

class StartupScreenshotTest : public ::testing::Test {
 protected:
  StartupScreenshotTest() { backend.SetResourceFolder(KINOVEX_RESOURCE_STAGE); }

  shell::qt::QtBackend backend;
  TdvShell shell{backend};
};

// Destroying the frame ends the program's event loop for good, so this
// test, the only one that runs dialogs, comes first.
TEST_F(StartupScreenshotTest, TheFrameWithItsToolBarTheAboutBoxAndTheStartupDialogRender) {
  auto* frame =
      shell.Keep(std::make_unique<TdvVideoMotionWindow>(nullptr, nullptr, std::filesystem::path()));
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 800, 600});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);
  auto* tools = shell.Keep(std::make_unique<TdvToolWindow>());
  ASSERT_EQ(tools->OpenWindow(), 1);
  QApplication::processEvents();

  TdvAboutDialog about;
  QImage aboutImage;
  QRect okButton;
  backend.Post([&] {
    QApplication::processEvents();
    aboutImage = Grab(backend.Widget(about.hwnd));
    if (QWidget* ok = backend.Widget(about.GetControlWindow(TdvAboutDialog::kOkButton))) {
      okButton = ok->geometry();
    }
    about.DoControlCommand(TdvAboutDialog::kOkButton);
  });
  ASSERT_EQ(about.OpenWindow(), 1);
  ASSERT_FALSE(aboutImage.isNull());
  const shell::Rect aboutRect =
      TdvDialog::DialogPixelRect(about.rect, backend.Metrics().dialogBaseUnits);
  EXPECT_EQ(aboutImage.width(), shell::RectWidth(aboutRect));
  EXPECT_EQ(aboutImage.height(), shell::RectHeight(aboutRect));
  EXPECT_GT(DistinctColours(aboutImage, QRect(0, 0, aboutImage.width(), aboutImage.height() / 2)),
            8);
  // The button is drawn over the picture, not hidden under it.
  ASSERT_FALSE(okButton.isEmpty());
  const QImage face = aboutImage.copy(okButton);
  EXPECT_GT(DistinctColours(face, face.rect()), 2);
  Save(aboutImage, QStringLiteral("about.png"));

  TdvSetupDialog_A startup;
  QImage frameImage;
  QImage dialogImage;
  QRect dialogPlace;
  backend.Post([&] {
    QApplication::processEvents();
    QWidget* frameWidget = backend.Widget(frame->hwnd);
    QWidget* dialogWidget = backend.Widget(startup.hwnd);
    frameImage = Grab(frameWidget != nullptr ? frameWidget->window() : nullptr);
    dialogImage = Grab(dialogWidget);
    if (frameWidget != nullptr && dialogWidget != nullptr) {
      const QPoint at = frameWidget->window()->mapFromGlobal(dialogWidget->mapToGlobal(QPoint()));
      dialogPlace = QRect(at, dialogImage.size());
    }
    startup.DoControlCommand(TdvSetupDialog_A::kExitStartup);
  });
  ASSERT_EQ(startup.OpenWindow(), 1);

  ASSERT_FALSE(frameImage.isNull());
  ASSERT_FALSE(dialogImage.isNull());
  const QRect frameOuter = backend.Widget(frame->hwnd)->window()->geometry();
  EXPECT_EQ(frameImage.size(), frameOuter.size());

  const shell::Rect expected =
      TdvDialog::DialogPixelRect(startup.rect, backend.Metrics().dialogBaseUnits);
  EXPECT_EQ(dialogImage.width(), shell::RectWidth(expected));
  EXPECT_EQ(dialogImage.height(), shell::RectHeight(expected));

  // The tool strip: its grey, and icons drawn on its buttons.
  QWidget* strip = backend.Widget(tools->hwnd);
  ASSERT_NE(strip, nullptr);
  const QImage stripImage = Grab(strip);
  EXPECT_EQ(stripImage.width(), TdvToolWindow::kWidth);
  EXPECT_EQ(QColor(stripImage.pixel(30, stripImage.height() - 3)), QColor(170, 170, 170));
  EXPECT_GT(DistinctColours(stripImage, QRect(9, 7, 22, 22)), 3) << "no icon on the first button";
  QWidget* select = backend.Widget(tools->GetControlWindow(50));
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(select->toolTip().toStdString(), TdvToolWindow::FindButton(50)->help);

  // The pictures of the dialog were found and drawn.
  EXPECT_GT(DistinctColours(dialogImage, QRect(10, 10, 400, 140)), 8);
  EXPECT_GT(DistinctColours(dialogImage, QRect(20, 210, 150, 80)), 1);

  QImage composite = frameImage.convertToFormat(QImage::Format_RGB32);
  {
    QPainter painter(&composite);
    painter.drawImage(dialogPlace.topLeft(), dialogImage);
  }
  Save(frameImage, QStringLiteral("frame.png"));
  Save(dialogImage, QStringLiteral("startup_dialog.png"));
  Save(composite, QStringLiteral("frame_with_startup.png"));

  // The dialogs of a movie's settings and Number of Points without a movie,
  // each kept as a picture and left with Cancel.
  TdvDataObjectWindow document;
  document.CreateDefaultOrigin();
  const auto grabDialog = [&](TdvDialog& dialog, int cancel, const QString& name) {
    QImage image;
    backend.Post([&] {
      QApplication::processEvents();
      image = Grab(backend.Widget(dialog.hwnd));
      dialog.DoControlCommand(cancel);
    });
    ASSERT_EQ(dialog.OpenWindow(), 1);
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_GT(DistinctColours(image, image.rect()), 4) << name.toStdString();
    Save(image, name);
  };
  TdvMovieStepDialog step(document);
  grabDialog(step, TdvMovieStepDialog::kCancel, QStringLiteral("movie_step_size.png"));
  TdvMovieFrameRateDialog rate(document);
  grabDialog(rate, TdvMovieFrameRateDialog::kCancel, QStringLiteral("change_frame_rate.png"));
  TdvNewEZCalibDialog scale(document);
  grabDialog(scale, TdvNewEZCalibDialog::kCancel, QStringLiteral("scale_movie.png"));
  TdvSetupDialog_B points(*frame, TdvChosenMovie{});
  grabDialog(points, TdvSetupDialog_B::kCancel, QStringLiteral("number_of_points.png"));
  frame->ExitApplication();
}

// Taking data has a cursor of its own; the other two are the desktop's.
TEST_F(StartupScreenshotTest, TheCursorsTheProgramChoosesReachTheWindowUnderTheMouse) {
  auto* frame =
      shell.Keep(std::make_unique<TdvVideoMotionWindow>(nullptr, nullptr, std::filesystem::path()));
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 640, 480});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);
  QApplication::processEvents();
  QWidget* client = backend.Widget(frame->hwnd);
  ASSERT_NE(client, nullptr);
  QCursor::setPos(client->mapToGlobal(QPoint(300, 200)));
  QWidget* under = QApplication::widgetAt(QCursor::pos());
  ASSERT_NE(under, nullptr);

  TdvCursorSelector cursors;
  cursors.Select(TdvCursorSelector::kTakeData, backend);
  EXPECT_EQ(under->cursor().shape(), Qt::BitmapCursor);
  EXPECT_FALSE(under->cursor().pixmap().isNull());
  cursors.Select(TdvCursorSelector::kCrosshairs, backend);
  EXPECT_EQ(under->cursor().shape(), Qt::CrossCursor);
  cursors.Select(TdvCursorSelector::kHand, backend);
  EXPECT_EQ(under->cursor().shape(), Qt::PointingHandCursor);
  frame->ExitApplication();
}

// The marker sheets are drawn of whole-pixel squares so that the renderer
// gives exactly the pixels their description names.
TEST_F(StartupScreenshotTest, MarkerSheetsRenderPixelExact) {
  const std::string folder = std::string(KINOVEX_SOURCE_DIR) + "/resources/markers/";
  for (auto [id, file] : {std::pair{TdvMarkerSheets::kImageSheet, "marker_sheet.svg"},
                          {TdvMarkerSheets::kMaskSheet, "marker_masks.svg"}}) {
    std::optional<shell::Picture> rendered = backend.BitmapResource(id);
    ASSERT_TRUE(rendered.has_value()) << id;
    const shell::Picture described = svg_pixel_sheet::Read(folder + file);
    ASSERT_EQ(rendered->Width(), described.Width());
    ASSERT_EQ(rendered->Height(), described.Height());
    int different = 0;
    for (int y = 0; y < described.Height(); ++y) {
      for (int x = 0; x < described.Width(); ++x) {
        different += rendered->At(x, y) != described.At(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(different, 0) << file;
  }
}

}  // namespace
