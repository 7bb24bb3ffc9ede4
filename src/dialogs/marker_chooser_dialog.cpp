#include "dialogs/marker_chooser_dialog.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "dialogs/control_help.h"
#include "dialogs/control_kinds.h"
#include "dialogs/marker_glyph.h"
#include "document/window_series_view.h"

namespace {

using namespace control_kind;

constexpr int kSizeNames = 10310;

constexpr int kColourPicture = 204;
constexpr int kOwnSize = 100;
constexpr int kWhiteCode = 255;
constexpr int kBlackCode = 0;
constexpr int kGreyCode = 42;
constexpr int kLargestSize = 2;
// The shape picture shows markers in this size class, which fits its cells.
constexpr int kPictureSize = 1;
constexpr int kAngleInset = 6;

using Chooser = TdvMarkerChooserDialog;

constexpr std::array<const char*, kMarkerCategories> kCategoryNames{"Point", "Line", "Change",
                                                                    "Vector", "Basic"};

constexpr std::array<TdvControlHelp, 7> kHelp{{
    {Chooser::kSize, "Use this to choose the size of the marker"},
    {Chooser::kShapes, "Click on one of these boxes to select a marker"},
    {Chooser::kColours, "Click on one of these boxes to choose a color"},
    {Chooser::kExample, "This shows an example marker for the values chosen"},
    {Chooser::kOk, "Accepts this marker and closes the dialog"},
    {Chooser::kCancel, "Returns the marker to its previous value and closes the dialog"},
    {Chooser::kApply, "Accepts the marker, but leaves the dialog open"},
}};

shell::Rect Inset(const shell::Rect& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

}  // namespace

TdvMarkerChooserDialog::TdvMarkerChooserDialog(Target target)
    : TdvAcceptDialog(kOk, kCancel, kHelp), target_(std::move(target)), working_(target_.opening) {
  title = "Marker Chooser";
  rect = {60, 80, 350, 295};
  defaultControl = kOk;
  AddControl(kPopup, kType, "Type:", {10, 10, 170, 32}, 1, 0, 0);
  AddControl(kPopup, kSize, "Size:", {190, 10, 280, 32}, 1, kFromStringTable, kSizeNames);
  AddControl(kDrawnButton, kShapes, "", {10, 42, 10 + kShapeCell * kShapeColumns, 82}, 1, 0, 0);
  AddControl(kDrawnArea, kExample, "", {130, 42, 210, 82}, 1, 0, 0);
  AddControl(kLabel, kColourLabel, "Color:", {10, 95, 60, 111}, 1, 0, 0);
  AddControl(kDrawnButton, kColours, "",
             {62, 94, 62 + kColourCell * kColourColumns, 94 + kColourCell}, 1, 0, 0);
  // One place, two meanings: only the one in use is shown.
  AddControl(kCheckBox, kLeaveTrails, "Leave Trails", {10, 124, 150, 144}, !target_.plot, 0, 0);
  AddControl(kCheckBox, kShowLine, "Show Line", {10, 124, 150, 144}, target_.plot, 0, 0);
  AddControl(kPushButton, kOk, "OK", {20, 162, 100, 184}, 1, 0, 0);
  AddControl(kPushButton, kApply, "Apply", {110, 162, 190, 184}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {200, 162, 280, 184}, 1, 0, 0);
  std::vector<std::string> names;
  for (int category : target_.categories) {
    names.emplace_back(kCategoryNames[static_cast<std::size_t>(category - 1)]);
  }
  SetPopupItems(kType, names);
  working_.size = std::clamp(working_.size, 0, kLargestSize);
}

bool TdvMarkerChooserDialog::IsA(int code) const {
  return code == kClassCode || TdvDialog::IsA(code);
}

int TdvMarkerChooserDialog::DoCreate() {
  TdvAcceptDialog::DoCreate();
  const auto offered = std::find(target_.categories.begin(), target_.categories.end(), Category());
  SetPopupSelection(kType, offered != target_.categories.end()
                               ? static_cast<int>(offered - target_.categories.begin()) + 1
                               : 1);
  SetPopupSelection(kSize, working_.size + 1);
  const int inUse = target_.plot ? kShowLine : kLeaveTrails;
  SetCheckBox(inUse, working_.flag);
  EnableControl(target_.plot ? kLeaveTrails : kShowLine, false);
  return 0;
}

int TdvMarkerChooserDialog::Category() const {
  return MarkerCategoryOf(working_.shape);
}

int TdvMarkerChooserDialog::DoControlCommand(int id) {
  switch (id) {
    case kApply:
      target_.write(working_);
      applied_ = true;
      return 0;
    case kCancel:
      if (applied_) {
        target_.write(target_.opening);
      }
      CloseWindow();
      return 0;
    case kShapes:
    case kColours:
      PickAt(id, mousePos);
      return 0;
    default:
      return TdvAcceptDialog::DoControlCommand(id);
  }
}

void TdvMarkerChooserDialog::Accept() {
  target_.write(working_);
  CloseWindow();
}

int TdvMarkerChooserDialog::CellAt(int id, shell::Point point, int cellSize, int columns) const {
  const TdvControlInfo* control = FindControl(id);
  const shell::Rect area = ControlRectToPixels(control->rect);
  const int x = std::max(point.x - area.left, 0);
  const int y = std::max(point.y - area.top, 0);
  return y / cellSize * columns + x / cellSize;
}

// A click in a picture arrives as the control's command, the pointer's
// place in mousePos.
void TdvMarkerChooserDialog::PickAt(int id, shell::Point point) {
  if (id == kShapes && !target_.angle) {
    const int category = Category();
    working_.shape =
        std::min(CellAt(id, point, kShapeCell, kShapeColumns) + FirstMarkerCode(category),
                 LastMarkerCode(category));
    Redraw(kShapes);
  } else if (id == kColours) {
    working_.colour = std::min(CellAt(id, point, kColourCell, kColourColumns), kColourColumns - 1);
    Redraw(kShapes);
    Redraw(kColours);
  }
  Redraw(kExample);
}

int TdvMarkerChooserDialog::DoPopupSelect(int id, int selection) {
  const auto index = static_cast<std::size_t>(selection - 1);
  if (id == kType && index < target_.categories.size()) {
    working_.shape = FirstMarkerCode(target_.categories[index]);
    Redraw(kShapes);
  } else if (id == kSize) {
    working_.size = std::clamp(selection - 1, 0, kLargestSize);
  } else {
    return kTdvNotHandled;
  }
  Redraw(kExample);
  return 0;
}

int TdvMarkerChooserDialog::DoCheckBox(int id) {
  if (id != kLeaveTrails && id != kShowLine) {
    return kTdvNotHandled;
  }
  TdvDialog::DoCheckBox(id);
  working_.flag = GetCheckBox(id);
  return 0;
}

void TdvMarkerChooserDialog::Redraw(int id) {
  if (shell::WindowHandle control = GetControlWindow(id)) {
    Backend().Invalidate(control, std::nullopt);
  }
}

void TdvMarkerChooserDialog::DrawControl(int id) {
  if (dc == nullptr) {
    return;
  }
  if (id == kShapes) {
    DrawShapes();
  } else if (id == kColours) {
    DrawColours();
  } else if (id == kExample) {
    DrawExample();
  }
}

// The category's shapes in the working colour, one per cell, the chosen
// one framed.
void TdvMarkerChooserDialog::DrawShapes() {
  const shell::Size size = dc->PixelSize();
  GfxSetColorCode(kWhiteCode);
  GfxFillRect({0, 0, size.width, size.height});
  if (target_.angle) {
    return;
  }
  const int first = FirstMarkerCode(Category());
  const int count = LastMarkerCode(Category()) - first + 1;
  TdvWindowSeriesView view(*this);
  for (int cell = 0; cell < count; ++cell) {
    const int x = cell % kShapeColumns * kShapeCell;
    const int y = cell / kShapeColumns * kShapeCell;
    const shell::Rect box{x, y, x + kShapeCell, y + kShapeCell};
    DrawMarkerGlyph(view, box, first + cell, kPictureSize, working_.colour);
    GfxSetColorCode(first + cell == working_.shape ? kBlackCode : kGreyCode);
    GfxFrameRect(first + cell == working_.shape ? box : Inset(box, 1));
  }
}

void TdvMarkerChooserDialog::DrawColours() {
  GfxDrawBitmap(kColourPicture, {}, kOwnSize);
  if (working_.colour < 0) {
    return;
  }
  const int x = working_.colour * kColourCell;
  GfxSetColorCode(kWhiteCode);
  GfxFrameRect({x + 1, 1, x + kColourCell - 1, kColourCell - 1});
}

void TdvMarkerChooserDialog::DrawExample() {
  const shell::Size size = dc->PixelSize();
  const shell::Rect area{0, 0, size.width, size.height};
  GfxSetColorCode(kWhiteCode);
  GfxFillRect(area);
  GfxSetColorCode(kGreyCode);
  GfxFrameRect(area);
  TdvWindowSeriesView view(*this);
  if (target_.angle) {
    const TdvPoint vertex{kAngleInset, size.height - kAngleInset};
    view.SetColour(MarkerColourRgb(working_.colour));
    view.Line(vertex, {size.width - kAngleInset, vertex.y});
    view.Line(vertex, {size.width / 2, kAngleInset});
    return;
  }
  DrawMarkerGlyph(view, {0, 0, size.width, size.height}, working_.shape, working_.size,
                  working_.colour);
}
