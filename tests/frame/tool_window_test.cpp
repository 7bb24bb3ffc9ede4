#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "document/data_object_window.h"
#include "frame/tool_window.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

class CommandFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
  int DoCommand(int id) override {
    commands.push_back(id);
    return TdvAppWindow::DoCommand(id);
  }
  std::vector<int> commands;
};

// Keeps the codes instead of handing them on.
class RecordingToolWindow : public TdvToolWindow {
 public:
  void SendToolCode(int code) override { codes.push_back(code); }
  std::vector<int> codes;
};

class ToolWindowTest : public ::testing::Test {
 protected:
  ToolWindowTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<CommandFrame>());
    frame->title = "Kinovex";
    frame->OpenWindow();
  }

  template <typename Tools>
  Tools* OpenTools() {
    Tools* tools = shell.Keep(std::make_unique<Tools>());
    EXPECT_EQ(tools->OpenWindow(), 1);
    return tools;
  }

  TdvDataObjectWindow* OpenDocumentWithPoints() {
    TdvDataObjectWindow* doc = shell.Keep(std::make_unique<TdvDataObjectWindow>());
    EXPECT_EQ(doc->OpenWindow(), 1);
    for (const char* name : {"Ball", "Cart"}) {
      std::int32_t id = doc->ObjectNewObject(kItemPoint, name);
      static_cast<TdvDataPoint*>(doc->GetItem(id))->SetSampleType(kFrameByFrame);
    }
    backend.Activate(doc->hwnd);
    return doc;
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  CommandFrame* frame = nullptr;
};

// ---------------------------------------------------------------- the strip

TEST_F(ToolWindowTest, OpensAsTheFramesToolBarAlongTheLeftEdge) {
  TdvToolWindow* tools = OpenTools<TdvToolWindow>();
  const shell::HeadlessWindow* window = backend.Window(tools->hwnd);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->parent, frame->hwnd);
  EXPECT_EQ(window->title, "TOOLWIN");
  EXPECT_EQ(frame->toolWindow, tools);
  EXPECT_TRUE(tools->IsA(16));
  EXPECT_TRUE(tools->IsA(7));
  EXPECT_FALSE(tools->IsA(9));

  backend.Resize(frame->hwnd, {800, 500});
  EXPECT_EQ(backend.OuterRect(tools->hwnd), (shell::Rect{-4, 0, 28, 500}));

  tools->CloseWindow();
  EXPECT_EQ(frame->toolWindow, nullptr);
}

TEST_F(ToolWindowTest, WithoutAFrameWindowNothingIsCreated) {
  TdvToolWindow loose;
  frame->CloseWindow();
  backend.ExpectMessage("could not register class", shell::MessageAnswer::kOk,
                        "TdvDocumentWindow::OpenWindow");
  EXPECT_EQ(loose.OpenWindow(), 0);
  EXPECT_EQ(loose.hwnd, shell::kNoWindow);
}

// The icons are larger than their buttons: each is shrunk whole into its
// button, keeping its shape, rather than cut off.
TEST_F(ToolWindowTest, IconsShrinkWholeIntoTheirButtons) {
  const shell::Rgb ink = shell::MakeRgb(200, 30, 30);
  const shell::Rgb corner = shell::MakeRgb(30, 30, 200);
  shell::Picture icon(32, 32, ink);
  for (int y = 16; y < 32; ++y) {
    for (int x = 16; x < 32; ++x) {
      icon.Set(x, y, corner);
    }
  }
  for (const TdvToolButton& button : TdvToolWindow::Buttons()) {
    backend.AddIconResource(button.icon, icon);
  }
  TdvToolWindow* tools = OpenTools<TdvToolWindow>();
  backend.RunPosted();

  const shell::Picture& select = backend.Pixels(tools->GetControlWindow(50));
  EXPECT_EQ(select.At(0, 0), ink);
  EXPECT_EQ(select.At(21, 21), corner);

  // 7 by 22: the icon becomes 7 by 7, centred from top to bottom.
  const shell::Picture& left = backend.Pixels(tools->GetControlWindow(170));
  EXPECT_EQ(left.At(0, 7), ink);
  EXPECT_EQ(left.At(6, 13), corner);
  EXPECT_EQ(left.At(3, 2), shell::kWhite);
  EXPECT_EQ(left.At(3, 19), shell::kWhite);
}

TEST_F(ToolWindowTest, EveryButtonExplainsItselfInItsToolTip) {
  TdvToolWindow* tools = OpenTools<TdvToolWindow>();
  std::set<std::string> texts;
  for (const TdvToolButton& button : TdvToolWindow::Buttons()) {
    const shell::HeadlessWindow* control = backend.Window(tools->GetControlWindow(button.id));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->toolTip, button.help);
    EXPECT_FALSE(control->toolTip.empty()) << button.id;
    texts.insert(control->toolTip);
  }
  EXPECT_EQ(texts.size(), TdvToolWindow::Buttons().size());

  // While context help is on, resting on a button hands its text over.
  shell.SetContextHelp(true);
  backend.MouseMove(tools->hwnd, {10, 100});
  EXPECT_EQ(shell.HelpText(), TdvToolWindow::FindButton(140)->help);
  backend.MouseMove(tools->hwnd, {2, 400});
  EXPECT_EQ(shell.HelpText(), "");
}

