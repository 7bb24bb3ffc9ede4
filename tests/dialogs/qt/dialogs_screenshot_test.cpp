#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/about_dialog.h"
#include "dialogs/change_scale_dialog.h"
#include "dialogs/clear_all_dialog.h"
#include "dialogs/coordinate_frame_dialog.h"
#include "dialogs/edit_object_dialog.h"
#include "dialogs/marker_chooser_dialog.h"
#include "dialogs/movie_frame_rate_dialog.h"
#include "dialogs/movie_step_dialog.h"
#include "dialogs/new_object_dialog.h"
#include "dialogs/number_of_points_dialog.h"
#include "dialogs/scale_movie_dialog.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/setup_dialog.h"
#include "document/data_object_window.h"
#include "frame/video_motion_window.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

using Chooser = TdvMarkerChooserDialog;

// Every dialog of the program opened once by the real backend off screen
// and kept as a picture under the build folder for a person to look at.
// A control that reaches out of the dialog or lies on another one is
// clipped or hidden on the screen: the test names it. A new dialog is one
// more row of the table.

namespace {

struct DialogShot {
  const char* file;
  std::function<std::unique_ptr<TdvDialog>()> make;
  // A picture the dialog is drawn on, under its other controls.
  int backdrop = 0;
};

std::string Where(const QWidget* control) {
  const QRect g = control->geometry();
  return std::string(control->metaObject()->className()) + " at " + std::to_string(g.x()) + "," +
         std::to_string(g.y()) + " size " + std::to_string(g.width()) + "x" +
         std::to_string(g.height());
}

// A visible control that leaves the client area or lies on another one.
void ExpectNoControlClipped(const QWidget& dialog, const QWidget* backdrop) {
  QList<QWidget*> controls = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  controls.removeIf([&](const QWidget* c) { return !c->isVisible() || c == backdrop; });
  for (qsizetype i = 0; i < controls.size(); ++i) {
    EXPECT_TRUE(dialog.rect().contains(controls[i]->geometry())) << Where(controls[i]);
    if (const auto* label = qobject_cast<const QLabel*>(controls[i]); label && !label->wordWrap()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                label->contentsRect().width())
          << Where(controls[i]) << " cuts \"" << label->text().toStdString() << '"';
    }
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << Where(controls[i]) << " overlaps " << Where(controls[j]);
    }
  }
}

TEST(DialogsScreenshotTest, EveryDialogOpensWithNoControlClippedOrCovered) {
  shell::qt::QtBackend backend;
  backend.SetResourceFolder(KINOVEX_RESOURCE_STAGE);
  TdvShell shell{backend};
  auto* frame =
      shell.Keep(std::make_unique<TdvVideoMotionWindow>(nullptr, nullptr, std::filesystem::path()));
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 800, 600});
  TdvDataObjectWindow* document = frame->NewDocumentWindow();
  ASSERT_NE(document, nullptr);
  document->ObjectNewObject(kItemScale, "Scale1");
  TdvDataObjectWindow& doc = *document;
  const std::int32_t origin = doc.DefaultOrigin();
  // The edit dialog of a new item of that Create menu entry.
  const auto editNew = [&](int command) {
    return [&doc, command] { return MakeEditDialog(doc, doc.CreateFromMenu(command), false); };
  };
  const DialogShot shots[] = {
      {"about.png", [] { return std::make_unique<TdvAboutDialog>(); },
       TdvAboutDialog::kPictureArea},
      {"startup.png", [] { return std::make_unique<TdvSetupDialog_A>(); }},
      {"number_of_points.png",
       [&] { return std::make_unique<TdvSetupDialog_B>(*frame, TdvChosenMovie{}); }},
      {"movie_step_size.png", [&] { return std::make_unique<TdvMovieStepDialog>(doc); }},
      {"change_frame_rate.png", [&] { return std::make_unique<TdvMovieFrameRateDialog>(doc); }},
      {"scale_movie.png", [&] { return std::make_unique<TdvNewEZCalibDialog>(doc); }},
      {"change_scale.png", [&] { return std::make_unique<TdvChangeScaleDialog>(doc); }},
      {"clear_all_choices.png", [&] { return std::make_unique<TdvClearAllDialog>(doc); }},
      {"coordinates.png",
       [&] { return std::make_unique<TdvEditCoordinateFrameDialog>(doc, origin); }},
      {"new_series.png", [&] { return std::make_unique<TdvNewObjectDialog>(doc); }},
      {"clone_point.png", [&] { return std::make_unique<TdvClonePointDialog>(doc); }},
      {"edit_point.png", editNew(651)},
      {"edit_centre_of_mass.png", editNew(653)},
      {"edit_distance.png", editNew(654)},
      {"edit_scale.png", editNew(655)},
      {"edit_angle.png", editNew(657)},
      {"edit_designated_point.png", editNew(658)},
      {"edit_count.png", editNew(659)},
      {"marker_chooser_point.png",
       [&] { return std::make_unique<Chooser>(*Chooser::ForSeries(doc, origin)); }},
      {"marker_chooser_plot.png",
       [] {
         return std::make_unique<Chooser>(Chooser::ForPlot({2, 3, 1, true}, {}));
       }},
  };
  const QString folder = QStringLiteral(KINOVEX_SCREENSHOT_DIR);
  QDir().mkpath(folder);
  for (const DialogShot& shot : shots) {
    SCOPED_TRACE(shot.file);
    std::unique_ptr<TdvDialog> dialog = shot.make();
    QImage image;
    backend.Post([&] {
      QApplication::processEvents();
      if (QWidget* widget = backend.Widget(dialog->hwnd)) {
        image = widget->grab().toImage();
        ExpectNoControlClipped(*widget,
                               backend.Widget(backend.ControlHandle(dialog->hwnd, shot.backdrop)));
      }
      dialog->CloseWindow();
    });
    ASSERT_EQ(dialog->OpenWindow(), 1);
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(shot.file);
    EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
    std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
  }
  doc.modified = false;
  frame->ExitApplication();
}

}  // namespace
