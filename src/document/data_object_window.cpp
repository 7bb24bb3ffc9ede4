#include "document/data_object_window.h"
#include "document/tracking_run.h"

#include <algorithm>

#include "document/document_table_source.h"
#include "kinematics/data_table.h"
#include "model/calculated_point_series.h"
#include "model/count_series.h"
#include "model/point_series.h"
#include "model/scale_series.h"
#include "shell/shell.h"

bool TdvDataObjectWindow::liveUpdates = true;
bool TdvDataObjectWindow::recalculateOnChange = true;

namespace {

// Marker colours of new items, by id modulo 7.
constexpr std::uint8_t kColourSequence[7] = {1, 0, 2, 6, 3, 4, 7};
constexpr std::uint16_t kBothAxesMarker = 102;
constexpr int kBoxLeft = 10;
constexpr int kBoxWidth = 380;
constexpr int kBoxGap = 10;
constexpr int kFirstBoxTop = 40;

std::int32_t IdOf(const TdvObject* boxed) {
  return static_cast<const TdvInt*>(boxed)->value;
}

std::vector<std::int32_t> IdsOf(const LList& list) {
  std::vector<std::int32_t> ids;
  for (const TdvObject* boxed : list) {
    ids.push_back(IdOf(boxed));
  }
  return ids;
}

// Puts a boxed id into list: first, last, or before the element holding
// position (last when there is none).
void InsertId(LList& list, std::int32_t id, std::int32_t position) {
  auto boxed = std::make_unique<TdvInt>(id);
  if (position == kPlaceFirst) {
    list.PushFront(std::move(boxed));
  } else if (position != kPlaceLast && list.FindInt(position)) {
    list.InsertBefore(std::move(boxed));
  } else {
    list.Append(std::move(boxed));
  }
}

void RemoveId(LList& list, std::int32_t id) {
  if (list.FindInt(id)) {
    list.RemoveCurrent();
  }
}

}  // namespace

TdvDataObjectWindow::TdvDataObjectWindow()
    : tableSource(std::make_unique<TdvDocumentTableSource>(*this)),
      dataTable(std::make_unique<TdvDataTable>()) {
  title = "Coordinate Systems";
  className = "TdvDataObjectWindow";
  dataTable->SetDocument(tableSource.get());
  dataTable->RefreshFrames();
  AddCoordinateFrame(kVideoOriginRef);
}

TdvDataObjectWindow::~TdvDataObjectWindow() = default;

bool TdvDataObjectWindow::IsA(int code) const {
  return code == kClassCode || TdvDocumentWindow::IsA(code);
}

int TdvDataObjectWindow::OpenWindow() {
  int opened = TdvDocumentWindow::OpenWindow();
  if (opened != 0 && createDefaultOrigin) {
    CreateDefaultOrigin();
  }
  return opened;
}

void TdvDataObjectWindow::CreateDefaultOrigin() {
  createDefaultOrigin = false;
  std::int32_t id = ObjectNewObject(kItemPoint, "Origin 1");
  TdvDataObject* origin = GetItem(id);
  origin->SetOrigin(1);
  origin->SetSampleType(kFixed);
  origin->SetMarkerType(kBothAxesMarker);
  origin->SetOriginId(kVideoOriginRef);
  defaultOrigin = id;
  initialOrigin = id;
  modified = false;
  creationCounter = 1;
}

std::unique_ptr<TdvDataObject> TdvDataObjectWindow::MakeItem(int kind) {
  switch (kind) {
    case 0:
    case kItemPoint:
    case kItemOrigin:
    case kItemAutoNamedPoint:
      return std::make_unique<TdvDataPoint>();
    case kItemDistance:
      return std::make_unique<TdvCalculatedLine>();
    case kItemScale:
      return std::make_unique<TdvCalibrateObject>();
    case kItemCentreOfMass:
      return std::make_unique<TdvCalculatedCM>();
    case kItemClone:
      return std::make_unique<TdvClonePoint>();
    case kItemAngle:
      return std::make_unique<TdvCalculatedAngle>();
    case kItemDesignatedPoint:
      return std::make_unique<TdvCalculatedDesPt>();
    case kItemCount:
      return std::make_unique<TdvCountObject>();
    case kItemRecordPoint:
      return std::make_unique<TdvRecordPoint>();
    default:
      return nullptr;
  }
}

