#pragma once

#include <string>

class TdvDataObjectWindow;

// Opens the movie a document has found. The desktop program shows it in a
// movie window; a program without windows opens it through the video
// library alone. Either way the document ends with a movie link and the
// movie's time base (its time scale and the start time of every frame).
class TdvMovieOpener {
 public:
  virtual ~TdvMovieOpener() = default;

  // False when the file is no movie the program can use; the user has been
  // told why and the document is left as it was.
  virtual bool OpenMovie(TdvDataObjectWindow& document, const std::string& path) = 0;
};
