#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

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

TEST_F(MenusTest, MenuShowsTheProgramsItems) {
  const QList<QAction*> movie = MenuAt(1)->actions();
  ASSERT_EQ(movie.size(), 2);
  EXPECT_EQ(movie[0]->text(), QStringLiteral("&Live Updates"));
  EXPECT_TRUE(movie[0]->isChecked());
  EXPECT_EQ(movie[1]->text(), QStringLiteral("&Half Size\tF5"));
  EXPECT_FALSE(movie[1]->isEnabled());
}

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

TEST_F(MenusTest, WindowMenuListsTheOpenDocumentWindows) {
  backend_.CreateMdiChild(frame_, ChildSpec{"run1.kvx", Rect{0, 0, 200, 150}, false});
  const WindowHandle graph =
      backend_.CreateMdiChild(frame_, ChildSpec{"Graph 1", Rect{20, 20, 220, 170}, true});
  backend_.BringToTop(graph);
  QMenu* windows = MenuAt(2);
  emit windows->aboutToShow();
  QStringList texts;
  for (QAction* action : windows->actions()) {
    if (!action->isSeparator()) {
      texts << action->text();
    }
  }
  EXPECT_EQ(texts, (QStringList{QStringLiteral("&Cascade"), QStringLiteral("&1 run1.kvx"),
                                QStringLiteral("&2 Graph 1")}));
  EXPECT_TRUE(windows->actions().last()->isChecked());
  // Opening the menu again does not list the windows twice.
  emit windows->aboutToShow();
  EXPECT_EQ(windows->actions().size(), 4);
}

class ListsAndBarsTest : public QtBackendTest {
 protected:
  void SetUp() override {
    window_ =
        backend_.CreateDialog(DialogSpec{"Series", Rect{0, 0, 300, 200}, kNoWindow, false, true});
    ControlSpec list;
    list.kind = ControlKind::kListBox;
    list.id = 20;
    list.rect = Rect{10, 10, 150, 150};
    list_ = backend_.CreateControl(window_, list);
    ControlSpec bar;
    bar.kind = ControlKind::kVerticalScrollBar;
    bar.id = 21;
    bar.rect = Rect{260, 10, 276, 190};
    bar_ = backend_.CreateControl(window_, bar);
  }

  WindowHandle window_ = kNoWindow;
  WindowHandle list_ = kNoWindow;
  WindowHandle bar_ = kNoWindow;
};

TEST_F(ListsAndBarsTest, ListKeepsAddedItemsInCaseBlindOrder) {
  for (const char* name : {"point B", "Origin", "point a", "Distance"}) {
    backend_.ListAdd(list_, name);
  }
  ASSERT_EQ(backend_.ListCount(list_), 4);
  EXPECT_EQ(backend_.ListText(list_, 0), "Distance");
  EXPECT_EQ(backend_.ListText(list_, 1), "Origin");
  EXPECT_EQ(backend_.ListText(list_, 2), "point a");
  EXPECT_EQ(backend_.ListText(list_, 3), "point B");
  backend_.ListInsert(list_, 0, "zz first");
  EXPECT_EQ(backend_.ListText(list_, 0), "zz first");
  backend_.ListDelete(list_, 0);
  backend_.ListDelete(list_, 17);
  EXPECT_EQ(backend_.ListCount(list_), 4);
}

TEST_F(ListsAndBarsTest, ProgramSelectionIsQuietUserSelectionIsReported) {
  backend_.ListAdd(list_, "one");
  backend_.ListAdd(list_, "two");
  backend_.ListSelect(list_, 1);
  EXPECT_EQ(backend_.ListSelection(list_), std::vector<int>{1});
  EXPECT_TRUE(sink_.Of(EventKind::kListNotify).empty());
  auto* widget = qobject_cast<QListWidget*>(backend_.Widget(list_));
  widget->setCurrentRow(0);
  const auto notes = sink_.Of(EventKind::kListNotify);
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.back().event.id, 20);
  EXPECT_EQ(notes.back().event.scrollCode, 1);
}

TEST_F(ListsAndBarsTest, ScrollBarReportsActionsAndWaitsForTheProgram) {
  backend_.SetScrollRange(bar_, 0, 100);
  backend_.SetScrollPosition(bar_, 40);
  auto* widget = qobject_cast<QScrollBar*>(backend_.Widget(bar_));
  widget->triggerAction(QAbstractSlider::SliderPageStepAdd);
  widget->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(backend_.ScrollPosition(bar_), 40);
  const auto scrolls = sink_.Of(EventKind::kScroll);
  ASSERT_EQ(scrolls.size(), 2u);
  EXPECT_EQ(scrolls[0].event.scrollCode, kScrollPageDown);
  EXPECT_EQ(scrolls[1].event.scrollCode, kScrollLineUp);
  EXPECT_EQ(scrolls[1].event.position, 40);
  EXPECT_EQ(scrolls[1].event.id, 21);
  EXPECT_EQ(backend_.ScrollRange(bar_), (std::pair{0, 100}));
}

}  // namespace
}  // namespace shell::qt::testing
