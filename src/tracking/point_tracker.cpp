#include "tracking/point_tracker.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "tracking/weighted_correlation.h"

namespace kinovex {
namespace {

// Positions are kept in OpenCV's convention inside the tracker, where the
// centre of pixel i is at i; outside, pixel i covers [i, i + 1).
constexpr double kPixelCentre = 0.5;

// How much better a match one gate away from the prediction must score than
// one at the prediction to be chosen instead; the gate widens with the
// typical miss of the predictions so far, so that a smooth flight holds the
// search close while a jerky motion leaves it free. Far off, a match must
// still be found when the object changed its course at once (a collision),
// so the penalty grows no further than kMostPenalty.
constexpr double kPenaltyAtGate = 0.1;
constexpr double kMostPenalty = 0.5;
constexpr double kGateBase = 2.0;  // pixels
constexpr double kGatePerMiss = 3.0;
constexpr double kMissMemory = 0.7;
// How many times wider the search is on the first step, before a velocity
// is known.
constexpr int kFirstStepWidening = 3;

// Standard deviation in pixels of the smoothing before matching, and the side
// of its kernel; the template is cut from a square wider by this side.
constexpr double kSmoothing = 1.0;
constexpr int kSmoothingSide = 5;

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

// Grey levels of one part of the picture as floats, slightly smoothed so
// that sensor noise and the steps of hard edges move the match less; only
// that part is converted.
void GreyPart(const TrackingPicture& picture, const cv::Rect& box, cv::Mat& grey8, cv::Mat& grey) {
  cv::cvtColor(RgbView(picture)(box), grey8, cv::COLOR_RGB2GRAY);
  grey8.convertTo(grey, CV_32F);
  cv::GaussianBlur(grey, grey, cv::Size(kSmoothingSide, kSmoothingSide), kSmoothing, kSmoothing,
                   cv::BORDER_REPLICATE);
}

// Offset of the top of the parabola through (-1, left), (0, centre), (1, right).
double ParabolaPeak(float left, float centre, float right) {
  const double curvature = left - 2.0 * centre + right;
  if (curvature >= 0) {
    return 0;
  }
  return std::clamp(0.5 * (left - right) / curvature, -0.5, 0.5);
}

// Where the top of the scores lies around peak, within half a cell; along
// the rim of the scores, where a neighbour is missing, the cell itself.
cv::Point2d SubPixelOffset(const cv::Mat& scores, cv::Point peak) {
  cv::Point2d offset(0, 0);
  const float top = scores.at<float>(peak);
  if (peak.x > 0 && peak.x < scores.cols - 1) {
    offset.x = ParabolaPeak(scores.at<float>(peak.y, peak.x - 1), top,
                            scores.at<float>(peak.y, peak.x + 1));
  }
  if (peak.y > 0 && peak.y < scores.rows - 1) {
    offset.y = ParabolaPeak(scores.at<float>(peak.y - 1, peak.x), top,
                            scores.at<float>(peak.y + 1, peak.x));
  }
  return offset;
}

// The top of the hill of scores that start lies on: the distance penalty may
// have chosen a place on its flank.
cv::Point ClimbToTop(const cv::Mat& scores, cv::Point start) {
  cv::Point at = start;
  for (bool moved = true; moved;) {
    moved = false;
    const cv::Point from = at;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const cv::Point next(from.x + dx, from.y + dy);
        if (next.inside(cv::Rect(0, 0, scores.cols, scores.rows)) &&
            scores.at<float>(next) > scores.at<float>(at)) {
          at = next;
          moved = true;
        }
      }
    }
  }
  return at;
}

}  // namespace

int TemplateSizeForMarker(int markerPixels) {
  constexpr int kMargin = 8;
  return Odd(std::clamp(markerPixels, kMinTemplateSize - kMargin, kMaxTemplateSize - kMargin - 1) +
             kMargin);
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
  std::deque<cv::Point2d> history;  // the last three positions, newest at the back
  // Squared distance of each place of a whole search window from its centre.
  cv::Mat distances;
  double typicalMiss = 0;  // root mean square distance of found from predicted
  std::optional<WeightedCorrelation> correlation;
  cv::Mat grey8, grey, scores, penalised, patch;  // kept to spare allocations per picture

  void MakeDistances() {
    const int cells = settings.searchSize - settings.templateSize + 1;
    const double centre = cells / 2;
    distances.create(cells, cells, CV_32F);
    for (int y = 0; y < cells; ++y) {
      for (int x = 0; x < cells; ++x) {
        distances.at<float>(y, x) =
            static_cast<float>((x - centre) * (x - centre) + (y - centre) * (y - centre));
      }
    }
  }

  // A running mean over the last few pictures, the older ones fading.
  void LearnMiss(cv::Point2d predicted, cv::Point2d found) {
    const cv::Point2d miss = found - predicted;
    typicalMiss =
        std::sqrt(kMissMemory * typicalMiss * typicalMiss + (1 - kMissMemory) * miss.dot(miss));
  }

  // A usable picture of the size of the first.
  bool Fits(const TrackingPicture& picture) const {
    return Usable(picture) && picture.width == width && picture.height == height;
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
    const cv::Rect box =
        OnPicture(SquareAround(p, settings.templateSize + kSmoothingSide + 1), picture);
    GreyPart(picture, box, grey8, grey);
    CutPatch(grey, box.tl(), p);
    original = patch.clone();
    correlation->SetTemplate(patch);
  }

  void BlendTemplate(const cv::Rect& window, cv::Point2d p) {
    CutPatch(grey, window.tl(), p);
    cv::addWeighted(original, 1.0 - settings.templateBlend, patch, settings.templateBlend, 0.0,
                    patch);
    correlation->SetTemplate(patch);
  }

  TrackResult Search(const TrackingPicture& picture);
  cv::Point ChoosePeak(const cv::Rect& cells);
};

