#pragma once

// The few Windows calls the shell layer makes, kept apart from Qt so that they can be
// syntax-checked with a Windows cross compiler on any machine.
#ifdef _WIN32
#include <string>

namespace wv::shell::win {

std::wstring modulePath();                 // GetModuleFileNameW, 256-character buffer
std::wstring knownFolder(int csidl);       // SHGetFolderPathW; empty when the call fails
void shellOpen(const std::wstring& path);  // ShellExecuteW "open", hidden; result ignored

inline constexpr int kCsidlAppData = 26;
inline constexpr int kCsidlCommonAppData = 35;

}  // namespace wv::shell::win
#endif
