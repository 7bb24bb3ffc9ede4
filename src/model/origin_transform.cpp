#include <optional>
#include <string>

#include "model/point_series.h"

namespace {

// The transform point starts this far above (or below) the origin's datum.
constexpr std::int32_t kTransformPointGap = 20;
constexpr std::size_t kMaxNameLength = 255;
const char* const kMoveCaption = "TdvDataPoint::MoveTransformPoint";

// One link of the chain that carries an origin through a transformation:
// out of the axes of `from`, across to `to`, into the axes of `to`.
TdvRealPoint CrossLink(const TdvRealPoint& p, const TdvTimeData& from, const TdvTimeData& to) {
  TdvRealPoint q = RotatePoint(p.x, p.y, from.value);
  q.x += static_cast<double>(from.x) - to.x;
  q.y += static_cast<double>(from.y) - to.y;
  return RotatePoint(q.x, q.y, -to.value);
}

}  // namespace

bool TdvDataPoint::TransformOrigin(std::int32_t frame) {
  if (isOrigin == 0) {
    ShowInformation("Can Only Transform Origins", "");
    return false;
  }
  if (GetSampleType() == kFixed) {
    ShowInformation("cannot transform a fixed origin", "");
    return false;
  }
  if (GetSampleType() == kSemiFixed && frameData.Get(frame) == nullptr) {
    // The rotation in force comes along, so that transforming does not turn
    // the coordinate system by itself.
    if (const TdvTimeData* held = frameData.Get(ResolveFrame(frame))) {
      frameData.Set(frame, std::make_unique<TdvTimeData>(held->x, held->y, held->value));
      NotifyChangedAt(frame);
    }
  }
  const TdvTimeData* datum = frameData.Get(frame);
  if (datum == nullptr || !datum->HasPosition()) {
    ShowInformation("must have origin data at this point to transform it", "");
    return false;
  }
  if (transformPoints.Get(frame) != nullptr) {
    ShowInformation("origin has already been transformed", "");
    return false;
  }
  // Above the datum, unless that would leave the top edge of the picture.
  std::int32_t y = datum->y + kTransformPointGap;
  if (y > 0) {
    y = datum->y - kTransformPointGap;
  }
  AddTransformedFrame(datum->x, y, frame);
  return true;
}

void TdvDataPoint::AddTransformedFrame(std::int32_t x, std::int32_t y, std::int32_t frame) {
  transformPoints.Set(frame, std::make_unique<TdvTimeData>(x, y, 0.0));
  std::string timeText = document != nullptr ? document->FrameTimeText(frame) : std::string();
  auto made = std::make_unique<TdvTransformedFrame>("XF@" + timeText, frame, 1);
  TdvTransformedFrame* entry = made.get();

  // In start-frame order after "original", which always stays first.
  int index = 1;
  bool placed = false;
  if (listTransformedFrames.First() != nullptr) {
    for (TdvTransformedFrame* e = listTransformedFrames.Next(); e != nullptr;
         e = listTransformedFrames.Next(), ++index) {
      if (e->startFrame > frame) {
        listTransformedFrames.InsertBefore(std::move(made));
        placed = true;
        break;
      }
    }
  } else {
    index = 0;
  }
  if (!placed) {
    listTransformedFrames.Append(std::move(made));
  }
  rowCount = listTransformedFrames.Count() + 1;
  if (activeTransform < 0) {
    activeTransform = 0;
  } else if (activeTransform >= index) {
    // The entry in force stays the same entry.
    ++activeTransform;
  }
  if (document != nullptr) {
    std::optional<std::string> typed =
        document->AskText("Name of new transformed origin:", "Transform Origin", entry->name);
    if (typed.has_value()) {
      entry->name = typed->substr(0, kMaxNameLength);
    }
  }
  NotifyRelayout();
  NotifyChanged();
}

void TdvDataPoint::TransformOffset(TdvRealPoint& point, double& angle, std::int32_t frame) {
  TdvPoint display;
  angle = 0.0;
  if (!GetDisplayPosition(frame, display, angle)) {
    point = TdvRealPoint(0.0, 0.0);
    return;
  }
  point = RotatePoint(point.x - display.x, point.y - display.y, -angle);
  const TdvTransformedFrame* entry = EntryInForce();
  if (entry == nullptr || entry->startFrame == frame) {
    return;
  }
  const std::int32_t start = entry->startFrame;
  const bool usesPoint = entry->useTransformPoint != 0;
  const bool forward = start > frame;
  // The walk starts where a seek of the frame leaves the cursor: on the
  // frame, or on the stored neighbour nearest to it.
  frameData.Seek(frame);
  for (int step = 0; frameData.CurrentValue() != nullptr; ++step) {
    const std::int32_t key = frameData.CurrentKey();
    const TdvTimeData& datum = *frameData.CurrentValue();
    if (forward ? key > start : key < start) {
      if (document != nullptr) {
        document->Beep();
      }
      return;
    }
    if (const TdvTimeData* transform = transformPoints.Get(key)) {
      if (forward && !(!usesPoint && key == start)) {
        point = CrossLink(point, datum, *transform);
      } else if (!forward && step > 0 && !(usesPoint && key == start)) {
        point = CrossLink(point, *transform, datum);
      }
    }
    if (key == start) {
      return;
    }
    if ((forward ? frameData.Next() : frameData.Prev()) == nullptr) {
      return;
    }
  }
}

void TdvDataPoint::MoveTransformPoint(std::int32_t dx, std::int32_t dy, std::int32_t frame) {
  TdvPoint position;
  double value = 0.0;
  if (moveTarget != 0) {
    if (!GetPosition(frame, position, value)) {
      return;
    }
    SetPosition(position.x + dx, position.y + dy, frame);
    NotifyMoved(frame);
    return;
  }
  if (GetSampleType() == kFixed) {
    ShowInformation("cannot transform a fixed origin", kMoveCaption);
  }
  TdvTimeData* transform = transformPoints.Get(frame);
  if (transform == nullptr) {
    ShowInformation("there is no transform point to move", kMoveCaption);
    return;
  }
  transform->x += dx;
  transform->y += dy;
  NotifyMoved(frame);
}

// A fixed origin moves on every frame at once.
void TdvDataPoint::NotifyMoved(std::int32_t frame) {
  if (isOrigin != 0 && GetSampleType() == kFixed) {
    if (document != nullptr) {
      document->FixedOriginMoved(*this, GetValue(frame));
    }
    return;
  }
  NotifyChangedAt(frame);
}
