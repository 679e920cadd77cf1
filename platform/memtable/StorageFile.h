#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace wv::memtable {

// Creates or truncates the file and writes the bytes, with no other opening of the file allowed
// meanwhile; no temporary file. Throws "Cannot create file "<path>". <reason>".
void writeWholeFile(const QString& path, QByteArrayView bytes);

// Reads the file's first `limit` bytes (or all, when shorter), other readers allowed, writers
// refused. Throws "Cannot open file "<path>". <reason>".
QByteArray readFileHead(const QString& path, qsizetype limit);

}  // namespace wv::memtable
