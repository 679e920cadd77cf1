#ifdef _WIN32
#include "platform/shell/win/WinShell.h"

// windows.h first: the shell headers build on its declarations.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace wv::shell::win {

std::wstring modulePath() {
  wchar_t buffer[256];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, 256);
  return std::wstring(buffer, length);
}

std::wstring knownFolder(int csidl) {
  wchar_t buffer[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, buffer))) return std::wstring();
  return std::wstring(buffer);
}

void shellOpen(const std::wstring& path) {
  ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_HIDE);
}

}  // namespace wv::shell::win
#endif
