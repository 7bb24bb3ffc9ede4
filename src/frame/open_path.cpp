#include "document/data_object_window.h"
#include "document/file_location.h"
#include "document/file_parser.h"
#include "frame/video_motion_window.h"
#include "movie/video_library.h"
#include "shell/shell.h"

bool IsDocumentPath(const std::string& path) {
  if (path.size() < 3) {
    return false;
  }
  const std::string ending = path.substr(path.size() - 3);
  return ending == "kvx" || ending == "KVX";
}

void TdvVideoMotionWindow::OpenPath(const std::string& path) {
  if (onOpenPath) {
    onOpenPath(path);
  }
  if (path.empty()) {
    OpenStartupDialog();
    return;
  }
  if (IsDocumentPath(path)) {
    CloseStartupDialog();
    OpenDocument(TdvFileLocation::FromPath(path), "", false);
    return;
  }
  OpenMovieFile(path);
}

// A movie may carry a whole document in its user data; it then opens as
// that document, with the movie file standing for the document's file.
void TdvVideoMotionWindow::OpenMovieFile(const std::string& path) {
  OpenToolBar();
  kinovex::TdvVideoOpenResult opened;
  if (videoLibrary_ != nullptr) {
    opened = videoLibrary_->VideoOpen(path, {});
  }
  if (!opened.movie) {
    Inform(kinovex::kCannotOpenFileMessage, kinovex::kCannotOpenFileCaption);
    return;
  }
  const std::optional<std::string> embedded =
      opened.movie->VideoUserText(kinovex::kEmbeddedDocumentType);
  opened.movie.reset();
  if (embedded && !embedded->empty()) {
    CloseStartupDialog();
    OpenDocument(TdvFileLocation::FromPath(path), *embedded, true);
  }
}

bool TdvVideoMotionWindow::OpenDocument(const TdvFileLocation& where, const std::string& text,
                                        bool fromMovie) {
  TdvFileParser reader(nullptr, movieOpener_.get());
  reader.movieFromOpenedFile = fromMovie;
  documentLoading_ = true;
  TdvDataObjectWindow* document = reader.Parse(where, text);
  documentLoading_ = false;
  return document != nullptr;
}

bool TdvVideoMotionWindow::OpenSavedData() {
  shell::FileDialogSpec request;
  request.title = "Open Saved Data";
  request.filters = {{"KVX Files (*.KVX)", "*.KVX"}, {"All Files (*.*)", "*.*"}};
  request.defaultExtension = "KVX";
  const std::optional<std::string> chosen = Backend().AskOpenFile(request);
  if (!chosen || chosen->empty()) {
    return false;
  }
  return OpenDocument(TdvFileLocation::FromPath(*chosen), "", false);
}
