#include "platform/shell/Fonts.h"

#include <QStringList>

namespace wv::shell {

namespace {

// Where the forms' Windows faces are missing, faces of about the same width stand in, so that
// texts fit the designed geometry.
void substituteMissingFaces() {
  static const bool done = [] {
    const QStringList narrowSans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans Condensed")};
    for (const char* face : {"Segoe UI", "Tahoma", "MS Sans Serif"})
      QFont::insertSubstitutions(QString::fromLatin1(face), narrowSans);
    return true;
  }();
  (void)done;
}

}  // namespace

QFont designFont(const QString& family, int pixelHeight, bool bold) {
  substituteMissingFaces();
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

}  // namespace wv::shell
