#include "file_filters.h"

std::vector<FileFilter> fileFilters(const QString& filterText) {
  // The strings the platform sees, the last one the empty string that the
  // appended terminator ends.
  const QStringList strings = (filterText + QLatin1Char('|')).split(QLatin1Char('|'));
  std::vector<FileFilter> filters;
  for (qsizetype i = 0; i + 1 < strings.size(); i += 2) {
    if (strings[i].isEmpty() || strings[i + 1].isEmpty()) break;
    filters.push_back({strings[i], strings[i + 1]});
  }
  return filters;
}

namespace {

QString qtPatterns(const QString& pattern) {
  QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& item : patterns)
    if (item == QLatin1String("*.*")) item = QStringLiteral("*");
  return patterns.join(QLatin1Char(' '));
}

}  // namespace

QStringList qtNameFilters(const std::vector<FileFilter>& filters) {
  QStringList nameFilters;
  for (const FileFilter& filter : filters)
    nameFilters << QStringLiteral("%1 (%2)").arg(filter.name, qtPatterns(filter.pattern));
  return nameFilters;
}
