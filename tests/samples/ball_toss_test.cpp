#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>

#include "ball_toss.h"
#include "cli/cli_session.h"
#include "document/data_object_window.h"

namespace {

using Toss = kinovex::samples::BallToss;

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, '\t')) {
    cells.push_back(cell);
  }
  return cells;
}

// The sample's analysis, read back as the program reads it, reports the
// ball where the movie shows it: metres from the stick's left end, y up.
TEST(BallTossSample, TheAnalysisPutsTheBallWhereTheMovieShowsIt) {
  std::string pattern = (std::filesystem::temp_directory_path() / "kinovex-sample-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  std::string error;
  ASSERT_TRUE(kinovex::samples::MakeBallTossSample(folder, error)) << error;

  std::ostringstream messages;
  kinovex::cli::CliSession session(messages);
  TdvDataObjectWindow* document =
      session.OpenDocument((folder / "ball_toss.kvx").string(), std::nullopt);
  ASSERT_NE(document, nullptr) << messages.str();
  EXPECT_TRUE(messages.str().empty()) << messages.str();
  std::stringstream exported;
  document->WriteExport(exported);

  std::string line;
  std::vector<std::string> header;
  while (std::getline(exported, line) && line.rfind("time(s)", 0) != 0) {
  }
  header = Cells(line);
  const auto column = [&](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  const std::size_t xColumn = column("Ball:x-pos(m)");
  const std::size_t yColumn = column("Ball:y-pos(m)");
  ASSERT_LT(std::max(xColumn, yColumn), header.size()) << line;

  const double vx = Toss::kSpeedX * Toss::kPixelsPerMetre;
  const double vy = Toss::kSpeedUp * Toss::kPixelsPerMetre;
  const double g = Toss::kGravity * Toss::kPixelsPerMetre;
  const double stickMiddle = Toss::kHeight - 8;
  int rows = 0;
  while (std::getline(exported, line) && !line.empty()) {
    const std::vector<std::string> cells = Cells(line);
    ASSERT_GT(cells.size(), std::max(xColumn, yColumn)) << line;
    const double t = std::stod(cells[0]);
    const double x = Toss::kStartX + vx * t;
    const double y = Toss::kStartY - vy * t + 0.5 * g * t * t;
    // Half a movie unit of rounding, and the time column's 4 digits.
    EXPECT_NEAR(std::stod(cells[xColumn]), (x - Toss::kStickLeft) / Toss::kPixelsPerMetre, 0.004)
        << "t = " << t;
    EXPECT_NEAR(std::stod(cells[yColumn]), (stickMiddle - y) / Toss::kPixelsPerMetre, 0.004)
        << "t = " << t;
    ++rows;
  }
  EXPECT_EQ(rows, Toss::kFrames);
  std::filesystem::remove_all(folder);
}

}  // namespace
