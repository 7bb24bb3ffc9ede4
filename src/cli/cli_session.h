#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_backend.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/library_movie.h"
#include "shell/shell.h"

class TdvDataObjectWindow;

namespace kinovex::cli {

// The program without a display: the backend that turns messages into
// error lines, the shell, the video library, and the opener that gives
// documents their movies without movie windows.
class CliSession {
 public:
  explicit CliSession(std::ostream& errors);

  // The movie at path, or nullptr after the program's message.
  std::unique_ptr<TdvVideoMovie> OpenMovie(const std::string& path);

  // Reads a saved document as the program does, its movie looked for in
  // the same way; `movie` is the file chosen when the program asks for it.
  // nullptr when no document could be made (the messages say why).
  TdvDataObjectWindow* OpenDocument(const std::string& path,
                                    const std::optional<std::string>& movie);

  // A message as the program shows it.
  void Tell(const std::string& text, const std::string& caption);

 private:
  std::ostream& errors_;
  CliBackend backend_;
  TdvFfmpegVideoLibrary library_;
  // Documents point at the movies the opener owns: the shell, which owns
  // the documents, goes first.
  TdvLibraryMovieOpener movies_{library_};
  TdvShell shell_{backend_};
};

// Saves the document under `path` (made absolute), as Save As does; false
// after the program's message.
bool SaveDocumentAs(TdvDataObjectWindow& document, const std::string& path);

}  // namespace kinovex::cli
