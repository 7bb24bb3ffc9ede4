#pragma once

#include <string>

// What a curve fit needs from the graph that owns it.
class TdvFitOwner {
 public:
  TdvFitOwner() = default;
  TdvFitOwner(const TdvFitOwner&) = delete;
  TdvFitOwner& operator=(const TdvFitOwner&) = delete;
  virtual ~TdvFitOwner() = default;

  // An information box (OK only) with a text and a caption.
  virtual void ShowInformation(const std::string& text, const std::string& caption) = 0;
};
