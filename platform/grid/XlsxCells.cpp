#include "platform/grid/XlsxCells.h"

#include <charconv>

namespace wv::grid::xlsx {

namespace {

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool forbiddenInXml(char16_t c) {
  return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF;
}

// "_x" four hex digits "_" is how a workbook spells a character in text; such text that is
// really there must have its underscore spelled that way too, or readers turn it into the
// character it names.
bool looksLikeCharacterEscape(const char16_t* units, qsizetype at, qsizetype size) {
  if (at + 7 > size || units[at + 1] != u'x' || units[at + 6] != u'_') return false;
  for (qsizetype i = at + 2; i < at + 6; ++i) {
    const char16_t c = units[i];
    if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
      return false;
  }
  return true;
}

bool isXmlSpace(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

}  // namespace

void appendXmlText(std::string& out, const QString& text, bool forAttribute) {
  const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype size = text.size();
  int kept = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = units[i];
    if (QChar::isHighSurrogate(c)) {
      if (i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
        if (kept + 2 > kMaxCellText) break;
        kept += 2;
        appendUtf8(out, QChar::surrogateToUcs4(c, units[i + 1]));
        ++i;
      }
      continue;
    }
    if (QChar::isLowSurrogate(c) || forbiddenInXml(c)) continue;
    if (++kept > kMaxCellText) break;
    switch (c) {
      case u'&':
        out += "&amp;";
        break;
      case u'<':
        out += "&lt;";
        break;
      case u'>':
        out += "&gt;";
        break;
      case u'\r':
        out += "&#13;";
        break;  // a literal one would be read back as a line feed
      case u'"':
        out += forAttribute ? "&quot;" : "\"";
        break;
      case u'_':
        out += !forAttribute && looksLikeCharacterEscape(units, i, size) ? "_x005F_" : "_";
        break;
      default:
        appendUtf8(out, c);
    }
  }
}

bool needsSpacePreserved(const QString& text) {
  return !text.isEmpty() && (isXmlSpace(text.front()) || isXmlSpace(text.back()));
}

void appendNumber(std::string& out, double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void appendNumber(std::string& out, long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

std::optional<int> dateSerial(const QDate& date) {
  static const QDate first(1900, 3, 1);
  static const QDate last(9999, 12, 31);
  static const QDate epoch(1899, 12, 30);
  if (!date.isValid() || date < first || date > last) return std::nullopt;
  return static_cast<int>(epoch.daysTo(date));
}

std::string columnLetters(int column) {
  std::string letters;
  for (int n = column + 1; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters;
}

}  // namespace wv::grid::xlsx
