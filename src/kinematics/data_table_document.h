#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the table of derived quantities needs from the document that owns it.
// The analysis library does not know the document; the document implements
// this and hands itself to TdvDataTable::SetDocument. Series are named by
// their item ids; the time pseudo-item -31 is never asked about here.
class TdvDataTableDocument {
 public:
  virtual ~TdvDataTableDocument() = default;

  // Movie time of the frame, in seconds.
  virtual double FrameTime(std::int32_t frame) = 0;
  // Point series, calculated points included, carry x-pos and y-pos.
  virtual bool IsPointSeries(std::int32_t seriesId) = 0;
  // The one raw quantity a series that is not a point series holds: 36 for
  // a distance, 37 for a count, 38 for a scale, 39 for an angle; 0 for none.
  virtual int NaturalQuantity(std::int32_t seriesId) = 0;
  // The stored value of quantity 2, 3, 6 or 36-39 at frame, in the series'
  // own units, or nothing when the series has no value there.
  virtual std::optional<double> RawValue(std::int32_t seriesId, std::int32_t frame,
                                         int quantity) = 0;
  // Mass in kilograms, whatever unit the series shows it in.
  virtual double Mass(std::int32_t seriesId) = 0;
  virtual int LengthUnit(std::int32_t seriesId) = 0;
  virtual int AngleUnit(std::int32_t seriesId) = 0;
  virtual int MassUnit(std::int32_t seriesId) = 0;
  virtual bool HasScale(std::int32_t seriesId) = 0;
  // 1 Frame-by-Frame, 2 Fixed, 3 Semi-Fixed.
  virtual int SampleType(std::int32_t seriesId) = 0;
  virtual std::string SeriesName(std::int32_t seriesId) = 0;
  // Frames on which any series holds data, ascending.
  virtual std::vector<std::int32_t> DataFrames() = 0;
  // Whether any series holds data on this one frame; lets one click keep the
  // table's frame list current without copying the whole list.
  virtual bool FrameHasData(std::int32_t frame) = 0;
  // Series whose changes affect this one (its origin, scale, copied series,
  // or the series a calculated series is computed from).
  virtual std::vector<std::int32_t> DependsOn(std::int32_t seriesId) = 0;
  // True when the change just made to the series leaves every unit as it was.
  virtual bool ChangeNeedsNoNewUnits(std::int32_t seriesId) = 0;
  // True while a document file is being read.
  virtual bool IsLoading() = 0;
};

// The data table window as the table sees it. The table may have no window.
class TdvDataTableListener {
 public:
  virtual ~TdvDataTableListener() = default;

  // A group now exists and can be shown as a column.
  virtual void ColumnAvailable(std::int32_t seriesId, int quantity) = 0;
  // A group started or stopped being computed; its column must be redrawn.
  virtual void GroupActiveChanged(std::int32_t seriesId, int quantity) = 0;
};
