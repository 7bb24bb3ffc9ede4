#pragma once

#include <cstdint>
#include <string>

class TdvDataObjectWindow;

// Every dialog a document opens, in one place. The frame sets the filler
// on each document; a dialog the program does not have yet does nothing,
// and neither does any dialog of a document shown without a frame.
class TdvDocumentDialogs {
 public:
  virtual ~TdvDocumentDialogs() = default;

  // The edit dialog of one item; newItem is set for an item the Create
  // menu has just made (its Cancel then deletes it).
  virtual void EditItem(TdvDataObjectWindow& /*document*/, std::int32_t /*id*/, bool /*newItem*/) {}
  virtual void ChooseMarker(TdvDataObjectWindow& /*document*/, std::int32_t /*id*/) {}
  virtual void NewItem(TdvDataObjectWindow& /*document*/) {}
  virtual void CloneItem(TdvDataObjectWindow& /*document*/) {}
  virtual void ClearAll(TdvDataObjectWindow& /*document*/) {}
  virtual void ChangeScale(TdvDataObjectWindow& /*document*/) {}
  // "Coordinates" for the coordinate system of the origin item `origin`.
  virtual void EditCoordinateFrame(TdvDataObjectWindow& /*document*/, std::int32_t /*origin*/) {}
  // "Scale Movie": on OK the dialog calls SetQuickScale and starts the two
  // scale clicks on the movie.
  virtual void ScaleMovie(TdvDataObjectWindow& /*document*/) {}
  virtual void MovieStepSize(TdvDataObjectWindow& /*document*/) {}
  virtual void ChangeFrameRate(TdvDataObjectWindow& /*document*/) {}
  // "Number of Points" for the movie at moviePath: on OK the points are
  // made in `document` and the movie attached (AttachMovieFile).
  virtual void NumberOfPoints(TdvDataObjectWindow& /*document*/, const std::string& /*moviePath*/) {
  }
};
