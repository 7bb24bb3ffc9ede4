#include <gtest/gtest.h>

#include "shell/status_window.h"
#include "shell_fixture.h"

namespace {

struct NumberAnswer {
  bool accepted = false;
  double value = 0;
  int coordinates = 0;
  bool origin = false;
};

// A dialog in the style of the program's editing dialogs: an edit field for
// a number, a pop-up, a check box, OK and Cancel.
class NumberDialog : public TdvDialog {
 public:
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;
  static constexpr int kValue = 20;
  static constexpr int kCoordinates = 40;
  static constexpr int kOrigin = 90;

  explicit NumberDialog(NumberAnswer* answer) : answer_(answer) {
    title = "Number";
    rect = {40, 60, 240, 160};
    focusControl = kValue;
    defaultControl = kOk;
    AddControl(6, kValue, "0", {10, 10, 90, 30}, 1, 1, 0);
    AddControl(4, kCoordinates, "Coordinates:", {10, 40, 190, 60}, 1, 1, 10060);
    AddControl(11, kOrigin, "Is An Origin", {10, 65, 120, 80}, 1, 0, 0);
    AddControl(1, kOk, "OK", {110, 10, 170, 30}, 1, 0, 0);
    AddControl(1, kCancel, "Cancel", {110, 35, 170, 55}, 1, 0, 0);
  }

  int DoControlCommand(int id) override {
    if (id == kOk) {
      answer_->accepted = GetControlReal(kValue, answer_->value);
      answer_->coordinates = GetPopupSelection(kCoordinates);
      answer_->origin = GetCheckBox(kOrigin);
      CloseWindow();
    } else if (id == kCancel) {
      CloseWindow();
    }
    return 0;
  }

  int DoClose() override { return refuseClose ? 0 : TdvDialog::DoClose(); }
  int DoSize(int width, int height) override {
    sizes.push_back({width, height});
    return TdvDialog::DoSize(width, height);
  }

  bool refuseClose = false;
  std::vector<shell::Size> sizes;

 private:
  NumberAnswer* answer_;
};

class DialogTest : public ShellTest {
 protected:
  std::vector<std::string> failures;

  void CollectFailures() {
    backend.SetFailureHandler([this](const std::string& message) { failures.push_back(message); });
  }
};

TEST_F(DialogTest, AModalDialogIsHandedToTheScriptBeforeOpenWindowReturns) {
  NumberAnswer answer;
  NumberDialog dialog(&answer);
  bool handled = false;
  backend.QueueModal([&](shell::WindowHandle handle) {
    handled = true;
    EXPECT_EQ(shell.Find(handle), &dialog);
    backend.TypeText(handle, NumberDialog::kValue, "\b-12.5x");
    backend.ChoosePopup(handle, NumberDialog::kCoordinates, 2);
    backend.PressButton(handle, NumberDialog::kOrigin);
    backend.PressButton(handle, NumberDialog::kOk);
  });
  EXPECT_EQ(dialog.OpenWindow(), 1);
  EXPECT_TRUE(handled);
  EXPECT_TRUE(answer.accepted);
  EXPECT_DOUBLE_EQ(answer.value, -12.5);
  EXPECT_EQ(answer.coordinates, 2);
  EXPECT_TRUE(answer.origin);
  EXPECT_EQ(dialog.hwnd, shell::kNoWindow);
}

TEST_F(DialogTest, TheDialogShowsItsTitleAndFocusesItsFocusControl) {
  NumberAnswer answer;
  NumberDialog dialog(&answer);
  backend.QueueModal([&](shell::WindowHandle handle) {
    EXPECT_EQ(backend.Window(handle)->title, "Number");
    EXPECT_EQ(backend.Focus(), backend.ControlOf(handle, NumberDialog::kValue));
    EXPECT_TRUE(backend.Window(backend.ControlOf(handle, NumberDialog::kOk))->isDefault);
    backend.PressButton(handle, NumberDialog::kCancel);
  });
  dialog.OpenWindow();
  EXPECT_FALSE(answer.accepted);
}

TEST_F(DialogTest, DefaultsOfAGenericDialog) {
  TdvDialog dialog;
  EXPECT_EQ(dialog.title, "Generic Dialog");
  EXPECT_EQ(dialog.GetRect(), (shell::Rect{50, 100, 300, 300}));
  EXPECT_EQ(dialog.helpContext, 30);
  EXPECT_TRUE(dialog.IsA(8));
  EXPECT_TRUE(dialog.IsA(7));
  EXPECT_FALSE(dialog.IsA(9));
}

TEST_F(DialogTest, ControlsScaleWithTheDialogBaseUnits) {
  shell::SystemMetrics metrics;
  metrics.dialogBaseUnits = {16, 32};
  backend.SetMetrics(metrics);
  NumberAnswer answer;
  NumberDialog dialog(&answer);
  backend.QueueModal([&](shell::WindowHandle handle) {
    const shell::HeadlessWindow* ok = backend.Window(backend.ControlOf(handle, NumberDialog::kOk));
    EXPECT_EQ(ok->outer, (shell::Rect{220, 20, 340, 60}));
    EXPECT_EQ(backend.ClientSize(handle), (shell::Size{400, 200}));
    backend.Close(handle);
  });
  dialog.OpenWindow();
}

TEST_F(DialogTest, ADialogThatRefusesToCloseStaysOpenAndTheScriptIsToldSo) {
  CollectFailures();
  NumberAnswer answer;
  NumberDialog dialog(&answer);
  dialog.refuseClose = true;
  backend.QueueModal([&](shell::WindowHandle handle) {
    backend.PressButton(handle, NumberDialog::kCancel);
    EXPECT_TRUE(backend.Exists(handle));
    dialog.refuseClose = false;
  });
  dialog.OpenWindow();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("left the modal dialog"), std::string::npos);
  EXPECT_EQ(dialog.hwnd, shell::kNoWindow);
}

