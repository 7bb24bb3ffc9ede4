#include "model/count_series.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "foundation/tagged_frame_groups.h"

namespace {

constexpr std::int32_t kTagCountFrame = 523;

// Marks read from a file may lie anywhere in the integer range.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
  std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void TdvCountDataObject::AddMark(std::int32_t x, std::int32_t y) {
  marks.Append(std::make_unique<TdvTimeData>(x, y, 0.0));
}

bool TdvCountDataObject::GetMark(int index, std::int32_t& x, std::int32_t& y) {
  if (!marks.Seek(index)) {
    return false;
  }
  x = marks.Current()->x;
  y = marks.Current()->y;
  return true;
}

bool TdvCountDataObject::SetMark(int index, std::int32_t x, std::int32_t y) {
  if (!marks.Seek(index)) {
    return false;
  }
  marks.Current()->x = x;
  marks.Current()->y = y;
  return true;
}

bool TdvCountDataObject::RemoveMark(int index) {
  if (!marks.Seek(index)) {
    return false;
  }
  marks.RemoveCurrent();
  return true;
}

int TdvCountDataObject::MarkCount() const {
  int count = 0;
  for (auto it = marks.begin(); it != marks.end(); ++it) {
    ++count;
  }
  return count;
}

std::unique_ptr<TdvObject> TdvCountObject::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvCountObject(*this));
}

bool TdvCountObject::AddMark(std::int32_t x, std::int32_t y, std::int32_t frame) {
  TdvCountDataObject* record = frameCounts.Get(frame);
  if (record == nullptr) {
    frameCounts.Set(frame, std::make_unique<TdvCountDataObject>());
    record = frameCounts.Get(frame);
  }
  std::int32_t index = record->MarkCount();
  record->AddMark(x, y);
  SelectOnly(index, frame);
  NotifyChangedAt(frame);
  return true;
}

bool TdvCountObject::GetCount(double& value, std::int32_t frame) {
  TdvCountDataObject* record = frameCounts.Get(frame);
  if (record == nullptr) {
    return false;
  }
  value = record->MarkCount();
  return true;
}

void TdvCountObject::MoveTransformPoint(std::int32_t dx, std::int32_t dy, std::int32_t frame) {
  TdvCountDataObject* record = frameCounts.Get(frame);
  std::int32_t x = 0;
  std::int32_t y = 0;
  if (record == nullptr || currentMark == -1 || !record->GetMark(currentMark, x, y)) {
    return;
  }
  record->SetMark(currentMark, SaturatingAdd(x, dx), SaturatingAdd(y, dy));
  NotifyChangedAt(frame);
}

bool TdvCountObject::HitTest(const TdvPoint& click, std::int32_t frame) {
  selectedMarks.Clear();
  selectionFrame = frame;
  TdvCountDataObject* record = frameCounts.Get(frame);
  if (markerVisible == 0 || record == nullptr) {
    return false;
  }
  TdvRect picked = MarkerRect(click);
  std::int32_t index = 0;
  for (const TdvTimeData* mark : record->Marks()) {
    if (PointInRect(TdvPoint{mark->x, mark->y}, picked)) {
      currentMark = index;
      selectedMarks.PushFront(std::make_unique<TdvInt>(index));
    }
    ++index;
  }
  return !selectedMarks.IsEmpty();
}

void TdvCountObject::ClearAllData() {
  for (TdvCountDataObject* record = frameCounts.First(); record != nullptr;
       record = frameCounts.Next()) {
    record->Clear();
  }
  ForgetSelection();
  NotifyChanged();
}

// Highest index first, so that the indexes still to be removed stay valid.
void TdvCountObject::ClearFrame(std::int32_t frame) {
  TdvCountDataObject* record = frameCounts.Get(frame);
  if (record != nullptr && frame == selectionFrame) {
    std::vector<std::int32_t> indexes;
    for (const TdvInt* selected : selectedMarks) {
      indexes.push_back(selected->value);
    }
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (std::int32_t index : indexes) {
      record->RemoveMark(index);
    }
  }
  ForgetSelection();
  NotifyChangedAt(frame);
}

void TdvCountObject::SelectOnly(std::int32_t index, std::int32_t frame) {
  currentMark = index;
  selectedMarks.Clear();
  selectedMarks.Append(std::make_unique<TdvInt>(index));
  selectionFrame = frame;
}

// Removed marks renumber the others: a selection kept past a removal would
// name the wrong marks.
void TdvCountObject::ForgetSelection() {
  currentMark = -1;
  selectedMarks.Clear();
}

void TdvCountObject::ReadOwnGroup(int code, TdvStringStream& stream) {
  if (code != kTdvCodeCountGroup) {
    TdvDataObject::ReadOwnGroup(code, stream);
    return;
  }
  ReadCountGroup(stream, [this](std::int32_t tag, std::int32_t frameKey,
                                const std::vector<TdvCountMarkToken>& marks) {
    if (tag != kTagCountFrame) {
      return;
    }
    // A frame saved with no marks keeps its (empty) record: its count is 0,
    // not unknown.
    if (frameCounts.Get(frameKey) == nullptr) {
      frameCounts.Set(frameKey, std::make_unique<TdvCountDataObject>());
    }
    for (const TdvCountMarkToken& mark : marks) {
      AddMark(mark.x, mark.y, frameKey);
    }
  });
}

void TdvCountObject::WriteExtraGroups(TdvTaggedWriter& writer) {
  writer.OpenCountData();
  for (const auto& entry : frameCounts) {
    writer.CountFrame(kTagCountFrame, entry.key, entry.value->MarkCount());
    for (const TdvTimeData* mark : entry.value->Marks()) {
      writer.CountMark(mark->x, mark->y);
    }
  }
}
