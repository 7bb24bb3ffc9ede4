#pragma once

#include <cstdint>
#include <vector>

#include "movie/ffmpeg/ffmpeg_handles.h"
#include "movie/video_types.h"

namespace kinovex {

// How a coded picture is shown: stretched to square pixels, then turned
// clockwise by a quarter-turn multiple (phones store portrait video as a
// landscape picture plus a display matrix).
struct TdvDisplayGeometry {
  int codedWidth = 0;
  int codedHeight = 0;
  AVRational sampleAspect{1, 1};
  int clockwiseDegrees = 0;  // 0, 90, 180 or 270

  // Size before the turn: the width carries the sample aspect.
  int UprightWidth() const;
  int UprightHeight() const { return codedHeight; }
  int DisplayWidth() const;
  int DisplayHeight() const;
};

// Quarter-turn clockwise rotation that a display matrix asks for.
int ClockwiseDegreesFromMatrix(const std::int32_t* matrix);

// Converts decoded frames to RGB at the display size.
class TdvFrameConverter {
 public:
  explicit TdvFrameConverter(const TdvDisplayGeometry& geometry) : geometry_(geometry) {}

  bool Convert(const AVFrame& frame, TdvVideoImage& image);

  // The frame's own luma plane when it is the picture as shown: 8 bits a
  // pixel in a plane of its own, square pixels, not turned. False
  // otherwise.
  bool LumaOf(const AVFrame& frame, TdvVideoLuma& luma) const;

 private:
  bool Scale(const AVFrame& frame, std::uint8_t* target, int width, int height);

  TdvDisplayGeometry geometry_;
  TdvScaleHandle scaler_;
  std::vector<std::uint8_t> upright_;
};

// Turns an RGB picture of width x height clockwise by `degrees`.
void RotateRgb(const std::uint8_t* source, int width, int height, int degrees,
               std::uint8_t* target);

}  // namespace kinovex
