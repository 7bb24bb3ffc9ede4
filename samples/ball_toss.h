#pragma once

#include <filesystem>
#include <string>

// The bundled sample: a ball tossed in front of a striped 1 m stick, and a
// finished analysis of it (the stick as the scale, the ball's centre on
// every frame).
namespace kinovex::samples {

// The toss as filmed: 640 by 480 pixels at 30 frames per second.
struct BallToss {
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  static constexpr int kTimeScale = 600;
  static constexpr int kFrameDuration = 20;
  static constexpr int kFrames = 37;
  // The stick lies along the bottom edge: 200 pixels are one metre.
  static constexpr int kStickLeft = 220;
  static constexpr int kStickLength = 200;
  static constexpr int kStickStripes = 10;
  static constexpr double kPixelsPerMetre = kStickLength;
  static constexpr double kGravity = 9.8;  // m/s^2
  static constexpr double kSpeedX = 2.0;   // m/s
  static constexpr double kSpeedUp = 5.8;  // m/s
  static constexpr double kStartX = 60;    // pixels
  static constexpr double kStartY = 420;
  static constexpr int kBallRadius = 10;
};

// Writes ball_toss.mp4 and ball_toss.kvx into `folder`; false with the
// reason in `error`.
bool MakeBallTossSample(const std::filesystem::path& folder, std::string& error);

}  // namespace kinovex::samples
