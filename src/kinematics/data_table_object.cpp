#include "kinematics/data_table_object.h"

#include <algorithm>

#include "kinematics/data_table.h"
#include "kinematics/data_table_document.h"
#include "kinematics/model_value_group.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "kinematics/value_group_factory.h"

namespace {

// Up to this many changed frames are followed one by one; more are cheaper
// to recompute whole.
constexpr std::size_t kFrameByFrameLimit = 8;

TdvModelDataValueGroup* AsModel(TdvDataValueGroup& group) {
  return group.IsA(TdvModelDataValueGroup::kClassCode)
             ? static_cast<TdvModelDataValueGroup*>(&group)
             : nullptr;
}

}  // namespace

TdvDataTableObject::TdvDataTableObject(std::int32_t id, TdvDataTable& dataTable)
    : seriesId(id), table(&dataTable) {}

bool TdvDataTableObject::IsTimeObject() const {
  return seriesId == TdvDataTable::kTimeSeries;
}

TdvDataTableDocument* TdvDataTableObject::Document() const {
  return table->Document();
}

TdvDataValueGroup* TdvDataTableObject::ExistingGroup(int quantity) const {
  for (const auto& group : groups) {
    if (group->Quantity() == quantity) {
      return group.get();
    }
  }
  return nullptr;
}

TdvDataValueGroup* TdvDataTableObject::GetGroup(int quantity) {
  if (TdvDataValueGroup* existing = ExistingGroup(quantity)) {
    return existing;
  }
  std::unique_ptr<TdvDataValueGroup> made = MakeValueGroup(quantity);
  if (made == nullptr) {
    return nullptr;
  }
  TdvDataValueGroup* group = made.get();
  group->SetOwner(this);
  // The unit comes first: an angle is stored in it as it is computed.
  group->SetUnit(UnitFor(quantity));
  TdvModelDataValueGroup* model = AsModel(*group);
  if (model != nullptr) {
    model->SetTable(table);
    model->SetupInputs();
  }
  if (quantity == kQuantityTime) {
    groups.insert(groups.begin(), std::move(made));
  } else {
    groups.push_back(std::move(made));
  }
  if (model != nullptr) {
    model->ComputeAll();
  } else {
    RebuildRaw(*group);
  }
  if (TdvDataTableListener* window = table->Window()) {
    window->ColumnAvailable(seriesId, quantity);
  }
  return group;
}

bool TdvDataTableObject::DependsOnSeries(std::int32_t series) const {
  return std::find(dependsOn.begin(), dependsOn.end(), series) != dependsOn.end();
}

void TdvDataTableObject::MarkFrame(std::int32_t frame) {
  dirty = true;
  if (allFramesDirty ||
      std::find(dirtyFrames.begin(), dirtyFrames.end(), frame) != dirtyFrames.end()) {
    return;
  }
  dirtyFrames.push_back(frame);
}

void TdvDataTableObject::MarkAllFrames() {
  dirty = true;
  allFramesDirty = true;
  dirtyFrames.clear();
}

void TdvDataTableObject::Recompute(bool force) {
  if (!dirty && !force) {
    return;
  }
  if (force || allFramesDirty || dirtyFrames.size() > kFrameByFrameLimit) {
    RecomputeWhole();
  } else {
    for (std::int32_t frame : dirtyFrames) {
      RecomputeFrame(frame);
    }
  }
  dirtyFrames.clear();
  allFramesDirty = false;
  dirty = false;
  updated = true;
}

void TdvDataTableObject::RecomputeWhole() {
  for (const auto& group : groups) {
    if (!group->IsActive()) {
      continue;
    }
    if (TdvModelDataValueGroup* model = AsModel(*group)) {
      model->ComputeAll();
      continue;
    }
    // Forced without dirty frames, the stored values stay: they were just
    // moved in place.
    if (allFramesDirty) {
      RebuildRaw(*group);
    } else {
      for (std::int32_t frame : dirtyFrames) {
        RefreshRawFrame(*group, frame);
      }
    }
    group->Changes().MarkAll();
  }
}

void TdvDataTableObject::RecomputeFrame(std::int32_t frame) {
  for (const auto& group : groups) {
    if (!group->IsActive()) {
      continue;
    }
    group->Changes().Clear();
    if (TdvModelDataValueGroup* model = AsModel(*group)) {
      if (!model->ComputeAt(frame)) {
        model->ComputeAll();
      }
    } else {
      RefreshRawFrame(*group, frame);
    }
  }
}

std::optional<double> TdvDataTableObject::RawValue(std::int32_t frame, int quantity) const {
  TdvDataTableDocument* document = Document();
  if (document == nullptr) {
    return std::nullopt;
  }
  if (IsTimeObject()) {
    return quantity == kQuantityTime ? std::optional<double>(document->FrameTime(frame))
                                     : std::nullopt;
  }
  return document->RawValue(seriesId, frame, quantity);
}

void TdvDataTableObject::RefreshRawFrame(TdvDataValueGroup& group, std::int32_t frame) {
  // Raw groups hold values only on frames that hold data, as a full rebuild
  // does.
  std::optional<double> value;
  if (table->AllFrames().contains(frame)) {
    value = RawValue(frame, group.Quantity());
  }
  if (value) {
    group.SetValue(frame, *value);
  } else {
    group.RemoveValue(frame);
  }
  group.Changes().Add(frame, frame);
}

void TdvDataTableObject::RebuildRaw(TdvDataValueGroup& group) {
  group.Clear();
  for (std::int32_t frame : table->AllFrames()) {
    if (std::optional<double> value = RawValue(frame, group.Quantity())) {
      group.SetValue(frame, *value);
    }
  }
  group.Changes().MarkAll();
}

void TdvDataTableObject::GroupActivated(TdvDataValueGroup& group) {
  if (TdvModelDataValueGroup* model = AsModel(group)) {
    model->ComputeAll();
  } else {
    RebuildRaw(group);
  }
}

int TdvDataTableObject::UnitFor(int quantity) const {
  if (IsTimeObject()) {
    return kUnitSeconds;
  }
  TdvDataTableDocument* document = Document();
  if (document == nullptr) {
    return kUnitNone;
  }
  return SelectUnit(document->LengthUnit(seriesId), document->AngleUnit(seriesId),
                    document->MassUnit(seriesId), quantity, document->HasScale(seriesId));
}

bool TdvDataTableObject::SelectUnits() {
  bool changed = false;
  for (const auto& group : groups) {
    int unit = UnitFor(group->Quantity());
    if (unit != group->Unit()) {
      group->SetUnit(unit);
      changed = true;
    }
  }
  return changed;
}

void TdvDataTableObject::ClearValues() {
  for (const auto& group : groups) {
    group->Clear();
  }
}
