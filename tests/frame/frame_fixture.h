#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <stdlib.h>

#include "document/data_object_window.h"
#include "frame/video_motion_window.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "shell/document_window.h"
#include "shell/headless_backend.h"
#include "shell/headless_desktop.h"
#include "shell/shell.h"
#include "shell/status_window.h"

// A document window of a chosen kind that records the commands reaching it.
class KindWindow : public TdvDocumentWindow {
 public:
  explicit KindWindow(int kind) : kind_(kind) {}
  bool IsA(int code) const override { return code == kind_ || TdvDocumentWindow::IsA(code); }
  int DoCommand(int id) override {
    commands.push_back(id);
    return handled.count(id) != 0 ? 0 : kTdvNotHandled;
  }

  std::vector<int> commands;
  std::set<int> handled;

 private:
  int kind_;
};

// A headless program around the real frame, with help pages in a scratch
// folder. Every message box or file dialog a test did not script fails it.
class FrameTest : public ::testing::Test {
 protected:
  FrameTest() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kinovex-frame-XXXXXX").string();
    folder = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    std::filesystem::create_directory(HelpFolder());
    for (int topic : {1, 20, 50}) {
      WriteFile(HelpFolder() / ("help_" + std::to_string(topic) + ".html"), "<html></html>");
    }
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<TdvVideoMotionWindow>(&library, &desktop, HelpFolder()));
    frame->OpenWindow();
    TdvDataObjectWindow::liveUpdates = true;
    TdvDataObjectWindow::recalculateOnChange = true;
  }

  ~FrameTest() override {
    EXPECT_TRUE(backend.UnusedScript().empty())
        << "unused script: " << ::testing::PrintToString(backend.UnusedScript());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::filesystem::path HelpFolder() const { return folder / "help"; }
  std::string File(const std::string& name) const { return (folder / name).string(); }

  static void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  KindWindow* OpenKind(int kind, const std::string& title = "Window") {
    auto window = std::make_unique<KindWindow>(kind);
    window->title = title;
    window->rect = {0, 0, 200, 150};
    KindWindow* raw = shell.Keep(std::move(window));
    EXPECT_EQ(raw->OpenWindow(), 1);
    return raw;
  }

  // The text of a saved document whose movie is `moviePath` (any file: the
  // frame's tests open documents without movie windows).
  std::string DocumentText(const std::string& moviePath) {
    TdvDataObjectWindow* document = frame->NewDocumentWindow();
    document->hasMovie = true;
    document->moviePath = moviePath;
    document->movieName = std::filesystem::path(moviePath).filename().string();
    std::string text;
    document->WriteDocument(text);
    document->modified = false;
    document->CloseWindow();
    backend.RunPosted();
    return text;
  }

  std::vector<TdvDocumentWindow*> Documents() const {
    std::vector<TdvDocumentWindow*> found;
    for (TdvDocumentWindow* window : frame->docWindows) {
      if (window->IsA(kDataObjectWindowKind)) {
        found.push_back(window);
      }
    }
    return found;
  }

  std::filesystem::path folder;
  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  shell::HeadlessDesktop desktop{backend};
  kinovex::TdvFfmpegVideoLibrary library;
  TdvVideoMotionWindow* frame = nullptr;
};
