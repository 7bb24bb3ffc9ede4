#include "tracking/point_tracker.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "tracking/grey_part.h"
#include "tracking/object_size.h"
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

// A template at least twice this wide is first looked for on the search
// window shrunk by a whole factor, where it is about this wide, and then
// placed exactly on the window itself around that place: matching costs
// grow with the template's area times the window's, so a large ball costs
// little more than a small one.
constexpr int kCoarseTemplateSide = 21;

int Odd(int n) {
  return n % 2 == 0 ? n + 1 : n;
}

// The square of side pixels centred on the pixel nearest to centre (OpenCV
// convention).
cv::Rect SquareAround(cv::Point2d centre, int side) {
  const int left = static_cast<int>(std::lround(centre.x)) - side / 2;
  const int top = static_cast<int>(std::lround(centre.y)) - side / 2;
  return cv::Rect(left, top, side, side);
}

// The grey part averaged over squares of shrink x shrink pixels from its
// top-left corner; a remainder at the right and bottom is left out.
void Shrink(const cv::Mat& part, int shrink, cv::Mat& shrunk) {
  const cv::Size size(part.cols / shrink, part.rows / shrink);
  cv::resize(part(cv::Rect(0, 0, size.width * shrink, size.height * shrink)), shrunk, size, 0, 0,
             cv::INTER_AREA);
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
  double typicalMiss = 0;           // root mean square distance of found from predicted
  std::optional<WeightedCorrelation> correlation;
  // The first search on a window shrunk this many times (1: none) with a
  // template coarseSide wide.
  int shrink = 1;
  int coarseSide = 0;
  std::optional<WeightedCorrelation> coarseCorrelation;
  // kept to spare allocations per picture
  cv::Mat grey8, grey, shrunk, scores, penalised, patch, crop;
  std::vector<double> columnSquares;  // squared distances of the scores' columns

  void ChooseLevels() {
    correlation.emplace(settings.templateSize);
    shrink = std::max(1, settings.templateSize / kCoarseTemplateSide);
    coarseSide = settings.templateSize / shrink;
    if (shrink > 1) {
      coarseCorrelation.emplace(coarseSide);
    }
  }

  // Along one axis, the centre of the template placed at a cell of the
  // first search's scores, in pixels of the search window.
  double CellCentre(int cell) const {
    return shrink * (cell + (coarseSide - 1) / 2.0) + (shrink - 1) / 2.0;
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

  // The template in patch for both searches; the coarse one is the middle
  // of the patch, a whole number of shrink squares wide, shrunk.
  void UsePatch() {
    correlation->SetTemplate(patch);
    if (shrink > 1) {
      const float middle = static_cast<float>(settings.templateSize - 1) / 2;
      const int side = coarseSide * shrink;
      cv::getRectSubPix(patch, cv::Size(side, side), cv::Point2f(middle, middle), crop);
      Shrink(crop, shrink, shrunk);
      coarseCorrelation->SetTemplate(shrunk);
    }
  }

  void TakeTemplate(const TrackingPicture& picture, cv::Point2d p) {
    const cv::Rect box =
        OnPicture(SquareAround(p, settings.templateSize + kSmoothingSide + 1), picture);
    GreyPart(picture, box, grey8, grey);
    CutPatch(grey, box.tl(), p);
    original = patch.clone();
    UsePatch();
  }

  void BlendTemplate(const cv::Rect& window, cv::Point2d p) {
    CutPatch(grey, window.tl(), p);
    cv::addWeighted(original, 1.0 - settings.templateBlend, patch, settings.templateBlend, 0.0,
                    patch);
    UsePatch();
  }

  TrackResult Search(const TrackingPicture& picture);
  cv::Point ChoosePeak(cv::Point2d predicted);
  cv::Point Refine(cv::Point cell, cv::Point& origin);
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
  if (shrink > 1) {
    Shrink(grey, shrink, shrunk);
    coarseCorrelation->Match(shrunk, scores);
  } else {
    correlation->Match(grey, scores);
  }

  cv::Point peak = ChoosePeak(predicted - cv::Point2d(window.tl()));
  const bool onRim =
      peak.x == 0 || peak.y == 0 || peak.x == scores.cols - 1 || peak.y == scores.rows - 1;
  cv::Point origin(0, 0);  // of the scores' first place in the window
  if (shrink > 1) {
    peak = Refine(peak, origin);
  }
  const cv::Point2d found = cv::Point2d(window.tl() + origin + peak + cv::Point(half, half)) +
                            SubPixelOffset(scores, peak);
  result.score = scores.at<float>(peak);
  result.position = {found.x + kPixelCentre, found.y + kPixelCentre};
  const cv::Rect box = SquareAround(found, settings.templateSize);
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

// The best cell of the first search's scores, given the predicted centre
// in pixels of the search window.
cv::Point PointTracker::State::ChoosePeak(cv::Point2d predicted) {
  cv::Point peak;
  if (history.size() < 3) {
    // Without a velocity and acceleration the prediction is only a guess.
    cv::minMaxLoc(scores, nullptr, nullptr, nullptr, &peak);
    return peak;
  }
  const double gate = kGateBase + kGatePerMiss * typicalMiss;
  const double perSquarePixel = kPenaltyAtGate / (gate * gate);
  columnSquares.resize(static_cast<std::size_t>(scores.cols));
  for (int x = 0; x < scores.cols; ++x) {
    const double dx = CellCentre(x) - predicted.x;
    columnSquares[static_cast<std::size_t>(x)] = dx * dx;
  }
  penalised.create(scores.size(), CV_32F);
  for (int y = 0; y < scores.rows; ++y) {
    const double dy = CellCentre(y) - predicted.y;
    const float* score = scores.ptr<float>(y);
    float* kept = penalised.ptr<float>(y);
    for (int x = 0; x < scores.cols; ++x) {
      const double square = columnSquares[static_cast<std::size_t>(x)] + dy * dy;
      kept[x] = static_cast<float>(score[x] - std::min(perSquarePixel * square, kMostPenalty));
    }
  }
  cv::minMaxLoc(penalised, nullptr, nullptr, nullptr, &peak);
  return ClimbToTop(scores, peak);
}

// After the search on the shrunk window: the full template matched on the
// window itself, only around the place that the shrunk cell stands for,
// whose uncertainty is about one shrink square. The scores are replaced by
// these; origin is the place of their first cell.
cv::Point PointTracker::State::Refine(cv::Point cell, cv::Point& origin) {
  const int half = settings.templateSize / 2;
  const cv::Point guess(static_cast<int>(std::lround(CellCentre(cell.x))) - half,
                        static_cast<int>(std::lround(CellCentre(cell.y))) - half);
  const int side = settings.templateSize + 2 * shrink;
  const cv::Rect around = cv::Rect(guess.x - shrink, guess.y - shrink, side, side) &
                          cv::Rect(0, 0, grey.cols, grey.rows);
  correlation->Match(grey(around), scores);
  origin = around.tl();
  const cv::Point start(std::clamp(guess.x - origin.x, 0, scores.cols - 1),
                        std::clamp(guess.y - origin.y, 0, scores.rows - 1));
  return ClimbToTop(scores, start);
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
  // The parts matched are small: handing them to worker threads costs more
  // than it gains, and the threads would take the cores the movie's
  // decoder needs.
  cv::setNumThreads(0);
  TrackerSettings chosen = settings;
  if (chosen.templateSize == kTemplateFittedToObject) {
    chosen.templateSize = TemplateSizeAround(picture, start, TrackerSettings{}.templateSize);
    chosen.searchSize = std::max(chosen.searchSize, 3 * chosen.templateSize);
  }
  auto state = std::make_unique<State>();
  state->settings = chosen.Usable();
  state->width = picture.width;
  state->height = picture.height;
  state->ChooseLevels();
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
