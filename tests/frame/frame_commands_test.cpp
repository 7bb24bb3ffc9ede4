#include "frame/command_table.h"
#include "frame_fixture.h"
#include "shell/menu.h"

using shell::MessageAnswer;

// What the user answers to the dialogs some frame commands open.
void ScriptUserFor(shell::HeadlessBackend& backend, int command) {
  const auto closeWith = [&backend](int button) {
    backend.QueueModal(
        [&backend, button](shell::WindowHandle dialog) { backend.PressButton(dialog, button); });
  };
  switch (command) {
    case 151:
      closeWith(133);
      break;
    case 753:
      closeWith(103);
      break;
    case 152:
    case 153:
      backend.QueueFileAnswer(std::nullopt);
      break;
    case 254:
      backend.ExpectMessage("Are you sure you want to close all windows?", MessageAnswer::kCancel);
      break;
    default:
      break;
  }
}

// Close Window and Exit close the window under test; the shell's tests
// cover them.
TEST_F(FrameTest, EveryCommandReachesTheHandlerTheTableNames) {
  KindWindow* window = OpenKind(kMovieWindowKind);
  for (const TdvCommandEntry& entry : CommandTable()) {
    if (entry.id == 154 || entry.id == 163) {
      continue;
    }
    window->commands.clear();
    ScriptUserFor(backend, entry.id);
    const int answer = frame->DoCommand(entry.id);
    const bool forwarded = entry.owner == TdvCommandOwner::kDocumentWindow;
    EXPECT_EQ(window->commands, forwarded ? std::vector<int>{entry.id} : std::vector<int>{})
        << "command " << entry.id;
    EXPECT_EQ(answer, forwarded ? kTdvNotHandled : 0) << "command " << entry.id;
    EXPECT_TRUE(backend.UnusedScript().empty()) << "command " << entry.id;
  }
  EXPECT_EQ(desktop.OpenedUrls().size(), 2u) << "Contents and Context";
}

// ---------------------------------------------------------------- the window list

TEST_F(FrameTest, CloseAllStopsAtTheDocumentWhoseSavePromptIsCancelled) {
  TdvDataObjectWindow* first = frame->NewDocumentWindow();
  TdvDataObjectWindow* second = frame->NewDocumentWindow();
  TdvDataObjectWindow* third = frame->NewDocumentWindow();
  second->modified = true;
  third->modified = true;
  const shell::WindowHandle firstWindow = first->hwnd;
  backend.ExpectMessage("Are you sure you want to close all windows?", MessageAnswer::kOk,
                        "Close All");
  backend.ExpectMessage("Do You Want to Save?", MessageAnswer::kCancel,
                        "Coordinate Systems:2 Has Been Changed");
  backend.Command(frame->hwnd, 254);
  backend.RunPosted();
  EXPECT_FALSE(backend.Exists(firstWindow));
  EXPECT_EQ(Documents(), (std::vector<TdvDocumentWindow*>{second, third}))
      << "the third was never asked";
}
