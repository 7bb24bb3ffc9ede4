#include "tracking/point_tracker.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

namespace kinovex {
namespace {

// Positions are kept in OpenCV's convention inside the tracker, where the
// centre of pixel i is at i; outside, pixel i covers [i, i + 1).
constexpr double kPixelCentre = 0.5;

// How much a match half a search window away from the prediction must score
// above one at the prediction to be chosen instead.
constexpr double kPenaltyAtRim = 0.5;

int Odd(int n) {
  return n % 2 == 0 ? n + 1 : n;
}

bool Usable(const TrackingPicture& picture) {
  return picture.rgb != nullptr && picture.width > 0 && picture.height > 0 &&
         picture.rowBytes >= 3 * picture.width;
}

bool OnPicture(const TrackingPicture& picture, TrackingPoint p) {
  return p.x >= 0 && p.y >= 0 && p.x < picture.width && p.y < picture.height;
}

cv::Mat RgbView(const TrackingPicture& picture) {
  return cv::Mat(picture.height, picture.width, CV_8UC3, const_cast<std::uint8_t*>(picture.rgb),
                 static_cast<std::size_t>(picture.rowBytes));
}

// The square of side pixels centred on the pixel nearest to centre (OpenCV
// convention).
cv::Rect SquareAround(cv::Point2d centre, int side) {
  const int left = static_cast<int>(std::lround(centre.x)) - side / 2;
  const int top = static_cast<int>(std::lround(centre.y)) - side / 2;
  return cv::Rect(left, top, side, side);
}

cv::Rect OnPicture(const cv::Rect& box, const TrackingPicture& picture) {
  return box & cv::Rect(0, 0, picture.width, picture.height);
}

// Grey levels of one part of the picture as floats; only that part is
// converted.
void GreyPart(const TrackingPicture& picture, const cv::Rect& box, cv::Mat& grey8, cv::Mat& grey) {
  cv::cvtColor(RgbView(picture)(box), grey8, cv::COLOR_RGB2GRAY);
  grey8.convertTo(grey, CV_32F);
}

// Offset of the top of the parabola through (-1, left), (0, centre), (1, right).
double ParabolaPeak(float left, float centre, float right) {
  const double curvature = left - 2.0 * centre + right;
  if (curvature >= 0) {
    return 0;
  }
  return std::clamp(0.5 * (left - right) / curvature, -0.5, 0.5);
}

}  // namespace

int TemplateSizeForMarker(int markerPixels) {
  return Odd(std::max(kMinTemplateSize, markerPixels + 8));
}

TrackerSettings TrackerSettings::Usable() const {
  TrackerSettings usable = *this;
  const TrackerSettings defaults;
  usable.templateSize = Odd(std::clamp(templateSize, kMinTemplateSize, kMaxTemplateSize));
  usable.searchSize = Odd(std::clamp(searchSize, usable.templateSize + 4, kMaxSearchSize));
  usable.threshold = std::isnan(threshold) ? defaults.threshold : std::clamp(threshold, 0.0, 1.0);
  usable.templateBlend =
      std::isnan(templateBlend) ? defaults.templateBlend : std::clamp(templateBlend, 0.0, 1.0);
  return usable;
}

struct PointTracker::State {
  TrackerSettings settings;
  int width = 0;
  int height = 0;
  cv::Mat original;                 // the template taken at the start, float grey
  cv::Mat current;                  // the template in use
  std::deque<cv::Point2d> history;  // the last three positions, newest at the back
  // Subtracted from the scores of a whole search window before the best is
  // chosen, growing with the distance from the prediction: of two similar
  // objects, the one where this object should be wins.
  cv::Mat distancePenalty;
  cv::Mat grey8, grey, scores, weighed, patch;  // kept to spare allocations per picture

  void MakeDistancePenalty() {
    const int cells = settings.searchSize - settings.templateSize + 1;
    const double centre = cells / 2;
    const double rim = settings.searchSize / 2.0;
    distancePenalty.create(cells, cells, CV_32F);
    for (int y = 0; y < cells; ++y) {
      for (int x = 0; x < cells; ++x) {
        const double d2 = (x - centre) * (x - centre) + (y - centre) * (y - centre);
        distancePenalty.at<float>(y, x) = static_cast<float>(kPenaltyAtRim * d2 / (rim * rim));
      }
    }
  }

  cv::Point2d Predicted() const {
    const std::size_t n = history.size();
    if (n == 1) {
      return history[0];
    }
    if (n == 2) {
      return 2.0 * history[1] - history[0];
    }
    return 3.0 * history[2] - 3.0 * history[1] + history[0];
  }

  void Remember(cv::Point2d p) {
    history.push_back(p);
    if (history.size() > 3) {
      history.pop_front();
    }
  }

  // The template-sized patch centred on p of the grey part whose top-left
  // corner is at origin.
  void CutPatch(const cv::Mat& part, cv::Point origin, cv::Point2d p) {
    const cv::Point2f centre(static_cast<float>(p.x - origin.x),
                             static_cast<float>(p.y - origin.y));
    cv::getRectSubPix(part, cv::Size(settings.templateSize, settings.templateSize), centre, patch,
                      CV_32F);
  }

