#include "analysis_maker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "document/data_object_window.h"
#include "document/file_parser.h"
#include "document/kept_graph.h"
#include "kinematics/quantity_table.h"
#include "model/point_series.h"
#include "model/series_codes.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/library_movie.h"
#include "plot/plot_choice.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace kinovex::testing {
namespace {

class AnalysisFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override { ADD_FAILURE() << "no path is opened here"; }
  void OpenHelpTopic(int) override { ADD_FAILURE() << "no help is shown here"; }
};

// The program in this process, headless, with an open frame; any message
// box fails the test.
struct HeadlessProgram {
  HeadlessProgram() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    shell.Keep(std::make_unique<AnalysisFrame>())->OpenWindow();
  }

  shell::HeadlessBackend backend;
  TdvFfmpegVideoLibrary library;
  TdvLibraryMovieOpener movies{library};
  TdvShell shell{backend};
};

}  // namespace

std::string ReopenedExport(const std::string& docPath) {
  HeadlessProgram program;
  TdvFileParser parser(nullptr, &program.movies);
  TdvDataObjectWindow* doc = parser.Parse(TdvFileLocation::FromPath(docPath));
  if (doc == nullptr) {
    return "";
  }
  std::ostringstream exported;
  doc->WriteExport(exported);
  return exported.str();
}

std::vector<std::string> ItemLines(const std::string& exported) {
  std::istringstream lines(exported);
  std::vector<std::string> items;
  std::string line;
  bool inItems = false;
  while (std::getline(lines, line)) {
    if (inItems && line.empty()) {
      break;
    }
    if (inItems) {
      items.push_back(line);
    }
    inItems = inItems || line.rfind("Name\t", 0) == 0;
  }
  std::sort(items.begin(), items.end());
  return items;
}

std::string SaveAnalysis(const std::string& docPath, const std::string& moviePath,
                         int graphWindows) {
  HeadlessProgram program;
  shell::HeadlessBackend& backend = program.backend;
  TdvLibraryMovieOpener& movies = program.movies;

  TdvDataObjectWindow* doc = program.shell.Keep(std::make_unique<TdvDataObjectWindow>());
  EXPECT_EQ(doc->OpenWindow(), 1);
  if (!movies.OpenMovie(*doc, moviePath)) {
    ADD_FAILURE() << "the movie did not open: " << moviePath;
    return "";
  }
  doc->hasMovie = true;
  TdvFileLocation movie = TdvFileLocation::FromPath(moviePath);
  doc->moviePath = movie.path;
  doc->movieName = movie.fileName;

  const std::vector<std::int32_t> frames = doc->FrameKeys();
  // Where the program puts the default origin of a new movie: 16 pixels
  // right of and above the picture's bottom-left corner (movie units are
  // half pixels, y up from the top edge).
  const int pictureHeight = doc->Movie()->NaturalHeight();
  static_cast<TdvDataPoint*>(doc->GetItem(doc->DefaultOrigin()))
      ->TakeData(32, -2 * pictureHeight + 32, 0);
  const std::int32_t ballId = doc->ObjectNewObject(kItemPoint, "Ball");
  auto* ball = static_cast<TdvDataPoint*>(doc->GetItem(ballId));
  for (std::size_t i = 0; i < 4 && i < frames.size(); ++i) {
    const auto step = static_cast<std::int32_t>(i);
    ball->TakeData(40 + 20 * step, -200 + 15 * step, frames[i]);
  }
  auto* marker =
      static_cast<TdvDataPoint*>(doc->GetItem(doc->ObjectNewObject(kItemPoint, "Marker")));
  marker->SetSampleType(kFixed);
  marker->TakeData(150, -30, 0);
  doc->SetDisplayedTime(frames.size() > 2 ? frames[2] : 0);
  for (int i = 0; i < graphWindows; ++i) {
    std::unique_ptr<TdvGraphStack> graph =
        GraphsFor({{kTimeItemRef, kQuantityTime}, {{ballId, kQuantityYPos}}});
    graph->rect = {0, 0, kGraphWindowSize.width, kGraphWindowSize.height};
    doc->KeepGraph(std::make_unique<TdvKeptGraph>(std::move(graph), *doc));
  }

  backend.QueueFileAnswer(docPath);
  EXPECT_TRUE(doc->Save(true));
  std::ostringstream exported;
  doc->WriteExport(exported);
  doc->modified = false;
  return exported.str();
}

}  // namespace kinovex::testing
