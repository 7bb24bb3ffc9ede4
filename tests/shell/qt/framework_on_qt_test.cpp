#include <QWidget>

#include "qt_fixture.h"
#include "shell/app_window.h"
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

}  // namespace
}  // namespace shell::qt::testing
