#include <QImage>
#include <filesystem>

#include "qt_fixture.h"
#include "shell/qt/picture_file_writer.h"

namespace shell::qt::testing {
namespace {

constexpr Rgb kRed = MakeRgb(220, 0, 0);

// A curve, and the frame the screen draws by inversion around the current
// frame's point: a passing mark that a picture file leaves out.
void DrawFigure(Surface& surface) {
  surface.SetPen({kRed, 1});
  surface.Line({10, 40}, {50, 40});
  surface.Line({50, 40}, {50, 10});
  surface.SetRasterMode(RasterMode::kXor);
  surface.SetBrush(kRed);
  surface.FrameRect({20, 30, 40, 50});
  surface.InvertRect({20, 30, 40, 50});
}

// The backend brings the application that fonts and images need.
class PictureFileTest : public QtBackendTest {};

TEST_F(PictureFileTest, APictureShowsTheDrawingWithoutItsInvertedMarks) {
  const std::filesystem::path png = std::filesystem::temp_directory_path() / "kinovex_figure.png";
  ASSERT_EQ(WritePictureFile(png.string(), {60, 60}, DrawFigure, {}), "");
  const QImage image(QString::fromStdString(png.string()));
  std::filesystem::remove(png);
  ASSERT_EQ(image.size(), QSize(60, 60));
  EXPECT_EQ(PixelOf(image, 30, 40), kRed);
  EXPECT_EQ(PixelOf(image, 50, 20), kRed);
  EXPECT_EQ(PixelOf(image, 25, 35), kWhite);
  EXPECT_EQ(PixelOf(image, 20, 30), kWhite);
}

}  // namespace
}  // namespace shell::qt::testing
