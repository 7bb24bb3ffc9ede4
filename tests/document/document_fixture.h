#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "document/data_object_window.h"
#include "document/movie_link.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

class DocumentTestFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

// A movie window that only knows its picture's height.
class FakeMovie : public TdvMovieLink {
 public:
  explicit FakeMovie(int height) : height(height) {}
  int NaturalHeight() const override { return height; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return TdvRect{5, 6, 325, 246}; }

  int height;
};

// A movie window that notes which times it was asked to show.
class ShowingMovie : public FakeMovie {
 public:
  ShowingMovie() : FakeMovie(240) {}
  void GoToTime(std::int32_t time) override { shownTimes.push_back(time); }

  std::vector<std::int32_t> shownTimes;
};

// A headless program with an open frame. Every message box or file dialog
// a test did not script fails it.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<DocumentTestFrame>());
    frame->title = "Kinovex";
    frame->OpenWindow();
    TdvDataObjectWindow::liveUpdates = true;
    TdvDataObjectWindow::recalculateOnChange = true;
  }

  ~DocumentTest() override {
    EXPECT_TRUE(backend.UnusedScript().empty())
        << "unused script: " << ::testing::PrintToString(backend.UnusedScript());
    std::error_code ignored;
    if (!folder.empty()) {
      std::filesystem::remove_all(folder, ignored);
    }
  }

  // The frame keys of a movie of `frames` frames `step` units apart.
  static std::vector<std::int32_t> EvenFrameKeys(int frames, std::int32_t step) {
    std::vector<std::int32_t> keys;
    for (int i = 0; i < frames; ++i) {
      keys.push_back(i * step);
    }
    return keys;
  }

  // A new document as New Startup makes it: open, with "Origin 1".
  TdvDataObjectWindow* NewDocument() {
    TdvDataObjectWindow* doc = shell.Keep(std::make_unique<TdvDataObjectWindow>());
    EXPECT_EQ(doc->OpenWindow(), 1);
    return doc;
  }

  // A plain point of doc with the given name and sample type.
  TdvDataPoint* AddPoint(TdvDataObjectWindow& doc, const std::string& name,
                         int sampleType = kFrameByFrame) {
    std::int32_t id = doc.ObjectNewObject(kItemPoint, name);
    auto* point = static_cast<TdvDataPoint*>(doc.GetItem(id));
    point->SetSampleType(sampleType);
    return point;
  }

  // A scratch folder removed after the test.
  std::string Folder() {
    if (folder.empty()) {
      folder = std::filesystem::temp_directory_path() /
               ("kinovex-doc-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
      std::filesystem::create_directories(folder);
    }
    return folder.string();
  }

  std::string Path(const std::string& name) { return Folder() + "/" + name; }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
  }

  std::vector<std::string> Names(TdvDataObjectWindow& doc, const std::vector<std::int32_t>& ids) {
    std::vector<std::string> names;
    for (std::int32_t id : ids) {
      TdvDataObject* item = doc.GetItem(id);
      names.push_back(item != nullptr ? item->GetName() : "?");
    }
    return names;
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  DocumentTestFrame* frame = nullptr;
  std::filesystem::path folder;
};
