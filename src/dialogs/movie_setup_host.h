#pragma once

#include <memory>
#include <optional>
#include <string>

#include "movie/video_movie.h"

class TdvDataObjectWindow;

// A movie the user has chosen and the program could open.
struct TdvChosenMovie {
  std::unique_ptr<kinovex::TdvVideoMovie> movie;
  std::string path;
};

// What the movie set-up asks of the program around it (the frame).
class TdvMovieSetupHost {
 public:
  virtual ~TdvMovieSetupHost() = default;

  // Opens the movie at `path`; none when it is no movie (the user has
  // been told).
  virtual std::optional<TdvChosenMovie> OpenMovieFile(const std::string& path) = 0;
  // Runs the Number of Points dialog for the movie as the current start-up
  // dialog, filling `document` (none: a new one).
  virtual void OpenMovieSetup(TdvChosenMovie chosen, TdvDataObjectWindow* document) = 0;
  // A new, open coordinate-systems document; none when it could not be made.
  virtual TdvDataObjectWindow* NewDocumentWindow() = 0;
  // Opens the movie into the document and shows it; false when it could
  // not be opened (the user has been told).
  virtual bool AttachMovie(TdvDataObjectWindow& document, const std::string& path) = 0;
};
