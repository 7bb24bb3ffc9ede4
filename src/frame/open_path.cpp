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
  OpenMoviePath(path);
}

// A movie may carry a whole document in its user data; it then opens as
// that document, with the movie file standing for the document's file.
void TdvVideoMotionWindow::OpenMoviePath(const std::string& path) {
  OpenToolBar();
  std::optional<TdvChosenMovie> opened = OpenMovieFile(path);
  if (!opened) {
    return;
  }
  const std::optional<std::string> embedded =
      opened->movie->VideoUserText(kinovex::kEmbeddedDocumentType);
  if (embedded && !embedded->empty()) {
    opened->movie.reset();
    CloseStartupDialog();
    OpenDocument(TdvFileLocation::FromPath(path), *embedded, true);
    return;
  }
  OpenMovieSetup(std::move(*opened), nullptr);
}

std::optional<TdvChosenMovie> TdvVideoMotionWindow::OpenMovieFile(const std::string& path) {
  kinovex::TdvVideoOpenResult opened;
  if (videoLibrary_ != nullptr) {
    opened = videoLibrary_->VideoOpen(path, {});
  }
  if (!opened.movie) {
    Inform(kinovex::kCannotOpenFileMessage, kinovex::kCannotOpenFileCaption);
    return std::nullopt;
  }
  return TdvChosenMovie{std::move(opened.movie), path};
}

std::optional<TdvChosenMovie> TdvVideoMotionWindow::ChooseMovie() {
  shell::FileDialogSpec request;
  request.title = "Please Locate a Movie";
  request.filters = {{"Movies (*.mp4 *.mov *.avi *.mkv *.m4v *.mpg *.wmv)",
                      "*.mp4;*.mov;*.avi;*.mkv;*.m4v;*.mpg;*.wmv"},
                     {"All Files (*.*)", "*.*"}};
  const std::optional<std::string> chosen = TdvShell::Get().AskOpenFile(request);
  if (!chosen || chosen->empty()) {
    return std::nullopt;
  }
  return OpenMovieFile(*chosen);
}

bool TdvVideoMotionWindow::OpenDocument(const TdvFileLocation& where, const std::string& text,
                                        bool fromMovie) {
  TdvFileParser reader(nullptr, movieOpener_.get());
  reader.movieFromOpenedFile = fromMovie;
  documentLoading_ = true;
  TdvDataObjectWindow* document = reader.Parse(where, text);
  // Graphs read from the file open in windows of their own, kept on the
  // frame as the document's other windows are.
  if (document != nullptr) {
    document->OpenKeptGraphs();
  }
  documentLoading_ = false;
  // A table read from the file and kept without a window opens in one.
  if (document != nullptr && document->TableWindow() != nullptr &&
      document->TableWindow()->KeptRect()) {
    document->ShowTableWindow();
  }
  return document != nullptr;
}

bool TdvVideoMotionWindow::OpenSavedData() {
  shell::FileDialogSpec request;
  request.title = "Open Saved Data";
  request.filters = {{"KVX Files (*.KVX)", "*.KVX"}, {"All Files (*.*)", "*.*"}};
  request.defaultExtension = "KVX";
  const std::optional<std::string> chosen = TdvShell::Get().AskOpenFile(request);
  if (!chosen || chosen->empty()) {
    return false;
  }
  return OpenDocument(TdvFileLocation::FromPath(*chosen), "", false);
}
