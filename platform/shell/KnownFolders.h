#pragma once

#include <QString>

namespace wv::shell {

// The user's roaming application-data folder (Windows: CSIDL_APPDATA; elsewhere
// $XDG_CONFIG_HOME, else ~/.config); empty when it cannot be had.
QString roamingAppDataFolder();

// The all-users application-data folder (Windows: CSIDL_COMMON_APPDATA). Elsewhere no such
// folder is writable, so the user's Documents folder stands in; empty when it cannot be had.
QString commonAppDataFolder();

// The platform's path separator, "\" on Windows and "/" elsewhere.
QChar pathSeparator();

}  // namespace wv::shell
