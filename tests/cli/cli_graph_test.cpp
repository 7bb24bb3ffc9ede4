// kinovex-cli graph: a graph window of a saved analysis as a picture file,
// drawn without a display.
#include <gtest/gtest.h>

#include <QFile>
#include <QPointF>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstdio>
#include <filesystem>
#include <map>

#include "analysis_maker.h"
#include "cli_test_support.h"
#include "foundation/colour.h"
#include "kinematics/quantity_table.h"
#include "model/series_codes.h"
#include "movie_generator.h"
#include "plot/plot_choice.h"
#include "test_folder.h"

namespace kinovex::testing {
namespace {

namespace fs = std::filesystem;

// The second point of each SVG path (the first lies on the axis), by the stroke colour it is drawn
// with (given on the path or on a group around it).
std::multimap<std::string, QPointF> SecondPoints(const std::string& path) {
  QFile svg(QString::fromStdString(path));
  EXPECT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svg);
  std::vector<QString> strokes{QStringLiteral("none")};
  std::multimap<std::string, QPointF> starts;
  const QRegularExpression move(QStringLiteral("M[-0-9., ]+L\\s*([-0-9.]+)[ ,]+([-0-9.]+)"));
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QString own = xml.attributes().value(QStringLiteral("stroke")).toString();
      strokes.push_back(own.isEmpty() ? strokes.back() : own);
      if (xml.name() == QStringLiteral("path")) {
        const auto found = move.match(xml.attributes().value(QStringLiteral("d")));
        starts.emplace(strokes.back().toStdString(),
                       QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()));
      }
    } else if (xml.isEndElement()) {
      strokes.pop_back();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return starts;
}

class CliGraphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(File("lab"));
    TestMovieRecipe request;
    request.path = File("lab/clip.mp4");
    request.frameCount = 8;
    ASSERT_TRUE(MakeTestMovie(request).ok);
    ASSERT_FALSE(SaveAnalysis(File("lab/graphs.kvx"), File("lab/clip.mp4"), 2).empty());
    ASSERT_FALSE(SaveAnalysis(File("lab/plain.kvx"), File("lab/clip.mp4")).empty());
  }

  std::string File(const std::string& name) { return folder.File(name); }
  CliRun Run(const std::vector<std::string>& args) { return RunCli(args, File("")); }

  TestFolder folder;
};

TEST_F(CliGraphTest, TheGraphBecomesAnSvgWithOnePathPerPlotAndAPngThatAgrees) {
  TdvColour plotColour = 0;
  ASSERT_TRUE(ColourFromCode(plotColour, StyledPlot({kTimeItemRef, kQuantityYPos}, 0)->colour));
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", RedOf(plotColour), GreenOf(plotColour),
                BlueOf(plotColour));

  CliRun svg = Run({"graph", "lab/graphs.kvx", "-o", "g.svg", "--size", "640x400"});
  ASSERT_EQ(svg.status, 0) << svg.err;
  const std::multimap<std::string, QPointF> starts = SecondPoints(File("g.svg"));
  ASSERT_EQ(starts.count(hex), 1u) << "one path per plot";

  CliRun png =
      Run({"graph", "lab/graphs.kvx", "--window", "2", "-o", "g.png", "--size", "640x400"});
  ASSERT_EQ(png.status, 0) << png.err;
  const std::optional<TdvVideoImage> image = DecodePng(File("g.png"));
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 640);
  ASSERT_EQ(image->height, 400);
  const QPointF second = starts.find(hex)->second;
  const std::uint8_t* pixel =
      image->Pixel(static_cast<int>(second.x()), static_cast<int>(second.y()));
  EXPECT_EQ(MakeColour(pixel[0], pixel[1], pixel[2]), plotColour)
      << "the second point at " << second.x() << ", " << second.y();

  CliRun windowSize = Run({"graph", "lab/graphs.kvx", "-o", "w.png"});
  ASSERT_EQ(windowSize.status, 0) << windowSize.err;
  EXPECT_EQ(DecodePng(File("w.png"))->width, kGraphWindowSize.width);
}

TEST_F(CliGraphTest, NoGraphToDrawOrNoPictureToWriteIsUnusableInput) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"graph", "lab/plain.kvx", "-o", "g.png"}, "lab/plain.kvx has no graph window"},
      {{"graph", "lab/graphs.kvx", "--window", "3", "-o", "g.png"}, "none numbered 3"},
      {{"graph", "lab/graphs.kvx", "-o", "g.bmp"}, "extension .png or .svg"},
      {{"graph", "lab/graphs.kvx", "-o", "g.png", "--size", "9000x10"}, "pixels wide and high"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    CliRun run = Run(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(File("g.png")));
  }
}

}  // namespace
}  // namespace kinovex::testing
