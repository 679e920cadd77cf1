#include "platform/shell/OpenFile.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/shell/Dialogs.h"
#include "platform/shell/win/WinShell.h"

namespace wv::shell {

void openWithAssociatedProgram(const QString& path) {
  if (dialogs().interceptsOpenFile(path)) return;
#ifdef _WIN32
  win::shellOpen(path.toStdWString());
#else
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

}  // namespace wv::shell
