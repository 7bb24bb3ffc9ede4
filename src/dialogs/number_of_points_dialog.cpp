#include "dialogs/number_of_points_dialog.h"

#include <array>
#include <cerrno>
#include <cstdlib>

#include "dialogs/control_help.h"
#include "dialogs/dialog_placement.h"
#include "dialogs/movie_preview.h"
#include "document/data_object_window.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kSlider = 3;
constexpr int kEditField = 6;
constexpr int kDrawnArea = 8;
constexpr int kLabel = 9;
constexpr int kOwnSize = 100;

constexpr int kNoMovieColour = 42;
constexpr int kMovieBackColour = 21;
constexpr int kBlackCode = 0;

// The Create menu's "Point" entry, which gives each new point its
// default name.
constexpr int kNewPointCommand = 651;

constexpr shell::Rect kPreviewRect{135, 5, 465, 255};

constexpr std::array<TdvControlHelp, 3> kHelp{{
    {TdvSetupDialog_B::kCount,
     "Enter the number of items that you are interested in tracking. Ball Toss = 1 point, Two "
     "Cart collision = 2 Points, etc."},
    {TdvSetupDialog_B::kOk,
     "Accepts these values and opens the movie with the selected number of points"},
    {TdvSetupDialog_B::kCancel, "Exits the setup procedure."},
}};

}  // namespace

TdvSetupDialog_B::TdvSetupDialog_B(TdvMovieSetupHost& host, TdvChosenMovie chosen,
                                   TdvDataObjectWindow* document)
    : TdvAcceptDialog(kOk, kCancel, kHelp),
      host_(host),
      chosen_(std::move(chosen)),
      document_(document) {
  title = "Number of Points";
  rect = {60, 60, 535, 400};
  focusControl = kCount;
  defaultControl = kOk;
  AddControl(kDrawnArea, kInstructions, "", {5, 5, 130, 255}, 1, 0, 0);
  AddControl(kDrawnArea, kPreview, "", kPreviewRect, 1, 0, 0);
  AddControl(kSlider, kFrameSlider, "", {135, 260, 465, 276}, 1, 0, 0);
  AddControl(kLabel, kPrompt, "Number of features or objects to be located:", {10, 290, 300, 306},
             1, 0, 0);
  AddControl(kEditField, kCount, "1", {305, 287, 365, 307}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {285, 314, 370, 336}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {380, 314, 465, 336}, 1, 0, 0);
}

bool TdvSetupDialog_B::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvSetupDialog_B::OpenWindow() {
  CentreOverFrame(*this);
  return TdvDialog::OpenWindow();
}

int TdvSetupDialog_B::DoCreate() {
  TdvAcceptDialog::DoCreate();
  SetControlText(kCount, "1");
  const int frames = chosen_.movie ? static_cast<int>(chosen_.movie->VideoFrameTimes().size()) : 0;
  SetScrollRange(kFrameSlider, 0, std::max(frames - 1, 0));
  EnableControl(kFrameSlider, frames > 1);
  ShowFrame(0);
  return 0;
}

std::optional<int> TdvSetupDialog_B::ReadPointCount(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long count = std::strtol(start, &end, 10);
  while (end != nullptr && (*end == ' ' || *end == '\t')) {
    ++end;
  }
  if (end == start || *end != '\0' || errno != 0 || count < 0 || count > kMostPoints) {
    return std::nullopt;
  }
  return static_cast<int>(count);
}

// The preview's movie is let go before the document opens its own, so the
// file is never held open twice.
void TdvSetupDialog_B::Accept() {
  const std::optional<int> count = ReadPointCount(GetControlText(kCount));
  if (!count) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, kRefusal, title);
    WinSetFocusControl(kCount);
    return;
  }
  TdvDataObjectWindow* document = document_ != nullptr ? document_ : host_.NewDocumentWindow();
  if (document == nullptr) {
    return;
  }
  for (int i = 0; i < *count; ++i) {
    document->CreateFromMenu(kNewPointCommand);
  }
  document->SelectItem(document->NextItemToLocate(), 0);
  chosen_.movie.reset();
  const std::string path = chosen_.path;
  CloseWindow();
  host_.AttachMovie(*document, path);
}

int TdvSetupDialog_B::DoScroll(int id, int, int position) {
  if (id != kFrameSlider) {
    return kTdvNotHandled;
  }
  ShowFrame(position);
  return 0;
}

void TdvSetupDialog_B::ShowFrame(int index) {
  frame_ = {};
  if (!chosen_.movie) {
    return;
  }
  const auto& times = chosen_.movie->VideoFrameTimes();
  if (times.empty()) {
    return;
  }
  const std::size_t at =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), times.size() - 1);
  kinovex::TdvVideoImage image;
  if (chosen_.movie->VideoFrameImage(times[at], image)) {
    frame_ = PictureOfImage(image);
  }
  if (shell::WindowHandle preview = GetControlWindow(kPreview)) {
    Backend().Invalidate(preview, std::nullopt);
  }
}

void TdvSetupDialog_B::DrawControl(int id) {
  if (id == kInstructions) {
    GfxDrawBitmap(kInstructionsPicture, {}, kOwnSize);
  } else if (id == kPreview) {
    DrawPreview();
  }
}

void TdvSetupDialog_B::DrawPreview() {
  if (dc == nullptr) {
    return;
  }
  const shell::Size size = dc->PixelSize();
  const shell::Rect area{0, 0, size.width, size.height};
  if (!chosen_.movie) {
    GfxSetColorCode(kNoMovieColour);
    GfxFillRect(area);
    GfxSetColorCode(kBlackCode);
    GfxDrawTextInRect("No Movie Chosen", area, 1, 1);
    return;
  }
  GfxSetColorCode(kMovieBackColour);
  GfxFillRect(area);
  if (!frame_.Empty()) {
    const shell::Rect target = FitMovieInArea({frame_.Width(), frame_.Height()}, area);
    dc->DrawPicture(frame_, {0, 0, frame_.Width(), frame_.Height()}, target);
  }
}
