#pragma once

#include <cstdint>

// Class codes of the series and their per-frame records. Code is tested
// instead of type all over the program, so these numbers are part of the
// saved and displayed behaviour.
enum TdvSeriesClassCode : int {
  kTransformedFrameCode = 5,
  kDataObjectCode = 49,
  kDataPointCode = 50,
  kRecordPointCode = 52,
  kCalculatedObjectCode = 53,
  kCalibrateObjectCode = 54,
  kClonePointCode = 56,
  kCalculatedLineCode = 57,
  kCalculatedCMCode = 58,
  kCalculatedDesPtCode = 59,
  kCalculatedAngleCode = 60,
  kCountObjectCode = 61,
  kTimeDataCode = 63,
  kCountDataObjectCode = 64,
};

// Item references with a fixed meaning; they are never ids of items.
inline constexpr std::int32_t kNoItem = -19;
inline constexpr std::int32_t kDefaultOriginRef = -1;
inline constexpr std::int32_t kVideoOriginRef = -2;
inline constexpr std::int32_t kNoScale = -3;
inline constexpr std::int32_t kEmptyInputRef = -4;
inline constexpr std::int32_t kTimeItemRef = -31;

// An x of this value marks a datum without a position.
inline constexpr std::int32_t kNoPosition = 32767;

enum TdvSampleType : std::uint8_t {
  kFrameByFrame = 1,
  kFixed = 2,
  kSemiFixed = 3,
};

enum TdvCoordinateKind : std::uint8_t {
  kCartesian = 1,
  kPolar = 2,
};
