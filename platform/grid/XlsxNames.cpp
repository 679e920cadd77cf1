#include "platform/grid/XlsxNames.h"

#include <QDir>

namespace wv::grid {

namespace {

constexpr int kMaxSheetNameLength = 31;

// Where the file name begins: after the last folder separator of the platform.
qsizetype fileNameStart(const QString& path) {
  const QString native = QDir::fromNativeSeparators(path);
  return native.lastIndexOf(QLatin1Char('/')) + 1;
}

QString withoutExtension(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return dot >= fileNameStart(path) ? path.left(dot) : path;
}

bool cannotStandInSheetName(QChar c) {
  // Control characters cannot stand in the workbook's XML either.
  return c.unicode() < 0x20 || QStringView(u"*/:?[\\]").contains(c);
}

}  // namespace

QString xlsxFileName(const QString& chosenName) {
  return withoutExtension(chosenName) + QStringLiteral(".xlsx");
}

QString xlsxSheetName(const QString& fileName) {
  QString name = withoutExtension(fileName).mid(fileNameStart(fileName));
  for (QChar& c : name)
    if (cannotStandInSheetName(c)) c = QLatin1Char(' ');
  if (name.size() > kMaxSheetNameLength) {
    // Never keep half of a surrogate pair.
    const bool splitsPair = name.at(kMaxSheetNameLength - 1).isHighSurrogate();
    name.truncate(kMaxSheetNameLength - (splitsPair ? 1 : 0));
  }
  qsizetype begin = 0;
  qsizetype end = name.size();
  while (begin < end && name.at(begin) == QLatin1Char('\'')) ++begin;
  while (end > begin && name.at(end - 1) == QLatin1Char('\'')) --end;
  name = name.mid(begin, end - begin);
  if (name.isEmpty()) return QStringLiteral("Sheet1");
  // Excel keeps this name for its change history and will not open a workbook that uses it.
  if (name.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0) name += QLatin1Char('_');
  return name;
}

}  // namespace wv::grid
