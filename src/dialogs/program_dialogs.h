#pragma once

#include "dialogs/movie_setup_host.h"
#include "document/document_dialogs.h"

// The dialogs a document opens, as this program has them. The host (the
// frame) is not owned and must outlive every document this serves.
class TdvProgramDialogs : public TdvDocumentDialogs {
 public:
  explicit TdvProgramDialogs(TdvMovieSetupHost& host) : host_(host) {}

  void EditItem(TdvDataObjectWindow& document, std::int32_t id, bool newItem) override;
  void NewItem(TdvDataObjectWindow& document) override;
  void CloneItem(TdvDataObjectWindow& document) override;
  void ScaleMovie(TdvDataObjectWindow& document) override;
  void MovieStepSize(TdvDataObjectWindow& document) override;
  void ChangeFrameRate(TdvDataObjectWindow& document) override;
  void TrackPoint(TdvDataObjectWindow& document) override;
  void TrackingProgress(TdvDataObjectWindow& document) override;
  void NumberOfPoints(TdvDataObjectWindow& document, const std::string& moviePath) override;
  void ChooseMarker(TdvDataObjectWindow& document, std::int32_t id) override;
  void ClearAll(TdvDataObjectWindow& document) override;
  void ChangeScale(TdvDataObjectWindow& document) override;
  void EditCoordinateFrame(TdvDataObjectWindow& document, std::int32_t origin) override;

 private:
  TdvMovieSetupHost& host_;
};
