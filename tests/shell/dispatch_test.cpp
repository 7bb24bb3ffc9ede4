#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace {

using shell::Key;
using shell::Modifiers;

class DispatchTest : public ShellTest {};

TEST_F(DispatchTest, MouseEventsCarryTheModifierWord) {
  RecordingWindow* window = OpenDocument();
  window->calls.clear();
  backend.MouseDown(window->hwnd, {5, 7});
  backend.MouseDown(window->hwnd, {5, 7}, Modifiers{.rightButton = true});
  backend.MouseDown(window->hwnd, {5, 7}, Modifiers{.control = true});
  backend.MouseUp(window->hwnd, {6, 8}, Modifiers{.shift = true});
  backend.MouseMove(window->hwnd, {9, 1}, Modifiers{.control = true, .shift = true});
  backend.DoubleClick(window->hwnd, {2, 3}, Modifiers{.shift = true, .rightButton = true});

  std::vector<SeenCall> expected = {
      {"DoMouseDown", 5, 7, 0},    {"DoMouseDown", 5, 7, 0x0800}, {"DoMouseDown", 5, 7, 0x1100},
      {"DoMouseUp", 6, 8, 0x0200}, {"DoMouseMove", 9, 1, 0x1300}, {"DoDoubleClick", 2, 3, 0x0A00},
  };
  EXPECT_EQ(window->calls, expected);
}

TEST_F(DispatchTest, MouseOperationsKeepPositionsAndButtonState) {
  RecordingWindow* window = OpenDocument();
  backend.MouseDown(window->hwnd, {10, 20});
  EXPECT_EQ(window->mouseDown, 1);
  EXPECT_EQ(window->mouseDownPos, (shell::Point{10, 20}));
  backend.MouseMove(window->hwnd, {11, 21});
  EXPECT_EQ(window->mousePos, (shell::Point{11, 21}));
  EXPECT_EQ(window->mouseDownPos, (shell::Point{10, 20}));
  backend.MouseUp(window->hwnd, {12, 22});
  EXPECT_EQ(window->mouseDown, 0);
  backend.DoubleClick(window->hwnd, {30, 40});
  EXPECT_EQ(window->mouseDown, 0);
  EXPECT_EQ(window->mouseDownPos, (shell::Point{30, 40}));
}

TEST_F(DispatchTest, OnlyTabArrowsAndDeleteReachDoKeyDown) {
  RecordingWindow* window = OpenDocument();
  window->calls.clear();
  for (Key key : {Key::kOther, Key::kReturn, Key::kEscape, Key::kBackspace}) {
    backend.PressKey(window->hwnd, key);
  }
  EXPECT_TRUE(window->calls.empty());

  backend.PressKey(window->hwnd, Key::kTab);
  backend.PressKey(window->hwnd, Key::kLeft, Modifiers{.control = true});
  backend.PressKey(window->hwnd, Key::kRight);
  backend.PressKey(window->hwnd, Key::kUp, Modifiers{.shift = true});
  backend.PressKey(window->hwnd, Key::kDown);
  backend.PressKey(window->hwnd, Key::kDelete);
  std::vector<SeenCall> expected = {
      {"DoKeyDown", 9, 0, 0},         {"DoKeyDown", 0x1C, 0x1100, 0}, {"DoKeyDown", 0x1D, 0, 0},
      {"DoKeyDown", 0x1E, 0x0200, 0}, {"DoKeyDown", 0x1F, 0, 0},      {"DoKeyDown", 8, 0, 0},
  };
  EXPECT_EQ(window->calls, expected);
}

TEST_F(DispatchTest, KeysNeverCarryTheRightButtonBit) {
  RecordingWindow* window = OpenDocument();
  window->calls.clear();
  backend.PressKey(window->hwnd, Key::kTab, Modifiers{.rightButton = true});
  ASSERT_EQ(window->calls.size(), 1u);
  EXPECT_EQ(window->calls[0].b, 0);
}

TEST_F(DispatchTest, MenuCommandsReachTheActiveDocumentThroughTheFrame) {
  RecordingWindow* first = OpenDocument("First");
  RecordingWindow* second = OpenDocument("Second");
  second->handledCommands = {451};
  first->calls.clear();
  second->calls.clear();

  backend.Command(frame->hwnd, 451);
  backend.Command(frame->hwnd, 999);
  EXPECT_EQ(second->Operations(), (std::vector<std::string>{"DoCommand", "DoCommand"}));
  EXPECT_TRUE(first->calls.empty());
  EXPECT_EQ(frame->ForwardCommand(451), 0);
  EXPECT_EQ(frame->ForwardCommand(999), kTdvNotHandled);
}

TEST_F(DispatchTest, ForwardingWithoutADocumentIsNotHandled) {
  EXPECT_EQ(frame->ForwardCommand(451), kTdvNotHandled);
}

