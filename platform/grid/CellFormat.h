#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

#include "platform/pg/RowStore.h"

namespace wv::grid {

// The text a grid shows for a typed value, in the user's notation: dates in the short date
// format, numbers with the user's decimal separator and without group separators, yes/no as
// "Da"/"Nu". Null shows as empty text.
class CellFormat {
 public:
  explicit CellFormat(const QLocale& locale = QLocale());

  QString text(const pg::RowStore& store, int row, int field) const;
  QString integer(int64_t value) const;
  QString number(double value) const;
  QString date(int32_t days) const;
  const QLocale& locale() const { return locale_; }

 private:
  QLocale locale_;
  QString dateFormat_;
  QString dateTimeFormat_;
};

}  // namespace wv::grid
