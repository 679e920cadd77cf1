#pragma once

#include <QString>

#include "platform/memtable/MemTable.h"

class QLineEdit;

// The company and user name of the last login attempt, kept between runs in the one-row table
// `dsLogin` and its file "VekParlo.json" in the user's roaming application-data folder.
class RememberedLogin {
 public:
  // Binds the company and user-name boxes to the table's fields, with tracking.
  RememberedLogin(QLineEdit* company, QLineEdit* username);

  wv::memtable::MemTable& table() { return dsLogin_; }

  // When the dialog is shown: loads the table from the file if one exists, then opens it. A
  // file that cannot be read throws, and the table stays closed; the boxes still take typing,
  // and the next save writes it, which repairs the file.
  void loadAndOpen();

  // At each login attempt: posts what was typed (if anything changed) and writes the file.
  void save();

  // The file in the roaming folder: appended directly when the folder ends with a separator,
  // after the platform's separator otherwise, and the bare name when the folder is empty.
  static QString filePathIn(const QString& folder);
  static QString filePath();

 private:
  wv::memtable::MemTable dsLogin_;
};