TEST_F(DialogTest, AModalDialogTheScriptDidNotExpectFailsLoudly) {
  CollectFailures();
  TdvDialog dialog;
  EXPECT_EQ(dialog.OpenWindow(), 1);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("did not expect"), std::string::npos);
  EXPECT_EQ(dialog.hwnd, shell::kNoWindow);
}

TEST_F(DialogTest, ContextHelpOpensTheDialogsHelpTopic) {
  NumberAnswer answer;
  NumberDialog dialog(&answer);
  dialog.helpContext = 480;
  backend.QueueModal([&](shell::WindowHandle handle) {
    backend.Command(handle, 752);
    backend.Close(handle);
  });
  dialog.OpenWindow();
  EXPECT_EQ(frame->helpTopics, (std::vector<int>{480}));
}

TEST_F(DialogTest, MovingTheDialogReportsItsClientSize) {
  NumberAnswer answer;
  NumberDialog dialog(&answer);
  backend.QueueModal([&](shell::WindowHandle handle) {
    dialog.sizes.clear();
    backend.MoveWindow(handle, {0, 0, 300, 200});
    backend.Close(handle);
  });
  dialog.OpenWindow();
  const shell::SystemMetrics metrics = backend.Metrics();
  ASSERT_FALSE(dialog.sizes.empty());
  EXPECT_EQ(dialog.sizes.front(),
            (shell::Size{300 - 2 * metrics.dialogFrameWidth,
                         200 - 2 * metrics.dialogFrameHeight - metrics.captionHeight}));
}

TEST_F(DialogTest, DialogsTheShellOwnsAreFreedAfterClosing) {
  NumberAnswer answer;
  NumberDialog* dialog = shell.Keep(std::make_unique<NumberDialog>(&answer));
  backend.QueueModal([&](shell::WindowHandle handle) {
    backend.TypeText(handle, NumberDialog::kValue, "7");
    backend.PressButton(handle, NumberDialog::kOk);
  });
  EXPECT_EQ(dialog->OpenWindow(), 1);
  EXPECT_DOUBLE_EQ(answer.value, 7.0);
  backend.RunPosted();
}

// ---------------------------------------------------------------- movie message

class StatusWindowTest : public ShellTest {
 protected:
  TdvStatusWindow* OpenMessage(RecordingWindow* owner) {
    TdvStatusWindow* status = shell.Keep(std::make_unique<TdvStatusWindow>());
    status->SetOwner(owner);
    status->SetTitle("Movie Message");
    EXPECT_EQ(status->OpenWindow(), 1);
    status->SetMessage("Click on one end of the object of known length", 40, 0, 0, 0);
    owner->calls.clear();
    return status;
  }
};

TEST_F(StatusWindowTest, ShowsItsMessageAboveItsOwner) {
  RecordingWindow* owner = OpenDocument("Movie", {100, 200, 402, 420});
  TdvStatusWindow* status = OpenMessage(owner);
  EXPECT_TRUE(status->IsA(14));
  EXPECT_TRUE(status->IsOwner(owner));
  EXPECT_EQ(backend.Window(status->hwnd)->title, "Movie Message");
  EXPECT_FALSE(backend.Window(status->hwnd)->modal);
  EXPECT_EQ(backend.Text(status->GetControlWindow(TdvStatusWindow::kTextControl)),
            "Click on one end of the object of known length");
  EXPECT_LT(backend.OuterRect(status->hwnd).top, 200);
  EXPECT_EQ(status->GetClickCode(), 40);
}

TEST_F(StatusWindowTest, ClicksAndDoneGoToTheOwnerWithTheClickCode) {
  RecordingWindow* owner = OpenDocument("Movie", {100, 200, 402, 420});
  TdvStatusWindow* status = OpenMessage(owner);
  status->RelayClick(7, 8, kTdvShiftKey);
  status->DoControlCommand(TdvStatusWindow::kDoneControl);
  EXPECT_EQ(owner->calls,
            (std::vector<SeenCall>{{"OnMessageClick", 7, 8, 40}, {"OnMessageDone", 40, 0, 0}}));
}

TEST_F(StatusWindowTest, ClosingItTellsTheOwnerOnce) {
  RecordingWindow* owner = OpenDocument("Movie", {100, 200, 402, 420});
  TdvStatusWindow* status = OpenMessage(owner);
  const shell::WindowHandle handle = status->hwnd;
  backend.Close(handle);
  EXPECT_FALSE(backend.Exists(handle));
  EXPECT_EQ(owner->Operations(), (std::vector<std::string>{"OnMessageDone", "OnMessageClosed"}));
  backend.RunPosted();
}

TEST_F(StatusWindowTest, WithoutAnOwnerNothingOpens) {
  TdvStatusWindow status;
  EXPECT_EQ(status.OpenWindow(), 0);
}

}  // namespace
