#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/app_window.h"
#include "shell/dialog.h"
#include "shell/document_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

// A frame that opens nothing.
class TestFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

// A plain window inside the frame (document windows keep the focus to
// themselves, so control tests use this one).
class ChildWindow : public TdvWindow {
 public:
  int OpenWindow() override {
    TdvAppWindow* frame = TdvShell::Get().Frame();
    shell::ChildSpec request{title, rect};
    return CreateThroughBackend([&] { return Backend().CreateChild(frame->hwnd, request); }) !=
                   shell::kNoWindow
               ? 1
               : 0;
  }
};

// A window that reports its end and draws what the test asks.
template <typename Base>
class Recording : public Base {
 public:
  int DoDestroy() override {
    if (destroyed != nullptr) {
      *destroyed = true;
    }
    return Base::DoDestroy();
  }
  void WinDraw(const std::optional<shell::Rect>& area) override {
    if (draw) {
      draw(*this);
    }
    Base::WinDraw(area);
  }

  bool* destroyed = nullptr;
  std::function<void(TdvWindow&)> draw;
};

using RecordingWindow = Recording<TdvDocumentWindow>;
using RecordingChild = Recording<ChildWindow>;

// A headless program: the backend, the shell and an open frame. Every
// message box, dialog or printer request the test did not script fails the
// test.
class ShellTest : public ::testing::Test {
 protected:
  ShellTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<TestFrame>());
    frame->title = "Kinovex 2.1.2";
    frame->OpenWindow();
  }

  ~ShellTest() override {
    EXPECT_TRUE(backend.UnusedScript().empty())
        << "unused script: " << ::testing::PrintToString(backend.UnusedScript());
  }

  // An open document window of the frame, owned by the shell.
  RecordingWindow* OpenDocument(const std::string& title = "Doc",
                                shell::Rect rect = {0, 0, 202, 120}) {
    auto window = std::make_unique<RecordingWindow>();
    window->title = title;
    window->rect = rect;
    RecordingWindow* raw = shell.Keep(std::move(window));
    EXPECT_EQ(raw->OpenWindow(), 1);
    return raw;
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  TestFrame* frame = nullptr;
};
