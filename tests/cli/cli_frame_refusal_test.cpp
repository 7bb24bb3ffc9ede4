// kinovex-cli frame when there is no true picture to write: a time outside
// the movie, a frame that does not decode, a movie whose times mean
// nothing. Each is refused with exit status 2 and a line saying why, and no
// picture is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"
#include "movie_damage.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex::testing {
namespace {

class CliFrameRefusalTest : public ::testing::Test {
 protected:
  // Twelve Motion-JPEG frames of 1/30 s: the movie lasts 0.4 s.
  GeneratedMovie Make(const std::string& name) {
    TestMovieRecipe request;
    request.path = folder.File(name);
    request.codec = TestCodec::kMjpeg;
    request.frameCount = 12;
    GeneratedMovie made = MakeTestMovie(request);
    EXPECT_TRUE(made.ok) << made.error;
    return made;
  }

  // Runs frame and checks that it refused: no picture, status 2, and the
  // error line holds `why`.
  void ExpectRefused(const std::string& movie, const std::string& time, const std::string& why) {
    SCOPED_TRACE(movie + " at " + time);
    CliRun run = RunCli({"frame", movie, time, "-o", "f.png"}, folder.File(""));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("f.png")));
  }

  TestFolder folder;
};

TEST_F(CliFrameRefusalTest, TimesOutsideTheMovieAreRefused) {
  const GeneratedMovie made = Make("clip.mov");
  ASSERT_EQ(made.frameTimes.size(), 12u);
  const std::string end = std::to_string(made.frameTimes[11] * 12 / 11);
  for (const std::string& time : {std::string("-1"), end, std::string("100000000"),
                                  std::string("0.4s"), std::string("-0.01s")}) {
    ExpectRefused("clip.mov", time, "is outside the movie, which runs from 0 to " + end);
  }
  const std::string lastUnit = std::to_string(std::stoi(end) - 1);
  CliRun last = RunCli({"frame", "clip.mov", lastUnit, "-o", "f.png"}, folder.File(""));
  EXPECT_EQ(last.status, 0) << last.err;
}

TEST_F(CliFrameRefusalTest, FrameThatDoesNotDecodeIsRefused) {
  const std::string time = std::to_string(Make("damaged.mov").frameTimes[3]);
  ASSERT_TRUE(ScrambleJpegFrame(folder.File("damaged.mov"), 3));
  ExpectRefused("damaged.mov", time, "the frame at time " + time + " cannot be decoded");
}

}  // namespace
}  // namespace kinovex::testing
