#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/object.h"
#include "kinematics/data_table_object.h"

class TdvDataTableDocument;
class TdvDataTableListener;
class TdvDataValueGroup;

// The derived quantities of one document: one object per series plus the
// time object, each with the groups somebody asked for. The document owns
// the table and reports every change of its series here: SetDocument and
// RefreshFrames once, AddSeries for each series made or read, SeriesChanged
// for every edit (one frame, or every frame), RefreshDependencies when a
// series' origin, scale or inputs change, UnitsChanged after a change of
// units, TransformStored when an origin moves or turns on every frame. The
// frame list follows one-frame changes by itself.
class TdvDataTable : public TdvObject {
 public:
  static constexpr std::int32_t kTimeSeries = -31;
  // SeriesChanged kind: only the given frame changed.
  static constexpr int kOneFrame = 1;
  // SeriesChanged follows dependent series this many entries deep.
  static constexpr std::size_t kPropagationLimit = 10;

  TdvDataTable() = default;
  TdvDataTable(const TdvDataTable&) = delete;
  TdvDataTable& operator=(const TdvDataTable&) = delete;

  void SetDocument(TdvDataTableDocument* newDocument) { document = newDocument; }
  TdvDataTableDocument* Document() const { return document; }
  // The data table window, or nullptr when none is open.
  void SetWindow(TdvDataTableListener* newWindow) { window = newWindow; }
  TdvDataTableListener* Window() const { return window; }

  // Copies the document's frame list and recomputes the time object.
  void RefreshFrames();
  void AddSeries(std::int32_t seriesId);
  void RemoveSeries(std::int32_t seriesId);
  // The group, made when missing, if the series is in the table and the
  // quantity has a computing class.
  TdvDataValueGroup* FindGroup(std::int32_t seriesId, int quantity);
  // As FindGroup, adding the series first when needed, then recomputes the
  // series for every frame.
  TdvDataValueGroup* EnsureGroup(std::int32_t seriesId, int quantity);
  void RefreshDependencies(std::int32_t seriesId);
  // kind kOneFrame: only frame changed; anything else: every frame. affected
  // receives the series whose values may have changed.
  void SeriesChanged(std::int32_t seriesId, std::int32_t frame, int kind,
                     std::vector<std::int32_t>& affected);
  void UnitsChanged(std::int32_t seriesId);
  // An origin moved or turned for all frames: the stored positions of the
  // listed series are moved with it instead of being read again.
  // affected, when given, receives the series whose values may have changed.
  void TransformStored(const std::vector<std::int32_t>& seriesIds, TdvRealPoint offset,
                       double firstAngle, double secondAngle,
                       std::vector<std::int32_t>* affected = nullptr);
  void ClearValues();
  void AnnounceColumns(TdvDataTableListener& listener);
  double GetMass(std::int32_t seriesId) const;
  // The table part of the tab-separated export.
  void WriteText(std::ostream& out) const;

  TdvDataTableObject* FindObject(std::int32_t seriesId) const;
  const std::vector<std::unique_ptr<TdvDataTableObject>>& Objects() const { return objects; }
  const std::set<std::int32_t>& AllFrames() const { return allFrames; }
  // The time group, made with the time object when missing.
  TdvDataValueGroup* TimeGroup();

 private:
  TdvDataTableObject& MakeObject(std::int32_t seriesId);
  TdvDataTableObject& TimeObject();
  // Adds frame to the frame list or drops it, as the document now says; true
  // when the list changed.
  bool FollowFrameOf(std::int32_t frame);
  // Brings every other series up to date with a changed frame list: on
  // frame, or without one on every frame.
  void RefreshFramesOnAll(std::optional<std::int32_t> frame, std::int32_t changedSeries,
                          std::vector<std::int32_t>& affected);
  // Marks frame (or, without one, every frame) on the series that depend on
  // the entries of affected and recomputes them, appending them in turn.
  void Propagate(std::optional<std::int32_t> frame, std::vector<std::int32_t>& affected);

  TdvDataTableDocument* document = nullptr;
  TdvDataTableListener* window = nullptr;
  std::vector<std::unique_ptr<TdvDataTableObject>> objects;
  std::set<std::int32_t> allFrames;
};
