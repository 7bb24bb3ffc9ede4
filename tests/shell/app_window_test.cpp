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

}  // namespace
