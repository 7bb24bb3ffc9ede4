// Tracking a point series on a movie painted in memory: a ball thrown up
// under a known acceleration, with no codec between the painter and the
// tracker.
#include <cmath>
#include <sstream>
#include <string>

#include "document/tracking_run.h"
#include "document_fixture.h"
#include "kinematics/data_table.h"
#include "kinematics/quantity_table.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrames = 60;
constexpr int kFrameUnits = 20;     // at 600 units a second: 30 frames a second
constexpr double kGravity = 300.0;  // pixels a second squared, downwards
constexpr int kTrackingMessage = 92;

struct Spot {
  double x;
  double y;
};

Spot BallAt(int frame) {
  const double t = frame * kFrameUnits / 600.0;
  return {20.0 + 140.0 * t, 200.0 - 300.0 * t + 0.5 * kGravity * t * t};
}

// The ball (radius 8, edges shaded by coverage) on a grey picture; on
// `hiddenFrame` the ball is not there.
class ThrownBallMovie : public TdvMovieLink {
 public:
  int NaturalHeight() const override { return kHeight; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return std::nullopt; }
  TdvPoint MovieUnitsSize() const override { return TdvPoint{2 * kWidth, 2 * kHeight}; }
  void GoToTime(std::int32_t time) override { shown.push_back(time); }
  void ShowMovieMessage(int code) override { messages.push_back(code); }

  bool TrackingFrame(std::int32_t time, kinovex::TrackingPicture& picture) override {
    const int frame = time / kFrameUnits;
    rgb.assign(std::size_t{3} * kWidth * kHeight, 60);
    const Spot ball = BallAt(frame);
    const int left = static_cast<int>(ball.x) - 9;
    const int top = static_cast<int>(ball.y) - 9;
    for (int y = top; y < top + 19 && frame != hiddenFrame; ++y) {
      for (int x = left; x < left + 19; ++x) {
        int covered = 0;
        for (int sub = 0; sub < 16; ++sub) {
          const double dx = x + (sub % 4 + 0.5) / 4 - ball.x;
          const double dy = y + (sub / 4 + 0.5) / 4 - ball.y;
          covered += dx * dx + dy * dy <= 64.0 ? 1 : 0;
        }
        std::uint8_t* pixel = rgb.data() + 3 * (std::size_t{1} * y * kWidth + x);
        pixel[0] = static_cast<std::uint8_t>(60 + covered * 170 / 16);
        pixel[1] = static_cast<std::uint8_t>(60 + covered * 140 / 16);
      }
    }
    picture = {rgb.data(), kWidth, kHeight, 3 * kWidth};
    return true;
  }

  int hiddenFrame = -1;
  std::vector<std::int32_t> shown;
  std::vector<int> messages;
  std::vector<std::uint8_t> rgb;
};

class SeriesTrackingTest : public DocumentTest {
 protected:
  SeriesTrackingTest() {
    doc = NewDocument();
    const std::vector<std::int32_t> keys = EvenFrameKeys(kFrames, kFrameUnits);
    doc->SetTimeBase(600, keys);
    doc->AttachMovie(&movie);
    ball = AddPoint(*doc, "Ball");
    doc->SelectItem(ball->GetId(), 0);
  }

  // The ball clicked on the first frame, as the user does before tracking.
  bool StartOnFirstFrame() {
    const Spot start = BallAt(0);
    ball->TakeData(std::lround(2 * start.x), -std::lround(2 * start.y), 0);
    doc->SetDisplayedTime(0);
    return doc->StartTracking(TdvTrackingChoices{});
  }

  int FramesWithData() {
    int count = 0;
    for (std::int32_t key : doc->FrameKeys()) {
      count += ball->HasData(key) ? 1 : 0;
    }
    return count;
  }

  ThrownBallMovie movie;
  TdvDataObjectWindow* doc = nullptr;
  TdvDataPoint* ball = nullptr;
};

