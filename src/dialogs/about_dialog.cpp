#include "dialogs/about_dialog.h"

#include <array>

#include "dialogs/control_help.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kDrawnArea = 8;
constexpr int kOwnSize = 100;
constexpr int kButtonWidth = 64;
constexpr int kButtonHeight = 22;
constexpr int kButtonMargin = 10;

constexpr std::array<TdvControlHelp, 1> kHelp{{{TdvAboutDialog::kOkButton, "Closes this box"}}};

}  // namespace

TdvAboutDialog::TdvAboutDialog() {
  title = "About Kinovex";
  rect = {0, 0, kWidth, kHeight};
  defaultControl = kOkButton;
  AddControl(kPushButton, kOkButton, "OK",
             {kWidth - kButtonMargin - kButtonWidth, kHeight - kButtonMargin - kButtonHeight,
              kWidth - kButtonMargin, kHeight - kButtonMargin},
             1, 0, 0);
  AddControl(kDrawnArea, kPictureArea, "", {0, 0, kWidth, kHeight}, 1, 0, 0);
}

bool TdvAboutDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

shell::Rect TdvAboutDialog::CentredRect(const shell::Rect& workArea) {
  const int left = workArea.left + (shell::RectWidth(workArea) - kWidth) / 2;
  const int top = workArea.top + (shell::RectHeight(workArea) - kHeight) / 2;
  return {left, top, left + kWidth, top + kHeight};
}

int TdvAboutDialog::OpenWindow() {
  rect = CentredRect(Backend().Metrics().workArea);
  return TdvDialog::OpenWindow();
}

// The picture covers the whole box, so the button is lifted above it.
int TdvAboutDialog::DoCreate() {
  TdvDialog::DoCreate();
  if (shell::WindowHandle button = GetControlWindow(kOkButton)) {
    Backend().BringToTop(button);
  }
  ApplyControlHelp(*this, kHelp);
  return 0;
}

int TdvAboutDialog::DoControlCommand(int id) {
  if (id != kOkButton) {
    return kTdvNotHandled;
  }
  CloseWindow();
  return 0;
}

bool TdvAboutDialog::FilterEvent(const shell::Event& event) {
  if (event.kind != shell::EventKind::kKeyDown) {
    return false;
  }
  CloseWindow();
  return true;
}

void TdvAboutDialog::DrawControl(int id) {
  if (id == kPictureArea) {
    GfxDrawBitmap(kPicture, {0, 0, kWidth, kHeight}, kOwnSize);
  }
}

void TdvAboutDialog::ShowControlHelp(int id, int, int) {
  TdvShell::Get().SetHelpText(ControlHelpText(kHelp, id));
}
