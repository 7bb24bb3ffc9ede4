#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "shell/app_window.h"
#include "shell/dialog.h"
#include "shell/document_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

// A frame that remembers what it was asked to open.
class TestFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string& path) override { openedPaths.push_back(path); }
  void OpenHelpTopic(int topic) override { helpTopics.push_back(topic); }
  int DoCommand(int id) override {
    commands.push_back(id);
    return TdvAppWindow::DoCommand(id);
  }

  std::vector<int> commands;
  std::vector<std::string> openedPaths;
  std::vector<int> helpTopics;
};

// One call of a window operation, as a test window saw it.
struct SeenCall {
  std::string operation;
  int a = 0;
  int b = 0;
  int c = 0;
  bool operator==(const SeenCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const SeenCall& call) {
  return out << call.operation << "(" << call.a << ", " << call.b << ", " << call.c << ")";
}

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

// A window that records the operations the framework calls and can refuse
// to close.
template <typename Base>
class Recording : public Base {
 public:
  int DoMouseDown(int x, int y, int modifiers) override {
    calls.push_back({"DoMouseDown", x, y, modifiers});
    return Base::DoMouseDown(x, y, modifiers);
  }
  int DoMouseUp(int x, int y, int modifiers) override {
    calls.push_back({"DoMouseUp", x, y, modifiers});
    return Base::DoMouseUp(x, y, modifiers);
  }
  int DoMouseMove(int x, int y, int modifiers) override {
    calls.push_back({"DoMouseMove", x, y, modifiers});
    return Base::DoMouseMove(x, y, modifiers);
  }
  int DoDoubleClick(int x, int y, int modifiers) override {
    calls.push_back({"DoDoubleClick", x, y, modifiers});
    return Base::DoDoubleClick(x, y, modifiers);
  }
  int DoKeyDown(int character, int modifiers) override {
    calls.push_back({"DoKeyDown", character, modifiers, 0});
    return Base::DoKeyDown(character, modifiers);
  }
  int DoCommand(int id) override {
    calls.push_back({"DoCommand", id, 0, 0});
    return handledCommands.count(id) != 0 ? 0 : kTdvNotHandled;
  }
  int DoControlCommand(int id) override {
    calls.push_back({"DoControlCommand", id, 0, 0});
    return 0;
  }
  int DoButtonClick(int id, shell::Point point) override {
    calls.push_back({"DoButtonClick", id, point.x, point.y});
    return 0;
  }
  int DoPopupSelect(int id, int selection) override {
    calls.push_back({"DoPopupSelect", id, selection, 0});
    return 0;
  }
  int DoScroll(int id, int code, int position) override {
    calls.push_back({"DoScroll", id, code, position});
    return 0;
  }
  int DoCheckBox(int id) override {
    int state = Base::DoCheckBox(id);
    calls.push_back({"DoCheckBox", id, state, 0});
    return state;
  }
  void DoEditNotify(int id) override { calls.push_back({"DoEditNotify", id, 0, 0}); }
  int DoClose() override {
    calls.push_back({"DoClose", 0, 0, 0});
    return closeAnswer;
  }
  int DoDestroy() override {
    calls.push_back({"DoDestroy", 0, 0, 0});
    if (destroyed != nullptr) {
      *destroyed = true;
    }
    return Base::DoDestroy();
  }
  void WinDraw(const std::optional<shell::Rect>& area) override {
    ++draws;
    if (draw) {
      draw(*this);
    }
    Base::WinDraw(area);
  }
  void DrawControl(int id) override {
    calls.push_back({"DrawControl", id, this->drawMode, 0});
    Base::DrawControl(id);
  }

  void OnMessageDone(int code) override { calls.push_back({"OnMessageDone", code, 0, 0}); }
  void OnMessageClosed() override { calls.push_back({"OnMessageClosed", 0, 0, 0}); }
  void OnMessageClick(int x, int y, int modifiers, int code) override {
    calls.push_back({"OnMessageClick", x, y, code});
    (void)modifiers;
  }

  std::vector<SeenCall> calls;
  std::set<int> handledCommands;
  int closeAnswer = kTdvNotHandled;
  bool* destroyed = nullptr;
  int draws = 0;
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
