#include "dialogs/program_dialogs.h"

#include <memory>
#include <utility>

#include "dialogs/change_scale_dialog.h"
#include "dialogs/clear_all_dialog.h"
#include "dialogs/coordinate_frame_dialog.h"
#include "dialogs/marker_chooser_dialog.h"
#include "dialogs/movie_frame_rate_dialog.h"
#include "dialogs/movie_step_dialog.h"
#include "dialogs/new_object_dialog.h"
#include "dialogs/scale_movie_dialog.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/track_point_dialog.h"
#include "dialogs/tracking_progress_dialog.h"
#include "shell/shell.h"

namespace {

// The shell frees the dialog once its window has gone.
template <typename Dialog, typename... Arguments>
void Run(Arguments&&... arguments) {
  TdvShell::Get()
      .Keep(std::make_unique<Dialog>(std::forward<Arguments>(arguments)...))
      ->OpenWindow();
}

}  // namespace

void TdvProgramDialogs::EditItem(TdvDataObjectWindow& document, std::int32_t id, bool newItem) {
  OpenEditDialog(document, id, newItem);
}

void TdvProgramDialogs::NewItem(TdvDataObjectWindow& document) {
  Run<TdvNewObjectDialog>(document);
}

void TdvProgramDialogs::CloneItem(TdvDataObjectWindow& document) {
  Run<TdvClonePointDialog>(document);
}

void TdvProgramDialogs::ScaleMovie(TdvDataObjectWindow& document) {
  Run<TdvNewEZCalibDialog>(document);
}

void TdvProgramDialogs::MovieStepSize(TdvDataObjectWindow& document) {
  Run<TdvMovieStepDialog>(document);
}

void TdvProgramDialogs::ChangeFrameRate(TdvDataObjectWindow& document) {
  Run<TdvMovieFrameRateDialog>(document);
}

void TdvProgramDialogs::TrackPoint(TdvDataObjectWindow& document) {
  Run<TdvTrackPointDialog>(document);
}

void TdvProgramDialogs::TrackingProgress(TdvDataObjectWindow& document) {
  Run<TdvTrackingProgressDialog>(document);
}

void TdvProgramDialogs::NumberOfPoints(TdvDataObjectWindow& document,
                                       const std::string& moviePath) {
  if (std::optional<TdvChosenMovie> chosen = host_.OpenMovieFile(moviePath)) {
    host_.OpenMovieSetup(std::move(*chosen), &document);
  }
}

void TdvProgramDialogs::ChooseMarker(TdvDataObjectWindow& document, std::int32_t id) {
  if (std::optional<TdvMarkerChooserDialog::Target> target =
          TdvMarkerChooserDialog::ForSeries(document, id)) {
    Run<TdvMarkerChooserDialog>(std::move(*target));
  }
}

void TdvProgramDialogs::ClearAll(TdvDataObjectWindow& document) {
  Run<TdvClearAllDialog>(document);
}

void TdvProgramDialogs::ChangeScale(TdvDataObjectWindow& document) {
  TdvChangeScaleDialog::Open(document);
}

void TdvProgramDialogs::EditCoordinateFrame(TdvDataObjectWindow& document, std::int32_t origin) {
  Run<TdvEditCoordinateFrameDialog>(document, origin);
}
