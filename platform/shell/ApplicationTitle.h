#pragma once

#include <QString>

namespace wv::shell {

// The application's title, derived from the executable's path: at most its first 255
// characters, the part after the last separator, cut at its first ".", every character after
// the first lower-cased. It serves as the application key and as the caption of message boxes.
QString deriveApplicationTitle(const QString& executablePath, QChar separator);

// The full path of the running executable as the system reports it.
QString executablePath();

// Derived once, at the first call, from executablePath().
const QString& applicationTitle();

}  // namespace wv::shell
