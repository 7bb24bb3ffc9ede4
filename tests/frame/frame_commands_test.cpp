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

TEST_F(FrameTest, ForwardedCommandsAreHandledOnlyWhenTheWindowTakesThem) {
  EXPECT_EQ(frame->DoCommand(451), kTdvNotHandled) << "no window to take it";
  KindWindow* window = OpenKind(kDataObjectWindowKind);
  window->handled = {451};
  EXPECT_EQ(frame->DoCommand(451), 0);
  EXPECT_EQ(frame->DoCommand(452), kTdvNotHandled);
  EXPECT_EQ(frame->DoCommand(10001), kTdvNotHandled) << "window-list items go to the system";
  EXPECT_EQ(window->commands, (std::vector<int>{451, 452, 10001}));
}

TEST_F(FrameTest, SaveCommandsReachTheDocumentOfTheActiveWindow) {
  TdvDataObjectWindow* document = frame->NewDocumentWindow();
  backend.QueueFileAnswer(std::nullopt);
  backend.Command(frame->hwnd, 156);
  backend.QueueFileAnswer(std::nullopt);
  backend.Command(frame->hwnd, 157);
  ASSERT_EQ(backend.FileDialogs().size(), 2u);
  EXPECT_EQ(backend.FileDialogs()[0].title, "Save As:") << "a new document has no file yet";
  EXPECT_FALSE(document->HasFile());
}

TEST_F(FrameTest, NewStartupKeepsASingleStartupDialog) {
  int opened = 0;
  backend.QueueModal([&](shell::WindowHandle dialog) {
    ++opened;
    backend.Command(frame->hwnd, 151);
    backend.PressButton(dialog, 133);
  });
  backend.Command(frame->hwnd, 151);
  EXPECT_EQ(opened, 1);
  backend.QueueModal([&](shell::WindowHandle dialog) {
    ++opened;
    backend.PressButton(dialog, 133);
  });
  backend.Command(frame->hwnd, 151);
  EXPECT_EQ(opened, 2) << "a closed one does not count";
}

// ---------------------------------------------------------------- menus

TEST_F(FrameTest, TheMenuBarFollowsTheKindOfTheActiveWindow) {
  EXPECT_EQ(ShownMenuBar(), &frame->MenuBar(kMenuInit));
  EXPECT_EQ(backend.Window(frame->hwnd)->windowMenu, 1);
  const std::vector<std::pair<int, TdvMenuKind>> kinds = {{kMovieWindowKind, kMenuMoov},
                                                          {kTableWindowKind, kMenuTable},
                                                          {kGraphWindowKind, kMenuGraph}};
  for (auto [kind, menu] : kinds) {
    OpenKind(kind);
    EXPECT_EQ(ShownMenuBar(), &frame->MenuBar(menu)) << kind;
    EXPECT_EQ(backend.Window(frame->hwnd)->windowMenu, WindowMenuIndex(menu));
  }
  frame->NewDocumentWindow();
  EXPECT_EQ(ShownMenuBar(), &frame->MenuBar(kMenuDataObject));
  EXPECT_EQ(backend.Window(frame->hwnd)->windowMenu, 4);
}

TEST_F(FrameTest, AfterTheLastCloseTheBarIsTheOneWithoutDocuments) {
  KindWindow* movie = OpenKind(kMovieWindowKind, "m");
  KindWindow* graph = OpenKind(kGraphWindowKind, "g");
  backend.Close(graph->hwnd);
  EXPECT_EQ(ShownMenuBar(), &frame->MenuBar(kMenuMoov)) << "the remaining window takes over";
  EXPECT_EQ(frame->activeDocument, movie);
  backend.Close(movie->hwnd);
  EXPECT_EQ(ShownMenuBar(), &frame->MenuBar(kMenuInit));
  EXPECT_EQ(backend.Window(frame->hwnd)->windowMenu, 1);
  EXPECT_EQ(frame->activeDocument, nullptr);
  EXPECT_EQ(frame->activeWindow, nullptr);
}

TEST_F(FrameTest, SwitchesShowTheSameTickUnderTheMovieAndDocumentBars) {
  frame->NewDocumentWindow();
  const shell::MenuItem& movieBar = frame->MenuBar(kMenuMoov);
  backend.Command(frame->hwnd, 364);
  backend.Command(frame->hwnd, 353);
  EXPECT_FALSE(FindMenuItem(const_cast<shell::MenuItem&>(movieBar), 364)->checked);
  EXPECT_FALSE(FindMenuItem(const_cast<shell::MenuItem&>(movieBar), 353)->checked);
  backend.Command(frame->hwnd, 364);
  EXPECT_TRUE(FindMenuItem(const_cast<shell::MenuItem&>(movieBar), 364)->checked);
  EXPECT_TRUE(TdvDataObjectWindow::liveUpdates);
}

// ---------------------------------------------------------------- the window list

