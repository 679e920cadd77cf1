#include "DeliveriesData.h"

#include <QDate>
#include <cstdio>
#include <random>
#include <string>

namespace wv::bench {

using pg::FieldType;

namespace {

constexpr int kPartners = 5000;
constexpr int kArticles = 600;
constexpr int kLots = 20000;

// The deliveries grid's columns in the grid's order, with the types of their query fields.
const struct {
  const char* caption;
  const char* field;
  FieldType type;
  int width;
} kColumns[] = {
    {"dataDoc_e", "data_doc_e", FieldType::Date, 73},
    {"tipDoc_e", "tip_doc_e", FieldType::Text, 62},
    {"nrDoc_e", "nr_doc_e", FieldType::Text, 85},
    {"scv_e", "scv_e", FieldType::Int32, 42},
    {"dataDoc_i", "data_doc_i", FieldType::Date, 81},
    {"tipDoc_i", "tip_doc_i", FieldType::Text, 58},
    {"nrDoc_i", "nr_doc_i", FieldType::Text, 85},
    {"scv_i", "scv_i", FieldType::Int32, 42},
    {"partener", "partener", FieldType::Text, 250},
    {"partenerId", "partener_id", FieldType::Int64, 74},
    {"partenerPunctLucru", "partener_punct_lucru", FieldType::Text, 134},
    {"partenerPunctLucruId", "partener_punct_lucru_id", FieldType::Int64, 133},
    {"partIdConcatenat", "part_id_concatenat", FieldType::LongText, 108},
    {"articol", "articol", FieldType::Text, 300},
    {"brand", "brand", FieldType::Text, 80},
    {"codBare", "cod_bare", FieldType::Text, 95},
    {"codArt", "cod_art", FieldType::Text, 72},
    {"codArtLaClient", "cod_art_la_client", FieldType::Text, 116},
    {"codLaProducator", "cod_la_producator", FieldType::Text, 112},
    {"cant", "cant", FieldType::Double, 52},
    {"pret", "pret", FieldType::Double, 66},
    {"valFaraTva", "val_fara_tva", FieldType::Double, 82},
    {"lot", "lot", FieldType::Text, 100},
    {"dataExpirare", "data_expirare", FieldType::Date, 100},
    {"grPartener", "gr_partener", FieldType::Text, 110},
    {"sikCod", "sik_cod", FieldType::LongText, 50},
    {"producator", "producator", FieldType::Text, 300},
};

std::string format(const char* pattern, long value) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

std::vector<std::string> names(int count, const char* pattern) {
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) out.push_back(format(pattern, i + 1));
  return out;
}

std::vector<std::string> partnerNames() {
  const char* const stems[] = {
      "Alimentara", "Mega Market",       "Ștefănescu", "Profi Rom Food",    "Mini Market Ana",
      "Țara Mea",   "Carrefour Romania", "Angro Vest", "Dacia Distributie", "Băcănia"};
  const char* const forms[] = {"SRL", "SA", "SNC", "II", "PFA"};
  std::vector<std::string> out;
  for (int i = 0; i < kPartners; ++i)
    out.push_back(std::string(stems[i % 10]) + " " + std::to_string(i / 10 + 1) + " " +
                  forms[i % 5]);
  return out;
}

}  // namespace

std::shared_ptr<const pg::RowStore> makeDeliveries(int rows) {
  // The store's fields in the grid's order: the grid binds its columns by name.
  std::vector<pg::RowStore::ColumnInfo> infos;
  for (const auto& c : kColumns) infos.push_back({QString::fromLatin1(c.field), c.type});
  pg::RowStoreBuilder builder(std::move(infos));
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
    builder.setText(18, format("DN-%05ld", article * 7));
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

std::vector<grid::GridColumn> deliveriesColumns() {
  std::vector<grid::GridColumn> out;
  for (const auto& c : kColumns) {
    const QString field = QString::fromLatin1(c.field);
    // Line numbers and ids add up to nothing worth showing.
    const bool sums =
        !field.startsWith(QLatin1String("scv_")) && !field.endsWith(QLatin1String("_id"));
    out.push_back({QStringLiteral("cxGrid1DBTableView1") + field, QString::fromLatin1(c.caption),
                   field, c.width, sums});
  }
  return out;
}

grid::GridStyleSheet reportStyleSheet() {
  QFont regular(QStringLiteral("MS Sans Serif"));
  regular.setPixelSize(11);
  QFont bold = regular;
  bold.setBold(true);
  const QColor black(QRgb{0x000000}), white(QRgb{0xFFFFFF}), navy(QRgb{0x000080});
  grid::GridStyleSheet sheet;
  sheet.background = {QColor(QRgb{0xFFFBF0}), {}, {}, {}};
  sheet.content = {QColor(QRgb{0xD9EAF7}), black, regular, black};
  sheet.contentEven = {QColor(QRgb{0xD9EAF7}), black, {}, {}};
  sheet.contentOdd = {QColor(QRgb{0xEAF3FB}), black, {}, {}};
  sheet.filterBox = {QColor(QRgb{0xFFFFE1}), black, {}, {}};
  sheet.incSearch = {QColor(QRgb{0xFED547}), black, {}, {}};
  sheet.footer = {QColor(QRgb{0xFFFFE1}), navy, bold, {}};
  sheet.group = {QColor(QRgb{0xF1EFE2}), {}, {}, {}};
  sheet.groupByBox = {QColor(QRgb{0xFED547}), black, {}, {}};
  sheet.header = {QColor(QRgb{0x316AC5}), white, bold, {}};
  sheet.inactive = {QColor(QRgb{0xA4C4EB}), {}, {}, {}};
  sheet.indicator = {QColor(QRgb{0xA4C4EB}), {}, {}, {}};
  sheet.preview = {QColor(QRgb{0xFFFFE1}), navy, bold, navy};
  sheet.selection = {QColor(QRgb{0x316AC5}), white, {}, {}};
  return sheet;
}

}  // namespace wv::bench
