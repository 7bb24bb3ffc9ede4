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

const shell::Rgb kRed = shell::MakeRgb(255, 0, 0);
const shell::Rgb kGreen = shell::MakeRgb(0, 255, 0);
const shell::Rgb kBlue = shell::MakeRgb(0, 0, 255);

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

  const shell::HeadlessWindow& Control(shell::WindowHandle dialog, int id) const {
    return *backend.Window(backend.ControlOf(dialog, id));
  }

  // Draws the dialog and its pictures.
  void PaintAll(shell::WindowHandle dialog) {
    backend.Paint(dialog);
    backend.RunPosted();
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  StartupFrame* frame = nullptr;
};

// ---------------------------------------------------------------- About

TEST_F(StartupDialogsTest, AboutIsCentredOnTheWorkArea) {
  shell::SystemMetrics metrics;
  metrics.workArea = {100, 40, 1100, 840};
  backend.SetMetrics(metrics);
  TdvAboutDialog about;
  EXPECT_TRUE(about.IsA(41));
  EXPECT_TRUE(about.IsA(8));
  Run(about, [&](shell::WindowHandle handle) {
    const shell::HeadlessWindow* window = backend.Window(handle);
    EXPECT_EQ(window->title, "About Kinovex");
    EXPECT_EQ(backend.ClientSize(handle), (shell::Size{298, 348}));
    // The dialog template keeps positions in half pixels' steps.
    EXPECT_NEAR(window->outer.left, 100 + (1000 - 298) / 2, 1);
    EXPECT_NEAR(window->outer.top, 40 + (800 - 348) / 2, 1);
    backend.PressButton(handle, TdvAboutDialog::kOkButton);
  });
  EXPECT_TRUE(frame->commands.empty());
}

TEST_F(StartupDialogsTest, AboutShowsItsPictureUnscaledWithOkInTheCorner) {
  backend.AddBitmapResource(TdvAboutDialog::kPicture, shell::Picture(200, 100, kBlue));
  TdvAboutDialog about;
  Run(about, [&](shell::WindowHandle handle) {
    const shell::HeadlessWindow& ok = Control(handle, TdvAboutDialog::kOkButton);
    EXPECT_EQ(ok.control.text, "OK");
    EXPECT_TRUE(ok.isDefault);
    EXPECT_EQ(ok.toolTip, "Closes this box");
    EXPECT_EQ(ok.outer.right, 298 - 10);
    EXPECT_EQ(ok.outer.bottom, 348 - 10);
    EXPECT_GT(ok.outer.left, 298 / 2);

    PaintAll(handle);
    const shell::Picture& area =
        backend.Pixels(backend.ControlOf(handle, TdvAboutDialog::kPictureArea));
    EXPECT_EQ(area.Width(), 298);
    EXPECT_EQ(area.At(0, 0), kBlue);
    EXPECT_EQ(area.At(199, 99), kBlue);
    EXPECT_EQ(area.At(200, 100), shell::kWhite);
    backend.Close(handle);
  });
}

TEST_F(StartupDialogsTest, AnyKeyClosesAbout) {
  TdvAboutDialog about;
  Run(about, [&](shell::WindowHandle handle) {
    backend.PressKey(handle, shell::Key::kOther);
    EXPECT_FALSE(backend.Exists(handle));
  });
}

// ---------------------------------------------------------------- Startup: layout

TEST_F(StartupDialogsTest, StartupOffersFourStackedButtonsWithOpenMovieUnavailable) {
  TdvSetupDialog_A startup;
  EXPECT_TRUE(startup.IsA(30));
  EXPECT_TRUE(startup.IsA(8));
  Run(startup, [&](shell::WindowHandle handle) {
    EXPECT_EQ(backend.Window(handle)->title, "Startup");
    const shell::Rect client = TdvDialog::DialogPixelRect({40, 45, 510, 380}, {8, 16});
    EXPECT_EQ(backend.ClientSize(handle),
              (shell::Size{shell::RectWidth(client), shell::RectHeight(client)}));
    const std::vector<std::pair<int, std::string>> buttons{
        {TdvSetupDialog_A::kOpenMovie, "Open Movie..."},
        {TdvSetupDialog_A::kOpenSavedData, "Open Saved Data..."},
        {TdvSetupDialog_A::kExitStartup, "Exit Startup "},
        {TdvSetupDialog_A::kQuit, "Quit Kinovex"}};
    int top = 210;
    for (const auto& [id, text] : buttons) {
      const shell::HeadlessWindow& button = Control(handle, id);
      EXPECT_EQ(button.control.text, text);
      EXPECT_EQ(button.outer, (shell::Rect{290, top, 460, top + 20})) << text;
      EXPECT_FALSE(button.toolTip.empty()) << text;
      EXPECT_EQ(button.enabled, id != TdvSetupDialog_A::kOpenMovie) << text;
      top += 30;
    }
    EXPECT_EQ(Control(handle, TdvSetupDialog_A::kQuit).toolTip, "Quits Kinovex");
    backend.PressButton(handle, TdvSetupDialog_A::kExitStartup);
  });
}

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

