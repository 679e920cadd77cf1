#pragma once

#include <QStringView>

namespace wv::memtable {

// Names in the table and its storage match without regard to case, but only for ASCII letters:
// full Unicode folding would let e.g. U+017F (long s) stand for "s".
bool equalsIgnoringAsciiCase(QStringView a, QStringView b);

}  // namespace wv::memtable
