#pragma once

#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "model/series.h"

// A tracked point: one position per frame, clicked on the movie. A point
// may be made an origin; its per-frame value is then the rotation of the
// coordinate system it starts. An origin that moves with the camera can be
// transformed: from a chosen frame on it is carried along through a
// transform point attached to it there, so that it may leave the picture.
class TdvDataPoint : public TdvDataObject {
 public:
  TdvDataPoint();

  bool IsA(int code) const override { return code == kDataPointCode || TdvDataObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override;
  void Refresh() override { RedrawInDocument(); }

  void SetOrigin(std::int32_t flag) override;
  bool IsPointType() const override { return true; }
  // One row per transformed frame below the point's own row.
  void DrawExtraRows(TdvSeriesView& view) override;
  // The origin's position and rotation on the frame, carried back through
  // the transformations in force.
  bool GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) override;

  // A drag moves the datum unless a hit test grabbed the transform point.
  void SelectDatum() override { moveTarget = 1; }
  void MoveTransformPoint(std::int32_t dx, std::int32_t dy, std::int32_t frame) override;
  // Turns the axes of the origin towards the dragged handle position; bit
  // 0x200 of keyFlags snaps the angle down to a multiple of 15 degrees.
  void RotateTo(TdvPoint& position, std::int32_t frame, std::int32_t keyFlags) override;
  bool HitTest(const TdvPoint& click, std::int32_t frame) override;
  bool MoviePosition(TdvPoint& position, double& angle, std::int32_t frame) override;
  void DrawOnMovie(TdvSeriesView& view, std::int32_t frame) override;
  // A Fixed point that is selected shows its coordinates; a transformed
  // origin the name of the transformation in force.
  std::string LabelText(TdvSeriesView& view, std::int32_t frame) override;
  void DrawTrails(TdvSeriesView& view, std::int32_t frame,
                  const std::vector<std::int32_t>& frames) override;
  bool HitLabel(const TdvPoint& click, std::int32_t frame) override;

  int TableWidth() const override { return isOrigin != 0 ? 150 : 100; }
  int TableColumns() const override { return isOrigin != 0 ? 3 : 2; }
  int ColumnWidth() const override { return 50; }

  // Clearing a transformation's start frame removes that transformation;
  // clearing everything of a transformed origin removes its
  // transformations (after asking) and keeps the data.
  void ClearAllData() override;
  void ClearFrame(std::int32_t frame) override;

  // A click on the movie: the datum of the frame (key 0 when Fixed),
  // replacing any datum and rotation there.
  bool TakeData(std::int32_t x, std::int32_t y, std::int32_t frame);
  // Moves the datum of the frame; true when a new datum had to be made.
  bool SetPosition(std::int32_t x, std::int32_t y, std::int32_t frame);
  // The datum that answers for the frame under the sample type.
  bool GetPosition(std::int32_t frame, TdvPoint& position, double& value);
  // Where the point is drawn and what it answers as an origin: the
  // transform point on the start frame of the transformation in force.
  bool GetDisplayPosition(std::int32_t frame, TdvPoint& position, double& value);
  bool GetTransformPoint(std::int32_t frame, TdvPoint& position, double& value);

  // The Transform Origin command on the frame; false with a message when
  // the point cannot be transformed there.
  bool TransformOrigin(std::int32_t frame);
  void AddTransformedFrame(std::int32_t x, std::int32_t y, std::int32_t frame);
  // point comes in as the display position at the frame and leaves as how
  // far that position lies from the origin of the transformation in force,
  // carried link by link across the transform points between the frame and
  // that transformation's start; angle receives the rotation on the frame.
  void TransformOffset(TdvRealPoint& point, double& angle, std::int32_t frame);

  std::int32_t GetMoveTarget() const { return moveTarget; }

 protected:
  TdvDataPoint(const TdvDataPoint&) = default;

 private:
  // The transformed frame in force, or nullptr without transformations.
  const TdvTransformedFrame* EntryInForce();
  // First frame key holding a datum, -1 when there is none.
  std::int32_t FirstDataKey();
  void PutOriginalFirst();
  void RemoveTransformationAt(std::int32_t frame);
  void NotifyMoved(std::int32_t frame);

  std::int32_t moveTarget = 1;
};

// An invisible copy of another point: it has no data of its own and reports
// the source's positions through its own origin, scale and units.
class TdvClonePoint : public TdvDataPoint {
 public:
  TdvClonePoint();

  bool IsA(int code) const override { return code == kClonePointCode || TdvDataPoint::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override;

  void SetOrigin(std::int32_t) override {}
  void SetVisible(std::int32_t) override { markerVisible = 0; }
  void SetTrails(std::int32_t) override { leaveTrails = 0; }
  int GetSampleType() const override;
  bool HasData(std::int32_t) override { return true; }
  void DrawMarker(TdvSeriesView&, const TdvPoint&, double, std::int32_t) override {}
  bool GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) override;
  bool GetSourceId(std::int32_t& id) const override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;

  // Follows the point with that id and takes over its origin, sample type,
  // coordinates, units and mass. The clone's own id names no source. A
  // source whose own sources lead back to this clone is refused: the clone
  // is left without a source and false returned.
  bool SetSource(std::int32_t id);
  // The point copied, looked up afresh so that a deleted source is never
  // reached; nullptr when there is none.
  TdvDataPoint* Source() const;

 protected:
  TdvClonePoint(const TdvClonePoint&) = default;

 private:
  // True when the item with that id is this clone or copies it, directly
  // or through other clones.
  bool CopiesThisClone(std::int32_t itemId) const;

  std::int32_t sourceId = kNoItem;
};

// Stands for the Auto Add Points mode: a click on the movie with it current
// creates a new point. It is neither exported nor listed in the data grid,
// and is saved as a plain point.
class TdvRecordPoint : public TdvDataPoint {
 public:
  TdvRecordPoint();

  bool IsA(int code) const override { return code == kRecordPointCode || TdvDataPoint::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override;

  bool IsExported() const override { return false; }
  bool HasData(std::int32_t) override { return true; }
  bool IsPointType() const override { return false; }
  int TableWidth() const override { return 0; }
  int TableColumns() const override { return 0; }
  int ColumnWidth() const override { return 0; }

 protected:
  TdvRecordPoint(const TdvRecordPoint&) = default;
};

// The angle of the axis handle dragged to handle around origin, in 0 to 2 pi;
// handle is moved onto the x axis, 20 units from the origin.
double HandleAngle(const TdvPoint& origin, TdvPoint& handle);
