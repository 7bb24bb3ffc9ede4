#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/lists.h"
#include "model/series.h"

// A series without clicks of its own: on every frame it is computed from the
// positions of other series, its included items (points, origins, clones and
// the point-type calculated series). The list keeps the included ids in
// order; -4 marks an empty place, such as an end of an angle not chosen yet.
//
// Inputs are chosen freely, so a calculated series may end up depending on
// itself through others; a computation that comes back to a series already
// being computed fails instead of recursing without end.
class TdvCalculatedObject : public TdvDataObject {
 public:
  bool IsA(int code) const override {
    return code == kCalculatedObjectCode || TdvDataObject::IsA(code);
  }
  std::unique_ptr<TdvObject> Clone() const override = 0;

  // The base line followed by the name of each included item and a tab.
  void ExportInfo(std::ostream& out, std::int32_t number) override;
  // True only when the click lies on every included item.
  bool HitTest(const TdvPoint& click, std::int32_t frame) override;
  void SetListValue(std::int32_t tag, const LList& list) override;
  void WriteExtraGroups(TdvTaggedWriter& writer) override;

  void GetIncluded(LList& list, int& required, int& max) const;
  void SetIncluded(const LList& list);
  // The document calls this when the item id is deleted.
  virtual void RemoveIncluded(std::int32_t id);

 protected:
  TdvCalculatedObject(std::int32_t required, std::int32_t max)
      : requiredCount(required), maxCount(max) {}
  TdvCalculatedObject(const TdvCalculatedObject&) = default;

  std::vector<std::int32_t> IncludedIdValues() const;
  // Fills count places with -4, for the kinds whose inputs have fixed roles.
  void FillEmptyPlaces(int count);
  // Empties the place of id instead of dropping it, so that the other
  // inputs keep their roles.
  void EmptyPlaceOf(std::int32_t id);
  // Position (stored coordinates) and mass of the included item on the
  // frame; false when the item is missing, not point-type or not placed.
  bool IncludedPosition(std::int32_t id, std::int32_t frame, TdvRealPoint& position,
                        double& itemMass);
  // The positions of all included items when there are exactly count of
  // them and each has a position on the frame.
  bool IncludedPositions(std::size_t count, std::int32_t frame, std::vector<TdvRealPoint>& out);
  // Runs compute unless this series is already being computed further up
  // the call chain.
  template <typename Compute>
  bool Guarded(Compute&& compute) {
    if (computing) {
      return false;
    }
    computing = true;
    bool done = compute();
    computing = false;
    return done;
  }

  LList includedIds;
  std::int32_t requiredCount = 0;
  std::int32_t maxCount = 0;

 private:
  bool computing = false;
};

// The distance between two included items.
class TdvCalculatedLine : public TdvCalculatedObject {
 public:
  TdvCalculatedLine();

  bool IsA(int code) const override {
    return code == kCalculatedLineCode || TdvCalculatedObject::IsA(code);
  }
  std::unique_ptr<TdvObject> Clone() const override;

  int ScalarKind() const override { return 36; }
  int TableWidth() const override { return 80; }
  int TableColumns() const override { return 1; }
  int ColumnWidth() const override { return 80; }

  bool GetEnds(TdvRealPoint& a, TdvRealPoint& b, std::int32_t frame);
  // The line between the ends, drawn by markerType: 400 plain, 401 with
  // ticks across its ends, 402 with arrow heads, 403 with both; the label
  // at its middle.
  void DrawOnMovie(TdvSeriesView& view, std::int32_t frame) override;
  void DrawSelection(TdvSeriesView& view, std::int32_t frame) override;
  // In movie units.
  bool GetLength(double& length, TdvRealPoint& a, TdvRealPoint& b, std::int32_t frame);
  // The length as the distance's coordinate system reports lengths: through
  // the scale of its origin, in the distance's own length unit, or in movie
  // units labelled "(pixels)" when that origin has no scale.
  bool ReportedLength(double& length, std::string& unitLabel, std::int32_t frame);

 protected:
  TdvCalculatedLine(const TdvCalculatedLine&) = default;

 private:
  // The scale of the coordinate system the distance reports in, or nullptr.
  TdvDataObject* ReportingScale();
};

// The angle at a vertex from the ray towards end A to the ray towards end B.
// The inputs are, in this order, end A, the vertex and end B.
class TdvCalculatedAngle : public TdvCalculatedObject {
 public:
  TdvCalculatedAngle();

  bool IsA(int code) const override {
    return code == kCalculatedAngleCode || TdvCalculatedObject::IsA(code);
  }
  std::unique_ptr<TdvObject> Clone() const override;

  int ScalarKind() const override { return 39; }
  int TableWidth() const override { return 60; }
  int TableColumns() const override { return 1; }
  int ColumnWidth() const override { return 60; }
  void RemoveIncluded(std::int32_t id) override { EmptyPlaceOf(id); }

  bool GetEnds(TdvRealPoint& a, TdvRealPoint& vertex, TdvRealPoint& b, std::int32_t frame);
  // Its two rays and an arc between them at the vertex.
  void DrawOnMovie(TdvSeriesView& view, std::int32_t frame) override;
  void DrawSelection(TdvSeriesView& view, std::int32_t frame) override;
  // Radians in 0 to 2 pi, counter-clockwise with y up; the reporting code
  // applies the unit and the range.
  bool ComputeAngle(double& angle, std::int32_t frame);

 protected:
  TdvCalculatedAngle(const TdvCalculatedAngle&) = default;
};
