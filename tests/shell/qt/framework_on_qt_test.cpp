#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "qt_fixture.h"
#include "shell/app_window.h"
#include "shell/dialog.h"
#include "shell/document_window.h"
#include "shell/shell.h"

namespace shell::qt::testing {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

class QtTestFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

// The same drawing code the program's windows use, on the Qt backend.
class PictureWindow : public TdvDocumentWindow {
 public:
  void WinDraw(const std::optional<Rect>& area) override {
    GfxSetFGColor(kRed);
    GfxFillRect(Rect{20, 10, 60, 30});
    GfxSetFGColor(kBlue);
    GfxMoveTo(0, 50);
    GfxLineTo(100, 50);
    TdvDocumentWindow::WinDraw(area);
  }
};

constexpr int kOk = 1;
constexpr int kCount = 11;

struct DialogOutcome {
  bool pressed = false;
  std::string count;
};

class PointsDialog : public TdvDialog {
 public:
  explicit PointsDialog(DialogOutcome& outcome) : outcome_(outcome) {
    rect = Rect{50, 100, 300, 220};
    AddControl(9, 10, "Number of Points:", Rect{10, 10, 120, 26}, 1, 0, 0);
    AddControl(6, kCount, "1", Rect{130, 8, 200, 28}, 1, 4, 0);
    AddControl(1, kOk, "OK", Rect{130, 60, 200, 84}, 1, 0, 0);
    defaultControl = kOk;
  }

  int DoControlCommand(int id) override {
    if (id == kOk) {
      outcome_.pressed = true;
      outcome_.count = GetControlText(kCount);
      CloseWindow();
    }
    return 0;
  }

 private:
  DialogOutcome& outcome_;
};

class FrameworkOnQtTest : public QtBackendTest {
 protected:
  void SetUp() override {
    frame_ = shell_.Keep(std::make_unique<QtTestFrame>());
    frame_->title = "Kinovex";
    ASSERT_EQ(frame_->OpenWindow(), 1);
    backend_.Show(frame_->hwnd, ShowCommand::kShow);
  }

  TdvShell shell_{backend_};
  QtTestFrame* frame_ = nullptr;
};

TEST_F(FrameworkOnQtTest, DocumentWindowDrawsThroughGfx) {
  auto* window = shell_.Keep(std::make_unique<PictureWindow>());
  window->title = "Graph 1";
  window->rect = Rect{0, 0, 300, 200};
  ASSERT_EQ(window->OpenWindow(), 1);
  QWidget* canvas = backend_.Widget(window->hwnd);
  ASSERT_NE(canvas, nullptr);
  const QImage shot = canvas->grab().toImage();
  EXPECT_EQ(PixelOf(shot, 30, 20), kRed);
  EXPECT_EQ(PixelOf(shot, 50, 50), kBlue);
  EXPECT_EQ(PixelOf(shot, 150, 150), kWhite);
  ASSERT_EQ(frame_->docWindows.size(), 1u);
  EXPECT_EQ(frame_->docWindows.front(), window);
}

// Return typed in a dialog's edit field presses its default button.
TEST_F(FrameworkOnQtTest, ReturnInAnEditFieldPressesTheDefaultButton) {
  DialogOutcome outcome;
  QtTestHooks hooks;
  hooks.modalDialog = [&](WindowHandle dialog) {
    QWidget* field = backend_.Widget(backend_.ControlHandle(dialog, kCount));
    ASSERT_NE(field, nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(field, &press);
    if (!outcome.pressed) {
      backend_.EndModal(dialog);
    }
  };
  backend_.SetTestHooks(hooks);
  auto* dialog = shell_.Keep(std::make_unique<PointsDialog>(outcome));
  dialog->OpenWindow();
  EXPECT_TRUE(outcome.pressed);
  EXPECT_EQ(outcome.count, "1");
}

}  // namespace
}  // namespace shell::qt::testing
