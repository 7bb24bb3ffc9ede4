#include "movie/movie_window_opener.h"

#include <memory>
#include <optional>
#include <utility>

#include "document/data_object_window.h"
#include "movie/library_movie.h"
#include "movie/movie_window.h"
#include "shell/shell.h"

namespace kinovex {

bool TdvMovieWindowOpener::OpenMovie(TdvDataObjectWindow& document, const std::string& path) {
  TdvVideoOpenResult opened = library_.VideoOpen(path, nullptr);
  if (!opened.movie) {
    if (std::optional<std::string> text = MovieOpenFailureText(opened)) {
      document.InformationBox(*text, kCannotOpenFileCaption);
    }
    return false;
  }
  const TdvVideoMovieInfo info = opened.movie->Info();
  auto* window = TdvShell::Get().Keep(std::make_unique<TdvMoovWindow>());
  window->rect = windowRect_;
  if (window->OpenWindow() == 0) {
    return false;
  }
  window->SetDocument(&document);
  window->SetMovieFile(TdvFileLocation::FromPath(path));
  window->MoovSetMoov(std::move(opened.movie));
  // The movie's own frames are the keys of the document's data from now on.
  document.SetTimeBase(info.timeScale, info.frameTimes);
  document.AttachMovie(window);
  return true;
}

}  // namespace kinovex