std::int32_t TdvDataObjectWindow::ObjectNewObject(int typeCode, const std::string& name) {
  int kind = typeCode & 0xFF;
  std::unique_ptr<TdvDataObject> made = MakeItem(kind);
  if (made == nullptr) {
    InformationBox("data type not declared", "TdvDataObjectWindow::ObjectNewObject");
    return -1;
  }
  std::string itemName = name;
  if (kind == kItemAutoNamedPoint) {
    itemName = "Point S" + std::to_string(NextDefaultNumber(kDataPointCode));
  }
  made->SetName(itemName);
  std::int32_t id = AddObject(std::move(made), kPlaceLast);
  TdvDataObject* item = GetItem(id);
  if (kind == kItemOrigin) {
    item->SetOrigin(1);
    item->SetMarkerType(kBothAxesMarker);
  }
  if (kind == kItemScale && !loading) {
    TdvDataObject* origin = GetItem(defaultOrigin);
    if (origin != nullptr && origin->IsOrigin() && origin->GetScaleId() == kNoScale) {
      origin->SetScaleId(id);
    }
  }
  RegisterNew(id);
  return id;
}

// Items read from a file join the table too: the table puts them in the
// order of the file while the document is loading.
void TdvDataObjectWindow::RegisterNew(std::int32_t id) {
  dataTable->AddSeries(id);
  if (loading) {
    return;
  }
  modified = true;
  GetItem(id)->SetMarkerColour(kColourSequence[id % 7]);
  ++creationCounter;
  RedrawWindows();
}

std::int32_t TdvDataObjectWindow::AddObject(std::unique_ptr<TdvDataObject> item,
                                            std::int32_t position) {
  std::int32_t id = items.Size();
  item->SetId(id);
  item->SetDocument(this);
  std::int32_t originRef = item->GetOriginId();
  items.Set(id, std::move(item));
  InsertId(itemOrder, id, position);
  if (TdvCoordinateFrame* frame = FindFrame(originRef)) {
    AddMember(*frame, id, kPlaceLast);
  }
  return id;
}

void TdvDataObjectWindow::AddMember(TdvCoordinateFrame& frame, std::int32_t id,
                                    std::int32_t position) {
  if (frame.HasMember(id)) {
    return;
  }
  InsertId(frame.members, id, position);
  TdvDataObject* item = GetItem(id);
  if (frame.applyKindToMembers != 0 && item != nullptr) {
    item->SetCoordinates(frame.coordinateKind);
  }
}

void TdvDataObjectWindow::AddCoordinateFrame(std::int32_t originId) {
  if (FindFrame(originId) != nullptr) {
    return;
  }
  auto frame = std::make_unique<TdvCoordinateFrame>(originId, this);
  if (TdvDataObject* origin = GetItem(originId)) {
    frame->scale = origin->GetScaleId();
    frame->coordinateKind = origin->GetFrameCoordinates();
  }
  PlaceFrame(*frame);
  frames.Set(originId, std::move(frame));
  frameOrder.Append(std::make_unique<TdvInt>(originId));
  RedrawWindows();
}

// New boxes go below the lowest one.
void TdvDataObjectWindow::PlaceFrame(TdvCoordinateFrame& frame) {
  int top = kFirstBoxTop;
  for (const auto& entry : frames) {
    top = std::max(top, entry.value->box.top + entry.value->BoxHeight() + kBoxGap);
  }
  frame.box = TdvRect{kBoxLeft, top, kBoxLeft + kBoxWidth, top + frame.BoxHeight()};
}

void TdvDataObjectWindow::RemoveCoordinateFrame(std::int32_t originId) {
  TdvCoordinateFrame* frame = frames.Get(originId);
  if (frame == nullptr || originId == kVideoOriginRef) {
    return;
  }
  std::vector<std::int32_t> members = IdsOf(frame->members);
  frames.Remove(originId);
  RemoveId(frameOrder, originId);
  if (selectedFrame == originId) {
    selectedFrame = kNoItem;
  }
  // Whatever reported relative to the origin now reports in the Video frame.
  for (std::int32_t id : members) {
    if (TdvDataObject* item = GetItem(id)) {
      item->SetOriginId(kVideoOriginRef);
      if (TdvCoordinateFrame* video = FindFrame(kVideoOriginRef)) {
        AddMember(*video, id, kPlaceLast);
      }
    }
  }
  RedrawWindows();
}

TdvCoordinateFrame* TdvDataObjectWindow::FindFrame(std::int32_t originRef) {
  if (originRef == kDefaultOriginRef) {
    originRef = defaultOrigin;
  }
  return frames.Get(originRef);
}

