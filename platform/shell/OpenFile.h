#pragma once

#include <QString>

namespace wv::shell {

// Asks the desktop to open a file with the program associated with its type; whether that
// works is not reported.
void openWithAssociatedProgram(const QString& path);

}  // namespace wv::shell
