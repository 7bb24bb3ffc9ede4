#include "model/calculated_point_series.h"

#include <cmath>
#include <vector>

#include "foundation/angles.h"

namespace {

constexpr std::int32_t kTagAlong = 563;
constexpr std::int32_t kTagPerp = 564;

// Below this total the items have no centre.
constexpr double kLeastTotalMass = 1e-30;

}  // namespace

TdvCalculatedCM::TdvCalculatedCM() : TdvCalculatedObject(1, 1000) {
  typeLabel = "C of M";
  markerColour = 0;
  markerType = 0;
  leaveTrails = 1;
}

std::unique_ptr<TdvObject> TdvCalculatedCM::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvCalculatedCM(*this));
}

bool TdvCalculatedCM::ComputeCentre(TdvPoint& p, TdvRealPoint& c, std::int32_t frame) {
  std::vector<std::int32_t> ids = IncludedIdValues();
  if (ids.empty()) {
    return false;
  }
  return Guarded([&] {
    double sumX = 0.0;
    double sumY = 0.0;
    double total = 0.0;
    for (std::int32_t id : ids) {
      TdvRealPoint position;
      double itemMass = 0.0;
      if (!IncludedPosition(id, frame, position, itemMass)) {
        return false;
      }
      sumX += itemMass * position.x;
      sumY += itemMass * position.y;
      total += itemMass;
    }
    // Stored without telling the document: this runs while the document
    // recomputes, and the total only changes with the items' own masses.
    mass = total;
    if (total <= kLeastTotalMass) {
      return false;
    }
    c = TdvRealPoint(sumX / total, sumY / total);
    p = RoundPoint(c);
    return true;
  });
}

double TdvCalculatedCM::TotalMass() {
  double total = 0.0;
  if (document == nullptr) {
    return total;
  }
  for (std::int32_t id : IncludedIdValues()) {
    if (TdvDataObject* item = id >= 0 ? document->GetItem(id) : nullptr) {
      total += item->GetMass();
    }
  }
  return total;
}

bool TdvCalculatedCM::GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) {
  angle = GetValue(frame);
  TdvPoint rounded;
  return ComputeCentre(rounded, point, frame);
}

TdvCalculatedDesPt::TdvCalculatedDesPt() : TdvCalculatedObject(2, 2) {
  typeLabel = "DsPt";
  markerColour = 2;
  markerType = 0;
  FillEmptyPlaces(2);
}

std::unique_ptr<TdvObject> TdvCalculatedDesPt::Clone() const {
  return std::unique_ptr<TdvObject>(new TdvCalculatedDesPt(*this));
}

bool TdvCalculatedDesPt::ComputePosition(TdvPoint& p, TdvRealPoint& c, std::int32_t frame) {
  std::vector<TdvRealPoint> ends;
  if (!IncludedPositions(2, frame, ends)) {
    return false;
  }
  const TdvRealPoint& a = ends[0];
  const TdvRealPoint& b = ends[1];
  double reach = std::sqrt(perp * perp + along * along) *
                 std::sqrt((b.y - a.y) * (b.y - a.y) + (b.x - a.x) * (b.x - a.x));
  double direction = 0.0;
  if (b.x != a.x) {
    direction = std::atan2(b.y - a.y, b.x - a.x);
  } else {
    direction = b.y < a.y ? -kHalfPi : kHalfPi;
  }
  double turn = 0.0;
  if (along != 0.0) {
    turn = std::atan2(perp, along);
  } else {
    turn = perp < 0.0 ? -kHalfPi : kHalfPi;
  }
  c = TdvRealPoint(a.x + reach * std::cos(direction + turn),
                   a.y + reach * std::sin(direction + turn));
  p = RoundPoint(c);
  return true;
}

bool TdvCalculatedDesPt::GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame) {
  angle = GetValue(frame);
  TdvPoint rounded;
  return ComputePosition(rounded, point, frame);
}

void TdvCalculatedDesPt::SetAlong(double fraction) {
  along = fraction;
  NotifyChanged();
}

void TdvCalculatedDesPt::SetPerp(double fraction) {
  perp = fraction;
  NotifyChanged();
}

// A fraction that is not a finite number would place the point nowhere.
void TdvCalculatedDesPt::SetRealValue(std::int32_t tag, double value) {
  TdvCalculatedObject::SetRealValue(tag, value);
  if (!std::isfinite(value)) {
    return;
  }
  if (tag == kTagAlong) {
    SetAlong(value);
  } else if (tag == kTagPerp) {
    SetPerp(value);
  }
}

void TdvCalculatedDesPt::WriteExtraGroups(TdvTaggedWriter& writer) {
  TdvCalculatedObject::WriteExtraGroups(writer);
  writer.OpenGroup('d');
  writer.Real(kTagAlong, along, TdvTokenEnd::kSeparator);
  writer.Real(kTagPerp, perp, TdvTokenEnd::kSpace);
  writer.CloseGroup();
}
