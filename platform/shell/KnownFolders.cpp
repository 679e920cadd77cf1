#include "platform/shell/KnownFolders.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/shell/win/WinShell.h"

namespace wv::shell {

QString roamingAppDataFolder() {
#ifdef _WIN32
  return QString::fromStdWString(win::knownFolder(win::kCsidlAppData));
#else
  QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!xdg.isEmpty()) return xdg;
  const QString home = QDir::homePath();
  return home.isEmpty() ? QString() : home + QStringLiteral("/.config");
#endif
}

QString commonAppDataFolder() {
#ifdef _WIN32
  return QString::fromStdWString(win::knownFolder(win::kCsidlCommonAppData));
#else
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
}

QChar pathSeparator() {
#ifdef _WIN32
  return QLatin1Char('\\');
#else
  return QLatin1Char('/');
#endif
}

}  // namespace wv::shell
