#include "DeliveriesData.h"

#include "report/ReportColumns.h"
#include "report/ReportFields.h"

#include <QDate>
#include <cstdio>
#include <random>
#include <string>

namespace wv::bench {

namespace {

constexpr int kPartners = 5000;
constexpr int kArticles = 600;
constexpr int kLots = 20000;

std::string format(const char* pattern, long value) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

std::vector<std::string> names(int count, const char* pattern) {
  std::vector<std::string> out;
  out.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back(format(pattern, i + 1));
  return out;
}

std::vector<std::string> partnerNames() {
  const char* const stems[] = {
      "Alimentara", "Mega Market",       "Ștefănescu", "Profi Rom Food",    "Mini Market Ana",
      "Țara Mea",   "Carrefour Romania", "Angro Vest", "Dacia Distributie", "Băcănia"};
  const char* const forms[] = {"SRL", "SA", "SNC", "II", "PFA"};
  std::vector<std::string> out;
  out.reserve(kPartners);
  for (int i = 0; i < kPartners; ++i)
    out.push_back(std::string(stems[i % 10]) + " " + std::to_string(i / 10 + 1) + " " +
                  forms[i % 5]);
  return out;
}

// The deliveries query's fields in the grid's order, so that cell positions below follow the
// grid; the grid binds its columns by name all the same.
std::vector<pg::RowStore::ColumnInfo> storeColumns() {
  const std::vector<pg::FieldDef> fields = report::livrariFields();
  std::vector<pg::RowStore::ColumnInfo> infos;
  for (const grid::GridColumn& column : report::livrariColumns())
    for (const pg::FieldDef& field : fields)
      if (field.column == column.fieldName) infos.push_back({field.column, field.type});
  return infos;
}

}  // namespace

std::shared_ptr<const pg::RowStore> makeDeliveries(int rows) {
  pg::RowStoreBuilder builder(storeColumns());
  builder.reserve(rows);

  const std::vector<std::string> partners = partnerNames();
  const std::vector<std::string> articles = names(kArticles, "DANONE AMN IAURT %03ld 140G");
  const std::vector<std::string> lots = names(kLots, "L%06ld");
  const std::vector<std::string> groups = names(20, "GRUP %02ld");
  const char* const outTypes[] = {"FactCI", "AVZ_C", "B_Casa"};
  const char* const inTypes[] = {"NIR", "FactF"};
  const int32_t firstDay = pg::daysFromDate(QDate(2025, 3, 1));

  std::mt19937_64 random(20250301);
  auto pick = [&random](int count) {
    return static_cast<int>(random() % static_cast<uint64_t>(count));
  };
  int document = 0, line = 0;
  for (int row = 0; row < rows; ++row) {
    if (line == 0 || pick(5) == 0) {
      ++document;
      line = 0;
    }
    ++line;
    const int partner = pick(kPartners), article = pick(kArticles), lot = pick(kLots);
    const int32_t day = firstDay + document % 31;
    const double quantity = 1 + pick(48) + pick(4) * 0.25;
    const double price = 1.5 + article % 97 * 0.37;
    builder.setDate(0, day);
    builder.setText(1, outTypes[document % 3]);
    builder.setText(2, format("F%07ld", document));
    builder.setInt(3, line);
    builder.setDate(4, day - 3 - lot % 20);
    builder.setText(5, inTypes[lot % 2]);
    builder.setText(6, format("N%06ld", lot / 2));
    builder.setInt(7, 1 + lot % 9);
    builder.setText(8, partners[partner]);
    builder.setInt(9, 100000 + partner);
    builder.setText(10, partners[partner] + format(" PL%ld", partner % 3));
    builder.setInt(11, 500000 + partner * 3 + partner % 3);
    builder.setText(
        12, format("%ld", 100000 + partner) + format("_%ld", 500000 + partner * 3 + partner % 3));
    builder.setText(13, articles[article]);
    builder.setText(15, format("59400%08ld", 1000 + article));
    builder.setText(16, format("ART%05ld", article));
    if (partner % 4 != 0) builder.setText(17, format("C%06ld", partner * 1000 + article));
    builder.setText(18, format("DN-%05ld", article * 7L));
    builder.setDouble(19, quantity);
    builder.setDouble(20, price);
    builder.setDouble(21, quantity * price);
    builder.setText(22, lots[lot]);
    if (lot % 10 != 0) builder.setDate(23, day + 20 + lot % 60);
    builder.setText(24, groups[partner % 20]);
    builder.setText(25, format("SIK%04ld", partner % 1200));
    builder.setText(26, "RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE");
    builder.setText(14, "Danone AMN");
    builder.endRow();
  }
  return builder.finish();
}

}  // namespace wv::bench
