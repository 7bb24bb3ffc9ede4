#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/about_dialog.h"
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

// Every dialog of the program opened once by the real backend off screen
// and kept as a picture under the build folder for a person to look at.
// A control that reaches out of the dialog or lies on another one is
// clipped or hidden on the screen: the test names it. A new dialog is one
// more row of the table.

namespace {

const QString kArtifacts = QStringLiteral(KINOVEX_SCREENSHOT_DIR);

// What the dialogs of the table open on.
struct Scene {
  TdvVideoMotionWindow& frame;
  TdvDataObjectWindow& document;
};

struct DialogShot {
  const char* file;
  std::function<std::unique_ptr<TdvDialog>(Scene&)> make;
  int closingControl;
  // A picture the dialog is drawn on, under its other controls.
  int backdrop = 0;
};

template <typename Dialog>
std::unique_ptr<TdvDialog> OnDocument(Scene& scene) {
  return std::make_unique<Dialog>(scene.document);
}

// The edit dialog of a new item of that Create menu entry. The document
// is left unmodified, so that leaving asks for no save.
template <int command>
std::unique_ptr<TdvDialog> EditOfNew(Scene& scene) {
  const std::int32_t id = scene.document.CreateFromMenu(command);
  scene.document.modified = false;
  return MakeEditDialog(scene.document, id, false);
}

const std::vector<DialogShot>& Shots() {
  static const std::vector<DialogShot> shots{
      {"about.png", [](Scene&) { return std::make_unique<TdvAboutDialog>(); },
       TdvAboutDialog::kOkButton, TdvAboutDialog::kPictureArea},
      {"startup.png", [](Scene&) { return std::make_unique<TdvSetupDialog_A>(); },
       TdvSetupDialog_A::kExitStartup},
      {"number_of_points.png",
       [](Scene& scene) {
         return std::make_unique<TdvSetupDialog_B>(scene.frame, TdvChosenMovie{});
       },
       TdvSetupDialog_B::kCancel},
      {"movie_step_size.png", OnDocument<TdvMovieStepDialog>, TdvMovieStepDialog::kCancel},
      {"change_frame_rate.png", OnDocument<TdvMovieFrameRateDialog>,
       TdvMovieFrameRateDialog::kCancel},
      {"scale_movie.png", OnDocument<TdvNewEZCalibDialog>, TdvNewEZCalibDialog::kCancel},
      {"new_series.png", OnDocument<TdvNewObjectDialog>, TdvNewObjectDialog::kCancel},
      {"clone_point.png", OnDocument<TdvClonePointDialog>, TdvClonePointDialog::kCancel},
      {"edit_point.png", EditOfNew<651>, TdvEditObjectDialog::kCancel},
      {"edit_centre_of_mass.png", EditOfNew<653>, TdvEditObjectDialog::kCancel},
      {"edit_distance.png", EditOfNew<654>, TdvEditObjectDialog::kCancel},
      {"edit_scale.png", EditOfNew<655>, TdvEditObjectDialog::kCancel},
      {"edit_angle.png", EditOfNew<657>, TdvEditObjectDialog::kCancel},
      {"edit_designated_point.png", EditOfNew<658>, TdvEditObjectDialog::kCancel},
      {"edit_count.png", EditOfNew<659>, TdvEditObjectDialog::kCancel},
      {"marker_chooser_point.png",
       [](Scene& scene) {
         return std::make_unique<TdvMarkerChooserDialog>(
             *TdvMarkerChooserDialog::ForSeries(scene.document, scene.document.DefaultOrigin()));
       },
       TdvMarkerChooserDialog::kCancel},
      {"marker_chooser_plot.png",
       [](Scene&) {
         return std::make_unique<TdvMarkerChooserDialog>(
             TdvMarkerChooserDialog::ForPlot({2, 3, 1, true}, [](const TdvPlotStyle&) {}));
       },
       TdvMarkerChooserDialog::kCancel},
  };
  return shots;
}

// The visible controls of the dialog that leave its client area or lie on
// one another, one line each.
std::vector<std::string> LayoutFaults(const QWidget& dialog, const QWidget* backdrop) {
  std::vector<QWidget*> controls;
  for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->isVisible() && child != backdrop) {
      controls.push_back(child);
    }
  }
  const auto name = [](const QWidget* w) {
    const QRect g = w->geometry();
    return std::string(w->metaObject()->className()) + " at " + std::to_string(g.x()) + "," +
           std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" +
           std::to_string(g.height());
  };
  std::vector<std::string> faults;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (!dialog.rect().contains(controls[i]->geometry())) {
      faults.push_back(name(controls[i]) + " leaves the client area");
    }
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[i]->geometry().intersects(controls[j]->geometry())) {
        faults.push_back(name(controls[i]) + " overlaps " + name(controls[j]));
      }
    }
  }
  return faults;
}

TEST(DialogsScreenshotTest, EveryDialogOpensWithNoControlClippedOrCovered) {
  shell::qt::QtBackend backend;
  backend.SetResourceFolder(KINOVEX_RESOURCE_STAGE);
  TdvShell shell{backend};
  auto* frame =
      shell.Keep(std::make_unique<TdvVideoMotionWindow>(nullptr, nullptr, std::filesystem::path()));
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 800, 600});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);
  TdvDataObjectWindow* document = frame->NewDocumentWindow();
  ASSERT_NE(document, nullptr);
  Scene scene{*frame, *document};
  QDir().mkpath(kArtifacts);

  for (const DialogShot& shot : Shots()) {
    SCOPED_TRACE(shot.file);
    std::unique_ptr<TdvDialog> dialog = shot.make(scene);
    QImage image;
    std::vector<std::string> faults;
    backend.Post([&] {
      QApplication::processEvents();
      if (QWidget* widget = backend.Widget(dialog->hwnd)) {
        image = widget->grab().toImage();
        faults = LayoutFaults(*widget,
                              backend.Widget(backend.ControlHandle(dialog->hwnd, shot.backdrop)));
      }
      dialog->DoControlCommand(shot.closingControl);
    });
    ASSERT_EQ(dialog->OpenWindow(), 1);
    ASSERT_FALSE(image.isNull());
    for (const std::string& fault : faults) {
      ADD_FAILURE() << fault;
    }
    const QString path = kArtifacts + QLatin1Char('/') + QString::fromLatin1(shot.file);
    EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
    std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
  }
  frame->ExitApplication();
}

}  // namespace
