#include "platform/shell/PasswordEcho.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace wv::shell {

namespace {

class AsteriskStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void echoAsAsterisks(QLineEdit* edit) {
  auto* style = new AsteriskStyle;
  style->setParent(edit);  // lives as long as the box
  edit->setStyle(style);
  edit->setEchoMode(QLineEdit::Password);
}

}  // namespace wv::shell