// The window is searched for template centres anywhere on the picture; where
// it reaches over the edge, the picture's border is repeated, so that an
// object close to the edge is still found whole.
TrackResult PointTracker::State::Search(const TrackingPicture& picture) {
  const cv::Point2d predicted = Predicted();
  TrackResult result;
  result.position = {predicted.x + kPixelCentre, predicted.y + kPixelCentre};
  if (!Fits(picture) || !OnPicture(picture, result.position)) {
    return result;
  }
  const int half = settings.templateSize / 2;
  // Until a velocity is known the prediction is only the last position: the
  // first step is looked for farther around it.
  const int side = history.size() < 2
                       ? Odd(std::min(settings.searchSize * kFirstStepWidening, kMaxSearchSize))
                       : settings.searchSize;
  const cv::Rect whole = SquareAround(predicted, side);
  const cv::Rect window = whole & cv::Rect(-half, -half, width + 2 * half, height + 2 * half);
  const cv::Rect inside = OnPicture(window, picture);
  result.searched = {inside.x, inside.y, inside.br().x, inside.br().y};
  GreyPart(picture, inside, grey8, grey);
  cv::copyMakeBorder(grey, grey, inside.y - window.y, window.br().y - inside.br().y,
                     inside.x - window.x, window.br().x - inside.br().x, cv::BORDER_REPLICATE);
  correlation->Match(grey, scores);

  const cv::Point peak = ChoosePeak(cv::Rect(window.tl() - whole.tl(), scores.size()));
  const cv::Point2d found =
      cv::Point2d(window.tl() + peak + cv::Point(half, half)) + SubPixelOffset(scores, peak);
  result.score = scores.at<float>(peak);
  result.position = {found.x + kPixelCentre, found.y + kPixelCentre};
  const cv::Rect box = SquareAround(found, settings.templateSize);
  const bool onRim =
      peak.x == 0 || peak.y == 0 || peak.x == scores.cols - 1 || peak.y == scores.rows - 1;
  if (result.score >= settings.threshold && !onRim && OnPicture(picture, result.position)) {
    result.status = TrackStatus::kFound;
    if (history.size() >= 3) {
      LearnMiss(predicted, found);
    }
    Remember(found);
    BlendTemplate(window, found);
  } else {
    const bool overEdge = OnPicture(box, picture) != box;
    result.status = overEdge ? TrackStatus::kOutside : TrackStatus::kLost;
  }
  return result;
}

// The best place among the scores, which cover the given cells of a whole
// search window.
cv::Point PointTracker::State::ChoosePeak(const cv::Rect& cells) {
  cv::Point peak;
  if (history.size() < 3) {
    // Without a velocity and acceleration the prediction is only a guess.
    cv::minMaxLoc(scores, nullptr, nullptr, nullptr, &peak);
    return peak;
  }
  const double gate = kGateBase + kGatePerMiss * typicalMiss;
  cv::min(distances(cells) * (kPenaltyAtGate / (gate * gate)), kMostPenalty, penalised);
  cv::subtract(scores, penalised, penalised);
  cv::minMaxLoc(penalised, nullptr, nullptr, nullptr, &peak);
  return ClimbToTop(scores, peak);
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
  state->MakeDistances();
  state->correlation.emplace(state->settings.templateSize);
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
  if (!state_->Fits(picture) || !OnPicture(picture, position)) {
    return false;
  }
  const cv::Point2d p(position.x - kPixelCentre, position.y - kPixelCentre);
  if (newTemplate) {
    state_->TakeTemplate(picture, p);
  }
  // The user's position tells how far off the prediction was.
  state_->LearnMiss(state_->Predicted(), p);
  state_->Remember(p);
  return true;
}

const TrackerSettings& PointTracker::Settings() const {
  return state_->settings;
}

}  // namespace kinovex
