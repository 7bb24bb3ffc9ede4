#include <array>
#include <cmath>
#include <sstream>

#include "dialogs/number_of_points_dialog.h"
#include "dialogs/scale_movie_dialog.h"
#include "dialogs/setup_dialog.h"
#include "frame_fixture.h"
#include "movie/movie_window.h"
#include "movie_generator.h"

// A whole analysis as a teacher makes it, through the real frame, windows
// and dialogs: a ball tossed in front of a stick, scaled, tracked frame by
// frame, saved, reopened and exported. The ball's motion is chosen so that
// its centre lies on whole movie pixels on every frame: 6 pixels a frame
// sideways, and a vertical path whose second difference is 2 pixels.
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrames = 20;
constexpr int kTimeScale = 600;
constexpr int kFrameDuration = 20;  // 30 frames a second
constexpr int kStickLeft = 70;
constexpr int kStickLength = 180;        // pixels: one metre
constexpr double kStickY = kHeight - 8;  // the middle of the drawn bar
constexpr double kGravity = 10.0;        // m/s^2
constexpr double kSpeedX = 1.0;          // m/s
constexpr double kSpeedUp = 570.0 / kStickLength;
constexpr double kStartX = 40;
constexpr double kStartY = 200;

// Least squares polynomial of degree `degree` (1 or 2) through (t, v);
// the coefficients from the constant term up.
std::array<double, 3> Fit(const std::vector<double>& t, const std::vector<double>& v, int degree) {
  const int n = degree + 1;
  double m[3][4] = {};
  for (std::size_t k = 0; k < t.size(); ++k) {
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        m[i][j] += std::pow(t[k], i + j);
      }
      m[i][n] += std::pow(t[k], i) * v[k];
    }
  }
  for (int pivot = 0; pivot < n; ++pivot) {
    for (int row = 0; row < n; ++row) {
      if (row != pivot) {
        const double factor = m[row][pivot] / m[pivot][pivot];
        for (int column = pivot; column <= n; ++column) {
          m[row][column] -= factor * m[pivot][column];
        }
      }
    }
  }
  std::array<double, 3> coefficients{};
  for (int i = 0; i < n; ++i) {
    coefficients[static_cast<std::size_t>(i)] = m[i][n] / m[i][i];
  }
  return coefficients;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, '\t')) {
    cells.push_back(cell);
  }
  return cells;
}

// The times and the ball's positions of the rows of an exported file that
// hold a position.
struct ExportedTrack {
  std::vector<double> t, x, y;
};

ExportedTrack ReadTrack(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line) && line.rfind("time(s)", 0) != 0) {
  }
  const std::vector<std::string> header = Cells(line);
  const auto column = [&](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  const std::size_t xColumn = column("Point S1:x-pos(m)");
  const std::size_t yColumn = column("Point S1:y-pos(m)");
  ExportedTrack track;
  EXPECT_LT(std::max(xColumn, yColumn), header.size()) << "header: " << line;
  while (std::getline(in, line) && !line.empty()) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() > std::max(xColumn, yColumn) && !cells[yColumn].empty()) {
      track.t.push_back(std::stod(cells[0]));
      track.x.push_back(std::stod(cells[xColumn]));
      track.y.push_back(std::stod(cells[yColumn]));
    }
  }
  return track;
}

class BallTossAnalysisTest : public FrameTest {
 protected:
  static constexpr int kScaleMovie = 303;
  static constexpr int kSave = 156;
  static constexpr int kCloseWindow = 154;
  static constexpr int kOpenSavedData = 153;
  static constexpr int kExportData = 158;

  BallTossAnalysisTest() {
    recipe.path = File("toss.mov");
    recipe.width = kWidth;
    recipe.height = kHeight;
    recipe.timeScale = kTimeScale;
    recipe.frameDuration = kFrameDuration;
    recipe.frameCount = kFrames;
    recipe.ball = kinovex::testing::ThrownBall(kStartX, kStartY, kSpeedX * kStickLength,
                                               kSpeedUp * kStickLength, kGravity * kStickLength);
    recipe.scaleBarLength = kStickLength;
    recipe.scaleBarLeft = kStickLeft;
    recipe.scaleBarStripes = 10;
  }

