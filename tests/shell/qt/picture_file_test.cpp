#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

constexpr Rgb kRed = MakeRgb(220, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 200);

// A curve of three segments, a square marker on its corner, and a frame
// drawn by inversion as the screen marks the current frame.
void DrawFigure(Surface& surface) {
  surface.SetPen({kRed, 1});
  surface.Line({10, 40}, {50, 40});
  surface.Line({50, 40}, {50, 10});
  surface.Line({50, 10}, {90, 10});
  surface.SetBrush(kBlue);
  surface.FillRect({46, 36, 55, 45});
  surface.SetRasterMode(RasterMode::kXor);
  surface.FrameRect({60, 30, 80, 50});
  surface.InvertRect({60, 30, 80, 50});
}

class PictureFileTest : public QtBackendTest {
 protected:
  std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "kinovex_pictures";
  PictureFileTest() { std::filesystem::create_directories(folder_); }
  ~PictureFileTest() override { std::filesystem::remove_all(folder_); }
};

// The stroke colour of each SVG path (set on the path or on its group).
std::map<std::string, int> PathsByStroke(const QString& file) {
  QFile svg(file);
  EXPECT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svg);
  std::vector<QString> strokes{QStringLiteral("none")};
  std::map<std::string, int> paths;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QString own = xml.attributes().value(QStringLiteral("stroke")).toString();
      strokes.push_back(own.isEmpty() ? strokes.back() : own);
      if (xml.name() == QStringLiteral("path")) {
        ++paths[strokes.back().toStdString()];
      }
    } else if (xml.isEndElement()) {
      strokes.pop_back();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return paths;
}

TEST_F(PictureFileTest, AFigureBecomesAPngAndAnSvgWithOnePathPerCurve) {
  const std::string png = (folder_ / "figure.PNG").string();
  ASSERT_EQ(backend_.WritePictureFile(png, {100, 60}, DrawFigure), "");
  const QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(100, 60));
  EXPECT_EQ(PixelOf(image, 50, 40), kBlue);
  EXPECT_EQ(PixelOf(image, 30, 40), kRed);
  EXPECT_EQ(PixelOf(image, 70, 10), kRed);
  EXPECT_EQ(PixelOf(image, 30, 20), kWhite);
  EXPECT_EQ(PixelOf(image, 70, 40), kWhite) << "inversion stays on screen";
  EXPECT_EQ(PixelOf(image, 60, 30), kWhite);

  const std::string svg = (folder_ / "figure.svg").string();
  ASSERT_EQ(backend_.WritePictureFile(svg, {100, 60}, DrawFigure), "");
  EXPECT_EQ(PathsByStroke(QString::fromStdString(svg))["#dc0000"], 1);
}

TEST_F(PictureFileTest, AFileThatCannotBeAPictureIsRefusedAndLeftAlone) {
  struct Case {
    std::string name;
    Size size;
  };
  const Case cases[] = {
      {"figure.bmp", {100, 60}},         {"figure", {100, 60}},
      {"figure.png", {0, 60}},           {"figure.svg", {100, kLargestPictureSide + 1}},
      {"missing/figure.png", {100, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path path = folder_ / c.name;
    EXPECT_NE(backend_.WritePictureFile(path.string(), c.size, DrawFigure), "");
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

}  // namespace
}  // namespace shell::qt::testing
