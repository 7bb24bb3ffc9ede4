#pragma once

#include <string>

#include "shell/app_window.h"

// The frame of a headless program run by a benchmark: it opens nothing.
class BenchFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};