  void TakeTemplate(const TrackingPicture& picture, cv::Point2d p) {
    const cv::Rect box = OnPicture(SquareAround(p, settings.templateSize + 2), picture);
    GreyPart(picture, box, grey8, grey);
    CutPatch(grey, box.tl(), p);
    original = patch.clone();
    current = patch.clone();
  }

  void BlendTemplate(const cv::Rect& window, cv::Point2d p) {
    CutPatch(grey, window.tl(), p);
    cv::addWeighted(original, 1.0 - settings.templateBlend, patch, settings.templateBlend, 0.0,
                    current);
  }

  TrackResult Search(const TrackingPicture& picture);
};

TrackResult PointTracker::State::Search(const TrackingPicture& picture) {
  const cv::Point2d predicted = Predicted();
  TrackResult result;
  result.position = {predicted.x + kPixelCentre, predicted.y + kPixelCentre};
  const TrackingPoint outside = result.position;
  if (!Usable(picture) || picture.width != width || picture.height != height ||
      !OnPicture(picture, outside)) {
    return result;
  }
  const cv::Rect whole = SquareAround(predicted, settings.searchSize);
  const cv::Rect window = OnPicture(whole, picture);
  result.searched = {window.x, window.y, window.x + window.width, window.y + window.height};
  const int side = settings.templateSize;
  if (window.width < side || window.height < side) {
    return result;
  }
  GreyPart(picture, window, grey8, grey);
  cv::matchTemplate(grey, current, scores, cv::TM_CCOEFF_NORMED);
  const cv::Rect cells(window.x - whole.x, window.y - whole.y, scores.cols, scores.rows);
  cv::subtract(scores, distancePenalty(cells), weighed);
  cv::Point peak;
  cv::minMaxLoc(weighed, nullptr, nullptr, nullptr, &peak);
  const double best = scores.at<float>(peak);
  result.score = best;

  const bool onRimX = peak.x == 0 || peak.x == scores.cols - 1;
  const bool onRimY = peak.y == 0 || peak.y == scores.rows - 1;
  cv::Point2d offset(0, 0);
  if (!onRimX) {
    offset.x = ParabolaPeak(scores.at<float>(peak.y, peak.x - 1), scores.at<float>(peak),
                            scores.at<float>(peak.y, peak.x + 1));
  }
  if (!onRimY) {
    offset.y = ParabolaPeak(scores.at<float>(peak.y - 1, peak.x), scores.at<float>(peak),
                            scores.at<float>(peak.y + 1, peak.x));
  }
  const cv::Point2d found(window.x + peak.x + side / 2 + offset.x,
                          window.y + peak.y + side / 2 + offset.y);
  result.position = {found.x + kPixelCentre, found.y + kPixelCentre};

  const bool atPictureEdge = (peak.x == 0 && window.x == 0) || (peak.y == 0 && window.y == 0) ||
                             (peak.x == scores.cols - 1 && window.br().x == width) ||
                             (peak.y == scores.rows - 1 && window.br().y == height);
  if (atPictureEdge) {
    result.status = TrackStatus::kOutside;
  } else if (onRimX || onRimY || best < settings.threshold) {
    result.status = TrackStatus::kLost;
  } else {
    result.status = TrackStatus::kFound;
    Remember(found);
    BlendTemplate(window, found);
  }
  return result;
}

PointTracker::PointTracker(std::unique_ptr<State> state) : state_(std::move(state)) {}
PointTracker::PointTracker(PointTracker&&) noexcept = default;
PointTracker& PointTracker::operator=(PointTracker&&) noexcept = default;
PointTracker::~PointTracker() = default;

std::optional<PointTracker> PointTracker::Start(const TrackingPicture& picture, TrackingPoint start,
                                                const TrackerSettings& settings) {
  if (!Usable(picture) || !OnPicture(picture, start)) {
    return std::nullopt;
  }
  auto state = std::make_unique<State>();
  state->settings = settings.Usable();
  state->width = picture.width;
  state->height = picture.height;
  state->MakeDistancePenalty();
  const cv::Point2d p(start.x - kPixelCentre, start.y - kPixelCentre);
  state->TakeTemplate(picture, p);
  state->Remember(p);
  return PointTracker(std::move(state));
}

TrackResult PointTracker::Track(const TrackingPicture& picture) {
  return state_->Search(picture);
}

bool PointTracker::Resume(const TrackingPicture& picture, TrackingPoint position,
                          bool newTemplate) {
  if (!Usable(picture) || picture.width != state_->width || picture.height != state_->height ||
      !OnPicture(picture, position)) {
    return false;
  }
  const cv::Point2d p(position.x - kPixelCentre, position.y - kPixelCentre);
  if (newTemplate) {
    state_->TakeTemplate(picture, p);
  }
  state_->Remember(p);
  return true;
}

TrackingPoint PointTracker::Prediction() const {
  const cv::Point2d p = state_->Predicted();
  return {p.x + kPixelCentre, p.y + kPixelCentre};
}

TrackingPoint PointTracker::LastPosition() const {
  const cv::Point2d p = state_->history.back();
  return {p.x + kPixelCentre, p.y + kPixelCentre};
}

const TrackerSettings& PointTracker::Settings() const {
  return state_->settings;
}

}  // namespace kinovex
