#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>

// How single values are spelled in a worksheet's XML.
namespace wv::grid::xlsx {

// A cell holds at most this many UTF-16 characters.
constexpr int kMaxCellText = 32767;

// Appends the text as XML character data in UTF-8: markup characters escaped, carriage
// returns kept as references, characters XML 1.0 forbids dropped (controls other than tab,
// line feed and carriage return, lone surrogates, U+FFFE, U+FFFF), cut to kMaxCellText; text
// that reads like a workbook's "_xHHHH_" character escape keeps its own spelling.
// `forAttribute` also escapes the double quote.
void appendXmlText(std::string& out, const QString& text, bool forAttribute = false);

// True when the text begins or ends with white space that XML readers would drop.
bool needsSpacePreserved(const QString& text);

// Appends a number in the shortest form that reads back to the same double, whatever the
// C library's locale.
void appendNumber(std::string& out, double value);
void appendNumber(std::string& out, long long value);

// The date's serial number in the 1900 date system; nullopt for dates no serial can stand for
// safely: before 1900-03-01 (the system's made-up 29 February lies before it) or after
// 9999-12-31.
std::optional<int> dateSerial(const QDate& date);

// "A" for column 0, "Z" for 25, "AA" for 26...
std::string columnLetters(int column);

}  // namespace wv::grid::xlsx
