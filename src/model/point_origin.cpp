#include <cmath>

#include "foundation/angles.h"
#include "model/point_series.h"

namespace {

// Snapping while rotating goes down to multiples of 15 degrees, with the
// program's own pi (1/pi and pi/12 for pi = 3.14159265359).
constexpr std::int32_t kSnapKey = 0x200;
constexpr double kInvPi = 0.3183098861837697;
constexpr double kPiOver12 = 0.26179938779916667;
constexpr double kThreeHalfPi = 4.71238898038;
constexpr double kHandleLength = 20.0;

}  // namespace

void TdvDataPoint::SetOrigin(std::int32_t flag) {
  std::int32_t becomes = flag != 0 ? 1 : 0;
  if (becomes == isOrigin) {
    return;
  }
  TdvDataObject::SetOrigin(becomes);
  if (becomes != 0) {
    PutOriginalFirst();
    // A new coordinate system starts out with the scale of the one the
    // point reported in.
    TdvDataObject* own = document != nullptr ? document->GetItem(originId) : nullptr;
    if (own != nullptr) {
      SetScaleId(own->GetScaleId());
    }
  } else {
    listTransformedFrames.Clear();
    transformPoints.Clear();
    activeTransform = -1;
  }
  rowCount = 1;
}

bool TdvDataPoint::GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) {
  angle = 0.0;
  TdvPoint position;
  double value = 0.0;
  if (!GetDisplayPosition(frame, position, value)) {
    return false;
  }
  point = TdvRealPoint(position.x, position.y);
  angle = value;
  if (isOrigin != 0) {
    TdvRealPoint offset = point;
    double offsetAngle = 0.0;
    TransformOffset(offset, offsetAngle, frame);
    point.x -= offset.x;
    point.y -= offset.y;
  }
  return true;
}

void TdvDataPoint::RotateTo(TdvPoint& position, std::int32_t frame, std::int32_t keyFlags) {
  TdvPoint origin;
  double value = 0.0;
  if (!GetPosition(frame, origin, value)) {
    return;
  }
  double theta = HandleAngle(origin, position);
  if ((keyFlags & kSnapKey) != 0) {
    theta = std::trunc(theta * 12.0 * kInvPi) * kPiOver12;
  }
  SetValue(theta, frame);
}

double HandleAngle(const TdvPoint& origin, TdvPoint& handle) {
  double dx = static_cast<double>(handle.x) - origin.x;
  double dy = static_cast<double>(handle.y) - origin.y;
  double theta = 0.0;
  if (dx == 0.0) {
    theta = dy > 0.0 ? kHalfPi : kThreeHalfPi;
  } else {
    theta = std::atan(dy / dx);
    if (dx < 0.0) {
      theta += kPi;
    } else if (dy < 0.0) {
      theta += kTwoPi;
    }
  }
  handle.x = static_cast<int>(origin.x + kHandleLength * std::cos(theta));
  handle.y = static_cast<int>(origin.y + kHandleLength * std::sin(theta));
  return theta;
}
