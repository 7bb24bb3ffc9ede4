#include <gtest/gtest.h>

#include "shell/menu.h"
#include "shell_fixture.h"

namespace {

// Document windows of the kinds whose titles get a ":N" suffix.
template <int kCode>
class KindWindow : public RecordingWindow {
 public:
  bool IsA(int code) const override { return code == kCode || RecordingWindow::IsA(code); }
};
using MovieWindow = KindWindow<11>;
using CoordinateSystemsWindow = KindWindow<13>;
using GraphWindow = KindWindow<15>;

class AppWindowTest : public ShellTest {
 protected:
  template <typename W>
  W* Open(const std::string& title) {
    auto window = std::make_unique<W>();
    window->title = title;
    window->rect = {0, 0, 202, 120};
    W* raw = shell.Keep(std::move(window));
    EXPECT_EQ(raw->OpenWindow(), 1);
    return raw;
  }
};

TEST_F(AppWindowTest, TheFrameIsKindTen) {
  EXPECT_TRUE(frame->IsA(10));
  EXPECT_TRUE(frame->IsA(7));
  EXPECT_FALSE(frame->IsA(9));
  EXPECT_EQ(shell.Frame(), frame);
}

TEST_F(AppWindowTest, TheToolBarFollowsTheFramesHeight) {
  auto tools = std::make_unique<ChildWindow>();
  tools->title = "tools";
  tools->rect = {0, 0, 32, 100};
  ChildWindow* toolBar = shell.Keep(std::move(tools));
  ASSERT_EQ(toolBar->OpenWindow(), 1);
  frame->toolWindow = toolBar;
  backend.Resize(frame->hwnd, {800, 500});
  EXPECT_EQ(backend.OuterRect(toolBar->hwnd), (shell::Rect{-4, 0, 28, 500}));
}

TEST_F(AppWindowTest, NamesakesOfTheSameKindGetANumberSuffix) {
  MovieWindow* first = Open<MovieWindow>("clip.mov");
  MovieWindow* second = Open<MovieWindow>("clip.mov");
  MovieWindow* third = Open<MovieWindow>("clip.mov");
  GraphWindow* graph = Open<GraphWindow>("clip.mov");
  RecordingWindow* table = OpenDocument("Data Table");
  RecordingWindow* table2 = OpenDocument("Data Table");
  EXPECT_EQ(first->title, "clip.mov");
  EXPECT_EQ(second->title, "clip.mov:2");
  EXPECT_EQ(third->title, "clip.mov:3");
  EXPECT_EQ(third->titleIndex, 3);
  EXPECT_EQ(backend.Window(third->hwnd)->title, "clip.mov:3");
  EXPECT_EQ(graph->title, "clip.mov");
  EXPECT_EQ(table->title, "Data Table");
  EXPECT_EQ(table2->title, "Data Table");
}

TEST_F(AppWindowTest, DocumentNumbersStayWithoutGaps) {
  RecordingWindow* a = OpenDocument("A");
  RecordingWindow* b = OpenDocument("B");
  RecordingWindow* c = OpenDocument("C");
  EXPECT_EQ(a->documentNumber, 2);
  EXPECT_EQ(b->documentNumber, 3);
  EXPECT_EQ(c->documentNumber, 4);
  b->CloseWindow();
  EXPECT_EQ(a->documentNumber, 2);
  EXPECT_EQ(c->documentNumber, 3);
  EXPECT_EQ(frame->docWindows.size(), 2u);
  backend.RunPosted();
}

TEST_F(AppWindowTest, RemovingAnUnknownDocumentIsReported) {
  RecordingWindow stranger;
  stranger.documentNumber = 77;
  backend.ExpectMessage("no document with that number", shell::MessageAnswer::kOk,
                        "TdvAppWindow::RemoveDocWindow");
  frame->RemoveDocWindow(&stranger);
}

shell::MenuItem Item(int id, const std::string& text) {
  shell::MenuItem item;
  item.id = id;
  item.text = text;
  return item;
}

shell::MenuItem Popup(const std::string& text, std::vector<shell::MenuItem> items) {
  shell::MenuItem popup;
  popup.text = text;
  popup.items = std::move(items);
  return popup;
}

class MenuTest : public AppWindowTest {
 protected:
  MenuTest() {
    initMenu.items = {Popup("&File", {Item(151, "&New Startup..\tCtl+N")}),
                      Popup("&Window", {Item(251, "&Tile\tShift+F4")})};
    movieMenu.items = {
        Popup("&Edit", {Item(462, "&Copy Window\tCtrl+C"), Item(464, "S&elect All")}),
        Popup("&Options", {Item(351, "&Auto Add Points")})};
    frame->frameMenu = &initMenu;
    frame->frameWindowMenu = 1;
    frame->InstallMenuBar(nullptr, 0);
  }

