#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/movie_link.h"
#include "document/movie_opener.h"
#include "movie/tracking_frame.h"
#include "movie/video_library.h"

namespace kinovex {

// The program's message for a movie that did not open; none when opening
// was cancelled (the user knows).
std::optional<std::string> MovieOpenFailureText(const TdvVideoOpenResult& result);

// A document's movie opened through the video library with no window to
// show it in: enough for the document to place and time its data.
class TdvLibraryMovie : public TdvMovieLink {
 public:
  explicit TdvLibraryMovie(std::unique_ptr<TdvVideoMovie> movie);

  int NaturalHeight() const override { return movie_->Info().naturalHeight; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return std::nullopt; }

  bool TrackingFrame(std::int32_t time, TrackingPicture& picture) override {
    return TrackingFrameOf(*movie_, time, image_, picture);
  }

  TdvVideoMovie& Video() const { return *movie_; }

 private:
  std::unique_ptr<TdvVideoMovie> movie_;
  TdvVideoImage image_;  // the frame the tracker reads
};

// Opens the movies of documents that have no movie window. It owns every
// movie it opened, so it must outlive the documents it served.
class TdvLibraryMovieOpener : public TdvMovieOpener {
 public:
  explicit TdvLibraryMovieOpener(TdvVideoLibrary& library) : library_(library) {}

  bool OpenMovie(TdvDataObjectWindow& document, const std::string& path) override;

 private:
  TdvVideoLibrary& library_;
  std::vector<std::unique_ptr<TdvLibraryMovie>> movies_;
};

}  // namespace kinovex
