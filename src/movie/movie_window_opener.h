#pragma once

#include <string>

#include "document/movie_opener.h"
#include "movie/video_library.h"
#include "shell/gfx_types.h"

namespace kinovex {

// Opens a document's movie in a new movie window, an MDI child of the
// frame at `windowRect`. The shell owns the window; the document closes it.
class TdvMovieWindowOpener : public TdvMovieOpener {
 public:
  TdvMovieWindowOpener(TdvVideoLibrary& library, const shell::Rect& windowRect)
      : library_(library), windowRect_(windowRect) {}

  bool OpenMovie(TdvDataObjectWindow& document, const std::string& path) override;

 private:
  TdvVideoLibrary& library_;
  shell::Rect windowRect_;
};

}  // namespace kinovex
