#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

#include "platform/error/Error.h"

namespace wv::test {

inline QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

inline bool writeFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The message of the error that `action` throws, empty when it throws none.
inline QString errorMessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.message();
  }
  return {};
}

}  // namespace wv::test
