#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kinovex::testing {

enum class TestCodec { kMpeg4, kMjpeg, kH264, kMpeg2 };

struct BallSpot {
  double x = 0;  // picture pixels, x to the right, y downwards
  double y = 0;
};

// What to encode. The container follows the file extension (.mov, .mp4,
// .avi, .mkv, .ts, .m2ts, .mpg).
struct TestMovieRecipe {
  std::string path;
  int width = 160;
  int height = 120;
  TestCodec codec = TestCodec::kMpeg4;
  int timeScale = 600;     // encoder time units per second; MPEG-2: a standard
                           // frame rate, with frameDuration 1
  int frameDuration = 20;  // units per frame when frameTimes is empty
  int frameCount = 30;
  std::vector<std::int64_t> frameTimes;  // explicit start times, increasing
  int gop = 12;
  int bFrames = 0;
  // H.264 and MPEG-2: B-frames after a keyframe may refer to the GOP before
  // it, as camcorders write them.
  bool openGop = false;
  int quantizer = 3;  // MPEG-4 / MJPEG quantizer, H.264 constant quality
  // Ball position at a time in seconds; empty: no ball.
  std::function<BallSpot(double)> ball;
  int ballRadius = 6;
  int scaleBarLength = 0;  // pixels; 0: no scale bar
  int scaleBarLeft = 6;    // pixels from the left edge
  // Alternating red and white stripes along the bar, as on a metre stick;
  // 0: plain red.
  int scaleBarStripes = 0;
  // A textured background panning sideways, as a camera would see it: makes
  // frames as costly to code as real footage (benchmarks).
  bool texturedBackground = false;
  // The frame number in the top-left corner, for tests to read back; a
  // movie made for people leaves it out.
  bool frameCode = true;
  int rotationDegrees = 0;  // clockwise display rotation stored in the file
  int aspectNum = 1;        // sample aspect ratio stored in the file
  int aspectDen = 1;
  bool fastStart = false;  // QuickTime/MP4: movie box before the samples
  // Text of a "©KXC" user-data item (QuickTime files only); empty: none.
  std::string embeddedDocument;

  // What makes a ball hard to follow; all off by default.
  // Sensor noise: grey levels added to every pixel, with this standard
  // deviation.
  double noiseSigma = 0;
  // The ball's edge pixels mixed with the background by the share they
  // cover, as a lens draws it.
  bool softBall = false;
  // Motion blur: the ball is smeared over this time, centred on each frame's
  // instant, and drawn soft.
  double exposureSeconds = 0;
  // Slow brightness change: the picture is scaled by 1 + swing * sin(2 pi t / 3 s).
  double brightnessSwing = 0;
  // Left edge of an upright bar of red and white stripes behind the ball;
  // negative: none.
  int stripedBarLeft = -1;
  // A second ball, of almost the same colour, passing behind the first.
  std::function<BallSpot(double)> secondBall;
};

struct GeneratedMovie {
  bool ok = false;
  std::string error;
  int timeScale = 0;                     // of the video stream in the file
  std::vector<std::int32_t> frameTimes;  // in the file's units, from 0
};

// A ball thrown from (x0, y0) with velocity (vx, vy) pixels a second under a
// downward acceleration `ay` in pixels a second squared.
std::function<BallSpot(double)> ThrownBall(double x0, double y0, double vx, double vy, double ay);

bool HasH264Encoder();

// Writes the movie; the number of each frame is painted into it
// (frame_code.h).
GeneratedMovie MakeTestMovie(const TestMovieRecipe& request);

// Copies the first `bytes` bytes of a file to another (a damaged download).
bool TruncatedCopy(const std::string& from, const std::string& to, std::uint64_t bytes);

}  // namespace kinovex::testing
