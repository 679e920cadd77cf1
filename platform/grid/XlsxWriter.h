#pragma once

#include <QString>
#include <memory>

#include "platform/grid/GridLook.h"
#include "platform/grid/ShownRows.h"

namespace wv::grid {

// Writes a grid's table as shown into an .xlsx workbook of one worksheet, streamed: rows go
// to the file as they come, so memory stays flat however many there are. Texts are inline
// strings in the cells rather than a shared-string table, which would have to hold every
// distinct text until the sheet is done; numbers are numeric cells, dates date cells, nulls
// empty cells. The header takes the grid's header colours in bold, is frozen and carries an
// autofilter; group rows take the group colours in bold; column widths follow the grid's.
//
// The file is created (or truncated) by the constructor and complete only after finish().
class XlsxWriter final : public ShownRowsVisitor {
 public:
  XlsxWriter(const QString& path, const QString& sheetName, const GridLook& look);
  ~XlsxWriter() override;

  void header(const std::vector<ShownColumn>& columns) override;
  void group(const ShownGroup& group) override;
  void row(const ShownRow& row) override;
  void finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace wv::grid
