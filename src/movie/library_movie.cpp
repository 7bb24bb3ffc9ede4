#include "movie/library_movie.h"

#include <utility>

#include "document/data_object_window.h"

namespace kinovex {

TdvLibraryMovie::TdvLibraryMovie(std::unique_ptr<TdvVideoMovie> movie) : movie_(std::move(movie)) {
  const TdvVideoMovieInfo& info = movie_->Info();
  movie_->VideoSetBox({0, 0, info.naturalWidth, info.naturalHeight});
}

std::optional<std::string> MovieOpenFailureText(const TdvVideoOpenResult& result) {
  switch (result.error) {
    case TdvVideoOpenError::kCancelled:
      return std::nullopt;
    case TdvVideoOpenError::kTimesTooLarge:
      // A movie too long for the frame keys is a movie all the same: saying
      // that the type of file is wrong would mislead.
      return result.detail;
    default:
      return kCannotOpenFileMessage;
  }
}

bool TdvLibraryMovieOpener::OpenMovie(TdvDataObjectWindow& document, const std::string& path) {
  TdvVideoOpenResult opened = library_.VideoOpen(path, nullptr);
  if (!opened.movie) {
    if (std::optional<std::string> text = MovieOpenFailureText(opened)) {
      document.InformationBox(*text, kCannotOpenFileCaption);
    }
    return false;
  }
  auto movie = std::make_unique<TdvLibraryMovie>(std::move(opened.movie));
  const TdvVideoMovieInfo& info = movie->Video().Info();
  // The movie's own frames are the keys of the document's data from now on.
  document.SetTimeBase(info.timeScale, info.frameTimes);
  document.AttachMovie(movie.get());
  movies_.push_back(std::move(movie));
  return true;
}

}  // namespace kinovex
