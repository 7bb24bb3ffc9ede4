#pragma once

#include <string>
#include <vector>

#include "graph/fit_owner.h"

// Records every information box instead of showing it.
class FakeFitOwner : public TdvFitOwner {
 public:
  struct Box {
    std::string text;
    std::string caption;
  };

  void ShowInformation(const std::string& text, const std::string& caption) override {
    boxes.push_back({text, caption});
  }

  std::vector<Box> boxes;
};
