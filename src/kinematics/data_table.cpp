#include "kinematics/data_table.h"

#include "kinematics/data_table_document.h"
#include "kinematics/quantity_table.h"

namespace {

// The groups a series starts with: those filled from its own data.
std::vector<int> FirstQuantities(TdvDataTableDocument* document, std::int32_t seriesId) {
  if (seriesId == TdvDataTable::kTimeSeries) {
    return {kQuantityTime};
  }
  if (document == nullptr) {
    return {};
  }
  if (document->IsPointSeries(seriesId)) {
    return {kQuantityXPos, kQuantityYPos};
  }
  int natural = document->NaturalQuantity(seriesId);
  if (natural >= kQuantityLength && natural <= kQuantityAngle) {
    return {natural};
  }
  return {};
}

void Mark(TdvDataTableObject& object, std::optional<std::int32_t> frame) {
  if (frame) {
    object.MarkFrame(*frame);
  } else {
    object.MarkAllFrames();
  }
}

}  // namespace

TdvDataTableObject* TdvDataTable::FindObject(std::int32_t seriesId) const {
  for (const auto& object : objects) {
    if (object->SeriesId() == seriesId) {
      return object.get();
    }
  }
  return nullptr;
}

TdvDataTableObject& TdvDataTable::MakeObject(std::int32_t seriesId) {
  auto made = std::make_unique<TdvDataTableObject>(seriesId, *this);
  TdvDataTableObject& object = *made;
  if (seriesId == kTimeSeries) {
    objects.insert(objects.begin(), std::move(made));
  } else if (document != nullptr && document->IsLoading()) {
    bool timeFirst = !objects.empty() && objects.front()->IsTimeObject();
    objects.insert(objects.begin() + (timeFirst ? 1 : 0), std::move(made));
  } else {
    objects.push_back(std::move(made));
  }
  return object;
}

TdvDataTableObject& TdvDataTable::TimeObject() {
  if (TdvDataTableObject* time = FindObject(kTimeSeries)) {
    return *time;
  }
  AddSeries(kTimeSeries);
  return *FindObject(kTimeSeries);
}

TdvDataValueGroup* TdvDataTable::TimeGroup() {
  return TimeObject().GetGroup(kQuantityTime);
}

void TdvDataTable::RefreshFrames() {
  allFrames.clear();
  if (document != nullptr) {
    for (std::int32_t frame : document->DataFrames()) {
      allFrames.insert(frame);
    }
  }
  TdvDataTableObject& time = TimeObject();
  time.GetGroup(kQuantityTime);
  time.MarkAllFrames();
  time.Recompute(false);
}

void TdvDataTable::AddSeries(std::int32_t seriesId) {
  if (FindObject(seriesId) != nullptr) {
    return;
  }
  TdvDataTableObject& object = MakeObject(seriesId);
  for (int quantity : FirstQuantities(document, seriesId)) {
    object.GetGroup(quantity);
  }
  object.MarkAllFrames();
  RefreshDependencies(seriesId);
  object.Recompute(false);
}

void TdvDataTable::RemoveSeries(std::int32_t seriesId) {
  // Every derivative reads the time group, so it goes only with the last
  // series.
  if (seriesId == kTimeSeries && objects.size() > 1) {
    return;
  }
  std::erase_if(objects, [seriesId](const auto& object) { return object->SeriesId() == seriesId; });
}

TdvDataValueGroup* TdvDataTable::FindGroup(std::int32_t seriesId, int quantity) {
  TdvDataTableObject* object = FindObject(seriesId);
  return object == nullptr ? nullptr : object->GetGroup(quantity);
}

TdvDataValueGroup* TdvDataTable::EnsureGroup(std::int32_t seriesId, int quantity) {
  AddSeries(seriesId);
  TdvDataTableObject& object = *FindObject(seriesId);
  TdvDataValueGroup* group = object.GetGroup(quantity);
  object.MarkAllFrames();
  object.Recompute(false);
  return group;
}

void TdvDataTable::RefreshDependencies(std::int32_t seriesId) {
  TdvDataTableObject* object = FindObject(seriesId);
  if (object == nullptr || document == nullptr || seriesId == kTimeSeries) {
    return;
  }
  object->SetDependsOn(document->DependsOn(seriesId));
}

bool TdvDataTable::FollowFrameOf(std::int32_t frame) {
  if (document == nullptr) {
    return false;
  }
  bool hasData = document->FrameHasData(frame);
  if (hasData == allFrames.contains(frame)) {
    return false;
  }
  TdvDataValueGroup* time = TimeGroup();
  if (hasData) {
    allFrames.insert(frame);
    time->SetValue(frame, document->FrameTime(frame));
  } else {
    allFrames.erase(frame);
    time->RemoveValue(frame);
  }
  return true;
}

