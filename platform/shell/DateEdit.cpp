#include "platform/shell/DateEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace wv::shell {

namespace {

// The day before the first real day: an editor at this date shows nothing.
const QDate kEmpty(100, 1, 1);

// The locale's short date format in digits only, with a four-digit year, so that a date fits
// the editor's designed width and reads without doubt.
QString shortNumericFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  static const QRegularExpression monthName(QStringLiteral("M{3,}"));
  static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
  static const QRegularExpression spaces(QStringLiteral("\\s+"));
  format.replace(monthName, QStringLiteral("MM"));
  format.replace(twoDigitYear, QStringLiteral("yyyy"));
  if (format.contains(QLatin1String("MM")) && !format.contains(QLatin1Char('/')) &&
      !format.contains(QLatin1Char('.')) && !format.contains(QLatin1Char('-')))
    format.replace(spaces, QStringLiteral("."));
  return format;
}

}  // namespace

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent) {
  setCalendarPopup(true);
  setDisplayFormat(shortNumericFormat());
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
