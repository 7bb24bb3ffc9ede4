#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

// The frame ends the program by asking for a quit when it is destroyed,
// which may happen inside the program's loop, inside a modal dialog, or
// before the loop has started; the tests run many loops in one process.
class QuitTest : public QtBackendTest {
 protected:
  WindowHandle MakeDialog() {
    return backend_.CreateDialog(DialogSpec{"Startup", Rect{100, 100, 300, 200}});
  }

  // True when a modal dialog stays up until it is ended.
  bool ModalDialogRuns() {
    const WindowHandle dialog = MakeDialog();
    bool shown = false;
    QtTestHooks hooks;
    hooks.modalDialog = [&](WindowHandle running) {
      shown = running == dialog && backend_.Widget(dialog)->isVisible();
      backend_.EndModal(dialog);
    };
    backend_.SetTestHooks(hooks);
    backend_.RunModal(dialog);
    backend_.DestroyWindow(dialog);
    Flush();
    return shown;
  }

  // The answer to a question its hook answers No.
  MessageAnswer AskedQuestion() {
    QtTestHooks hooks;
    hooks.messageBox = [](QMessageBox& box) { box.button(QMessageBox::No)->click(); };
    backend_.SetTestHooks(hooks);
    return backend_.ShowMessage(MessageKind::kSavePrompt, "Do You Want to Save?",
                                "Toss Has Been Changed");
  }
};

TEST_F(QuitTest, LoopsAfterAQuitRunAsUsual) {
  backend_.Post([&] { backend_.Quit(0); });
  EXPECT_EQ(backend_.Run(), 0);
  EXPECT_TRUE(ModalDialogRuns());
  EXPECT_EQ(AskedQuestion(), MessageAnswer::kNo);

  // Asked for while no loop runs, as when the frame closes during start-up.
  backend_.Quit(1);
  EXPECT_TRUE(ModalDialogRuns());
  EXPECT_EQ(AskedQuestion(), MessageAnswer::kNo);
  EXPECT_EQ(backend_.Run(), 1);
}

TEST_F(QuitTest, AQuitBeforeTheLoopEndsItAtOnceAndOnlyOnce) {
  backend_.Quit(5);
  EXPECT_EQ(backend_.Run(), 5);
  std::vector<int> order;
  backend_.Post([&] { order.push_back(1); });
  backend_.Post([&] {
    order.push_back(2);
    backend_.Quit(6);
  });
  EXPECT_EQ(backend_.Run(), 6);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST_F(QuitTest, AQuitFromAModalDialogEndsTheDialogAndTheLoop) {
  const WindowHandle dialog = MakeDialog();
  bool shownAfterQuit = true;
  QtTestHooks hooks;
  hooks.modalDialog = [&](WindowHandle) {
    backend_.Quit(4);
    shownAfterQuit = backend_.Widget(dialog)->isVisible();
  };
  backend_.SetTestHooks(hooks);
  bool returned = false;
  backend_.Post([&] {
    backend_.RunModal(dialog);
    returned = true;
  });
  EXPECT_EQ(backend_.Run(), 4);
  EXPECT_TRUE(returned);
  EXPECT_FALSE(shownAfterQuit);
  backend_.DestroyWindow(dialog);
}

}  // namespace
}  // namespace shell::qt::testing