  kinovex::TdvMoovWindow* OnlyMovieWindow() {
    kinovex::TdvMoovWindow* found = nullptr;
    for (TdvDocumentWindow* window : frame->docWindows) {
      if (window->IsA(kinovex::TdvMoovWindow::kClassCode)) {
        EXPECT_EQ(found, nullptr) << "a second movie window";
        found = static_cast<kinovex::TdvMoovWindow*>(window);
      }
    }
    return found;
  }

  // A click on a spot of the movie picture, given in movie pixels, at the
  // window's zoom.
  void ClickMoviePixel(const kinovex::TdvMoovWindow& window, double x, double y) {
    const shell::Rect picture = window.PictureRect();
    const double zoomX = static_cast<double>(shell::RectWidth(picture)) / kWidth;
    const double zoomY = static_cast<double>(shell::RectHeight(picture)) / kHeight;
    backend.Click(window.hwnd, {picture.left + static_cast<int>(std::lround(x * zoomX)),
                                picture.top + static_cast<int>(std::lround(y * zoomY))});
    backend.RunPosted();
  }

  void StartWithTheMovie() {
    backend.QueueModal([&](shell::WindowHandle startup) {
      backend.QueueFileAnswer(recipe.path);
      backend.PressButton(startup, TdvSetupDialog_A::kOpenMovie);
    });
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(dialog)->title, "Number of Points");
      backend.TypeText(dialog, TdvSetupDialog_B::kCount, "\b1");
      backend.PressButton(dialog, TdvSetupDialog_B::kOk);
    });
    frame->OpenStartupDialog();
    backend.RunPosted();
  }

  void ScaleOnTheStick(const kinovex::TdvMoovWindow& window) {
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(dialog)->title, "Scale Movie");
      backend.PressButton(dialog, TdvNewEZCalibDialog::kContinue);
    });
    backend.Command(frame->hwnd, kScaleMovie);
    backend.RunPosted();
    ClickMoviePixel(window, kStickLeft, kStickY);
    ClickMoviePixel(window, kStickLeft + kStickLength, kStickY);
  }

  kinovex::testing::TestMovieRecipe recipe;
};

TEST_F(BallTossAnalysisTest, TheExportedMotionOfATrackedSavedAndReopenedTossIsTheFilmedOne) {
  const kinovex::testing::GeneratedMovie made = kinovex::testing::MakeTestMovie(recipe);
  ASSERT_TRUE(made.ok) << made.error;
  ASSERT_EQ(made.frameTimes.size(), static_cast<std::size_t>(kFrames));
  StartWithTheMovie();
  kinovex::TdvMoovWindow* window = OnlyMovieWindow();
  ASSERT_NE(window, nullptr);
  ScaleOnTheStick(*window);

  for (int frameIndex = 0; frameIndex < kFrames; ++frameIndex) {
    const std::int32_t time = made.frameTimes[static_cast<std::size_t>(frameIndex)];
    ASSERT_EQ(window->currentTime, time) << "Auto Frame Advance";
    const kinovex::testing::BallSpot ball = recipe.ball(static_cast<double>(time) / made.timeScale);
    ClickMoviePixel(*window, ball.x, ball.y);
  }

  const std::string saved = File("toss.kvx");
  backend.QueueFileAnswer(saved);
  backend.Command(frame->hwnd, kSave);
  backend.Command(frame->hwnd, kCloseWindow);
  backend.RunPosted();
  ASSERT_TRUE(Documents().empty());
  ASSERT_EQ(OnlyMovieWindow(), nullptr);

  backend.QueueFileAnswer(saved);
  backend.Command(frame->hwnd, kOpenSavedData);
  backend.RunPosted();
  ASSERT_EQ(Documents().size(), 1u);
  ASSERT_NE(OnlyMovieWindow(), nullptr);
  const std::string exported = File("toss.xls");
  backend.QueueFileAnswer(exported);
  backend.Command(frame->hwnd, kExportData);

  const ExportedTrack track = ReadTrack(exported);
  ASSERT_EQ(track.t.size(), static_cast<std::size_t>(kFrames)) << "a position on every frame";
  const double vx = Fit(track.t, track.x, 1)[1];
  const double g = -2 * Fit(track.t, track.y, 2)[2];
  EXPECT_NEAR(g, kGravity, 0.01 * kGravity);
  EXPECT_NEAR(vx, kSpeedX, 0.01 * kSpeedX);
}

}  // namespace
