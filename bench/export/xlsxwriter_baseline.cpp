// The export benchmark's baseline: a bare libxlsxwriter program in constant-memory mode
// writing the same cells (header, then every row of the same generated deliveries) at its
// default settings. xlsxwriter_baseline ROWS FILE prints: seconds=...
#include <xlsxwriter.h>

#include <QElapsedTimer>
#include <cstdio>
#include <string>

#include "bench/grid/DeliveriesData.h"
#include "report/ReportColumns.h"

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::stoi(argv[1]) : 1000000;
  const std::string file = argc > 2 ? argv[2] : "baseline.xlsx";
  const auto store = wv::bench::makeDeliveries(rows);
  const auto columns = wv::report::livrariColumns();

  QElapsedTimer timer;
  timer.start();
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(file.c_str(), &options);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  lxw_format* dateFormat = workbook_add_format(workbook);
  format_set_num_format(dateFormat, "dd.mm.yyyy");
  for (size_t c = 0; c < columns.size(); ++c)
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                           columns[c].caption.toUtf8().constData(), nullptr);
  // 2000-01-01 is day 36526 in the 1900 date system.
  constexpr double kEpochSerial = 36526;
  for (int r = 0; r < store->rowCount(); ++r) {
    const auto row = static_cast<lxw_row_t>(r + 1);
    for (size_t c = 0; c < columns.size(); ++c) {
      const int field = store->columnIndex(columns[c].fieldName);
      const auto col = static_cast<lxw_col_t>(c);
      if (store->isNull(r, field)) continue;
      switch (store->column(field).type) {
        case wv::pg::FieldType::Text:
        case wv::pg::FieldType::LongText:
          worksheet_write_string(
              sheet, row, col,
              std::string(store->dictionaryUtf8(field, store->textCode(r, field))).c_str(),
              nullptr);
          break;
        case wv::pg::FieldType::Date:
          worksheet_write_number(sheet, row, col, kEpochSerial + store->dateValue(r, field),
                                 dateFormat);
          break;
        case wv::pg::FieldType::Double:
          worksheet_write_number(sheet, row, col, store->doubleValue(r, field), nullptr);
          break;
        default:
          worksheet_write_number(sheet, row, col, static_cast<double>(store->intValue(r, field)),
                                 nullptr);
          break;
      }
    }
  }
  const lxw_error error = workbook_close(workbook);
  std::printf("seconds=%.3f\n", static_cast<double>(timer.nsecsElapsed()) / 1e9);
  return error == LXW_NO_ERROR ? 0 : 1;
}
