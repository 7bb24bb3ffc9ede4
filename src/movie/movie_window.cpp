#include "movie/movie_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "foundation/geometry.h"
#include "shell/app_window.h"
#include "shell/shell.h"
#include "shell/status_window.h"

namespace kinovex {

namespace {

constexpr int kRewindCommand = 301;
constexpr int kHalfSizeCommand = 307;
constexpr int kNormalSizeCommand = 308;
constexpr int kDoubleSizeCommand = 309;
constexpr int kMaximiseCommand = 310;
constexpr int kKeepAspectCommand = 312;
constexpr int kPlayAllFramesCommand = 313;
constexpr int kShowFrameNumbersCommand = 314;
constexpr int kPrintCommand = 161;
constexpr int kCopyCommand = 462;
constexpr int kRestoreCommand = 701;
constexpr int kNotAnswered = -999;

constexpr int kMovieHelpContext = 50;
constexpr int kMovieWindowMenu = 5;
constexpr int kMinimumMovieWidth = 160;
constexpr int kTextSize = 9;
constexpr int kTextInset = 5;
constexpr int kHitBox = 3;

// Movie messages and what a click answers while each is open.
constexpr int kCloseMessage = -1;
constexpr int kPlainMessage = 89;
constexpr int kScaleFirstMessage = 90;
constexpr int kScaleSecondMessage = 91;
constexpr int kScaleClickCode = 40;
constexpr int kScaleFirstEnd = -5;
constexpr int kScaleSecondEnd = -6;
constexpr int kScaleCancelled = -4;
constexpr int kTrackingMessage = 92;
constexpr int kTrackingClickCode = 41;

constexpr const char* kCaption = "TdvMoovWindow::MoovSetMoov";
constexpr const char* kPictIsNull = "Pict is null";

// Control and an arrow nudge with these codes: up, left, right, down.
int NudgeCode(int character) {
  switch (character) {
    case kTdvKeyUp:
      return 5;
    case kTdvKeyLeft:
      return 6;
    case kTdvKeyRight:
      return 7;
    case kTdvKeyDown:
      return 8;
    default:
      return 0;
  }
}

}  // namespace

TdvMoovWindow::TdvMoovWindow() {
  title = "MoovWindow";
  className = "TdvMoovChild";
  helpContext = kMovieHelpContext;
  windowMenu = kMovieWindowMenu;
}

TdvMoovWindow::~TdvMoovWindow() = default;

bool TdvMoovWindow::IsA(int code) const {
  return code == kClassCode || TdvDocumentWindow::IsA(code);
}

void TdvMoovWindow::SetMovieFile(const TdvFileLocation& location) {
  movieFile = location;
  WinSetTitle(location.fileName);
}

void TdvMoovWindow::MoovSetMoov(std::unique_ptr<TdvVideoMovie> movie) {
  if (movie_) {
    Fault("Movie Already Selected", kCaption);
    return;
  }
  if (!movie) {
    Fault("Invalid movie handle", kCaption);
    return;
  }
  movie_ = std::move(movie);
  const TdvVideoRect box = movie_->VideoNaturalBox();
  naturalSize = {box.Width(), box.Height()};
  movie_->VideoSetBox({0, 0, naturalSize.width, naturalSize.height});
  pictures_ = std::make_unique<TdvFramePictures>(*movie_);
  frameTimes = movie_->VideoFrameTimes();
  duration = movie_->VideoDuration();
  timeScale = movie_->VideoTimeScale();
  controller_ = std::make_unique<TdvMovieController>(*this, frameTimes, timeScale, duration);
  controller_->SetPlayEveryFrame(playAllFrames);
  controller_->SetFilter([this](TdvControllerAction action, int argument) {
    return ControllerFilter(action, argument);
  });
  controller_->onFrameChanged = [this] { ControllerMovedFrame(); };
  currentTime = controller_->Time();
  SetMovieSize(naturalSize.width, naturalSize.height);
}

void TdvMoovWindow::SetMovieSize(int width, int height) {
  if (naturalSize.width <= 0 || naturalSize.height <= 0) {
    return;
  }
  hScale = static_cast<double>(width) / naturalSize.width;
  vScale = static_cast<double>(height) / naturalSize.height;
  WinSetClientSize({width, height + StripHeight(width, barHeight)});
}

void TdvMoovWindow::SetOption(int key, int value) {
  if (key == kKeepAspectOption) {
    keepAspect = value != 0;
  }
}

// ------------------------------------------------------------ coordinates

TdvPoint TdvMoovWindow::ToMovieUnits(int x, int y) const {
  return {RoundHalfAway(2.0 * x / hScale), -RoundHalfAway(2.0 * y / vScale)};
}

TdvPoint TdvMoovWindow::ToWindow(const TdvPoint& movieUnits) const {
  return {RoundHalfAway(movieUnits.x * hScale * 0.5),
          RoundHalfAway(-(movieUnits.y * vScale * 0.5))};
}

TdvPoint TdvMoovWindow::MovieUnitsSize() const {
  return {naturalSize.width * 2, naturalSize.height * 2};
}

std::optional<TdvRect> TdvMoovWindow::WindowRect() const {
  if (hwnd == shell::kNoWindow) {
    return std::nullopt;
  }
  return Backend().OuterRect(hwnd);
}

void TdvMoovWindow::PlaceWindow(const TdvRect& place) {
  if (hwnd != shell::kNoWindow) {
    Backend().MoveWindow(hwnd, place);
  }
}

// ------------------------------------------------------------ time

void TdvMoovWindow::SnapCurrentTime() {
  if (controller_) {
    currentTime = controller_->Time();
  }
}

void TdvMoovWindow::GoToTime(std::int32_t time) {
  if (controller_) {
    controller_->GoToTime(time);
  }
}

void TdvMoovWindow::StepFrame(bool forward) {
  if (!controller_) {
    return;
  }
  if (document == nullptr || document->StepsEveryFrame()) {
    ownStep = false;
    controller_->Step(forward ? 1 : -1);
    return;
  }
  GoToTime(document->StepTime(currentTime, forward));
}

// Steps the user makes with the controller obey the document's step size;
// a step this window asked for itself is not reported back as the user's.
bool TdvMoovWindow::ControllerFilter(TdvControllerAction action, int argument) {
  if (action != TdvControllerAction::kStep) {
    return false;
  }
  if (document != nullptr && !document->StepsEveryFrame()) {
    StepFrame(argument == 1);
    return true;
  }
  if (ownStep) {
    stepDone = true;
  } else {
    ownStep = true;
  }
  return false;
}

void TdvMoovWindow::ControllerMovedFrame() {
  SnapCurrentTime();
  Redraw();
  if (document != nullptr) {
    document->CurrentTimeChanged(currentTime);
    if (stepDone) {
      stepDone = false;
      document->ControllerStepped();
    }
  }
}

// ------------------------------------------------------------ sizes

int TdvMoovWindow::AvailableWidth() const {
  TdvAppWindow* frame = Frame();
  if (frame == nullptr || frame->hwnd == shell::kNoWindow || hwnd == shell::kNoWindow) {
    return std::numeric_limits<int>::max();
  }
  const int border = shell::RectWidth(Backend().OuterRect(hwnd)) - Backend().ClientSize(hwnd).width;
  return Backend().ClientSize(frame->hwnd).width - border;
}

int TdvMoovWindow::DoSize(int width, int height) {
  if (naturalSize.width <= 0 || naturalSize.height <= 0) {
    return kTdvNotHandled;
  }
  clientSize = {width, height};
  const int areaHeight = height - StripHeight(width, barHeight);
  hScale = static_cast<double>(width) / naturalSize.width;
  vScale = static_cast<double>(areaHeight) / naturalSize.height;
  const bool fits = std::abs(RoundHalfAway(naturalSize.width * vScale) - width) <= 1;
  if (sizing_ || (width >= kMinimumMovieWidth && (!keepAspect || fits))) {
    layout_ = LayOutMovieWindow(clientSize, barHeight);
    if (controller_) {
      controller_->SetBounds(layout_.controller);
    }
    return kTdvNotHandled;
  }
  int wanted = RoundHalfAway(naturalSize.width * vScale);
  const int available = AvailableWidth();
  if (wanted > available) {
    wanted = available;
    vScale = static_cast<double>(wanted) / naturalSize.width;
  }
  if (keepAspect) {
    hScale = vScale;
  } else {
    wanted = width;
  }
  if (wanted < kMinimumMovieWidth) {
    wanted = kMinimumMovieWidth;
    hScale = static_cast<double>(kMinimumMovieWidth) / naturalSize.width;
    if (keepAspect) {
      vScale = hScale;
    }
  }
  const int newAreaHeight = RoundHalfAway(naturalSize.height * vScale);
  sizing_ = true;
  WinSetClientSize({wanted, newAreaHeight + StripHeight(wanted, barHeight)});
  sizing_ = false;
  return 0;
}

void TdvMoovWindow::RestoreAndRaise() {
  if (hwnd == shell::kNoWindow) {
    return;
  }
  Backend().Show(hwnd, shell::ShowCommand::kRestore);
  Backend().BringToTop(hwnd);
}

void TdvMoovWindow::ResizeToMovie(double factor) {
  RestoreAndRaise();
  SetMovieSize(RoundHalfAway(naturalSize.width * factor),
               RoundHalfAway(naturalSize.height * factor));
}

// ------------------------------------------------------------ drawing

void TdvMoovWindow::Redraw() {
  if (hwnd == shell::kNoWindow) {
    return;
  }
  if (dc != nullptr) {
    WinDraw(std::nullopt);
    return;
  }
  BeforePaint();
  WinDraw(std::nullopt);
  AfterPaint();
}

void TdvMoovWindow::RedrawMovie() {
  Redraw();
}

void TdvMoovWindow::WinDraw(const std::optional<shell::Rect>& area) {
  if (!movie_ || dc == nullptr) {
    TdvDocumentWindow::WinDraw(area);
    return;
  }
  GfxSetTextSize(kTextSize);
  GfxSetPenMode(kTdvPenNormal);
  SnapCurrentTime();
  DrawPicture();
  if (showFrameNumbers) {
    DrawFrameCounter();
  }
  if (document != nullptr) {
    document->DrawItemsAt(currentTime);
  }
  floatingText.clear();
  floatingAt_.reset();  // the picture drawn over it took it away
  DrawStrip();
  controller_->Draw();
}

// A frame that does not decode is first taken for the end of a movie cut
// short, which then ends at the last frame that decodes; a frame that
// still cannot be shown leaves the picture blank with a note, and a beep
// the first time it is shown.
void TdvMoovWindow::DrawPicture() {
  std::size_t index = controller_->FrameIndex();
  const shell::Picture* picture = pictures_->PictureOf(index);
  if (picture == nullptr && controller_->FrameCount() == frameTimes.size()) {
    controller_->LimitFrames(pictures_->ShowableFrames(index));
    SnapCurrentTime();
    index = controller_->FrameIndex();
    picture = pictures_->PictureOf(index);
  }
  const shell::Rect& area = layout_.picture;
  if (picture != nullptr) {
    dc->DrawPicture(*picture, {}, ToDevice(area));
    return;
  }
  GfxEraseRect(area);
  GfxSetFGColor(shell::kBlack);
  GfxDrawTextInRect(kPictIsNull, area, 1, 1);
  if (beepedFrame_ != index) {
    beepedFrame_ = index;
    Backend().Beep();
  }
}

void TdvMoovWindow::DrawFrameCounter() {
  const int number = document != nullptr ? document->FrameIndex(currentTime) + 1
                                         : static_cast<int>(controller_->FrameIndex()) + 1;
  char counter[32];
  std::snprintf(counter, sizeof counter, "%d of %d", number,
                static_cast<int>(controller_->FrameCount()));
  GfxSetFGColor(shell::kYellow);
  GfxFillRect(layout_.frameCounter);
  GfxSetFGColor(shell::kBlack);
  GfxDrawTextInRect(counter, layout_.frameCounter, 1, 1);
  if (document != nullptr) {
    document->CurrentTimeChanged(currentTime);
  }
}

void TdvMoovWindow::DrawStrip() {
  if (layout_.small) {
    GfxEraseRect(layout_.spareBox);
  }
  GfxEraseRect(layout_.timeBox);
  GfxSetFGColor(shell::kBlack);
  GfxMoveTo(layout_.timeBox.left, layout_.timeBox.bottom - 1);
  GfxLineTo(layout_.timeBox.right, layout_.timeBox.bottom - 1);
  const std::string timeText = document != nullptr ? document->FrameTimeText(currentTime) : "";
  GfxDrawTextInRect("t = " + timeText + " [s]",
                    {layout_.timeBox.left + kTextInset, layout_.timeBox.top, layout_.timeBox.right,
                     layout_.timeBox.bottom},
                    0, 1);
  DrawReadout();
  DrawNameBox();
}

void TdvMoovWindow::DrawReadout() {
  const shell::Rect& box = layout_.readoutBox;
  GfxEraseRect({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1});
  if (document == nullptr) {
    return;
  }
  const TdvPoint at = ToMovieUnits(mousePos.x, mousePos.y);
  GfxSetFGColor(shell::kBlack);
  GfxDrawTextInRect(document->CursorReadout(at.x, at.y),
                    {box.left + kTextInset, box.top, box.right, box.bottom}, 0, 1);
}

void TdvMoovWindow::DrawNameBox() {
  const shell::Rect& box = layout_.nameBox;
  GfxEraseRect(box);
  GfxSetFGColor(shell::kBlack);
  if (layout_.small) {
    GfxMoveTo(box.left, box.top);
    GfxLineTo(box.right, box.top);
  } else {
    GfxMoveTo(box.left, box.top);
    GfxLineTo(box.left, box.bottom);
  }
  if (document == nullptr) {
    return;
  }
  bool hasData = true;
  const std::string label = document->SelectedItemLabel(hasData);
  cursorKind = hasData ? kCursorArrow : kCursorTakeData;
  floatingText = hasData ? "" : label;
  GfxSetItalic(!hasData);
  GfxDrawTextInRect(label, {box.left + kTextInset, box.top, box.right, box.bottom}, 0, 1);
  GfxSetItalic(false);
}

void TdvMoovWindow::DrawFloatingLabel() {
  if (floatingText.empty() || !OnPicture(mousePos.x, mousePos.y)) {
    return;
  }
  floatingAt_ = shell::Point{mousePos.x + kTextInset, mousePos.y - kTextInset};
  GfxSetPenMode(kTdvPenXor);
  GfxSetFGColor(shell::kYellow);
  GfxDrawText(floatingText, floatingAt_->x, floatingAt_->y);
  GfxSetPenMode(kTdvPenNormal);
}

void TdvMoovWindow::EraseFloatingLabel() {
  if (!floatingAt_) {
    return;
  }
  GfxSetPenMode(kTdvPenXor);
  GfxSetFGColor(shell::kYellow);
  GfxDrawText(floatingText, floatingAt_->x, floatingAt_->y);
  GfxSetPenMode(kTdvPenNormal);
  floatingAt_.reset();
}

void TdvMoovWindow::ShowCursor() {
  if (TdvAppWindow* frame = Frame()) {
    frame->SelectCursor(cursorKind);
  }
}

// ------------------------------------------------------------ events

// The controller sees every event first; it keeps clicks on its bar, its
// timer and the plain keys it knows. Control and an arrow nudge even while
// an edit elsewhere would take the key.
bool TdvMoovWindow::FilterEvent(const shell::Event& event) {
  if (!controller_ || drawMode == kTdvDrawPrint) {
    return false;
  }
  if (event.kind == shell::EventKind::kKeyDown && event.modifiers.control) {
    std::optional<int> character = KeyCharacter(event.key);
    if (character && NudgeCode(*character) != 0) {
      DoKeyDown(*character, kTdvControlKey);
      return true;
    }
    return false;
  }
  return controller_->FeedEvent(event);
}

int TdvMoovWindow::DoCreate() {
  TdvDocumentWindow::DoCreate();
  barHeight = Backend().Metrics().captionHeight - 2;
  return 0;
}

int TdvMoovWindow::DoActivate(bool active) {
  TdvDocumentWindow::DoActivate(active);
  if (!active) {
    return 0;
  }
  if (messageWindow != nullptr && messageWindow->hwnd != shell::kNoWindow) {
    Backend().BringToTop(messageWindow->hwnd);
  }
  WinSetMenuItemText(kCopyCommand, "&Copy Movie\tCtrl+C");
  if (document != nullptr) {
    document->MovieActivated();
  }
  return 0;
}

int TdvMoovWindow::MovieCommand(int id) {
  switch (id) {
    case kRewindCommand:
    case kHalfSizeCommand:
    case kNormalSizeCommand:
    case kDoubleSizeCommand:
    case kMaximiseCommand:
    case kRestoreCommand:
      return DoCommand(id);
    default:
      return kNotAnswered;
  }
}

int TdvMoovWindow::DoCommand(int id) {
  switch (id) {
    case kRewindCommand:
      if (!frameTimes.empty()) {
        GoToTime(frameTimes.front());
      }
      return 0;
    case kHalfSizeCommand:
      ResizeToMovie(0.5);
      return 0;
    case kNormalSizeCommand:
      ResizeToMovie(1.0);
      return 0;
    case kDoubleSizeCommand:
      ResizeToMovie(2.0);
      return 0;
    case kMaximiseCommand:
      if (hwnd != shell::kNoWindow) {
        Backend().Show(hwnd, shell::ShowCommand::kMaximize);
      }
      return 0;
    case kKeepAspectCommand:
      keepAspect = !keepAspect;
      WinCheckMenuItem(id, keepAspect);
      if (keepAspect && hwnd != shell::kNoWindow) {
        const shell::Size size = Backend().ClientSize(hwnd);
        DoSize(size.width, size.height);
      }
      return 0;
    case kPlayAllFramesCommand:
      playAllFrames = !playAllFrames;
      WinCheckMenuItem(id, playAllFrames);
      if (controller_) {
        controller_->SetPlayEveryFrame(playAllFrames);
      }
      return 0;
    case kShowFrameNumbersCommand:
      showFrameNumbers = !showFrameNumbers;
      WinCheckMenuItem(id, showFrameNumbers);
      Redraw();
      return 0;
    case kRestoreCommand:
      RestoreAndRaise();
      return 0;
    case kCopyCommand:
      CopyToClipboard();
      return 0;
    case kPrintCommand:
      PrintWindow(document != nullptr ? document->MovieName() : "No Movie", "Movie", true);
      return 0;
    default: {
      const int answer = document != nullptr ? document->MovieDocumentCommand(id) : kNotAnswered;
      return answer == kNotAnswered ? TdvDocumentWindow::DoCommand(id) : answer;
    }
  }
}

int TdvMoovWindow::DoMouseMove(int x, int y, int modifiers) {
  if (!movie_) {
    return TdvDocumentWindow::DoMouseMove(x, y, modifiers);
  }
  const bool buttonDown = mouseDown != 0;
  if (!OnPicture(x, y) && !buttonDown && !scaleMode) {
    BeforePaint();
    EraseFloatingLabel();
    AfterPaint();
    cursorKind = kCursorArrow;
    if (TdvAppWindow* frame = Frame()) {
      frame->SelectCursor(kCursorArrow);
    }
    return 0;
  }
  const shell::Rect& picture = layout_.picture;
  const shell::Point point{std::clamp(x, picture.left, std::max(picture.right - 1, picture.left)),
                           std::clamp(y, picture.top, std::max(picture.bottom - 1, picture.top))};
  if (point == mousePos) {
    return 0;
  }
  BeforePaint();
  EraseFloatingLabel();
  mousePos = point;
  if (buttonDown && document != nullptr) {
    const TdvPoint down = ToMovieUnits(mouseDownPos.x, mouseDownPos.y);
    const TdvPoint now = ToMovieUnits(point.x, point.y);
    GfxSetPenMode(kTdvPenXor);
    document->MovieDrag(now.x, now.y, down.x, down.y, modifiers);
    GfxSetPenMode(kTdvPenNormal);
    DrawReadout();
  } else if (scaleMode) {
    cursorKind = kCursorCrosshairs;
  } else {
    DrawReadout();
    DrawFloatingLabel();
  }
  AfterPaint();
  ShowCursor();
  return 0;
}

int TdvMoovWindow::DoMouseDown(int x, int y, int modifiers) {
  if (messageWindow != nullptr) {
    OnMessageClick(x, y, modifiers, messageWindow->GetClickCode());
    return 0;
  }
  if (document == nullptr || !movie_ || !OnPicture(x, y)) {
    mouseDown = 0;
    return 0;
  }
  TdvDocumentWindow::DoMouseDown(x, y, modifiers);
  const TdvPoint at = ToMovieUnits(x, y);
  const TdvPoint corner1 = ToMovieUnits(x - kHitBox, y - kHitBox);
  const TdvPoint corner2 = ToMovieUnits(x + kHitBox, y + kHitBox);
  const TdvRect pick{corner1.x, std::min(corner1.y, corner2.y), corner2.x,
                     std::max(corner1.y, corner2.y)};
  cursorKind = kCursorArrow;
  ShowCursor();
  BeforePaint();
  EraseFloatingLabel();
  document->MovieClick(at.x, at.y, pick, modifiers);
  AfterPaint();
  return 0;
}

int TdvMoovWindow::DoMouseUp(int x, int y, int modifiers) {
  if (mouseDown != 0 && document != nullptr) {
    const TdvPoint at = ToMovieUnits(x, y);
    BeforePaint();
    document->MovieMouseUp(at.x, at.y, modifiers);
    AfterPaint();
  }
  mouseDown = 0;
  return 0;
}

int TdvMoovWindow::DoDoubleClick(int x, int y, int modifiers) {
  if (document == nullptr || !movie_ || messageWindow != nullptr || !OnPicture(x, y)) {
    return 0;
  }
  TdvDocumentWindow::DoDoubleClick(x, y, modifiers);
  const TdvPoint at = ToMovieUnits(x, y);
  document->MovieDoubleClick(at.x, at.y, modifiers);
  return 0;
}

int TdvMoovWindow::DoKeyDown(int character, int modifiers) {
  if (document == nullptr) {
    return 0;
  }
  if (character == kTdvKeyTab || character == kTdvKeyDelete) {
    document->MovieKey(character, modifiers);
    return 0;
  }
  if ((modifiers & kTdvControlKey) == kTdvControlKey && NudgeCode(character) != 0) {
    Nudge(NudgeCode(character));
  }
  return 0;
}

void TdvMoovWindow::Nudge(int code) {
  if (document == nullptr) {
    return;
  }
  BeforePaint();
  if (hwnd != shell::kNoWindow) {
    Backend().SetFocus(hwnd);
  }
  document->NudgeSelected(code);
  AfterPaint();
}

int TdvMoovWindow::DoWindowMoved() {
  TdvDocumentWindow::DoWindowMoved();
  Redraw();
  return 0;
}

// ------------------------------------------------------------ scale and messages

int TdvMoovWindow::ScaleClick(int x, int y) {
  if (document == nullptr || !OnPicture(x, y)) {
    return 0;
  }
  const TdvPoint at = ToMovieUnits(x, y);
  if (!scaleFirstDone) {
    ShowMovieMessage(kScaleSecondMessage);
    scaleFirstDone = true;
    document->ScalePoint(at.x, at.y, kScaleFirstEnd);
    return 1;
  }
  scaleFirstDone = false;
  ShowMovieMessage(kCloseMessage);
  scaleMode = false;
  cursorKind = kCursorArrow;
  document->ScalePoint(at.x, at.y, kScaleSecondEnd);
  return 1;
}

void TdvMoovWindow::ShowMovieMessage(int code) {
  if (code == kCloseMessage) {
    CloseMessageWindow();
    return;
  }
  const char* text = nullptr;
  int clickCode = 0;
  switch (code) {
    case kPlainMessage:
      text = "THIS IS A NOT SO LONG MESSAGE";
      break;
    case kScaleFirstMessage:
      text = "Click on one end of the object of known length";
      clickCode = kScaleClickCode;
      scaleMode = true;
      scaleFirstDone = false;
      break;
    case kScaleSecondMessage:
      text = "Click on the other end of the object of known length";
      clickCode = kScaleClickCode;
      break;
    case kTrackingMessage:
      text = "Lost the object: click on it to go on tracking";
      clickCode = kTrackingClickCode;
      break;
    default:
      return;
  }
  if (messageWindow == nullptr) {
    messageWindow = TdvShell::Get().Keep(std::make_unique<TdvStatusWindow>());
    messageWindow->SetOwner(this);
    messageWindow->title = "Movie Message";
    if (messageWindow->OpenWindow() == 0) {
      messageWindow = nullptr;
      return;
    }
  }
  messageWindow->SetMessage(text, clickCode, 0, 0, 0);
}

void TdvMoovWindow::OnMessageClick(int x, int y, int modifiers, int code) {
  if (code == kScaleClickCode) {
    ScaleClick(x, y);
  } else if (code == kTrackingClickCode) {
    TrackingClick(x, y);
  } else if (code == 0) {
    Backend().Beep();
  } else {
    DoMouseDown(x, y, modifiers);
  }
}

void TdvMoovWindow::OnMessageDone(int code) {
  if (code == kScaleClickCode && scaleFirstDone) {
    scaleFirstDone = false;
    if (document != nullptr) {
      document->ScalePoint(0, 0, kScaleCancelled);
    }
    scaleMode = false;
  } else if (code == kTrackingClickCode && document != nullptr) {
    document->TrackingClick(0, 0, false);
  } else if (code == 0) {
    Backend().Beep();
  }
  CloseMessageWindow();
}

// The click tracking asked for counts on the picture only; the document
// closes the message when it takes the point.
void TdvMoovWindow::TrackingClick(int x, int y) {
  if (document == nullptr || !movie_ || !OnPicture(x, y)) {
    return;
  }
  const TdvPoint at = ToMovieUnits(x, y);
  document->TrackingClick(at.x, at.y, true);
}

bool TdvMoovWindow::TrackingFrame(std::int32_t time, TrackingPicture& picture) {
  return movie_ && TrackingFrameOf(*movie_, time, trackingImage_, picture);
}

// The window is told it is no longer the owner first, so that closing it
// does not report the message as done a second time.
void TdvMoovWindow::CloseMessageWindow() {
  if (messageWindow == nullptr) {
    return;
  }
  TdvStatusWindow* open = messageWindow;
  open->SetOwner(nullptr);
  open->CloseWindow();
  OnMessageClosed();
}

void TdvMoovWindow::OnMessageClosed() {
  messageWindow = nullptr;
  cursorKind = kCursorArrow;
  ShowCursor();
  scaleMode = false;
}

// ------------------------------------------------------------ closing

void TdvMoovWindow::CloseWindow() {
  if (!closeAllowed) {
    if (document != nullptr) {
      document->CloseDocument();
    }
    return;
  }
  TdvDocumentWindow::CloseWindow();
}

void TdvMoovWindow::ForceClose() {
  closeAllowed = true;
  CloseWindow();
}

int TdvMoovWindow::DoClose() {
  if (!closeAllowed && document != nullptr) {
    document->CloseDocument();
    return 0;
  }
  if (document != nullptr) {
    document->MovieClosing();
  }
  if (messageWindow != nullptr) {
    OnMessageDone(kScaleClickCode);
  }
  DropMovie();
  closeAllowed = false;
  return kTdvNotHandled;
}

void TdvMoovWindow::DropMovie() {
  controller_.reset();
  pictures_.reset();
  movie_.reset();
  frameTimes.clear();
}

// The frame finds the document of the active window through this, to save
// or arrange it while its movie window is in front.
TdvDocumentWindow* TdvMoovWindow::GetDocument() {
  return dynamic_cast<TdvDocumentWindow*>(document);
}

// ------------------------------------------------------------ help

void TdvMoovWindow::ShowControlHelp(int, int, int) {
  TdvShell::Get().SetHelpText("");
}

void TdvMoovWindow::ShowAreaHelp(int x, int y) {
  TdvAppWindow* frame = Frame();
  if (frame == nullptr || frame->activeWindow != this) {
    return;
  }
  const shell::Point at{x, y};
  std::string help;
  if (showFrameNumbers && PointInRect(at, layout_.frameCounter)) {
    help =
        "Frame count of the movie.  Un-Check \"Show Frame Numbers\" in the \"Movie\" menu to hide "
        "them.";
  } else if (PointInRect(at, layout_.picture)) {
    help = document != nullptr ? document->MovieAreaHelp() : "";
  } else if (PointInRect(at, layout_.timeBox)) {
    help =
        "This is the current time of the movie, displayed in seconds.  Use the controller to play "
        "and step the movie.  Ctl-R will rewind it";
  } else if (PointInRect(at, layout_.nameBox)) {
    help =
        "This is the name of the selected item.  Items drawn in Italics dont have data recorded "
        "for this frame";
  } else if (PointInRect(at, layout_.readoutBox)) {
    help =
        "This displays the current location of cursor in the movie area relative to the selected "
        "item's origin.";
  } else if (PointInRect(at, layout_.controller)) {
    help =
        "Use the movie controller to play and step through the movie.  Rewind the movie by "
        "choosing  \"Rewind\" in the \"Movie\" menu.";
  }
  TdvShell::Get().SetHelpText(help);
}

}  // namespace kinovex
