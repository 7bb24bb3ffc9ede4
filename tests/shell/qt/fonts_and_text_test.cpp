#include <QFontMetrics>

#include "qt_fixture.h"
#include "shell/qt/qt_convert.h"
#include "shell/qt/qt_fonts.h"

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

TEST(QtFonts, CellHeightIsTheHeightAsked) {
  for (int height : {8, 12, 16, 24, 40}) {
    const QFontMetrics metrics(FontFor(Font(height, FontFace::kHelv)));
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), height, 1) << height;
  }
}

TEST(QtFonts, EveryOldFaceIsTheDesktopSansSerif) {
  const QString helv = FontFor(Font(12, FontFace::kHelv)).family();
  EXPECT_EQ(FontFor(Font(12, FontFace::kSystem)).family(), helv);
  EXPECT_EQ(FontFor(Font(12, FontFace::kArial)).family(), helv);
  EXPECT_EQ(DialogFont().family(), helv);
}

TEST(QtFonts, BoldAndItalicReachTheFont) {
  const QFont font = FontFor(Font(12, FontFace::kHelv, true));
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_TRUE(font.underline());
}

TEST(QtFonts, DialogBaseUnitsComeFromTheDialogFont) {
  const Size units = DialogBaseUnits();
  const QFontMetrics metrics(DialogFont());
  EXPECT_EQ(units.height, metrics.ascent() + metrics.descent());
  EXPECT_GT(units.width, 3);
  EXPECT_LT(units.width, units.height);
}

TEST(QtText, InvalidUtf8IsReadAsLatin1) {
  EXPECT_EQ(ToQString("Gr\xfc\xdf"), QStringLiteral("Gr\u00fc\u00df"));
  EXPECT_EQ(ToQString("Gr\u00fc\u00df"), QStringLiteral("Gr\u00fc\u00df"));
}

TEST(QtText, RectanglesAreNormalised) {
  EXPECT_EQ(ToQRect(Rect{50, 40, 10, 20}), QRect(10, 20, 40, 20));
}

class MeasureTextTest : public QtBackendTest {};

TEST_F(MeasureTextTest, WiderTextMeasuresWider) {
  auto surface = backend_.CreatePictureSurface(Size{50, 50});
  surface->SetFont(Font(16, FontFace::kHelv));
  const TextMetrics one = surface->MeasureText("1");
  const TextMetrics many = surface->MeasureText("1111");
  EXPECT_GT(many.width, 3 * one.width);
  EXPECT_NEAR(one.height(), 16, 1);
}

}  // namespace
}  // namespace shell::qt::testing
