#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

MenuItem Command(int id, const char* text, bool checked = false, bool enabled = true) {
  MenuItem item;
  item.id = id;
  item.text = text;
  item.checked = checked;
  item.enabled = enabled;
  return item;
}

MenuItem Popup(const char* text, std::vector<MenuItem> items) {
  MenuItem popup;
  popup.text = text;
  popup.items = std::move(items);
  return popup;
}

class MenusTest : public QtBackendTest {
 protected:
  void SetUp() override {
    frame_ = backend_.CreateFrame(FrameSpec{"Kinovex"});
    backend_.Show(frame_, ShowCommand::kShow);
    bar_.items = {Popup("&File", {Command(157, "Save &As ..."), Command(161, "&Print")}),
                  Popup("&Movie", {Command(364, "&Live Updates", true),
                                   Command(307, "&Half Size\tF5", false, false)}),
                  Popup("&Window", {Command(170, "&Cascade")})};
    backend_.SetMenuBar(frame_, &bar_, 2);
  }

  QMenu* MenuAt(int index) {
    auto* window = qobject_cast<QMainWindow*>(backend_.Widget(frame_)->window());
    return window->menuBar()->actions().at(index)->menu();
  }

  WindowHandle frame_ = kNoWindow;
  MenuItem bar_;
};

TEST_F(MenusTest, RefreshShowsChangedMarksAndTexts) {
  bar_.items[1].items[0].checked = false;
  bar_.items[1].items[1].enabled = true;
  bar_.items[0].items[1].text = "&Print Graph";
  backend_.RefreshMenuBar(frame_);
  EXPECT_FALSE(MenuAt(1)->actions()[0]->isChecked());
  EXPECT_TRUE(MenuAt(1)->actions()[1]->isEnabled());
  EXPECT_EQ(MenuAt(0)->actions()[1]->text(), QStringLiteral("&Print Graph"));
}

TEST_F(MenusTest, ChosenItemArrivesAsCommandOnTheFrame) {
  MenuAt(0)->actions()[1]->trigger();
  EXPECT_TRUE(sink_.Of(EventKind::kCommand).empty());
  Flush();
  const auto commands = sink_.Of(EventKind::kCommand);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands.front().window, frame_);
  EXPECT_EQ(commands.front().event.id, 161);
}

}  // namespace
}  // namespace shell::qt::testing
