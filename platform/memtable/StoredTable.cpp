#include "platform/memtable/StoredTable.h"

#include "platform/memtable/AsciiCase.h"

namespace wv::memtable {

namespace {

char16_t lowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

}  // namespace

bool equalsIgnoringAsciiCase(QStringView a, QStringView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i].unicode()) != lowerAscii(b[i].unicode())) return false;
  }
  return true;
}

QString FieldDef::fit(QStringView text) const {
  const qsizetype end = text.indexOf(QChar(u'\0'));
  if (end >= 0) text = text.left(end);
  return text.left(size).toString();
}

qsizetype TableDef::indexOf(QStringView fieldName) const {
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (equalsIgnoringAsciiCase(fields[i].name, fieldName)) return i;
  }
  return -1;
}

}  // namespace wv::memtable
