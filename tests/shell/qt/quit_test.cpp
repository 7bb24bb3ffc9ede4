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
};

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
