#include "shell/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace shell::qt {
namespace {

constexpr int kDialogPointSize = 10;

QFont SansSerif() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// Cell height of `font` at `pixelSize`; pixel sizes are device pixels, so
// the answer holds on every device.
int CellHeight(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

}  // namespace

QFont FontFor(const FontSpec& request) {
  QFont font = SansSerif();
  font.setBold(request.bold);
  font.setItalic(request.italic);
  font.setUnderline(request.underline);
  const int wanted = std::max(request.height, 1);
  const int cell = CellHeight(font, wanted);
  const int pixels =
      cell > 0
          ? std::max(1, static_cast<int>(std::lround(wanted * static_cast<double>(wanted) / cell)))
          : wanted;
  font.setPixelSize(pixels);
  return font;
}

QFont DialogFont() {
  QFont font = SansSerif();
  font.setPointSize(kDialogPointSize);
  return font;
}

Size DialogBaseUnits() {
  const QFontMetrics metrics(DialogFont());
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return Size{(letters / 26 + 1) / 2, metrics.ascent() + metrics.descent()};
}

}  // namespace shell::qt