void TdvDataTable::SeriesChanged(std::int32_t seriesId, std::int32_t frame, int kind,
                                 std::vector<std::int32_t>& affected) {
  affected.clear();
  if (seriesId == kTimeSeries) {
    RefreshFrames();
    for (const auto& object : objects) {
      affected.push_back(object->SeriesId());
      if (!object->IsTimeObject()) {
        object->MarkAllFrames();
        object->Recompute(true);
      }
    }
    return;
  }
  std::optional<std::int32_t> changedFrame;
  bool frameListChanged = false;
  if (kind == kOneFrame) {
    frameListChanged = FollowFrameOf(frame);
    changedFrame = frame;
  } else {
    std::set<std::int32_t> before = allFrames;
    RefreshFrames();
    frameListChanged = before != allFrames;
  }
  if (TdvDataTableObject* object = FindObject(seriesId)) {
    Mark(*object, changedFrame);
    object->Recompute(false);
  }
  affected.push_back(seriesId);
  Propagate(changedFrame, affected);
  if (frameListChanged) {
    RefreshFramesOnAll(changedFrame, seriesId, affected);
  }
}

void TdvDataTable::RefreshFramesOnAll(std::optional<std::int32_t> frame, std::int32_t changedSeries,
                                      std::vector<std::int32_t>& affected) {
  // Series with a value on every frame (fixed points, rotations) gain or lose
  // values where frames start or stop holding data.
  for (const auto& object : objects) {
    if (object->IsTimeObject() || object->SeriesId() == changedSeries) {
      continue;
    }
    Mark(*object, frame);
    object->Recompute(false);
    affected.push_back(object->SeriesId());
  }
}

void TdvDataTable::Propagate(std::optional<std::int32_t> frame,
                             std::vector<std::int32_t>& affected) {
  // Entries may repeat and dependencies may form a cycle; the limit ends both.
  for (std::size_t i = 0; i < affected.size() && i < kPropagationLimit; ++i) {
    std::int32_t changed = affected[i];
    for (const auto& object : objects) {
      if (object->SeriesId() == changed || object->IsTimeObject() ||
          !object->DependsOnSeries(changed)) {
        continue;
      }
      Mark(*object, frame);
      affected.push_back(object->SeriesId());
      object->Recompute(false);
    }
  }
}

void TdvDataTable::UnitsChanged(std::int32_t seriesId) {
  if (document != nullptr && document->ChangeNeedsNoNewUnits(seriesId)) {
    if (TdvDataTableObject* object = FindObject(seriesId)) {
      object->Recompute(false);
    }
    return;
  }
  for (const auto& object : objects) {
    if (object->SelectUnits()) {
      object->MarkAllFrames();
      object->Recompute(true);
    }
  }
}

void TdvDataTable::TransformStored(const std::vector<std::int32_t>& seriesIds, TdvRealPoint offset,
                                   double firstAngle, double secondAngle,
                                   std::vector<std::int32_t>* affected) {
  if (firstAngle != 0.0 && (offset.x != 0.0 || offset.y != 0.0)) {
    offset = RotatePoint(offset.x, offset.y, -firstAngle);
  }
  for (std::int32_t seriesId : seriesIds) {
    TdvDataTableObject* object = FindObject(seriesId);
    if (object == nullptr || object->IsTimeObject()) {
      continue;
    }
    TdvDataValueGroup* xs = object->ExistingGroup(kQuantityXPos);
    TdvDataValueGroup* ys = object->ExistingGroup(kQuantityYPos);
    if (xs != nullptr && ys != nullptr) {
      for (const auto& [frame, x] : xs->Values()) {
        std::optional<double> y = ys->GetValue(frame);
        if (!y) {
          continue;
        }
        TdvRealPoint moved = secondAngle != firstAngle
                                 ? RotatePoint(x, *y, secondAngle - firstAngle)
                                 : TdvRealPoint(x - offset.x, *y - offset.y);
        xs->SetValue(frame, moved.x);
        ys->SetValue(frame, moved.y);
      }
    }
    object->Recompute(true);
    std::vector<std::int32_t> reached{seriesId};
    Propagate(std::nullopt, reached);
    if (affected != nullptr) {
      affected->insert(affected->end(), reached.begin(), reached.end());
    }
  }
}

void TdvDataTable::ClearValues() {
  for (const auto& object : objects) {
    object->ClearValues();
  }
}

void TdvDataTable::AnnounceColumns(TdvDataTableListener& listener) {
  for (const auto& object : objects) {
    for (const auto& group : object->Groups()) {
      listener.ColumnAvailable(object->SeriesId(), group->Quantity());
    }
  }
}

double TdvDataTable::GetMass(std::int32_t seriesId) const {
  if (document == nullptr || seriesId == kTimeSeries) {
    return 0.0;
  }
  return document->Mass(seriesId);
}