TEST_F(DispatchTest, ButtonsAreRoutedByControlKind) {
  auto window2 = std::make_unique<RecordingWindow>();
  window2->AddControl(1, 10, "OK", {0, 0, 40, 20}, 1, 0, 0);
  window2->AddControl(10, 11, "", {0, 20, 20, 40}, 1, 0, 0);
  window2->AddControl(11, 12, "Check", {0, 40, 60, 60}, 1, 0, 0);
  RecordingWindow* w = shell.Keep(std::move(window2));
  ASSERT_EQ(w->OpenWindow(), 1);
  w->calls.clear();

  backend.PressButton(w->hwnd, 10);
  backend.PressButton(w->hwnd, 11, {3, 4});
  backend.PressButton(w->hwnd, 12);
  backend.PressButton(w->hwnd, 12);
  std::vector<SeenCall> expected = {
      {"DoControlCommand", 10, 0, 0},
      {"DoButtonClick", 11, 3, 4},
      {"DoCheckBox", 12, 1, 0},
      {"DoCheckBox", 12, 0, 0},
  };
  EXPECT_EQ(w->calls, expected);
}

TEST_F(DispatchTest, ScrollCodesOutsideTheKnownFiveAreIgnored) {
  RecordingWindow* window = OpenDocument();
  window->calls.clear();
  backend.Scroll(window->hwnd, 0, shell::kScrollPageDown, 7);
  backend.Scroll(window->hwnd, 0, 8, 7);
  backend.Scroll(window->hwnd, 0, -1, 7);
  EXPECT_EQ(window->calls, (std::vector<SeenCall>{{"DoScroll", 0, 3, 7}}));
}

TEST_F(DispatchTest, LineAndPageScrollsReportWhereTheBarStands) {
  auto owner = std::make_unique<RecordingWindow>();
  owner->AddControl(2, 30, "", {0, 0, 16, 100}, 1, 0, 0);
  RecordingWindow* window = shell.Keep(std::move(owner));
  ASSERT_EQ(window->OpenWindow(), 1);
  window->SetScrollRange(30, 0, 50);
  window->SetScrollPosition(30, 12);
  window->calls.clear();
  backend.Scroll(window->hwnd, 30, shell::kScrollLineDown, 99);
  backend.Scroll(window->hwnd, 30, shell::kScrollThumb, 40);
  EXPECT_EQ(window->calls,
            (std::vector<SeenCall>{{"DoScroll", 30, 2, 12}, {"DoScroll", 30, 4, 40}}));
  EXPECT_EQ(window->GetScrollRange(30), (std::pair<int, int>{0, 50}));
}

TEST_F(DispatchTest, ContextHelpFromAnyWindowGoesToTheFrame) {
  RecordingWindow* window = OpenDocument();
  window->calls.clear();
  backend.Command(window->hwnd, 752);
  EXPECT_EQ(frame->commands, (std::vector<int>{752}));
}

// A window that hands mouse events to something else first, as the movie
// window does with its movie controller.
class FilteringWindow : public RecordingWindow {
 public:
  bool FilterEvent(const shell::Event& event) override {
    return swallowEverything || event.kind == shell::EventKind::kMouseDown;
  }
  bool swallowEverything = false;
};

TEST_F(DispatchTest, AFilterTakesEventsBeforeTheWindowButNeverItsDestruction) {
  FilteringWindow* window = shell.Keep(std::make_unique<FilteringWindow>());
  window->rect = {0, 0, 100, 100};
  ASSERT_EQ(window->OpenWindow(), 1);
  window->calls.clear();
  backend.Click(window->hwnd, {1, 1});
  EXPECT_EQ(window->Operations(), (std::vector<std::string>{"DoMouseUp"}));
  window->swallowEverything = true;
  const shell::WindowHandle handle = window->hwnd;
  backend.DestroyWindow(handle);
  EXPECT_EQ(shell.Find(handle), nullptr);
  EXPECT_TRUE(frame->docWindows.empty());
  backend.RunPosted();
}

class HelpTrackingWindow : public RecordingChild {
 public:
  void ShowControlHelp(int id, int x, int y) override {
    calls.push_back({"ShowControlHelp", id, x, y});
  }
  void ShowAreaHelp(int x, int y) override { calls.push_back({"ShowAreaHelp", x, y, 0}); }
};

TEST_F(DispatchTest, ContextHelpTracksTheControlUnderTheMouseOnlyWhileOn) {
  auto made = std::make_unique<HelpTrackingWindow>();
  made->rect = {0, 0, 200, 100};
  made->AddControl(1, 50, "Next", {5, 3, 27, 25}, 1, 0, 0);
  HelpTrackingWindow* window = shell.Keep(std::move(made));
  ASSERT_EQ(window->OpenWindow(), 1);
  backend.MouseMove(window->hwnd, {10, 10});
  EXPECT_EQ(window->Operations(), (std::vector<std::string>{"DoMouseMove"}));

  shell.SetContextHelp(true);
  window->calls.clear();
  backend.MouseMove(window->hwnd, {10, 10});
  backend.MouseMove(window->hwnd, {100, 50});
  EXPECT_EQ(window->calls, (std::vector<SeenCall>{{"DoMouseMove", 10, 10, 0},
                                                  {"ShowControlHelp", 50, 10, 10},
                                                  {"DoMouseMove", 100, 50, 0},
                                                  {"ShowAreaHelp", 100, 50, 0}}));
}