TEST_F(ToolWindowTest, TheStripIsPaintedInColourCodeFortyTwo) {
  TdvToolWindow* tools = OpenTools<TdvToolWindow>();
  backend.Resize(frame->hwnd, {640, 480});
  backend.Paint(tools->hwnd);
  const shell::Picture& pixels = backend.Pixels(tools->hwnd);
  TdvColour grey = 0;
  ASSERT_TRUE(ColourFromCode(grey, 42));
  EXPECT_EQ(pixels.At(1, 2), grey);
  EXPECT_EQ(pixels.At(30, 470), grey);
  EXPECT_EQ(pixels.At(16, 400), grey);
}

// ---------------------------------------------------------------- codes and keys

TEST_F(ToolWindowTest, EachButtonSendsItsCodeWithTheSelectionFlagOnZeroAndOne) {
  RecordingToolWindow* tools = OpenTools<RecordingToolWindow>();
  const std::vector<std::pair<int, int>> pressed{
      {50, 0x101}, {40, 0x100}, {130, 14}, {140, 13}, {60, 2},   {80, 4},   {70, 3},   {90, 5},
      {220, 21},   {230, 22},   {110, 7},  {120, 8},  {170, 17}, {180, 16}, {150, 15}, {160, 18}};
  std::vector<int> expected;
  for (auto [id, code] : pressed) {
    backend.PressButton(tools->hwnd, id);
    expected.push_back(code);
  }
  EXPECT_EQ(tools->codes, expected);
  EXPECT_TRUE(frame->commands.empty());
}

TEST_F(ToolWindowTest, TheHelpButtonAsksTheFrameForContextHelp) {
  RecordingToolWindow* tools = OpenTools<RecordingToolWindow>();
  backend.PressButton(tools->hwnd, 210);
  EXPECT_EQ(frame->commands, std::vector<int>{752});
  EXPECT_TRUE(tools->codes.empty());
}

TEST_F(ToolWindowTest, TabStepsThroughItemsAndControlArrowsNudge) {
  RecordingToolWindow* tools = OpenTools<RecordingToolWindow>();
  const shell::Modifiers control{true, false, false};
  backend.PressKey(tools->hwnd, shell::Key::kTab);
  backend.PressKey(tools->hwnd, shell::Key::kTab, {false, true, false});
  backend.PressKey(tools->hwnd, shell::Key::kLeft, control);
  backend.PressKey(tools->hwnd, shell::Key::kRight, control);
  backend.PressKey(tools->hwnd, shell::Key::kUp, control);
  backend.PressKey(tools->hwnd, shell::Key::kDown, control);
  backend.PressKey(tools->hwnd, shell::Key::kLeft);
  backend.PressKey(tools->hwnd, shell::Key::kDown, {false, true, false});
  EXPECT_EQ(tools->codes, (std::vector<int>{13, 14, 17, 16, 15, 18}));
}

// ---------------------------------------------------------------- reaching the document

TEST_F(ToolWindowTest, SelectionButtonsActOnTheActiveDocument) {
  TdvToolWindow* tools = OpenTools<TdvToolWindow>();
  TdvDataObjectWindow* doc = OpenDocumentWithPoints();
  ASSERT_EQ(frame->activeDocument, doc);
  const std::int32_t first = doc->NextItemToLocate();
  ASSERT_NE(first, kNoItem);

  backend.PressButton(tools->hwnd, 50);
  EXPECT_EQ(doc->CurrentItem(), first);
  EXPECT_TRUE(doc->IsSelected(first));

  backend.PressButton(tools->hwnd, 40);
  EXPECT_TRUE(doc->SelectedItems().empty());

  backend.PressButton(tools->hwnd, 140);
  const std::int32_t next = doc->CurrentItem();
  EXPECT_NE(next, kNoItem);
  backend.PressButton(tools->hwnd, 140);
  EXPECT_NE(doc->CurrentItem(), next);
  backend.PressButton(tools->hwnd, 130);
  EXPECT_EQ(doc->CurrentItem(), next);
}

TEST_F(ToolWindowTest, WithNoDocumentOpenTheButtonsDoNothing) {
  TdvToolWindow* tools = OpenTools<TdvToolWindow>();
  for (const TdvToolButton& button : TdvToolWindow::Buttons()) {
    if (button.code) {
      backend.PressButton(tools->hwnd, button.id);
    }
  }
  EXPECT_TRUE(frame->commands.empty());
  EXPECT_TRUE(backend.Messages().empty());
}

}  // namespace
