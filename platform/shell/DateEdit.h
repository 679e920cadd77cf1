#pragma once

#include <QDateEdit>

namespace wv::shell {

// A date editor that holds whole days in the user's short date format written in digits (with a
// four-digit year), with a calendar drop-down, and that can be empty: Delete or Backspace over the
// whole text empties it, and an empty editor reads as the null QDate.
class DateEdit : public QDateEdit {
 public:
  explicit DateEdit(QWidget* parent = nullptr);

  QDate value() const;  // null when empty
  void setValue(const QDate& date);
  void clearValue();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace wv::shell