TEST_F(FrameTest, NamesakeDocumentsAreNumberedFromTwo) {
  TdvDataObjectWindow* first = frame->NewDocumentWindow();
  TdvDataObjectWindow* second = frame->NewDocumentWindow();
  TdvDataObjectWindow* third = frame->NewDocumentWindow();
  EXPECT_EQ(first->title, "Coordinate Systems");
  EXPECT_EQ(second->title, "Coordinate Systems:2");
  EXPECT_EQ(third->title, "Coordinate Systems:3");
  EXPECT_EQ(backend.Window(third->hwnd)->title, "Coordinate Systems:3");
  KindWindow* graph = OpenKind(kGraphWindowKind, "Coordinate Systems");
  EXPECT_EQ(graph->title, "Coordinate Systems") << "another kind is no namesake";
}

TEST_F(FrameTest, ClosingRenumbersTheRemainingWindowsWithoutGaps) {
  std::vector<TdvDocumentWindow*> windows;
  for (int i = 0; i < 4; ++i) {
    windows.push_back(OpenKind(kGraphWindowKind, "g" + std::to_string(i)));
  }
  backend.Close(windows[1]->hwnd);
  backend.Close(windows[2]->hwnd);
  ASSERT_EQ(frame->docWindows.size(), 2u);
  EXPECT_EQ(frame->docWindows[0]->documentNumber, 2);
  EXPECT_EQ(frame->docWindows[1]->documentNumber, 3);
  EXPECT_EQ(OpenKind(kGraphWindowKind)->documentNumber, 4);
}

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

// ---------------------------------------------------------------- places

TEST_F(FrameTest, NewWindowsGoBesideAndBelowTheMovie) {
  shell::SystemMetrics metrics;
  metrics.borderWidth = 1;
  metrics.captionHeight = 18;
  backend.SetMetrics(metrics);
  TdvVideoMotionWindow* other =
      shell.Keep(std::make_unique<TdvVideoMotionWindow>(&library, &desktop, HelpFolder()));
  // Borders 2, caption with borders 20: the movie holds 320 by 240 and
  // two bars of caption height.
  EXPECT_EQ(other->DefaultRect(kMovieWindowKind), (shell::Rect{0, -2, 322, 296}));
  EXPECT_EQ(other->DefaultRect(kDataObjectWindowKind), (shell::Rect{328, -2, 604, 296}));
  EXPECT_EQ(other->DefaultRect(kGraphWindowKind), (shell::Rect{328, -2, 640, 296}));
  EXPECT_EQ(other->DefaultRect(kTableWindowKind), (shell::Rect{0, 296, 215, 467}));
  EXPECT_EQ(other->DefaultRect(14), other->defaultRect);
  EXPECT_EQ(other->defaultRect, other->DefaultRect(kMovieWindowKind));
}

// ---------------------------------------------------------------- help

TEST_F(FrameTest, ContextHelpOpensThePageOfTheActiveWindowOrTheContents) {
  backend.Command(frame->hwnd, 752);
  KindWindow* movie = OpenKind(kMovieWindowKind);
  movie->helpContext = 50;
  backend.Command(frame->hwnd, 752);
  backend.Command(frame->hwnd, 751);
  ASSERT_EQ(desktop.OpenedUrls().size(), 3u);
  EXPECT_EQ(desktop.OpenedUrls()[0], FileUrl(HelpFolder() / "help_1.html"));
  EXPECT_EQ(desktop.OpenedUrls()[1], FileUrl(HelpFolder() / "help_50.html"));
  EXPECT_EQ(desktop.OpenedUrls()[2], FileUrl(HelpFolder() / "help_1.html"));
}

TEST_F(FrameTest, ContextHelpInADialogOpensTheDialogsPage) {
  std::filesystem::path page;
  backend.QueueModal([&](shell::WindowHandle dialog) {
    const int topic = frame->StartupDialog()->helpContext;
    ASSERT_NE(topic, 1);
    page = HelpFolder() / ("help_" + std::to_string(topic) + ".html");
    WriteFile(page, "<html></html>");
    backend.Command(dialog, 752);
    backend.PressButton(dialog, 133);
  });
  backend.Command(frame->hwnd, 151);
  EXPECT_EQ(desktop.OpenedUrls(), std::vector<std::string>{FileUrl(page)});
}

TEST_F(FrameTest, MissingHelpPagesAreReported) {
  std::filesystem::remove_all(HelpFolder());
  backend.ExpectMessage("Please make sure that the help file is in the same directory as Kinovex",
                        MessageAnswer::kOk, "Help file not found");
  backend.Command(frame->hwnd, 751);
  EXPECT_TRUE(desktop.OpenedUrls().empty());
}

TEST(HelpPages, FileUrlsEscapeWhatAUrlCannotHold) {
  EXPECT_EQ(FileUrl("/opt/kinovex/help/help_1.html"), "file:///opt/kinovex/help/help_1.html");
  EXPECT_EQ(FileUrl("/home/a b/#1%/é.html"), "file:///home/a%20b/%231%25/%C3%A9.html");
}
