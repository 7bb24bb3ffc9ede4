#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace {

using shell::Key;
using shell::Modifiers;

// ---------------------------------------------------------------- creation

class CreationTest : public ShellTest {};

TEST_F(CreationTest, ASecondOpenWhileACreationIsPendingIsRefused) {
  RecordingWindow first;
  first.title = "First";
  shell.BeginCreation(&first);

  auto second = std::make_unique<RecordingWindow>();
  backend.ExpectMessage("TdvDocumentWindow::OpenWindow, window already being created",
                        shell::MessageAnswer::kOk, "fatal");
  EXPECT_EQ(second->OpenWindow(), 0);
  EXPECT_EQ(second->hwnd, shell::kNoWindow);
  EXPECT_EQ(shell.PendingWindow(), &first);

  // The first creation goes on: its first event attaches it.
  shell::WindowHandle handle = backend.CreateChild(frame->hwnd, {"First", {0, 0, 10, 10}});
  EXPECT_EQ(first.hwnd, handle);
  EXPECT_FALSE(shell.CreationPending());
}

// ---------------------------------------------------------------- closing

class CloseTest : public ShellTest {};

TEST_F(CloseTest, AWindowThatAllowsClosingIsDestroyedAndFreedAfterTheEvent) {
  RecordingWindow* window = OpenDocument();
  bool destroyed = false;
  window->destroyed = &destroyed;
  const shell::WindowHandle handle = window->hwnd;
  backend.Command(frame->hwnd, 154);
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(backend.Exists(handle));
  EXPECT_EQ(shell.Find(handle), nullptr);
  EXPECT_TRUE(frame->docWindows.empty());
  EXPECT_EQ(frame->activeDocument, nullptr);
  backend.RunPosted();  // frees the object; the sanitizer build checks it
}

TEST_F(CloseTest, AWindowObjectDeletedBeforeItsWindowTakesTheWindowWithIt) {
  shell::WindowHandle handle;
  {
    RecordingWindow window;
    window.title = "Short-lived";
    window.rect = {0, 0, 50, 50};
    ASSERT_EQ(window.OpenWindow(), 1);
    handle = window.hwnd;
  }
  EXPECT_FALSE(backend.Exists(handle));
  EXPECT_TRUE(frame->docWindows.empty());
}

}  // namespace
