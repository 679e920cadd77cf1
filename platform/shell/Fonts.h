#pragma once

#include <QFont>
#include <QString>

namespace wv::shell {

// A font as forms give it: face, height in pixels and boldness.
QFont designFont(const QString& family, int pixelHeight, bool bold = false);

}  // namespace wv::shell
