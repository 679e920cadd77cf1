#pragma once

#include <QByteArray>
#include <QStringList>

namespace wv::test {

// Runs Debian's python3 (python3-openpyxl installed beside it) with these arguments and returns
// what it wrote to standard output; fails the calling test unless it ends with status 0 within
// `timeoutMs`.
QByteArray pythonOutput(const QStringList& arguments, int timeoutMs);

}  // namespace wv::test
