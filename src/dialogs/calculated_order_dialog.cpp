#include "dialogs/calculated_order_dialog.h"

#include <algorithm>
#include <array>

#include "dialogs/control_kinds.h"
#include "dialogs/series_dialogs.h"
#include "dialogs/typed_number.h"
#include "document/data_object_window.h"
#include "foundation/format_significant.h"
#include "foundation/number_text.h"
#include "model/calculated_point_series.h"
#include "model/calculated_series.h"
#include "shell/shell.h"

namespace {

using namespace control_kind;

constexpr int kPercent = 100;
constexpr int kDot = 3;
// Text is placed by its baseline.
constexpr int kTextHeight = 12;

constexpr const char* kNoSuchItem = "object number does not exist";
constexpr const char* kNoSuchItemCaption = "TdvCalculatedOrderDialog::SetIncludedLists";

constexpr std::array<TdvControlHelp, 4> kHelp{{
    {TdvCalculatedOrderDialog::kAdd,
     "Adds the item selected in the available list to the selected end (shown in the popup)"},
    {TdvCalculatedOrderDialog::kRemove,
     "Removes the item selected in the popup and places it back into the available list"},
    {TdvCalculatedOrderDialog::kEnds, "Use this to choose which end to edit. "},
    {TdvCalculatedOrderDialog::kAvailable, "List of available points"},
}};

constexpr std::array<TdvControlHelp, 6> kDesignatedHelp{{
    kHelp[0],
    kHelp[1],
    kHelp[2],
    {TdvCalculatedOrderDialog::kDiagram,
     "Shows how the chosen items will locate the designated point. Click on the diagram to move "
     "the point or use the edit boxes"},
    {TdvDesignatedPointDialog::kAlong,
     "Enter the percentage distance from A to B that the designated point will be offset from A "
     "along AB"},
    {TdvDesignatedPointDialog::kPerp,
     "Enter the percentage distance from A to B that the designated point will be offset from A "
     "perpendicular to AB"},
}};

constexpr std::array<TdvControlHelp, 5> kAngleHelp{{
    kHelp[0],
    kHelp[1],
    kHelp[2],
    kHelp[3],
    {TdvCalculatedOrderDialog::kDiagram, "Shows how the chosen items will report the angle"},
}};

void Dot(TdvWindow& window, shell::Point at) {
  window.GfxFillOval({at.x - kDot, at.y - kDot, at.x + kDot + 1, at.y + kDot + 1});
}

void Line(TdvWindow& window, shell::Point from, shell::Point to) {
  window.GfxMoveTo(from.x, from.y);
  window.GfxLineTo(to.x, to.y);
}

}  // namespace

TdvCalculatedOrderDialog::TdvCalculatedOrderDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                   bool newItem, const std::string& caption,
                                                   std::vector<std::string> endNames, int height,
                                                   std::span<const TdvControlHelp> help)
    : TdvEditObjectDialog(document, id, newItem, caption, height, help),
      endNames_(std::move(endNames)) {
  AddInputPicker(*this, false);
  AddControl(kPopup, kEnds, "", {180, 198, 290, 222}, 1, 0, 0);
  AddControl(kDrawnArea, kDiagram, "", {300, 118, 470, 256}, 1, 0, 0);
}

bool TdvCalculatedOrderDialog::IsA(int code) const {
  return code == kClassCode || TdvEditObjectDialog::IsA(code);
}

void TdvCalculatedOrderDialog::ShowFields() {
  ends_ = InputsOf(*Item()).ids;
  ends_.resize(endNames_.size(), kEmptyInputRef);
  for (std::int32_t& end : ends_) {
    if (end != kEmptyInputRef && Document().GetItem(end) == nullptr) {
      TdvShell::Get().Message(shell::MessageKind::kInformation, kNoSuchItem, kNoSuchItemCaption);
      end = kEmptyInputRef;
    }
  }
  ShowLists();
}

std::string TdvCalculatedOrderDialog::EndText(std::size_t end) const {
  const TdvDataObject* item = Document().GetItem(ends_.at(end));
  return item != nullptr ? item->GetName() : "None";
}

