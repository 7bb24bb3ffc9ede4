#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "foundation/object.h"
#include "kinematics/changed_frames.h"

class TdvDataTableObject;

// One value of one quantity at one frame.
struct TdvDataValue {
  std::int32_t frame = 0;
  double value = 0.0;
};

// Values keyed by frame: always in frame order, at most one per frame, and a
// frame is found without walking the list.
using TdvDataValueList = std::map<std::int32_t, double>;

// How a group keeps its values.
enum TdvGroupMode : std::uint8_t {
  kGroupPlain = 0,
  kGroupAlwaysFull = 1,       // fed by smoothed values: recomputed in full
  kGroupSmoothed = 2,         // rawValues before smoothing, values after
  kGroupContinuousAngle = 3,  // rawValues before the angle is made continuous
};

// The values of one quantity of one series. Readers see `values`; computing
// writes to the target list, which is `rawValues` in the smoothed and the
// continuous-angle modes.
class TdvDataValueGroup : public TdvObject {
 public:
  static constexpr int kClassCode = 'G';

  TdvDataValueGroup() = default;
  TdvDataValueGroup(int quantity, std::uint8_t mode);

  bool IsA(int code) const override { return code == kClassCode || TdvObject::IsA(code); }
  // A copy of the values alone, not linked to any series or input.
  std::unique_ptr<TdvObject> Clone() const override;
  // One more (add) or one fewer user: table columns, graph plots and the
  // groups computed from this one.
  virtual void Use(bool add);

  std::optional<double> GetValue(std::int32_t frame) const;
  // Walk `values` with a cursor kept in the group; nothing past either end.
  std::optional<TdvDataValue> First();
  std::optional<TdvDataValue> Next();
  std::optional<TdvDataValue> Prev();

  // Replaces or inserts the value at frame in the target list; a value
  // that is not finite removes the frame's value instead.
  void SetValue(std::int32_t frame, double value);
  // Removes the value at frame from `values` and from `rawValues`.
  void RemoveValue(std::int32_t frame);
  virtual void Clear();

  // Time, positions and the values of distance, count, scale and angle
  // series are always computed; other groups only while someone uses them.
  bool IsActive() const;
  // Filled from the document rather than computed from other groups.
  bool IsRaw() const;

  int Quantity() const { return quantity; }
  int Unit() const { return unit; }
  void SetUnit(int code) { unit = code; }
  std::uint8_t Mode() const { return mode; }
  int UseCount() const { return useCount; }
  const TdvDataValueList& Values() const { return values; }
  const TdvDataValueList& RawValues() const { return rawValues; }

  TdvDataTableObject* Owner() const { return owner; }
  void SetOwner(TdvDataTableObject* object) { owner = object; }
  // Where the latest update touched `values`.
  const TdvChangedFrames& Changes() const { return changes; }
  TdvChangedFrames& Changes() { return changes; }

 protected:
  TdvDataValueList& Target() { return UsesRawList() ? rawValues : values; }
  bool UsesRawList() const { return mode == kGroupSmoothed || mode == kGroupContinuousAngle; }
  // Tells the owner when the group starts or stops being computed.
  void ReportActiveChange(bool wasActive);

  TdvDataValueList values;
  TdvDataValueList rawValues;
  TdvChangedFrames changes;
  TdvDataTableObject* owner = nullptr;
  std::int32_t useCount = 0;
  std::uint8_t mode = kGroupPlain;
  int quantity = 2;
  int unit = 2;

 private:
  std::optional<std::int32_t> cursor;
};
