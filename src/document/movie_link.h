#pragma once

#include "foundation/geometry.h"

// The movie window as its document sees it.
class TdvMovieLink {
 public:
  virtual ~TdvMovieLink() = default;

  // Height of the movie's own picture, in pixels.
  virtual int NaturalHeight() const = 0;
  virtual void RedrawMovie() = 0;
  // The movie window's rectangle, as documents save it.
  virtual TdvRect WindowRect() const = 0;
};