TEST_F(DispatchTest, DroppedFilesOpenThroughTheFrameInOrder) {
  RecordingWindow* window = OpenDocument();
  backend.DropFiles(window->hwnd, {"a.KVX", std::string(300, 'x')});
  ASSERT_EQ(frame->openedPaths.size(), 2u);
  EXPECT_EQ(frame->openedPaths[0], "a.KVX");
  EXPECT_EQ(frame->openedPaths[1], std::string(300, 'x'));
}

TEST_F(DispatchTest, SizeEventsUpdateTheClientSize) {
  RecordingWindow* window = OpenDocument();
  EXPECT_EQ(window->clientSize, (shell::Size{200, 100}));
  backend.Resize(window->hwnd, {150, 90});
  EXPECT_EQ(window->clientSize, (shell::Size{150, 90}));
}

TEST_F(DispatchTest, IconicWindowsAreNeitherPaintedNorSized) {
  RecordingWindow* window = OpenDocument();
  backend.Show(window->hwnd, shell::ShowCommand::kMinimize);
  const int draws = window->draws;
  backend.Paint(window->hwnd);
  EXPECT_EQ(window->draws, draws);
  backend.Show(window->hwnd, shell::ShowCommand::kRestore);
  backend.Paint(window->hwnd);
  EXPECT_EQ(window->draws, draws + 1);
}

TEST_F(DispatchTest, AnEventForAnUnknownWindowWithoutPendingCreationIsReported) {
  backend.ExpectMessage("WinThis = 0");
  shell::Event paint;
  paint.kind = shell::EventKind::kPaint;
  EXPECT_EQ(shell.Dispatch(4242, paint), kTdvNotHandled);
}

// ---------------------------------------------------------------- creation

class CreationTest : public ShellTest {};

TEST_F(CreationTest, ACloneCopiesTheDescriptionButNotTheWindow) {
  RecordingWindow* window = OpenDocument("Original", {5, 6, 207, 126});
  window->AddControl(1, 10, "OK", {0, 0, 10, 10}, 1, 0, 0);
  window->GfxSetFGColor(shell::MakeRgb(1, 2, 3));
  std::unique_ptr<TdvWindow> copy = window->Clone();
  EXPECT_EQ(copy->title, "Original");
  EXPECT_EQ(copy->rect, (shell::Rect{5, 6, 207, 126}));
  EXPECT_EQ(copy->fgColor, shell::MakeRgb(1, 2, 3));
  EXPECT_EQ(copy->hwnd, shell::kNoWindow);
  ASSERT_NE(copy->FindControl(10), nullptr);
  EXPECT_EQ(copy->FindControl(10)->window, shell::kNoWindow);
  EXPECT_EQ(copy->FindControl(10)->text, "OK");
}

TEST_F(CreationTest, TheFirstEventAttachesThePendingObject) {
  RecordingWindow* window = OpenDocument();
  EXPECT_NE(window->hwnd, shell::kNoWindow);
  EXPECT_EQ(shell.Find(window->hwnd), window);
  EXPECT_FALSE(shell.CreationPending());
}

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

TEST_F(CreationTest, DialogsRefuseTooWhileACreationIsPending) {
  RecordingWindow first;
  shell.BeginCreation(&first);
  TdvDialog dialog;
  backend.ExpectMessage("TdvDialog::OpenWindow, window already being created",
                        shell::MessageAnswer::kOk, "fatal");
  EXPECT_EQ(dialog.OpenWindow(), 0);
  shell.EndCreation();
}

TEST_F(CreationTest, DocumentWindowsGetUniqueIdsFromTheFrame) {
  RecordingWindow* a = OpenDocument("A");
  RecordingWindow* b = OpenDocument("B");
  a->CloseWindow();
  RecordingWindow* c = OpenDocument("C");
  EXPECT_NE(a, nullptr);
  EXPECT_LT(b->uniqueId, c->uniqueId);
  EXPECT_EQ(b->helpContext, 20);
  EXPECT_TRUE(c->IsA(9));
  EXPECT_TRUE(c->IsA(7));
  EXPECT_TRUE(c->IsA(0));
  EXPECT_FALSE(c->IsA(10));
}

// ---------------------------------------------------------------- closing

class CloseTest : public ShellTest {};

TEST_F(CloseTest, AWindowThatRefusesToCloseStaysOpen) {
  RecordingWindow* window = OpenDocument();
  for (int refusal : {0, 1, -1, 999}) {
    window->closeAnswer = refusal;
    window->CloseWindow();
    EXPECT_TRUE(backend.Exists(window->hwnd)) << refusal;
    backend.Command(frame->hwnd, 154);  // Close Window
    EXPECT_TRUE(backend.Exists(window->hwnd)) << refusal;
    backend.Close(window->hwnd);  // the close box
    EXPECT_TRUE(backend.Exists(window->hwnd)) << refusal;
  }
}

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
