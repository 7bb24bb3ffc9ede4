#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/about_dialog.h"
#include "dialogs/dialog_placement.h"
#include "dialogs/setup_dialog.h"
#include "shell/app_window.h"
#include "shell/document_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

class PlainDocument : public TdvDocumentWindow {};

// A frame whose open-saved-data command opens a document when told to.
class StartupFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
  int DoCommand(int id) override {
    commands.push_back(id);
    if (id == TdvSetupDialog_A::kOpenSavedDataCommand) {
      if (opensDocument) {
        auto* doc = TdvShell::Get().Keep(std::make_unique<PlainDocument>());
        doc->OpenWindow();
      }
      if (closesStartup != nullptr) {
        closesStartup->CloseWindow();
      }
      return 0;
    }
    return id == TdvSetupDialog_A::kExitCommand ? 0 : TdvAppWindow::DoCommand(id);
  }

  std::vector<int> commands;
  bool opensDocument = false;
  TdvWindow* closesStartup = nullptr;
};

class StartupDialogsTest : public ::testing::Test {
 protected:
  StartupDialogsTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<StartupFrame>());
    frame->OpenWindow();
  }

  // Runs `inside` while the dialog is up; the dialog must be closed by it.
  template <typename Dialog, typename Inside>
  void Run(Dialog& dialog, Inside inside) {
    backend.QueueModal([&](shell::WindowHandle handle) { inside(handle); });
    EXPECT_EQ(dialog.OpenWindow(), 1);
    EXPECT_EQ(dialog.hwnd, shell::kNoWindow);
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  StartupFrame* frame = nullptr;
};

// ---------------------------------------------------------------- Startup: place

// The dialog opens in the middle of the frame's client area, clear of its
// caption and menu bar, and never leaves the work area.
TEST_F(StartupDialogsTest, StartupOpensCentredOverTheFramesClientArea) {
  const shell::Rect outer = backend.OuterRect(frame->hwnd);
  const shell::Size client = backend.ClientSize(frame->hwnd);
  const int clientTop = outer.bottom - backend.Metrics().borderWidth - client.height;
  TdvSetupDialog_A startup;
  Run(startup, [&](shell::WindowHandle handle) {
    const shell::Rect shown = backend.Window(handle)->outer;
    const shell::Size size = backend.ClientSize(handle);
    EXPECT_GT(shown.top, clientTop);
    EXPECT_NEAR(shown.left + size.width / 2, (outer.left + outer.right) / 2, 2);
    EXPECT_NEAR(shown.top + size.height / 2, clientTop + client.height / 2, 2);
    backend.PressButton(handle, TdvSetupDialog_A::kExitStartup);
  });
  EXPECT_EQ(CentredOverClientArea({470, 335}, {0, -400, 300, 100}, {300, 80}, 1, {0, 0, 800, 600}),
            (shell::Rect{0, 0, 470, 335}))
      << "a frame mostly off the screen still leaves the dialog on it";
}

// ---------------------------------------------------------------- Startup: commands

TEST_F(StartupDialogsTest, OpenSavedDataClosesTheDialogOnlyWhenADocumentOpened) {
  TdvSetupDialog_A startup;
  Run(startup, [&](shell::WindowHandle handle) {
    backend.PressButton(handle, TdvSetupDialog_A::kOpenSavedData);
    EXPECT_TRUE(backend.Exists(handle)) << "a cancelled open keeps the dialog";
    frame->opensDocument = true;
    backend.PressButton(handle, TdvSetupDialog_A::kOpenSavedData);
    EXPECT_FALSE(backend.Exists(handle));
  });
  EXPECT_EQ(frame->commands, (std::vector<int>{153, 153}));
  EXPECT_EQ(frame->docWindows.size(), 1u);
}

}  // namespace
