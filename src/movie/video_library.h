#pragma once

#include <memory>
#include <string>

#include "movie/video_movie.h"
#include "movie/video_types.h"

namespace kinovex {

// Why a file could not be opened as a movie. The program shows its own
// message for all of them; `detail` says which case it was.
enum class TdvVideoOpenError {
  kNone,
  kCannotRead,     // missing or unreadable file
  kNotAMovie,      // not a movie format, or no decodable video stream
  kTimesTooLarge,  // frame times do not fit the 32-bit frame keys
  kCancelled,      // the progress callback asked to stop
};

struct TdvVideoOpenResult {
  std::unique_ptr<TdvVideoMovie> movie;
  TdvVideoOpenError error = TdvVideoOpenError::kNone;
  std::string detail;
};

// The program's message when a file cannot be opened as a movie.
inline constexpr const char* kCannotOpenFileMessage = "Kinovex Cannot Open this Type of File";
inline constexpr const char* kCannotOpenFileCaption = "File Open Error";

class TdvVideoLibrary {
 public:
  virtual ~TdvVideoLibrary() = default;

  // Opens the movie at `path`. A long movie reports its progress through
  // `progress` (which may be empty).
  virtual TdvVideoOpenResult VideoOpen(const std::string& path,
                                       const TdvVideoProgress& progress) = 0;
};

}  // namespace kinovex
