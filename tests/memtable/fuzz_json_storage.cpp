// libFuzzer target of the storage reader. Every input must either read as a table, whose
// written document reads back to the same table and writes again byte for byte, or fail with
// the format error at an offset within the input; anything else (a crash, a hang, a read out of
// bounds, another error) is a finding.
#include <cstdint>
#include <cstdlib>

#include "platform/memtable/JsonStorage.h"

using wv::memtable::FieldDef;
using wv::memtable::StoredTable;
using wv::memtable::TableDef;

namespace {

// Shaped like the remembered login, so that the seed corpus holds real documents.
const TableDef& fuzzedDef() {
  static const TableDef def{QStringLiteral("dsLogin"),
                            {FieldDef{QStringLiteral("company"), 200, true},
                             FieldDef{QStringLiteral("username"), 200, true}}};
  return def;
}

bool isFormatErrorWithin(const wv::Error& error, qsizetype size) {
  static const QString prefix = QStringLiteral("Invalid JSON storage format. Position [");
  const QString& message = error.message();
  if (!message.startsWith(prefix) || !message.endsWith(u']')) return false;
  bool ok = false;
  const qlonglong position = message.mid(prefix.size()).chopped(1).toLongLong(&ok);
  return ok && position >= 0 && position <= size;
}

void checkRoundTrip(const StoredTable& table) {
  const QByteArray written = wv::memtable::writeJsonStorage(table);
  try {
    const StoredTable again = wv::memtable::readJsonStorage(written, fuzzedDef());
    if (!(again == table) || wv::memtable::writeJsonStorage(again) != written) std::abort();
  } catch (const wv::Error&) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
  StoredTable table;
  try {
    table = wv::memtable::readJsonStorage(input, fuzzedDef());
  } catch (const wv::Error& error) {
    if (!isFormatErrorWithin(error, input.size())) std::abort();
    return 0;
  }
  checkRoundTrip(table);
  return 0;
}
