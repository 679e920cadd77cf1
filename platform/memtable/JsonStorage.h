#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "platform/error/Error.h"
#include "platform/memtable/StoredTable.h"

namespace wv::memtable {

// The table as its JSON storage document: UTF-8 with a byte order mark, no whitespace, members
// in fixed order, optional members only when they differ from their defaults, texts escaped by
// UTF-16 code unit (characters outside the basic plane as two three-byte sequences).
QByteArray writeJsonStorage(const StoredTable& table);

// Reads a storage document into a table of the given definition: the document's columns must
// be those fields (same names without regard to ASCII case, same sizes). Accepts whitespace
// between tokens, a missing byte order mark, member names in any letter case, null for an
// optional member, and four-byte UTF-8 sequences (as surrogate pairs). Anything else throws
// jsonStorageFormatError with the byte offset where the document stops making sense.
StoredTable readJsonStorage(QByteArrayView document, const TableDef& def);

Error jsonStorageFormatError(qsizetype position);

}  // namespace wv::memtable
