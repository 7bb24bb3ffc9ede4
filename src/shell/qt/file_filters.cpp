#include "shell/qt/file_filters.h"

#include "shell/qt/qt_convert.h"

namespace shell::qt {
namespace {

QStringList Patterns(const FileFilter& filter) {
  QStringList patterns;
  for (const QString& pattern :
       ToQString(filter.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    if (trimmed == QStringLiteral("*.*") || trimmed == QStringLiteral("*")) {
      patterns << QStringLiteral("*");
      continue;
    }
    for (const QString& variant : {trimmed, trimmed.toUpper(), trimmed.toLower()}) {
      if (!patterns.contains(variant)) {
        patterns << variant;
      }
    }
  }
  return patterns;
}

// The label without the pattern list it may end with ("KVX Files (*.KVX)").
QString Label(const FileFilter& filter) {
  QString label = ToQString(filter.label).trimmed();
  const qsizetype open = label.lastIndexOf(QLatin1Char('('));
  if (open > 0 && label.endsWith(QLatin1Char(')'))) {
    label = label.left(open).trimmed();
  }
  return label;
}

}  // namespace

QStringList NameFilters(const std::vector<FileFilter>& filters) {
  QStringList result;
  for (const FileFilter& filter : filters) {
    QStringList patterns = Patterns(filter);
    if (patterns.isEmpty()) {
      patterns << QStringLiteral("*");
    }
    result << QStringLiteral("%1 (%2)").arg(Label(filter), patterns.join(QLatin1Char(' ')));
  }
  return result;
}

}  // namespace shell::qt
