#include "ball_toss.h"

#include <cmath>
#include <iostream>

#include "cli/cli_backend.h"
#include "document/data_object_window.h"
#include "document/file_location.h"
#include "model/point_series.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/library_movie.h"
#include "movie_generator.h"
#include "shell/shell.h"

namespace kinovex::samples {

namespace {

constexpr int kNewPointCommand = 651;
constexpr int kMetres = 1;
constexpr int kFirstEnd = -5;
constexpr int kSecondEnd = -6;

using Toss = BallToss;

testing::TestMovieRecipe MovieRecipe(const std::string& path) {
  testing::TestMovieRecipe recipe;
  recipe.path = path;
  recipe.width = Toss::kWidth;
  recipe.height = Toss::kHeight;
  recipe.timeScale = Toss::kTimeScale;
  recipe.frameDuration = Toss::kFrameDuration;
  recipe.frameCount = Toss::kFrames;
  recipe.ballRadius = Toss::kBallRadius;
  recipe.ball = testing::ThrownBall(
      Toss::kStartX, Toss::kStartY, Toss::kSpeedX * Toss::kPixelsPerMetre,
      Toss::kSpeedUp * Toss::kPixelsPerMetre, Toss::kGravity * Toss::kPixelsPerMetre);
  recipe.scaleBarLength = Toss::kStickLength;
  recipe.scaleBarLeft = Toss::kStickLeft;
  recipe.scaleBarStripes = Toss::kStickStripes;
  recipe.frameCode = false;
  return recipe;
}

// Movie units: half pixels, y upwards from the picture's top edge.
int UnitsX(double pixels) {
  return static_cast<int>(std::lround(2 * pixels));
}
int UnitsY(double pixels) {
  return static_cast<int>(-std::lround(2 * pixels));
}

// The origin and the scale on the stick's ends, at the middle of its 4-pixel thickness 6 pixels
// above the bottom edge.
void MarkScale(TdvDataObjectWindow& document) {
  const double stickMiddle = Toss::kHeight - 6 - 2;
  // The coordinates start at the stick's left end.
  auto* origin = static_cast<TdvDataPoint*>(document.GetItem(document.DefaultOrigin()));
  origin->TakeData(UnitsX(Toss::kStickLeft), UnitsY(stickMiddle), 0);
  document.SetQuickScale(1.0, kMetres, -1, kFixed);
  document.ScalePoint(UnitsX(Toss::kStickLeft), UnitsY(stickMiddle), kFirstEnd);
  document.ScalePoint(UnitsX(Toss::kStickLeft + Toss::kStickLength), UnitsY(stickMiddle),
                      kSecondEnd);
}

void TrackBall(TdvDataObjectWindow& document, const testing::TestMovieRecipe& recipe) {
  auto* ball =
      static_cast<TdvDataPoint*>(document.GetItem(document.CreateFromMenu(kNewPointCommand)));
  ball->SetName("Ball");
  for (std::int32_t key : document.FrameKeys()) {
    const testing::BallSpot spot = recipe.ball(static_cast<double>(key) / document.timeScale);
    ball->TakeData(UnitsX(spot.x), UnitsY(spot.y), key);
  }
}

}  // namespace

bool MakeBallTossSample(const std::filesystem::path& folder, std::string& error) {
  std::error_code madeFolder;
  std::filesystem::create_directories(folder, madeFolder);
  const std::string moviePath = (folder / "ball_toss.mp4").string();
  const testing::TestMovieRecipe recipe = MovieRecipe(moviePath);
  const testing::GeneratedMovie made = testing::MakeTestMovie(recipe);
  if (!made.ok) {
    error = "the movie could not be made: " + made.error;
    return false;
  }
  cli::CliBackend backend(std::cerr);
  TdvShell shell(backend);
  TdvFfmpegVideoLibrary library;
  TdvLibraryMovieOpener movies(library);
  auto document = std::make_unique<TdvDataObjectWindow>();
  if (!movies.OpenMovie(*document, moviePath)) {
    error = "the movie just made does not open";
    return false;
  }
  const TdvFileLocation movieFile = TdvFileLocation::FromPath(moviePath);
  document->hasMovie = true;
  document->moviePath = movieFile.path;
  document->movieName = movieFile.fileName;
  document->CreateDefaultOrigin();
  MarkScale(*document);
  TrackBall(*document, recipe);
  // Its window beside the movie's, as the program places them.
  document->rect = {Toss::kWidth + 20, 0, Toss::kWidth + 300, 400};
  document->SetLocation(TdvFileLocation::FromPath((folder / "ball_toss.kvx").string()), true);
  if (!document->Save(false)) {
    error = "the analysis could not be saved";
    return false;
  }
  return true;
}

}  // namespace kinovex::samples
