#pragma once

class QLineEdit;

namespace wv::shell {

// Shows every character of the box as "*", whatever the desktop style would use.
void echoAsAsterisks(QLineEdit* edit);

}  // namespace wv::shell
