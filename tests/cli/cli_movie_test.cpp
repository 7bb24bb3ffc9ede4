// kinovex-cli on generated movies whose frames carry their own number:
// what info and frames report, and which picture frame writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.h"
#include "frame_code.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex::testing {
namespace {

class CliMovieTest : public ::testing::Test {
 protected:
  // An MPEG-4 movie with B-frames, so that packets arrive out of order.
  GeneratedMovie Make(const std::string& name, std::vector<std::int64_t> times = {}) {
    TestMovieRecipe request;
    request.path = folder.File(name);
    request.bFrames = 2;
    request.frameCount = 12;
    request.frameTimes = std::move(times);
    GeneratedMovie made = MakeTestMovie(request);
    EXPECT_TRUE(made.ok) << made.error;
    return made;
  }

  CliRun Run(const std::vector<std::string>& args) { return RunCli(args, folder.File("")); }

  // The number painted into the frame that `frame` writes for the time.
  int FrameAt(const std::string& movie, const std::string& time) {
    const std::string png = folder.File("frame.png");
    CliRun run = Run({"frame", movie, time, "-o", png});
    EXPECT_EQ(run.status, 0) << run.err;
    std::optional<TdvVideoImage> image = DecodePng(png);
    if (!image) {
      ADD_FAILURE() << "no PNG picture for time " << time;
      return -1;
    }
    return ReadFrameCode(image->rgb.data(), image->width, image->height);
  }

  TestFolder folder;
};

TEST_F(CliMovieTest, InfoReportsSizeTimingFramesAndCodec) {
  GeneratedMovie made = Make("clip.mp4");
  CliRun run = Run({"info", "clip.mp4"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("size: 160 x 120\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("time scale: " + std::to_string(made.timeScale) + "\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("frames: 12\n"), std::string::npos);
  EXPECT_NE(run.out.find("codec: mpeg4\n"), std::string::npos);
  // Twelve frames of 1/30 s each.
  EXPECT_NE(run.out.find("(0.400000 s)"), std::string::npos);
  EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST_F(CliMovieTest, FrameWritesThePictureShownAtTheTime) {
  GeneratedMovie made = Make("clip.mp4");
  const std::vector<std::int32_t>& t = made.frameTimes;
  ASSERT_EQ(t.size(), 12u);
  EXPECT_EQ(FrameAt("clip.mp4", std::to_string(t[0])), 0);
  EXPECT_EQ(FrameAt("clip.mp4", std::to_string(t[7])), 7);
  // Between two starts the earlier frame is showing.
  EXPECT_EQ(FrameAt("clip.mp4", std::to_string(t[4] + 1)), 4);
  EXPECT_EQ(FrameAt("clip.mp4", std::to_string(t[11])), 11);
  // Backwards again, after the last frame was decoded.
  EXPECT_EQ(FrameAt("clip.mp4", std::to_string(t[2])), 2);
  // Seconds: 0.2 s is the start of frame 6 at 30 frames a second.
  EXPECT_EQ(FrameAt("clip.mp4", "0.2s"), 6);
}

TEST_F(CliMovieTest, FilesThatAreNoMovieAreRefusedWithTheProgramsMessage) {
  std::ofstream(folder.File("notes.mp4")) << "not a movie at all";
  std::ofstream(folder.File("empty.mov"));
  // A pipe would block whoever opens it for reading.
  ASSERT_EQ(mkfifo(folder.File("pipe.mp4").c_str(), 0600), 0);
  for (const char* file : {"notes.mp4", "empty.mov", "missing.mp4", "pipe.mp4", "."}) {
    for (const char* command : {"info", "frames"}) {
      CliRun run = Run({command, file});
      EXPECT_EQ(run.status, 2) << command << " " << file;
      EXPECT_EQ(run.err, "kinovex-cli: File Open Error: Kinovex Cannot Open this Type of File\n");
      EXPECT_TRUE(run.out.empty());
    }
  }
  CliRun frame = Run({"frame", "notes.mp4", "0", "-o", "f.png"});
  EXPECT_EQ(frame.status, 2);
  EXPECT_FALSE(std::ifstream(folder.File("f.png")).is_open());
}

}  // namespace
}  // namespace kinovex::testing
