#include "platform/shell/Fonts.h"

namespace wv::shell {

QFont designFont(const QString& family, int pixelHeight, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

}  // namespace wv::shell