int TdvDataObjectWindow::NextDefaultNumber(int classCode) {
  int count = 0;
  for (TdvDataObject* item : AllItems()) {
    if (classCode == kItemOrigin) {
      count += item->IsA(kDataPointCode) && item->IsOrigin() ? 1 : 0;
      continue;
    }
    if (!item->IsA(classCode)) {
      continue;
    }
    bool plainPointToSkip = item->IsA(kDataPointCode) &&
                            (item->GetId() == defaultOrigin || item->IsA(kRecordPointCode));
    count += plainPointToSkip ? 0 : 1;
  }
  return count + 1;
}

TdvDataObject* TdvDataObjectWindow::GetItem(std::int32_t id) {
  if (id == kDefaultOriginRef) {
    id = defaultOrigin;
  }
  return id < 0 ? nullptr : items.Get(id);
}

std::string TdvDataObjectWindow::GetOriginName(std::int32_t originRef) {
  if (originRef == kVideoOriginRef) {
    return "Video Origin";
  }
  if (originRef == kTimeItemRef) {
    return "";
  }
  TdvDataObject* item = GetItem(originRef);
  return item != nullptr ? item->GetName() : "";
}

bool TdvDataObjectWindow::HasScale(std::int32_t originRef) {
  if (originRef == kVideoOriginRef) {
    return false;
  }
  TdvDataObject* item = GetItem(originRef);
  return item != nullptr && item->GetScaleId() != kNoScale;
}

bool TdvDataObjectWindow::IsSelected(std::int32_t id) {
  return id == currentItem || selected.FindInt(id);
}

std::vector<std::int32_t> TdvDataObjectWindow::ItemOrder() const {
  return IdsOf(itemOrder);
}

std::vector<std::int32_t> TdvDataObjectWindow::FrameOrder() const {
  return IdsOf(frameOrder);
}

std::vector<std::int32_t> TdvDataObjectWindow::Members(std::int32_t originRef) {
  TdvCoordinateFrame* frame = FindFrame(originRef);
  return frame != nullptr ? IdsOf(frame->members) : std::vector<std::int32_t>{};
}

std::vector<std::int32_t> TdvDataObjectWindow::SelectedItems() const {
  return IdsOf(selected);
}

int TdvDataObjectWindow::ItemCount() const {
  int count = 0;
  for (auto it = items.begin(); it != items.end(); ++it) {
    ++count;
  }
  return count;
}

void TdvDataObjectWindow::RemoveFromFrames(std::int32_t id) {
  for (std::int32_t originId : IdsOf(frameOrder)) {
    if (TdvCoordinateFrame* frame = frames.Get(originId)) {
      RemoveId(frame->members, id);
    }
  }
}

void TdvDataObjectWindow::SetLocation(const TdvFileLocation& where, bool withFile) {
  location = where;
  hasFile = withFile;
  WinSetTitle("Coord. Sys:" + location.fileName);
}

std::vector<TdvDataObject*> TdvDataObjectWindow::AllItems() {
  std::vector<TdvDataObject*> all;
  for (TdvDataObject* item = items.First(); item != nullptr; item = items.Next()) {
    all.push_back(item);
  }
  return all;
}

void TdvDataObjectWindow::PlaceMember(std::int32_t id) {
  TdvDataObject* item = GetItem(id);
  if (item == nullptr) {
    return;
  }
  TdvCoordinateFrame* home = FindFrame(item->GetOriginId());
  for (std::int32_t originId : FrameOrder()) {
    TdvCoordinateFrame* frame = frames.Get(originId);
    if (frame != home && frame->members.FindInt(id)) {
      frame->members.RemoveCurrent();
    }
  }
  if (home != nullptr) {
    AddMember(*home, id, kPlaceLast);
  }
}

void TdvDataObjectWindow::SetFrameOrder(const std::vector<std::int32_t>& origins) {
  LList order;
  for (std::int32_t originId : origins) {
    if (frames.Get(originId) != nullptr && !order.FindInt(originId)) {
      order.Append(std::make_unique<TdvInt>(originId));
    }
  }
  for (std::int32_t originId : FrameOrder()) {
    if (!order.FindInt(originId)) {
      order.Append(std::make_unique<TdvInt>(originId));
    }
  }
  frameOrder = std::move(order);
}

void TdvDataObjectWindow::PlaceBefore(std::int32_t id, std::int32_t target) {
  RemoveId(itemOrder, id);
  InsertId(itemOrder, id, target);
  TdvDataObject* item = GetItem(id);
  TdvCoordinateFrame* frame = item != nullptr ? FindFrame(item->GetOriginId()) : nullptr;
  if (frame != nullptr && frame->HasMember(target)) {
    RemoveId(frame->members, id);
    InsertId(frame->members, id, target);
  }
}
