#include "platform/grid/XlsxWriter.h"

#include <QDateTime>
#include <cmath>
#include <string>
#include <vector>

#include "platform/grid/XlsxCells.h"
#include "platform/grid/ZipContainer.h"

namespace wv::grid {

namespace {

using xlsx::appendNumber;
using xlsx::appendXmlText;

// Style indexes into the cellXfs of the style sheet below.
enum Style { Plain = 0, Header = 1, Date = 2, DateTime = 3, Group = 4 };

// Buffered sheet XML goes to the container in pieces of about this size.
constexpr size_t kFlushBytes = size_t{256} * 1024;

constexpr double kMillisecondsPerDay = 86400000.0;

const char kXmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const char kMainNamespace[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char kRelNamespace[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

const char kContentTypes[] =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "</Types>";

const char kPackageRels[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";

const char kWorkbookRels[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>";

std::string argb(const QColor& color) {
  return QColor(color).name(QColor::HexArgb).mid(1).toUpper().toStdString();
}

std::string boldFont(const QColor& color) {
  return "<font><b/><sz val=\"11\"/><color rgb=\"" + argb(color) +
         "\"/><name val=\"Calibri\"/></font>";
}

std::string solidFill(const QColor& color) {
  return "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"" + argb(color) +
         "\"/><bgColor indexed=\"64\"/></patternFill></fill>";
}

std::string styleSheet(const GridLook& look) {
  std::string xml = kXmlDeclaration;
  xml += "<styleSheet xmlns=\"";
  xml += kMainNamespace;
  xml +=
      "\"><numFmts count=\"2\">"
      "<numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy\"/>"
      "<numFmt numFmtId=\"165\" formatCode=\"dd.mm.yyyy hh:mm:ss\"/></numFmts>"
      "<fonts count=\"3\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>";
  xml += boldFont(look.header.text) + boldFont(look.group.text);
  xml +=
      "</fonts><fills count=\"4\"><fill><patternFill patternType=\"none\"/></fill>"
      "<fill><patternFill patternType=\"gray125\"/></fill>";
  xml += solidFill(look.header.background) + solidFill(look.group.background);
  xml +=
      "</fills><borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/>"
      "</border></borders><cellStyleXfs count=\"1\">"
      "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
      "<cellXfs count=\"5\">"
      "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
      "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"2\" borderId=\"0\" xfId=\"0\" "
      "applyFont=\"1\" applyFill=\"1\"/>"
      "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
      "applyNumberFormat=\"1\"/>"
      "<xf numFmtId=\"165\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
      "applyNumberFormat=\"1\"/>"
      "<xf numFmtId=\"0\" fontId=\"2\" fillId=\"3\" borderId=\"0\" xfId=\"0\" "
      "applyFont=\"1\" applyFill=\"1\"/></cellXfs>"
      "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
      "</cellStyles></styleSheet>";
  return xml;
}

}  // namespace

struct XlsxWriter::Impl {
  ZipContainer zip;
  QString sheetName;
  std::string out;
  std::vector<std::string> letters;  // per shown column
  std::string rowNumber;
  long long rowCount = 0;

  Impl(const QString& path, const QString& name) : zip(path), sheetName(name) {
    out.reserve(kFlushBytes + size_t{64} * 1024);
  }

  void writePart(const char* name, const std::string& xml) {
    zip.beginPart(name);
    zip.write(xml);
    zip.endPart();
  }

  void flushIfFull() {
    if (out.size() < kFlushBytes) return;
    zip.write(out);
    out.clear();
  }

  void beginRow() {
    rowNumber.clear();
    appendNumber(rowNumber, ++rowCount);
    out += "<row r=\"";
    out += rowNumber;
    out += "\">";
  }
  void endRow() {
    out += "</row>";
    flushIfFull();
  }

  // `<c r="B7"` with the style when it is not the plain one; the caller ends the tag.
  void openCell(int column, Style style) {
    out += "<c r=\"";
    out += letters[column];
    out += rowNumber;
    out += '"';
    if (style != Plain) {
      out += " s=\"";
      out += static_cast<char>('0' + style);
      out += '"';
    }
  }

  void textCell(int column, const QString& text, Style style = Plain) {
    openCell(column, style);
    out += xlsx::needsSpacePreserved(text) ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">"
                                           : " t=\"inlineStr\"><is><t>";
    appendXmlText(out, text);
    out += "</t></is></c>";
  }

  void numberCell(int column, double value, Style style = Plain) {
    if (!std::isfinite(value)) {  // a workbook has no numbers for these
      textCell(column, std::isnan(value) ? QStringLiteral("NaN")
                       : value > 0       ? QStringLiteral("Infinity")
                                         : QStringLiteral("-Infinity"));
      return;
    }
    openCell(column, style);
    out += "><v>";
    appendNumber(out, value);
    out += "</v></c>";
  }

  void integerCell(int column, long long value) {
    // Spreadsheets keep 15 significant digits: a longer integer (an id, a code) would come
    // back with its last digits changed, so it goes as text.
    constexpr long long kLargestKept = 999'999'999'999'999;
    if (value > kLargestKept || value < -kLargestKept)
      return textCell(column, QString::number(value));
    openCell(column, Plain);
    out += "><v>";
    appendNumber(out, value);
    out += "</v></c>";
  }

  void boolCell(int column, bool value) {
    openCell(column, Plain);
    out += value ? " t=\"b\"><v>1</v></c>" : " t=\"b\"><v>0</v></c>";
  }

  // As PostgreSQL writes dates: years before 1 AD count backwards with " BC" (there is no
  // year 0, so a leading minus would name another year in ISO 8601's count).
  static QString isoDate(const QDate& date) {
    const bool bc = date.year() < 0;
    return QStringLiteral("%1-%2-%3%4")
        .arg(bc ? -date.year() : date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(bc ? QStringLiteral(" BC") : QString());
  }

  void dateCell(int column, const QDate& date, const ShownRow& row) {
    if (!date.isValid()) return textCell(column, row.text(column));
    const std::optional<int> serial = xlsx::dateSerial(date);
    if (!serial) return textCell(column, isoDate(date));
    numberCell(column, *serial, Date);
  }

  void dateTimeCell(int column, const QDateTime& moment, const ShownRow& row) {
    if (!moment.isValid()) return textCell(column, row.text(column));
    const std::optional<int> serial = xlsx::dateSerial(moment.date());
    if (!serial)
      return textCell(column, isoDate(moment.date()) + QLatin1Char('T') +
                                  moment.time().toString(Qt::ISODateWithMs));
    numberCell(column, *serial + moment.time().msecsSinceStartOfDay() / kMillisecondsPerDay,
               DateTime);
  }

  void cell(int column, const QVariant& value, const ShownRow& row) {
    switch (value.typeId()) {
      case QMetaType::UnknownType:
        return;  // null: no cell at all reads back empty
      case QMetaType::LongLong:
        return integerCell(column, value.toLongLong());
      case QMetaType::Double:
        return numberCell(column, value.toDouble());
      case QMetaType::QDate:
        return dateCell(column, value.toDate(), row);
      case QMetaType::QDateTime:
        return dateTimeCell(column, value.toDateTime(), row);
      case QMetaType::Bool:
        return boolCell(column, value.toBool());
      default:
        return textCell(column, value.toString());
    }
  }

  std::string workbook() const {
    std::string xml = kXmlDeclaration;
    xml += "<workbook xmlns=\"";
    xml += kMainNamespace;
    xml += "\" xmlns:r=\"";
    xml += kRelNamespace;
    xml += "\"><bookViews><workbookView/></bookViews><sheets><sheet name=\"";
    appendXmlText(xml, sheetName, true);
    xml += "\" sheetId=\"1\" r:id=\"rId1\"/></sheets>";
    if (!letters.empty()) {
      // The autofilter's range, as the readers that keep it expect it.
      QString quoted = sheetName;
      quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
      xml +=
          "<definedNames><definedName name=\"_xlnm._FilterDatabase\" localSheetId=\"0\" "
          "hidden=\"1\">'";
      appendXmlText(xml, quoted);
      xml += "'!$A$1:$" + letters.back() + "$" + std::to_string(rowCount) + "</definedName>" +
             "</definedNames>";
    }
    xml += "</workbook>";
    return xml;
  }
};

XlsxWriter::XlsxWriter(const QString& path, const QString& sheetName, const GridLook& look)
    : impl_(std::make_unique<Impl>(path, sheetName)) {
  impl_->writePart("[Content_Types].xml", kXmlDeclaration + std::string(kContentTypes));
  impl_->writePart("_rels/.rels", kXmlDeclaration + std::string(kPackageRels));
  impl_->writePart("xl/_rels/workbook.xml.rels", kXmlDeclaration + std::string(kWorkbookRels));
  impl_->writePart("xl/styles.xml", styleSheet(look));
}

XlsxWriter::~XlsxWriter() = default;

void XlsxWriter::header(const std::vector<ShownColumn>& columns) {
  Impl& w = *impl_;
  w.zip.beginPart("xl/worksheets/sheet1.xml", true);
  w.out = kXmlDeclaration;
  w.out += "<worksheet xmlns=\"";
  w.out += kMainNamespace;
  w.out += "\" xmlns:r=\"";
  w.out += kRelNamespace;
  w.out +=
      "\"><sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\">"
      "<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"
      "<selection pane=\"bottomLeft\" activeCell=\"A2\" sqref=\"A2\"/></sheetView></sheetViews>"
      "<sheetFormatPr defaultRowHeight=\"15\"/>";
  if (!columns.empty()) {
    w.out += "<cols>";
    for (size_t i = 0; i < columns.size(); ++i) {
      const std::string index = std::to_string(i + 1);
      w.out.append("<col min=\"").append(index).append("\" max=\"").append(index);
      w.out += "\" width=\"";
      appendNumber(w.out, std::max(1, columns[i].width) / 7.0);  // about 7 pixels a character
      w.out += "\" customWidth=\"1\"/>";
    }
    w.out += "</cols>";
  }
  w.out += "<sheetData>";
  for (size_t i = 0; i < columns.size(); ++i)
    w.letters.push_back(xlsx::columnLetters(static_cast<int>(i)));
  w.beginRow();
  for (size_t i = 0; i < columns.size(); ++i)
    w.textCell(static_cast<int>(i), columns[i].caption, Header);
  w.endRow();
}

void XlsxWriter::group(const ShownGroup& group) {
  Impl& w = *impl_;
  w.beginRow();
  // The group text in the first cell; the row's other cells only carry the group colours.
  for (size_t i = 0; i < w.letters.size(); ++i) {
    if (i == 0) {
      w.textCell(0, group.text, Group);
    } else {
      w.openCell(static_cast<int>(i), Group);
      w.out += "/>";
    }
  }
  w.endRow();
}

void XlsxWriter::row(const ShownRow& row) {
  Impl& w = *impl_;
  w.beginRow();
  for (int i = 0; i < row.cellCount(); ++i) w.cell(i, row.value(i), row);
  w.endRow();
}

void XlsxWriter::finish() {
  Impl& w = *impl_;
  w.out += "</sheetData>";
  if (!w.letters.empty())
    w.out += "<autoFilter ref=\"A1:" + w.letters.back() + std::to_string(w.rowCount) + "\"/>";
  w.out += "</worksheet>";
  w.zip.write(w.out);
  w.out.clear();
  w.zip.endPart();
  w.writePart("xl/workbook.xml", w.workbook());
  w.zip.finish();
}

}  // namespace wv::grid
