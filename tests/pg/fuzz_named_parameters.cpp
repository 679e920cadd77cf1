// libFuzzer target of the named-parameter scan. Any statement text must scan without a crash,
// hang or read out of bounds, and what it finds must be well formed: distinct names made of
// name characters, and a "$k" in the output for each of them.
#include <cstdint>
#include <cstdlib>

#include <QSet>

#include "platform/pg/NamedParameters.h"

namespace {

bool isNameCharacter(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'_';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString sql =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const wv::pg::ParsedStatement parsed = wv::pg::parseNamedParameters(sql);
  QSet<QString> seen;
  for (qsizetype k = 0; k < parsed.names.size(); ++k) {
    const QString& name = parsed.names[k];
    if (name.isEmpty() || seen.contains(name)) std::abort();
    for (QChar c : name)
      if (!isNameCharacter(c)) std::abort();
    if (!parsed.sql.contains(QLatin1Char('$') + QString::number(k + 1))) std::abort();
    seen.insert(name);
  }
  if (parsed.names.isEmpty() && parsed.sql != sql) std::abort();  // nothing found, nothing changed
  return 0;
}
