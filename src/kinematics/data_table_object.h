#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "foundation/object.h"
#include "kinematics/data_value_group.h"

class TdvDataTable;
class TdvDataTableDocument;

// The groups of one series (or of the movie's time, series -31).
class TdvDataTableObject : public TdvObject {
 public:
  TdvDataTableObject(std::int32_t seriesId, TdvDataTable& table);

  std::int32_t SeriesId() const { return seriesId; }
  bool IsTimeObject() const;

  // The group of quantity, made when missing; nothing for a quantity that
  // has no computing class.
  TdvDataValueGroup* GetGroup(int quantity);
  // The group of quantity if it exists; never makes one.
  TdvDataValueGroup* ExistingGroup(int quantity) const;
  const std::vector<std::unique_ptr<TdvDataValueGroup>>& Groups() const { return groups; }

  void SetDependsOn(std::vector<std::int32_t> series) { dependsOn = std::move(series); }
  const std::vector<std::int32_t>& DependsOn() const { return dependsOn; }
  bool DependsOnSeries(std::int32_t series) const;

  void MarkFrame(std::int32_t frame);
  // Every frame that holds data; raw groups are then rebuilt whole.
  void MarkAllFrames();
  bool IsDirty() const { return dirty; }
  bool IsUpdated() const { return updated; }

  // Brings every active group up to date with the dirty frames; forced, the
  // computed groups are recomputed whole.
  void Recompute(bool force);
  // Picks the unit code of every group again; true when any changed.
  bool SelectUnits();
  // A group that starts being computed is brought up to date whole.
  void GroupActivated(TdvDataValueGroup& group);
  void ClearValues();

  TdvDataTable& Table() const { return *table; }
  // The table's document; nullptr when it has none.
  TdvDataTableDocument* Document() const;
  // The value of a raw quantity at frame, asked of the document.
  std::optional<double> RawValue(std::int32_t frame, int quantity) const;

 private:
  int UnitFor(int quantity) const;
  void RefreshRawFrame(TdvDataValueGroup& group, std::int32_t frame);
  void RebuildRaw(TdvDataValueGroup& group);
  void RecomputeFrame(std::int32_t frame);
  void RecomputeWhole();

  std::int32_t seriesId;
  std::vector<std::unique_ptr<TdvDataValueGroup>> groups;
  std::vector<std::int32_t> dependsOn;
  std::vector<std::int32_t> dirtyFrames;
  TdvDataTable* table;
  bool allFramesDirty = false;
  bool dirty = false;
  bool updated = false;
};