TEST_F(StartupDialogsTest, StartupStretchesItsPictureAndShowsItsWelcomeUnscaled) {
  shell::Picture halves(46, 16, kRed);
  for (int y = 0; y < 16; ++y) {
    for (int x = 23; x < 46; ++x) {
      halves.Set(x, y, kGreen);
    }
  }
  backend.AddBitmapResource(TdvSetupDialog_A::kScreenshotPicture, halves);
  backend.AddBitmapResource(TdvSetupDialog_A::kWelcomePicture, shell::Picture(10, 10, kBlue));
  TdvSetupDialog_A startup;
  Run(startup, [&](shell::WindowHandle handle) {
    PaintAll(handle);
    const shell::Picture& picture =
        backend.Pixels(backend.ControlOf(handle, TdvSetupDialog_A::kPictureArea));
    ASSERT_EQ(picture.Width(), 460);
    ASSERT_EQ(picture.Height(), 162);
    EXPECT_EQ(picture.At(0, 0), kRed);
    EXPECT_EQ(picture.At(229, 161), kRed);
    EXPECT_EQ(picture.At(230, 0), kGreen);
    EXPECT_EQ(picture.At(459, 161), kGreen);

    const shell::Picture& welcome =
        backend.Pixels(backend.ControlOf(handle, TdvSetupDialog_A::kWelcomeArea));
    EXPECT_EQ(welcome.At(9, 9), kBlue);
    EXPECT_EQ(welcome.At(10, 10), shell::kWhite);
    backend.PressButton(handle, TdvSetupDialog_A::kExitStartup);
  });
}

TEST_F(StartupDialogsTest, ContextHelpNamesWhatEachButtonDoes) {
  TdvSetupDialog_A startup;
  Run(startup, [&](shell::WindowHandle handle) {
    shell.SetContextHelp(true);
    backend.MouseMove(handle, {300, 245});
    EXPECT_EQ(shell.HelpText(), "Lets you open a file that has been saved earlier");
    backend.MouseMove(handle, {300, 275});
    EXPECT_EQ(shell.HelpText(), "Exits the setup procedure but leaves Kinovex running.");
    backend.MouseMove(handle, {100, 100});
    EXPECT_EQ(shell.HelpText(), "");
    shell.SetContextHelp(false);
    backend.PressButton(handle, TdvSetupDialog_A::kExitStartup);
  });
}

// ---------------------------------------------------------------- Startup: commands

TEST_F(StartupDialogsTest, ExitStartupLeavesTheProgramRunning) {
  TdvSetupDialog_A startup;
  Run(startup, [&](shell::WindowHandle handle) {
    backend.PressButton(handle, TdvSetupDialog_A::kExitStartup);
  });
  backend.RunPosted();
  EXPECT_TRUE(frame->commands.empty());
  EXPECT_TRUE(backend.Exists(frame->hwnd));
}

TEST_F(StartupDialogsTest, QuitClosesTheDialogBeforeTheFrameIsToldToExit) {
  TdvSetupDialog_A startup;
  Run(startup, [&](shell::WindowHandle handle) {
    backend.PressButton(handle, TdvSetupDialog_A::kQuit);
    EXPECT_FALSE(backend.Exists(handle));
    EXPECT_TRUE(frame->commands.empty());
  });
  backend.RunPosted();
  EXPECT_EQ(frame->commands, std::vector<int>{163});
}

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

TEST_F(StartupDialogsTest, AFrameThatClosesTheDialogItselfIsNotCrossed) {
  TdvSetupDialog_A startup;
  frame->opensDocument = true;
  frame->closesStartup = &startup;
  Run(startup, [&](shell::WindowHandle handle) {
    backend.PressButton(handle, TdvSetupDialog_A::kOpenSavedData);
    EXPECT_FALSE(backend.Exists(handle));
  });
  EXPECT_TRUE(backend.Messages().empty());
}

}  // namespace
