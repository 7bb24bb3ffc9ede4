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

}  // namespace
