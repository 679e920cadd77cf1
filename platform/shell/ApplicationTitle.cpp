#include "platform/shell/ApplicationTitle.h"

#include "platform/shell/win/WinShell.h"

#ifndef _WIN32
#include <unistd.h>

#include <climits>
#endif

namespace wv::shell {

namespace {
// The system's path buffer holds 256 characters, the terminator included.
constexpr int kPathBufferChars = 256;
}  // namespace

QString deriveApplicationTitle(const QString& executablePath, QChar separator) {
  QString name = executablePath.left(kPathBufferChars - 1);
  name = name.mid(name.lastIndexOf(separator) + 1);
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // The first character stays as it is; a surrogate pair counts as one character.
  const qsizetype firstLength = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
  return name.left(firstLength) + name.mid(firstLength).toLower();
}

QString executablePath() {
#ifdef _WIN32
  return QString::fromStdWString(win::modulePath());
#else
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  return length > 0 ? QString::fromLocal8Bit(buffer, static_cast<qsizetype>(length)) : QString();
#endif
}

const QString& applicationTitle() {
#ifdef _WIN32
  static const QString title = deriveApplicationTitle(executablePath(), QLatin1Char('\\'));
#else
  static const QString title = deriveApplicationTitle(executablePath(), QLatin1Char('/'));
#endif
  return title;
}

}  // namespace wv::shell
