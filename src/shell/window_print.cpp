#include <algorithm>

#include "foundation/geometry.h"
#include "shell/dib.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

// Header lines are 14 points apart; the picture starts 32 points below the
// header's top and the fit leaves 28 + 10 points for it.
constexpr int kHeaderLine = 14;
constexpr int kHeaderSecondColumn = 200;
constexpr int kHeaderDrop = 32;
constexpr double kHeaderHeight = 28;
constexpr double kHeaderGap = 10;
constexpr int kPointsPerInch = 72;
constexpr int kHeaderTextSize = 9;
constexpr int kDefaultTextSize = 12;

}  // namespace

shell::Picture TdvWindow::RenderToBitmap(const std::optional<shell::Rect>& area) {
  shell::Size size = clientSize;
  if (area) {
    size = {shell::RectWidth(*area), shell::RectHeight(*area)};
  } else if (hwnd != shell::kNoWindow) {
    size = Backend().ClientSize(hwnd);
  }
  if (size.width <= 0 || size.height <= 0) {
    return {};
  }
  std::unique_ptr<shell::Surface> surface = Backend().CreatePictureSurface(size);
  if (!surface) {
    return {};
  }
  shell::Surface* previousDc = dc;
  const std::int16_t previousMode = drawMode;
  const shell::Point previousOrigin = origin;
  drawMode = kTdvDrawBitmap;
  dc = surface.get();
  // The picture shows the part of the client area the rectangle covers.
  if (area) {
    origin.x -= area->left;
    origin.y -= area->top;
  }
  GfxApplyPen();
  WinDraw(std::nullopt);
  shell::Picture picture = surface->ReadPicture({0, 0, size.width, size.height});
  origin = previousOrigin;
  dc = previousDc;
  drawMode = previousMode;
  return picture;
}

bool TdvWindow::CopyToClipboard(const std::optional<shell::Rect>& area) {
  shell::Picture picture = RenderToBitmap(area);
  drawMode = kTdvDrawNone;
  return !picture.Empty() && Backend().SetClipboardPicture(picture);
}

void TdvWindow::PrintWindow(const std::string& movieName, const std::string& printTitle,
                            bool frameIt) {
  shell::Picture picture = RenderToBitmap(std::nullopt);
  shell::Surface* previousDc = dc;
  if (!BeginPrint()) {
    dc = previousDc;
    return;
  }
  drawMode = kTdvDrawPrint;
  PrintPage(movieName, printTitle, frameIt, picture);
  EndPrint(printJob_->CancelRequested());
  dc = previousDc;
}

bool TdvWindow::BeginPrint() {
  if (drawMode == kTdvDrawControl) {
    return false;
  }
  shell::PrintJobSpec request;
  request.jobName = title.substr(0, 3);
  request.cancelTitle = "Kinovex Printing";
  request.cancelText = "Cancel Printing";
  request.cancelButton = "Cancel";
  printJob_ = Backend().AskPrint(hwnd, request);
  if (!printJob_) {
    return false;
  }
  if (hwnd != shell::kNoWindow) {
    Backend().Enable(hwnd, false);
  }
  if (!printJob_->StartDocument() || !printJob_->StartPage()) {
    printJob_->Abort();
    printJob_.reset();
    if (hwnd != shell::kNoWindow) {
      Backend().Enable(hwnd, true);
    }
    ResetPrintState();
    return false;
  }
  shell::Size dpi = printJob_->DotsPerInch();
  scale = {static_cast<float>(dpi.width) / kPointsPerInch,
           static_cast<float>(dpi.height) / kPointsPerInch};
  origin = {RoundHalfAway(kPointsPerInch * static_cast<double>(scale.x)),
            RoundHalfAway(kPointsPerInch * static_cast<double>(scale.y))};
  dc = &printJob_->Page();
  GfxApplyPen();
  return true;
}

void TdvWindow::PrintPage(const std::string& movieName, const std::string& printTitle, bool frameIt,
                          const shell::Picture& picture) {
  const shell::Size page = printJob_->PageSize();
  const double pageWidth = page.width - 2.0 * kPointsPerInch * scale.x;
  const double pageHeight = page.height - 2.0 * kPointsPerInch * scale.y;

  GfxSetFGColor(shell::kBlack);
  GfxSetTextSize(kHeaderTextSize);
  const shell::DateTimeText now = Backend().Now();
  GfxDrawText("Kinovex " + printTitle, 0, kHeaderLine);
  GfxDrawText("Movie: " + movieName, kHeaderSecondColumn, kHeaderLine);
  GfxDrawText("Date: " + now.date, 0, 2 * kHeaderLine);
  GfxDrawText("Time: " + now.time, kHeaderSecondColumn, 2 * kHeaderLine);
  origin.y += RoundHalfAway(kHeaderDrop * static_cast<double>(scale.y));

  double width = picture.Width() * static_cast<double>(scale.x);
  double height = picture.Height() * static_cast<double>(scale.y);
  // A page too small for anything still gets a picture, shrunk to nothing
  // rather than divided by zero.
  const double rx = (width + origin.x) / std::max(pageWidth, 1.0);
  const double ry = (height + origin.y) / std::max(pageHeight - kHeaderHeight - kHeaderGap, 1.0);
  const double fit = std::max(rx, ry);
  if (fit > 1.0) {
    width /= fit;
    height /= fit;
  }
  const shell::Rect destination{origin.x, origin.y, origin.x + RoundHalfAway(width),
                                origin.y + RoundHalfAway(height)};

  std::optional<TdvDib> dib = ConvertToDib(picture, TdvShell::Get().TracePath());
  if (!dib) {
    Fault("Error Converting Window to Bitmap", "Printing Error");
  } else {
    shell::Picture converted = PictureFromDib(*dib);
    DrawWithRaster(shell::RasterMode::kCopy, [&] {
      dc->DrawPicture(converted, {0, 0, converted.Width(), converted.Height()}, destination);
    });
  }
  if (frameIt) {
    DrawWithRaster(shell::RasterMode::kCopy, [&] { dc->FrameRect(destination); });
  }
}

void TdvWindow::EndPrint(bool cancelled) {
  dc = nullptr;
  if (cancelled) {
    printJob_->Abort();
  } else {
    printJob_->EndPage();
    printJob_->EndDocument();
  }
  printJob_.reset();
  if (hwnd != shell::kNoWindow) {
    Backend().Enable(hwnd, true);
  }
  ResetPrintState();
}

void TdvWindow::ResetPrintState() {
  scale = {1.0f, 1.0f};
  origin = {0, 0};
  drawMode = kTdvDrawNone;
  GfxResetTextAttributes();
  GfxSetTextSize(kDefaultTextSize);
}
