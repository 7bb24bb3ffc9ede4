#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

FontSpec Font(int height, FontFace face = FontFace::kHelv, bool styled = false) {
  FontSpec font;
  font.face = face;
  font.height = height;
  font.bold = styled;
  font.italic = styled;
  font.underline = styled;
  return font;
}

const PrintJobSpec kJob{"Gra", "Kinovex Printing", "Cancel Printing", "Cancel"};

class PrintTest : public QtBackendTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    pdf_ = QDir(folder_.path()).filePath(QStringLiteral("page.pdf"));
    QtTestHooks hooks;
    hooks.printDialog = [this](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf_);
      return accept_;
    };
    backend_.SetTestHooks(hooks);
  }

  QTemporaryDir folder_;
  QString pdf_;
  bool accept_ = true;
};

TEST_F(PrintTest, PrintingToPdfWritesAPage) {
  auto job = backend_.AskPrint(kNoWindow, kJob);
  ASSERT_NE(job, nullptr);
  const Size dpi = job->DotsPerInch();
  ASSERT_GT(dpi.width, 0);
  const double inches = static_cast<double>(job->PageSize().width) / dpi.width;
  // A4 or Letter, whatever the locale chose.
  EXPECT_GT(inches, 8.0);
  EXPECT_LT(inches, 8.8);
  ASSERT_TRUE(job->StartDocument());
  ASSERT_TRUE(job->StartPage());
  Surface& page = job->Page();
  page.SetFont(Font(dpi.height * 9 / 72));
  page.SetTextColour(kBlack);
  page.DrawText("Kinovex Graph 1", Point{dpi.width, dpi.height});
  page.DrawPicture(Picture(40, 30, MakeRgb(0, 0, 255)), Rect{},
                   Rect{dpi.width, 2 * dpi.height, 3 * dpi.width, 3 * dpi.height});
  EXPECT_TRUE(job->EndPage());
  EXPECT_TRUE(job->EndDocument());
  QFile file(pdf_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_GT(file.size(), 500);
  EXPECT_TRUE(file.read(5).startsWith("%PDF"));
}

class ClipboardTest : public QtBackendTest {};

TEST_F(ClipboardTest, PictureComesBackPixelForPixel) {
  Picture picture(7, 5);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      picture.Set(x, y, MakeRgb(x * 30, y * 50, 255 - x * y));
    }
  }
  ASSERT_TRUE(backend_.SetClipboardPicture(picture));
  const auto back = backend_.ClipboardPicture();
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, picture);
}

}  // namespace
}  // namespace shell::qt::testing
