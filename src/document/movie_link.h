#pragma once

#include <optional>

#include "foundation/geometry.h"

// The movie of a document as the document sees it: shown in a movie
// window, or opened without one.
class TdvMovieLink {
 public:
  virtual ~TdvMovieLink() = default;

  // Height of the movie's own picture, in pixels.
  virtual int NaturalHeight() const = 0;
  virtual void RedrawMovie() = 0;
  // The movie window's rectangle, as documents save it; none for a movie
  // shown in no window.
  virtual std::optional<TdvRect> WindowRect() const = 0;
  // Moves and sizes the movie window to `place` (in the frame's client
  // area); a movie shown in no window has nothing to place.
  virtual void PlaceWindow(const TdvRect&) {}
};