// The mean of the export's column: the acceleration of every row that has one.
double MeanOfColumn(const std::string& exported, const std::string& title) {
  std::istringstream lines(exported);
  std::string line;
  while (std::getline(lines, line) && line.rfind("time(s)", 0) != 0) {
  }
  std::size_t column = 0;
  for (std::size_t at = 0; at < line.find(title); at = line.find('\t', at) + 1) {
    ++column;
  }
  double sum = 0;
  int count = 0;
  while (std::getline(lines, line) && !line.empty()) {
    std::istringstream cells(line);
    std::string cell;
    for (std::size_t i = 0; i < column && std::getline(cells, cell, '\t');) {
      ++i;
    }
    if (std::getline(cells, cell, '\t') && !cell.empty()) {
      sum += std::stod(cell);
      ++count;
    }
  }
  return count > 0 ? sum / count : 0.0;
}

// Movie units are half pixels, y up: the ball falls at -2 g in them.
TEST_F(SeriesTrackingTest, TrackedFlightHasTheGeneratorsAcceleration) {
  ASSERT_TRUE(StartOnFirstFrame());
  EXPECT_EQ(doc->TrackAll().event, TdvTrackingEvent::kFinished);
  EXPECT_EQ(FramesWithData(), kFrames);
  EXPECT_EQ(doc->Tracking(), nullptr);
  EXPECT_EQ(movie.shown.size(), std::size_t{kFrames - 1});

  doc->RestoreColumn(ball->GetId(), kQuantityYAcceleration);
  std::ostringstream exported;
  doc->WriteExport(exported);
  EXPECT_NEAR(MeanOfColumn(exported.str(), "Ball:y-accel."), -2 * kGravity, 0.01 * 2 * kGravity)
      << exported.str();
}

// The table hears of the tracked data when the run stops, not frame by
// frame; Cancel stops it there and keeps every frame found.
TEST_F(SeriesTrackingTest, CancelKeepsWhatWasFoundAndTellsTheTableThen) {
  ASSERT_TRUE(StartOnFirstFrame());
  const std::size_t rowsBefore = doc->DataTable().AllFrames().size();
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(doc->TrackNext().event, TdvTrackingEvent::kFound);
  }
  EXPECT_EQ(doc->DataTable().AllFrames().size(), rowsBefore);
  doc->FinishTracking();
  EXPECT_EQ(FramesWithData(), 6);
  EXPECT_EQ(doc->DataTable().AllFrames().size(), 6u);
  EXPECT_EQ(doc->TrackNext().event, TdvTrackingEvent::kFinished);
  EXPECT_EQ(FramesWithData(), 6);
}

// Where the ball is hidden tracking stops on that frame, shows it, tells
// the table what it found and asks; the click there becomes the datum and
// tracking goes on to the end.
TEST_F(SeriesTrackingTest, LostBallStopsOnItsFrameAndGoesOnFromTheClick) {
  movie.hiddenFrame = 25;
  const std::int32_t hidden = 25 * kFrameUnits;
  ASSERT_TRUE(StartOnFirstFrame());
  const TdvTrackingStep stop = doc->TrackAll();
  EXPECT_EQ(stop.event, TdvTrackingEvent::kLost);
  EXPECT_EQ(stop.frame, hidden);
  EXPECT_EQ(doc->DisplayedFrame(), hidden);
  EXPECT_EQ(movie.shown.back(), hidden);
  EXPECT_EQ(movie.messages, std::vector<int>{kTrackingMessage});
  EXPECT_EQ(FramesWithData(), 25);
  EXPECT_EQ(doc->DataTable().AllFrames().size(), 25u);

  const Spot click = BallAt(25);
  doc->TrackingClick(std::lround(2 * click.x), -std::lround(2 * click.y), true);
  EXPECT_TRUE(ball->HasData(hidden));
  EXPECT_EQ(doc->TrackAll().event, TdvTrackingEvent::kFinished);
  EXPECT_EQ(FramesWithData(), kFrames);
}

}  // namespace
