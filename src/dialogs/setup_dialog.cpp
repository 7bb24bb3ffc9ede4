#include "dialogs/setup_dialog.h"

#include <array>
#include <utility>

#include "dialogs/control_help.h"
#include "dialogs/dialog_placement.h"
#include "shell/app_window.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kDrawnArea = 8;
constexpr int kOwnSize = 100;
constexpr int kStretched = 0;

constexpr shell::Rect kPictureRect{5, 1, 465, 163};
constexpr shell::Rect kWelcomeRect{20, 210, 210, 300};

// The buttons are stacked at the right, 170 by 20, every 30 pixels.
constexpr int kButtonLeft = 290;
constexpr int kButtonTop = 210;
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 20;
constexpr int kButtonStep = 30;

constexpr shell::Rect ButtonRect(int row) {
  const int top = kButtonTop + row * kButtonStep;
  return {kButtonLeft, top, kButtonLeft + kButtonWidth, top + kButtonHeight};
}

constexpr std::array<TdvControlHelp, 4> kHelp{{
    {TdvSetupDialog_A::kOpenMovie, "Lets you choose a movie to open with the default settings."},
    {TdvSetupDialog_A::kOpenSavedData, "Lets you open a file that has been saved earlier"},
    {TdvSetupDialog_A::kExitStartup, "Exits the setup procedure but leaves Kinovex running."},
    {TdvSetupDialog_A::kQuit, "Quits Kinovex"},
}};

}  // namespace

TdvSetupDialog_A::TdvSetupDialog_A(MovieChooser chooseMovie)
    : chooseMovie_(std::move(chooseMovie)) {
  title = "Startup";
  rect = {40, 45, 510, 380};
  AddControl(kPushButton, kOpenMovie, "Open Movie...", ButtonRect(0), 1, 0, 0);
  AddControl(kPushButton, kOpenSavedData, "Open Saved Data...", ButtonRect(1), 1, 0, 0);
  AddControl(kPushButton, kExitStartup, "Exit Startup ", ButtonRect(2), 1, 0, 0);
  AddControl(kPushButton, kQuit, "Quit Kinovex", ButtonRect(3), 1, 0, 0);
  AddControl(kDrawnArea, kPictureArea, "", kPictureRect, 1, 0, 0);
  AddControl(kDrawnArea, kWelcomeArea, "", kWelcomeRect, 1, 0, 0);
}

bool TdvSetupDialog_A::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvSetupDialog_A::OpenWindow() {
  CentreOverFrame(*this);
  return TdvDialog::OpenWindow();
}

int TdvSetupDialog_A::DoCreate() {
  TdvDialog::DoCreate();
  EnableControl(kOpenMovie, static_cast<bool>(chooseMovie_));
  ApplyControlHelp(*this, kHelp);
  return 0;
}

int TdvSetupDialog_A::DoControlCommand(int id) {
  switch (id) {
    case kOpenMovie:
      OpenMovie();
      return 0;
    case kOpenSavedData:
      OpenSavedData();
      return 0;
    case kExitStartup:
      CloseWindow();
      return 0;
    case kQuit:
      Quit();
      return 0;
    default:
      return kTdvNotHandled;
  }
}

void TdvSetupDialog_A::OpenMovie() {
  std::optional<TdvChosenMovie> chosen = chooseMovie_ ? chooseMovie_() : std::nullopt;
  if (!chosen) {
    return;
  }
  chosen_ = std::move(chosen);
  CloseWindow();
}

std::optional<TdvChosenMovie> TdvSetupDialog_A::TakeChosenMovie() {
  return std::exchange(chosen_, std::nullopt);
}

// The frame may already have closed this dialog when the document opened;
// otherwise it closes here. A cancelled or failed open leaves it up.
void TdvSetupDialog_A::OpenSavedData() {
  TdvAppWindow* frame = Frame();
  if (frame == nullptr) {
    return;
  }
  const std::size_t before = frame->docWindows.size();
  frame->DoCommand(kOpenSavedDataCommand);
  if (frame->docWindows.size() > before) {
    CloseWindow();
  }
}

// The frame is told to exit once this dialog has gone, so that ending the
// program never happens inside the dialog's own event.
void TdvSetupDialog_A::Quit() {
  CloseWindow();
  Backend().Post([] {
    if (TdvShell::Exists() && TdvShell::Get().Frame() != nullptr) {
      TdvShell::Get().Frame()->DoCommand(kExitCommand);
    }
  });
}

void TdvSetupDialog_A::DrawControl(int id) {
  if (id == kPictureArea && dc != nullptr) {
    const shell::Size area = dc->PixelSize();
    GfxDrawBitmap(kScreenshotPicture, {0, 0, area.width, area.height}, kStretched);
  } else if (id == kWelcomeArea) {
    GfxDrawBitmap(kWelcomePicture, {}, kOwnSize);
  }
}

void TdvSetupDialog_A::ShowControlHelp(int id, int, int) {
  TdvShell::Get().SetHelpText(ControlHelpText(kHelp, id));
}
