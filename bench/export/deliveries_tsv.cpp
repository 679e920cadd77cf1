// The export benchmark's rows as tab-separated text, for baselines outside C++: the captions,
// then one letter per column (s text, n number, d date as a 1900-system serial), then the
// rows; an empty field is a null. deliveries_tsv ROWS FILE
#include <fstream>
#include <string>
#include <vector>

#include "bench/grid/DeliveriesData.h"
#include "report/ReportColumns.h"

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::stoi(argv[1]) : 1000000;
  std::ofstream out(argc > 2 ? argv[2] : "deliveries.tsv", std::ios::binary);
  const auto store = wv::bench::makeDeliveries(rows);
  const auto columns = wv::report::livrariColumns();
  std::vector<int> fields;
  std::string types;
  for (size_t c = 0; c < columns.size(); ++c) {
    const int field = store->columnIndex(columns[c].fieldName);
    fields.push_back(field);
    out << (c ? "\t" : "") << columns[c].caption.toStdString();
    switch (store->column(field).type) {
      case wv::pg::FieldType::Text:
      case wv::pg::FieldType::LongText:
        types += 's';
        break;
      case wv::pg::FieldType::Date:
        types += 'd';
        break;
      default:
        types += 'n';
    }
  }
  out << '\n';
  for (size_t c = 0; c < types.size(); ++c) out << (c ? "\t" : "") << types[c];
  out << '\n';
  constexpr int kEpochSerial = 36526;  // 2000-01-01 in the 1900 date system
  for (int r = 0; r < store->rowCount(); ++r) {
    for (size_t c = 0; c < fields.size(); ++c) {
      if (c) out << '\t';
      const int field = fields[c];
      if (store->isNull(r, field)) continue;
      switch (types[c]) {
        case 's':
          out << store->dictionaryUtf8(field, store->textCode(r, field));
          break;
        case 'd':
          out << kEpochSerial + store->dateValue(r, field);
          break;
        default:
          if (store->column(field).type == wv::pg::FieldType::Double)
            out << store->doubleValue(r, field);
          else
            out << store->intValue(r, field);
      }
    }
    out << '\n';
  }
  return out ? 0 : 1;
}
