#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "foundation/geometry.h"
#include "kinematics/data_table_document.h"

class TdvDataObject;
class TdvDataObjectWindow;

// The document as its table of derived quantities sees it. The table asks
// for values frame by frame, thousands at a time, so nothing here shows a
// message, beeps or changes a series: a value that cannot be read quietly
// is simply absent.
class TdvDocumentTableSource : public TdvDataTableDocument {
 public:
  explicit TdvDocumentTableSource(TdvDataObjectWindow& document) : document(document) {}

  double FrameTime(std::int32_t frame) override;
  bool IsPointSeries(std::int32_t seriesId) override;
  int NaturalQuantity(std::int32_t seriesId) override;
  std::optional<double> RawValue(std::int32_t seriesId, std::int32_t frame, int quantity) override;
  double Mass(std::int32_t seriesId) override;
  int LengthUnit(std::int32_t seriesId) override;
  int AngleUnit(std::int32_t seriesId) override;
  int MassUnit(std::int32_t seriesId) override;
  bool HasScale(std::int32_t seriesId) override;
  int SampleType(std::int32_t seriesId) override;
  std::string SeriesName(std::int32_t seriesId) override;
  std::vector<std::int32_t> DataFrames() override;
  bool FrameHasData(std::int32_t frame) override;
  std::vector<std::int32_t> DependsOn(std::int32_t seriesId) override;
  bool ChangeNeedsNoNewUnits(std::int32_t seriesId) override;
  bool IsLoading() override;

 private:
  // What decides the unit codes of a series' groups.
  struct UnitState {
    int length = 0;
    int angle = 0;
    int mass = 0;
    bool scale = false;
    bool operator==(const UnitState&) const = default;
  };

  std::optional<double> PointValue(TdvDataObject& item, std::int32_t frame, int quantity);
  std::optional<double> ScalarValue(TdvDataObject& item, std::int32_t frame, int quantity);
  // The position in the coordinate system of originRef, as the document
  // converts it, or nothing where the document would complain.
  bool ConvertQuietly(TdvRealPoint& position, std::int32_t originRef, TdvDataObject& item,
                      std::int32_t frame);
  // False when the origin's scale would be measured between coinciding
  // ends: converting through it would move them apart and say so.
  bool ScaleUsable(TdvDataObject& origin, std::int32_t frame);
  // A Fixed series answers on every frame, so its datum marks none.
  static bool MarksFrames(TdvDataObject& item);
  static bool HoldsDatum(TdvDataObject& item, std::int32_t frame);
  UnitState UnitsOf(TdvDataObject& item);

  TdvDataObjectWindow& document;
  std::map<std::int32_t, UnitState> knownUnits;
};
