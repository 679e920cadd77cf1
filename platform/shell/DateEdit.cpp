#include "platform/shell/DateEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace wv::shell {

namespace {

// The day before the first real day: an editor at this date shows nothing.
const QDate kEmpty(100, 1, 1);

// The locale's short date format, but never with a two-digit year.
QString shortFormatWithFullYear() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
  format.replace(twoDigitYear, QStringLiteral("yyyy"));
  return format;
}

}  // namespace

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent) {
  setCalendarPopup(true);
  setDisplayFormat(shortFormatWithFullYear());
  setMinimumDate(kEmpty);
  setSpecialValueText(QStringLiteral(" "));
  setDate(QDate::currentDate());
}

QDate DateEdit::value() const {
  return date() == kEmpty ? QDate() : date();
}

void DateEdit::setValue(const QDate& date) {
  setDate(date.isValid() ? date : kEmpty);
}

void DateEdit::clearValue() {
  setDate(kEmpty);
}

void DateEdit::keyPressEvent(QKeyEvent* event) {
  const bool erase = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
  if (erase && lineEdit()->selectedText() == lineEdit()->text()) {
    clearValue();
    return;
  }
  QDateEdit::keyPressEvent(event);
}

}  // namespace wv::shell
