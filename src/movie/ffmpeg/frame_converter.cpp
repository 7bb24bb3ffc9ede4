#include "movie/ffmpeg/frame_converter.h"

#include <cmath>

extern "C" {
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

namespace kinovex {

int TdvDisplayGeometry::UprightWidth() const {
  if (sampleAspect.num <= 0 || sampleAspect.den <= 0) {
    return codedWidth;
  }
  int64_t width = av_rescale(codedWidth, sampleAspect.num, sampleAspect.den);
  return width > 0 && width <= 4 * int64_t{codedWidth} ? static_cast<int>(width) : codedWidth;
}

int TdvDisplayGeometry::DisplayWidth() const {
  return clockwiseDegrees % 180 == 0 ? UprightWidth() : UprightHeight();
}

int TdvDisplayGeometry::DisplayHeight() const {
  return clockwiseDegrees % 180 == 0 ? UprightHeight() : UprightWidth();
}

int ClockwiseDegreesFromMatrix(const std::int32_t* matrix) {
  double counterClockwise = av_display_rotation_get(matrix);
  if (std::isnan(counterClockwise)) {
    return 0;
  }
  long quarter = std::lround(-counterClockwise / 90.0);
  return static_cast<int>(((quarter % 4) + 4) % 4) * 90;
}

void RotateRgb(const std::uint8_t* source, int width, int height, int degrees,
               std::uint8_t* target) {
  const int turnedWidth = degrees % 180 == 0 ? width : height;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = source + static_cast<std::size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      int tx = x;
      int ty = y;
      if (degrees == 90) {
        tx = height - 1 - y;
        ty = x;
      } else if (degrees == 180) {
        tx = width - 1 - x;
        ty = height - 1 - y;
      } else if (degrees == 270) {
        tx = y;
        ty = width - 1 - x;
      }
      std::uint8_t* out = target + (static_cast<std::size_t>(ty) * turnedWidth + tx) * 3;
      out[0] = row[x * 3];
      out[1] = row[x * 3 + 1];
      out[2] = row[x * 3 + 2];
    }
  }
}

bool TdvFrameConverter::Scale(const AVFrame& frame, std::uint8_t* target, int width, int height) {
  // The cached-context call frees the old context whenever it replaces it.
  scaler_.reset(sws_getCachedContext(scaler_.release(), frame.width, frame.height,
                                     static_cast<AVPixelFormat>(frame.format), width, height,
                                     AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr));
  if (!scaler_) {
    return false;
  }
  std::uint8_t* planes[4] = {target, nullptr, nullptr, nullptr};
  int strides[4] = {width * 3, 0, 0, 0};
  return sws_scale(scaler_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides) ==
         height;
}

bool TdvFrameConverter::LumaOf(const AVFrame& frame, TdvVideoLuma& luma) const {
  const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame.format));
  const bool plain = geometry_.clockwiseDegrees == 0 &&
                     geometry_.UprightWidth() == geometry_.codedWidth &&
                     frame.width == geometry_.codedWidth && frame.height == geometry_.codedHeight;
  if (!plain || format == nullptr || (format->flags & ~AV_PIX_FMT_FLAG_PLANAR) != 0 ||
      format->comp[0].plane != 0 || format->comp[0].step != 1 || format->comp[0].depth != 8 ||
      format->comp[0].shift != 0 || frame.data[0] == nullptr || frame.linesize[0] < frame.width) {
    return false;
  }
  luma = TdvVideoLuma{frame.data[0], frame.width, frame.height, frame.linesize[0]};
  return true;
}

bool TdvFrameConverter::Convert(const AVFrame& frame, TdvVideoImage& image) {
  const int width = geometry_.UprightWidth();
  const int height = geometry_.UprightHeight();
  image.width = geometry_.DisplayWidth();
  image.height = geometry_.DisplayHeight();
  image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  bool ok;
  if (geometry_.clockwiseDegrees == 0) {
    ok = Scale(frame, image.rgb.data(), width, height);
  } else {
    upright_.resize(image.rgb.size());
    ok = Scale(frame, upright_.data(), width, height);
    if (ok) {
      RotateRgb(upright_.data(), width, height, geometry_.clockwiseDegrees, image.rgb.data());
    }
  }
  if (!ok) {
    image = TdvVideoImage{};
  }
  return ok;
}

}  // namespace kinovex
