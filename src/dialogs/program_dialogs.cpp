#include "dialogs/program_dialogs.h"

#include "dialogs/change_scale_dialog.h"
#include "dialogs/clear_all_dialog.h"
#include "dialogs/coordinate_frame_dialog.h"
#include "dialogs/marker_chooser_dialog.h"
#include "dialogs/movie_frame_rate_dialog.h"
#include "dialogs/movie_step_dialog.h"
#include "dialogs/new_object_dialog.h"
#include "dialogs/run_dialog.h"
#include "dialogs/scale_movie_dialog.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/track_point_dialog.h"
#include "dialogs/tracking_progress_dialog.h"

void TdvProgramDialogs::EditItem(TdvDataObjectWindow& document, std::int32_t id, bool newItem) {
  OpenEditDialog(document, id, newItem);
}

void TdvProgramDialogs::NewItem(TdvDataObjectWindow& document) {
  RunDialog<TdvNewObjectDialog>(document);
}

void TdvProgramDialogs::CloneItem(TdvDataObjectWindow& document) {
  RunDialog<TdvClonePointDialog>(document);
}

void TdvProgramDialogs::ScaleMovie(TdvDataObjectWindow& document) {
  RunDialog<TdvNewEZCalibDialog>(document);
}

void TdvProgramDialogs::MovieStepSize(TdvDataObjectWindow& document) {
  RunDialog<TdvMovieStepDialog>(document);
}

void TdvProgramDialogs::ChangeFrameRate(TdvDataObjectWindow& document) {
  RunDialog<TdvMovieFrameRateDialog>(document);
}

void TdvProgramDialogs::TrackPoint(TdvDataObjectWindow& document) {
  RunDialog<TdvTrackPointDialog>(document);
}

void TdvProgramDialogs::TrackingProgress(TdvDataObjectWindow& document) {
  RunDialog<TdvTrackingProgressDialog>(document);
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
    RunDialog<TdvMarkerChooserDialog>(std::move(*target));
  }
}

void TdvProgramDialogs::ClearAll(TdvDataObjectWindow& document) {
  RunDialog<TdvClearAllDialog>(document);
}

void TdvProgramDialogs::ChangeScale(TdvDataObjectWindow& document) {
  TdvChangeScaleDialog::Open(document);
}

void TdvProgramDialogs::EditCoordinateFrame(TdvDataObjectWindow& document, std::int32_t origin) {
  RunDialog<TdvEditCoordinateFrameDialog>(document, origin);
}