void TdvCalculatedOrderDialog::ShowLists() {
  available_ = AvailablePoints(Document(), ItemId(), ends_);
  ShowNames(*this, kAvailable, Document(), available_);
  const int shown = GetPopupSelection(kEnds);
  std::vector<std::string> texts;
  for (std::size_t end = 0; end < endNames_.size(); ++end) {
    texts.push_back(endNames_[end] + ": " + EndText(end));
  }
  SetPopupItems(kEnds, texts);
  SetPopupSelection(kEnds, std::clamp(shown, 1, static_cast<int>(texts.size())));
  UpdateOwnerControl(kDiagram);
}

void TdvCalculatedOrderDialog::PutSelected() {
  const std::vector<int> chosen = ListGetSelection(kAvailable);
  if (chosen.empty()) {
    return;
  }
  ends_.at(static_cast<std::size_t>(GetPopupSelection(kEnds) - 1)) =
      available_.at(static_cast<std::size_t>(chosen.front()));
  ShowLists();
}

void TdvCalculatedOrderDialog::EmptyEnd() {
  ends_.at(static_cast<std::size_t>(GetPopupSelection(kEnds) - 1)) = kEmptyInputRef;
  ShowLists();
}

int TdvCalculatedOrderDialog::DoControlCommand(int id) {
  switch (id) {
    case kAdd:
      PutSelected();
      return 0;
    case kRemove:
      EmptyEnd();
      return 0;
    default:
      return TdvEditObjectDialog::DoControlCommand(id);
  }
}

void TdvCalculatedOrderDialog::DrawControl(int id) {
  if (id != kDiagram || dc == nullptr) {
    TdvEditObjectDialog::DrawControl(id);
    return;
  }
  const shell::Size size = dc->PixelSize();
  const shell::Rect area{0, 0, size.width, size.height};
  GfxEraseRect(area);
  GfxSetFGColor(shell::kBlack);
  GfxFrameRect(area);
  DrawDiagram(area);
}

void TdvCalculatedOrderDialog::WriteFields() {
  for (std::int32_t& end : ends_) {
    if (Document().GetItem(end) == nullptr) {
      end = kEmptyInputRef;
    }
  }
  if (ends_ != InputsOf(*Item()).ids) {
    SetInputs(*Item(), ends_);
  }
}

// ---------------------------------------------------------------- Angle Series

TdvAngleDialog::TdvAngleDialog(TdvDataObjectWindow& document, std::int32_t id, bool newItem)
    : TdvCalculatedOrderDialog(document, id, newItem, "Angle Series", {"End A", "Vertex", "End B"},
                               300, kAngleHelp) {}

bool TdvAngleDialog::IsA(int code) const {
  return code == kClassCode || TdvCalculatedOrderDialog::IsA(code);
}

void TdvAngleDialog::DrawDiagram(const shell::Rect& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const shell::Point vertex{width / 5, height * 3 / 4};
  const shell::Point a{width * 3 / 5, height / 5};
  const shell::Point b{width * 4 / 5, height * 3 / 4};
  Line(*this, vertex, a);
  Line(*this, vertex, b);
  GfxArc({vertex.x - 25, vertex.y - 25, vertex.x + 25, vertex.y + 25}, b, a);
  const std::array<std::pair<shell::Point, std::size_t>, 3> ends{{{a, 0}, {vertex, 1}, {b, 2}}};
  for (const auto& [at, end] : ends) {
    Dot(*this, at);
    const std::string text = EndText(end);
    const int textWidth = GfxMeasureText(text).width;
    const int x = std::clamp(at.x - textWidth / 2, 2, std::max(width - textWidth - 2, 2));
    GfxDrawText(text, x, at.y + (end == 0 ? -kDot - 4 : kDot + kTextHeight));
  }
}

// ---------------------------------------------------------------- Designated Point Series

