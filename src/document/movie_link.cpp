#include "document/data_object_window.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/shell.h"

namespace {

// The default origin goes 16 pixels right of and above the picture's
// bottom-left corner; a movie unit is half a pixel.
constexpr int kOriginInset = 2 * 16;
constexpr int kBringForward = 701;

}  // namespace

void TdvDataObjectWindow::AttachMovie(TdvMovieLink* link) {
  movie = link;
  if (movie != nullptr) {
    PlaceDefaultOrigin();
    ShowTableWindow();
  }
}

void TdvDataObjectWindow::PlaceDefaultOrigin() {
  auto* origin = dynamic_cast<TdvDataPoint*>(GetItem(defaultOrigin));
  TdvPoint size = movie->MovieUnitsSize();
  std::int32_t first = frameTimes.empty() ? 0 : frameTimes.front();
  if (origin == nullptr || size.y <= 0 || origin->HasData(first)) {
    return;
  }
  origin->TakeData(kOriginInset, kOriginInset - size.y, first);
}

void TdvDataObjectWindow::BringMovieForward() {
  if (movie != nullptr) {
    movie->MovieCommand(kBringForward);
  }
}

bool TdvDataObjectWindow::AttachMovieFile(const std::string& path) {
  if (movieToBeReplaced) {
    if (movie != nullptr) {
      movie->ForceClose();
      movie = nullptr;
    }
    ClearData(true, true, true, true, true);
    movieToBeReplaced = false;
  }
  if (movieOpener == nullptr || !movieOpener->OpenMovie(*this, path)) {
    return false;
  }
  TdvFileLocation movieFile = TdvFileLocation::FromPath(path);
  moviePath = movieFile.path;
  movieName = movieFile.fileName;
  hasMovie = true;
  modified = true;
  BringMovieForward();
  return true;
}

bool TdvDataObjectWindow::RemoveMovie(bool forCommand) {
  if (movie == nullptr && !hasMovie) {
    InformationBox("No Movie to Remove", "Remove Movie");
    return false;
  }
  if (!Confirm("Do you still want to continue?", "This will clear the data")) {
    return false;
  }
  if (!forCommand) {
    movieToBeReplaced = true;
    return true;
  }
  ClearData(true, true, true, true, true);
  if (movie != nullptr) {
    TdvMovieLink* closing = movie;
    movie = nullptr;
    closing->ForceClose();
  }
  moviePath.clear();
  movieName.clear();
  hasMovie = false;
  movieToBeReplaced = false;
  modified = true;
  RedrawWindows();
  return true;
}

void TdvDataObjectWindow::SwitchMovie() {
  if (!Confirm("Do you still want to continue?", "This will clear all data except fixed points")) {
    return;
  }
  std::string path = LocateMovie();
  if (path.empty()) {
    return;
  }
  ClearData(false, true, true, true, true);
  if (movie != nullptr) {
    TdvMovieLink* closing = movie;
    movie = nullptr;
    closing->ForceClose();
  }
  AttachMovieFile(path);
  RecalculateAll();
  RedrawWindows();
}

bool TdvDataObjectWindow::OpenMovieInto(bool forNewDocument) {
  if ((movie != nullptr || hasMovie) && !forNewDocument && !RemoveMovie(false)) {
    return false;
  }
  shell::FileDialogSpec request;
  request.title = "Please Locate a Movie";
  request.filters = {{"All Files (*.*)", "*.*"}};
  std::optional<std::string> path = TdvShell::Get().AskOpenFile(request);
  if (!path) {
    movieToBeReplaced = false;
    return false;
  }
  if (forNewDocument || DocumentCount() < 2) {
    Dialogs().NumberOfPoints(*this, *path);
    return true;
  }
  return AttachMovieFile(*path);
}

int TdvDataObjectWindow::DocumentCount() const {
  TdvAppWindow* frame = TdvShell::Get().Frame();
  if (frame == nullptr) {
    return 1;
  }
  int count = 0;
  for (TdvDocumentWindow* window : frame->docWindows) {
    count += window->IsA(kClassCode) ? 1 : 0;
  }
  return count;
}
