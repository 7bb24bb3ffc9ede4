// kinovex-cli track on a generated movie of a ball with known positions,
// and on an analysis of it saved by the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "analysis_maker.h"
#include "cli_test_support.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex::testing {
namespace {

constexpr int kFrames = 8;

// Where the analysis maker clicked the ball on its first four frames, and
// where the movie draws it on every frame (pixels, y down).
BallSpot BallOnFrame(int frame) {
  return {20.0 + 10.0 * frame, 100.0 - 7.5 * frame};
}

class CliTrackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.File("lab"));
    TestMovieRecipe recipe;
    recipe.path = folder.File("lab/clip.mp4");
    recipe.frameCount = kFrames;
    recipe.ball = ThrownBall(20, 100, 300, 225, 0);
    ASSERT_TRUE(MakeTestMovie(recipe).ok);
    ASSERT_FALSE(SaveAnalysis(folder.File("lab/throw.kvx"), recipe.path).empty());
  }

  CliRun Run(const std::vector<std::string>& args) { return RunCli(args, folder.File("")); }

  TestFolder folder;
};

TEST_F(CliTrackTest, MovieFormListsTheBallOnEveryFrame) {
  CliRun run = Run({"track", "lab/clip.mp4", "--at", "0s:20,100"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  double seconds = 0, x = 0, y = 0, score = 0;
  int frame = 0;
  for (; lines >> seconds >> x >> y >> score; ++frame) {
    SCOPED_TRACE(frame);
    EXPECT_NEAR(seconds, frame / 30.0, 1e-6);
    EXPECT_NEAR(x, BallOnFrame(frame).x, 1.0);
    EXPECT_NEAR(y, BallOnFrame(frame).y, 1.0);
    EXPECT_GE(score, 0.7);
  }
  EXPECT_EQ(frame, kFrames);
}

TEST_F(CliTrackTest, DocumentFormSavesTheSeriesTrackedOnEveryFrame) {
  CliRun run = Run({"track", "lab/throw.kvx", "--series", "Ball", "-o", "tracked.kvx"});
  ASSERT_EQ(run.status, 0) << run.err;
  // The export lists the ball last, in movie units (half pixels, y up) from
  // the origin the program put 16 pixels in from the bottom-left corner.
  std::istringstream lines(ReopenedExport(folder.File("tracked.kvx")));
  std::string line;
  while (std::getline(lines, line) && line.rfind("time(s)", 0) != 0) {
  }
  int frame = 0;
  for (; std::getline(lines, line) && !line.empty(); ++frame) {
    SCOPED_TRACE(line);
    std::istringstream cells(line);
    double time = 0, originX = 0, originY = 0, markerX = 0, markerY = 0, x = 0, y = 0;
    ASSERT_TRUE(cells >> time >> originX >> originY >> markerX >> markerY >> x >> y);
    EXPECT_NEAR(x, 2 * BallOnFrame(frame).x - 32, 1.0);
    EXPECT_NEAR(y, 2 * (120 - BallOnFrame(frame).y) - 32, 1.0);
  }
  EXPECT_EQ(frame, kFrames);
}

// A ball thrown out of the picture ends its track there, as a last frame
// would: the lines so far, a word on where it left, and success.
TEST_F(CliTrackTest, ABallLeavingThePictureEndsTheTrack) {
  TestMovieRecipe recipe;
  recipe.path = folder.File("lab/away.mp4");
  recipe.frameCount = kFrames;
  recipe.ball = ThrownBall(100, 60, 900, 0, 0);
  ASSERT_TRUE(MakeTestMovie(recipe).ok);
  CliRun run = Run({"track", "lab/away.mp4", "--at", "0s:100,60"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("at 0.066667 s the object reached the edge of the picture"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
}

// Each refusal names what is wrong, writes nothing and exits with 2.
TEST_F(CliTrackTest, UnusableStartsAreRefused) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"track", "lab/throw.kvx", "--series", "Nope", "-o", "out.kvx"},
       "has no point series named \"Nope\""},
      {{"track", "lab/clip.mp4", "--at", "0:170,50", "-o", "out.txt"}, "lies off the picture"},
      {{"track", "lab/clip.mp4", "--at", "0:20,100", "--until", "2s", "-o", "out.txt"},
       "outside the movie, which ends at 0.266667 s"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[3]);
    CliRun run = Run(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File(c.args.back())));
  }
}

}  // namespace
}  // namespace kinovex::testing
