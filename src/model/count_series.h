#pragma once

#include <cstdint>
#include <memory>

#include "foundation/lists.h"
#include "model/series.h"
#include "model/time_data.h"

// The marks counted on one frame, in the order they were added. Each mark's
// x and y are its stored position; its value is unused.
class TdvCountDataObject : public TdvObject {
 public:
  bool IsA(int code) const override { return code == kCountDataObjectCode || code == 0; }
  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TdvCountDataObject>(*this);
  }

  void AddMark(std::int32_t x, std::int32_t y);
  bool GetMark(int index, std::int32_t& x, std::int32_t& y);
  bool SetMark(int index, std::int32_t x, std::int32_t y);
  bool RemoveMark(int index);
  int MarkCount() const;
  void Clear() { marks.Clear(); }
  const TdvLList<TdvTimeData>& Marks() const { return marks; }

 private:
  TdvLList<TdvTimeData> marks;
};

// Counts things on each frame: every click adds a mark on the displayed
// frame, and the series' value there is the number of marks. Marks are kept
// per frame instead of in the base's per-frame data.
class TdvCountObject : public TdvDataObject {
 public:
  TdvCountObject() = default;

  bool IsA(int code) const override { return code == kCountObjectCode || TdvDataObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override;

  int ScalarKind() const override { return 37; }
  // A count has no position to draw as a trail or to convert.
  bool HasData(std::int32_t) override { return false; }
  void MoveTransformPoint(std::int32_t dx, std::int32_t dy, std::int32_t frame) override;
  bool HitTest(const TdvPoint& click, std::int32_t frame) override;
  // Every mark of the frame, "[n]" beside the current one.
  void DrawOnMovie(TdvSeriesView& view, std::int32_t frame) override;
  void DrawSelection(TdvSeriesView& view, std::int32_t frame) override;
  std::string LabelText(TdvSeriesView& view, std::int32_t frame) override;
  int TableWidth() const override { return 70; }
  int TableColumns() const override { return 1; }
  int ColumnWidth() const override { return 70; }
  void ClearAllData() override;
  // Removes the marks picked on frame.
  void ClearFrame(std::int32_t frame) override;
  void ReadOwnGroup(int code, TdvStringStream& stream) override;
  void WriteExtraGroups(TdvTaggedWriter& writer) override;

  // A click on the movie for this series.
  bool AddMark(std::int32_t x, std::int32_t y, std::int32_t frame);
  // Number of marks on frame; false when the frame was never marked.
  bool GetCount(double& value, std::int32_t frame);

  std::int32_t GetCurrentMark() const { return currentMark; }
  const TdvLList<TdvInt>& SelectedMarks() const { return selectedMarks; }
  ArrayAsLList<TdvCountDataObject>& FrameCounts() { return frameCounts; }
  const ArrayAsLList<TdvCountDataObject>& FrameCounts() const { return frameCounts; }

 private:
  TdvCountObject(const TdvCountObject&) = default;
  void SelectOnly(std::int32_t index, std::int32_t frame);
  void ForgetSelection();

  ArrayAsLList<TdvCountDataObject> frameCounts;
  // Indexes of the marks picked by the last click, highest first.
  TdvLList<TdvInt> selectedMarks;
  std::int32_t currentMark = -1;
  // The frame on which selectedMarks were picked; the indexes mean nothing
  // on another frame.
  std::int32_t selectionFrame = 0;
};
