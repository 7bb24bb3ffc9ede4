#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/data_object_window.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

// The frame of a headless program run by a benchmark: it opens nothing.
class BenchFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

// A headless program's open frame of 1600 by 1200 pixels and in it an open
// document of `frames` frames `step` apart, in 1/600 s.
inline TdvDataObjectWindow* OpenBenchDocument(TdvShell& shell, shell::HeadlessBackend& backend,
                                              int frames, int step) {
  TdvAppWindow* frame = shell.Keep(std::make_unique<BenchFrame>());
  frame->OpenWindow();
  backend.Resize(frame->hwnd, {1600, 1200});
  auto* document = shell.Keep(std::make_unique<TdvDataObjectWindow>());
  document->OpenWindow();
  std::vector<std::int32_t> times;
  for (int i = 0; i < frames; ++i) {
    times.push_back(i * step);
  }
  document->SetTimeBase(600, times);
  return document;
}