TdvDesignatedPointDialog::TdvDesignatedPointDialog(TdvDataObjectWindow& document, std::int32_t id,
                                                   bool newItem)
    : TdvCalculatedOrderDialog(document, id, newItem, "Designated Point Series", {"End A", "End B"},
                               364, kDesignatedHelp) {
  AddMassControls(264);
  AddControl(kPushButton, kEditAsPoint, "Edit Point Properties...", {300, 264, 470, 286}, 1, 0, 0);
  AddControl(kLabel, kAlongLabel, "%along AB:", {10, 299, 85, 315}, 1, 0, 0);
  AddControl(kEditField, kAlong, "", {90, 296, 160, 318}, 1, 0, 0);
  AddControl(kLabel, kPerpLabel, "%perp. AB:", {180, 299, 255, 315}, 1, 0, 0);
  AddControl(kEditField, kPerp, "", {260, 296, 330, 318}, 1, 0, 0);
}

bool TdvDesignatedPointDialog::IsA(int code) const {
  return code == kClassCode || TdvCalculatedOrderDialog::IsA(code);
}

void TdvDesignatedPointDialog::ShowFields() {
  const auto& point = static_cast<const TdvCalculatedDesPt&>(*Item());
  alongShown_ = FormatSignificant(point.GetAlong() * kPercent, 4, false);
  perpShown_ = FormatSignificant(point.GetPerp() * kPercent, 4, false);
  SetControlText(kAlong, alongShown_);
  SetControlText(kPerp, perpShown_);
  ShowMass();
  TdvCalculatedOrderDialog::ShowFields();
}

bool TdvDesignatedPointDialog::ReadFields() {
  along_ = TakeNumber(*this, kAlong);
  if (!along_) {
    return false;
  }
  perp_ = TakeNumber(*this, kPerp);
  return perp_.has_value() && ReadMass();
}

void TdvDesignatedPointDialog::WriteFields() {
  TdvCalculatedOrderDialog::WriteFields();
  auto& point = static_cast<TdvCalculatedDesPt&>(*Item());
  if (GetControlText(kAlong) != alongShown_) {
    point.SetAlong(*along_ / kPercent);
  }
  if (GetControlText(kPerp) != perpShown_) {
    point.SetPerp(*perp_ / kPercent);
  }
  WriteMass();
}

shell::Point TdvDesignatedPointDialog::EndA(const shell::Rect& area) {
  return {area.left + (area.right - area.left) / 5, area.top + (area.bottom - area.top) * 3 / 5};
}

shell::Point TdvDesignatedPointDialog::EndB(const shell::Rect& area) {
  return {area.left + (area.right - area.left) * 4 / 5,
          area.top + (area.bottom - area.top) * 3 / 5};
}

void TdvDesignatedPointDialog::DrawDiagram(const shell::Rect& area) {
  const shell::Point a = EndA(area);
  const shell::Point b = EndB(area);
  Line(*this, a, b);
  Dot(*this, a);
  Dot(*this, b);
  GfxDrawText("A", a.x - 4, a.y + kDot + kTextHeight);
  GfxDrawText("B", b.x - 4, b.y + kDot + kTextHeight);
  const double along = ReadNumberText(GetControlText(kAlong)).value_or(0.0) / kPercent;
  const double perp = ReadNumberText(GetControlText(kPerp)).value_or(0.0) / kPercent;
  const int span = b.x - a.x;
  // Perpendicular is counter-clockwise with y up: up on the screen.
  const shell::Point point{a.x + static_cast<int>(along * span),
                           a.y - static_cast<int>(perp * span)};
  GfxSetFGColor(shell::MakeRgb(200, 0, 0));
  Dot(*this, point);
  GfxSetFGColor(shell::kBlack);
}

void TdvDesignatedPointDialog::MovePoint(shell::Point click) {
  const shell::Rect area = ControlRectToPixels(FindControl(kDiagram)->rect);
  const shell::Point a = EndA(area);
  const int span = EndB(area).x - a.x;
  if (span <= 0) {
    return;
  }
  const double along = static_cast<double>(click.x - a.x) * kPercent / span;
  const double perp = static_cast<double>(a.y - click.y) * kPercent / span;
  SetControlText(kAlong, FormatSignificant(along, 3, false));
  SetControlText(kPerp, FormatSignificant(perp, 3, false));
  UpdateOwnerControl(kDiagram);
}

int TdvDesignatedPointDialog::DoControlCommand(int id) {
  if (id == kDiagram) {
    MovePoint(mousePos);
    return 0;
  }
  return TdvCalculatedOrderDialog::DoControlCommand(id);
}
