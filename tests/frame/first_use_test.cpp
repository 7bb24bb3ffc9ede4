#include "frame/tool_window.h"
#include "frame_fixture.h"

// The tool bar's document actions are greyed while there is no document to
// act on; context help always answers.
TEST_F(FrameTest, ToolActionsAreGreyedWhileNoDocumentIsOpen) {
  frame->OpenToolBar();
  ASSERT_NE(frame->toolWindow, nullptr);
  const auto enabledButtons = [&] {
    std::vector<int> enabled;
    for (const TdvToolButton& button : TdvToolWindow::Buttons()) {
      if (backend.Window(backend.ControlOf(frame->toolWindow->hwnd, button.id))->enabled) {
        enabled.push_back(button.id);
      }
    }
    return enabled;
  };
  constexpr int kContextHelp = 210;
  EXPECT_EQ(enabledButtons(), std::vector<int>{kContextHelp});

  TdvDataObjectWindow* document = frame->NewDocumentWindow();
  EXPECT_EQ(enabledButtons().size(), TdvToolWindow::Buttons().size());

  document->CloseWindow();
  backend.RunPosted();
  EXPECT_EQ(enabledButtons(), std::vector<int>{kContextHelp});
}

TEST_F(FrameTest, EachKindOfDocumentWindowShowsItsOwnIcon) {
  std::set<int> icons;
  for (int kind : {kMovieWindowKind, kTableWindowKind, kDataObjectWindowKind, kGraphWindowKind}) {
    const int icon = backend.Window(OpenKind(kind)->hwnd)->icon;
    EXPECT_NE(icon, 0) << kind;
    icons.insert(icon);
  }
  EXPECT_EQ(icons.size(), 4u) << "no two kinds alike";
}