  shell::MenuItem initMenu;
  shell::MenuItem movieMenu;
};

TEST_F(MenuTest, ActivationInstallsTheWindowsMenuAndTheLastCloseRestoresTheFrames) {
  auto movie = std::make_unique<MovieWindow>();
  movie->title = "clip.mov";
  movie->menu = &movieMenu;
  movie->windowMenu = 1;
  MovieWindow* window = shell.Keep(std::move(movie));
  ASSERT_EQ(window->OpenWindow(), 1);
  EXPECT_EQ(backend.MenuBar(frame->hwnd), &movieMenu);
  EXPECT_EQ(frame->activeDocument, window);
  window->CloseWindow();
  EXPECT_EQ(backend.MenuBar(frame->hwnd), &initMenu);
  EXPECT_EQ(frame->activeDocument, nullptr);
}

TEST_F(MenuTest, ItemsAreCheckedEnabledAndRetitledById) {
  auto movie = std::make_unique<MovieWindow>();
  movie->menu = &movieMenu;
  MovieWindow* window = shell.Keep(std::move(movie));
  ASSERT_EQ(window->OpenWindow(), 1);
  const int refreshes = backend.MenuRefreshes();
  window->WinCheckMenuItem(351, true);
  window->WinEnableMenuItem(464, false);
  window->WinSetMenuItemText(462, "&Copy Movie\tCtrl+C");
  EXPECT_TRUE(FindMenuItem(movieMenu, 351)->checked);
  EXPECT_FALSE(FindMenuItem(movieMenu, 464)->enabled);
  EXPECT_EQ(FindMenuItem(movieMenu, 462)->text, "&Copy Movie\tCtrl+C");
  EXPECT_GE(backend.MenuRefreshes(), refreshes + 3);
  window->WinCheckMenuItem(351, false);
  EXPECT_FALSE(FindMenuItem(movieMenu, 351)->checked);
  EXPECT_FALSE(CheckMenuItem(movieMenu, 9999, true));
}

TEST_F(AppWindowTest, CloseAllStopsAtTheFirstDocumentThatRefuses) {
  CoordinateSystemsWindow* first = Open<CoordinateSystemsWindow>("First");
  CoordinateSystemsWindow* second = Open<CoordinateSystemsWindow>("Second");
  RecordingWindow* table = OpenDocument("Table");
  first->closeAnswer = 0;
  frame->CloseAll();
  EXPECT_TRUE(backend.Exists(first->hwnd));
  EXPECT_TRUE(backend.Exists(second->hwnd));
  EXPECT_EQ(std::count(second->calls.begin(), second->calls.end(), SeenCall{"DoClose"}), 0);

  first->closeAnswer = kTdvNotHandled;
  frame->CloseAll();
  EXPECT_EQ(frame->docWindows, (std::vector<TdvDocumentWindow*>{table}));
  backend.RunPosted();
}

TEST_F(AppWindowTest, CloseAllAsksFirst) {
  CoordinateSystemsWindow* document = Open<CoordinateSystemsWindow>("Doc");
  backend.ExpectMessage("Are you sure you want to close all windows?",
                        shell::MessageAnswer::kCancel, "Close All");
  backend.Command(frame->hwnd, 254);
  backend.RunPosted();
  EXPECT_TRUE(backend.Exists(document->hwnd));

  backend.ExpectMessage("Are you sure you want to close all windows?", shell::MessageAnswer::kOk,
                        "Close All");
  backend.Command(frame->hwnd, 254);
  EXPECT_TRUE(backend.Exists(document->hwnd));  // closed after the command, not inside it
  backend.RunPosted();
  EXPECT_TRUE(frame->docWindows.empty());
}

TEST_F(AppWindowTest, ExitEndsOnlyWhenEveryDocumentAgrees) {
  CoordinateSystemsWindow* document = Open<CoordinateSystemsWindow>("Doc");
  document->closeAnswer = 0;
  const shell::WindowHandle frameWindow = frame->hwnd;
  backend.Command(frameWindow, 163);
  EXPECT_TRUE(backend.Exists(frameWindow));
  document->closeAnswer = kTdvNotHandled;
  backend.Command(frameWindow, 163);
  EXPECT_FALSE(backend.Exists(frameWindow));
  EXPECT_EQ(shell.Frame(), nullptr);
  backend.RunPosted();
}

TEST_F(AppWindowTest, CascadeStepsThirtyPixelsAndStartsOverOutsideTheFrame) {
  RecordingWindow* a = OpenDocument("A");
  RecordingWindow* b = OpenDocument("B");
  backend.Command(frame->hwnd, 252);
  const shell::Rect frameRect = backend.OuterRect(frame->hwnd);
  EXPECT_EQ(backend.OuterRect(a->hwnd).left, frameRect.left);
  EXPECT_EQ(backend.OuterRect(a->hwnd).top, frameRect.top + 2);
  EXPECT_EQ(backend.OuterRect(b->hwnd).left, frameRect.left + 30);
  EXPECT_EQ(backend.OuterRect(b->hwnd).top, frameRect.top + 32);
  EXPECT_EQ(shell::RectWidth(backend.OuterRect(b->hwnd)), 202);
}

TEST_F(AppWindowTest, ZoomingTwiceRestoresTheWindow) {
  RecordingWindow* window = OpenDocument("A", {40, 50, 242, 170});
  window->WinZoom();
  const shell::Rect zoomed = backend.OuterRect(window->hwnd);
  EXPECT_EQ(zoomed.left, backend.OuterRect(frame->hwnd).left + 32);
  window->WinZoom();
  EXPECT_EQ(backend.OuterRect(window->hwnd), (shell::Rect{40, 50, 242, 170}));
}

TEST_F(AppWindowTest, TheWindowRectangleRecordKeepsItsLeftEdgeOneLess) {
  RecordingWindow* window = OpenDocument("A", {10, 20, 212, 140});
  std::string text;
  TdvTaggedWriter writer(text);
  window->WriteWindowRect(writer);
  EXPECT_EQ(text, "r(1000x9 20 212 140)");
}

TEST_F(AppWindowTest, TitlesAreKeptToTheirBuffer) {
  RecordingWindow* window = OpenDocument("A");
  window->WinSetTitle(std::string(300, 't'));
  EXPECT_EQ(window->title.size(), 255u);
  EXPECT_EQ(backend.Window(window->hwnd)->title, window->title);
}

TEST_F(AppWindowTest, ActivationFollowsTheLastActivatedWindow) {
  RecordingWindow* a = OpenDocument("A");
  RecordingWindow* b = OpenDocument("B");
  EXPECT_EQ(frame->activeDocument, b);
  backend.BringToTop(a->hwnd);
  EXPECT_EQ(frame->activeDocument, a);
  EXPECT_EQ(frame->activeWindow, a);
}

}  // namespace
