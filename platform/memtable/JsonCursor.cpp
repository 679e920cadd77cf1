#include "platform/memtable/JsonCursor.h"

#include <limits>

#include "platform/memtable/AsciiCase.h"
#include "platform/memtable/JsonStorage.h"

namespace wv::memtable {

namespace {

bool isWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int hexValue(uchar c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

JsonCursor::JsonCursor(QByteArrayView document) : doc_(document) {}

void JsonCursor::fail(qsizetype at) const {
  throw jsonStorageFormatError(at);
}

uchar JsonCursor::byteAt(qsizetype at) const {
  if (at >= doc_.size()) fail(doc_.size());
  return uchar(doc_[at]);
}

void JsonCursor::skipByteOrderMark() {
  if (doc_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
}

void JsonCursor::skipWhitespace() {
  while (pos_ < doc_.size() && isWhitespace(doc_[pos_])) ++pos_;
}

bool JsonCursor::nextIs(char c) {
  skipWhitespace();
  return pos_ < doc_.size() && doc_[pos_] == c;
}

bool JsonCursor::consumeIf(char c) {
  if (!nextIs(c)) return false;
  ++pos_;
  return true;
}

void JsonCursor::expect(char c) {
  if (!consumeIf(c)) fail(pos_);
}

void JsonCursor::expectEnd() {
  skipWhitespace();
  if (pos_ != doc_.size()) fail(pos_);
}

// Fails at the first byte that differs from the literal.
void JsonCursor::readLiteral(const char* literal) {
  for (const char* c = literal; *c; ++c, ++pos_) {
    if (byteAt(pos_) != uchar(*c)) fail(pos_);
  }
}

bool JsonCursor::readNullIf() {
  if (!nextIs('n')) return false;
  readLiteral("null");
  return true;
}

bool JsonCursor::readBool() {
  if (nextIs('t')) {
    readLiteral("true");
    return true;
  }
  if (!nextIs('f')) fail(pos_);
  readLiteral("false");
  return false;
}

// A plain integer within 32 bits; a fraction or exponent is not an integer.
int JsonCursor::readInt() {
  skipWhitespace();
  const qsizetype start = pos_;
  const bool negative = pos_ < doc_.size() && doc_[pos_] == '-';
  if (negative) ++pos_;
  const qint64 limit =
      negative ? -qint64(std::numeric_limits<int>::min()) : qint64(std::numeric_limits<int>::max());
  qint64 magnitude = 0;
  const qsizetype digitsStart = pos_;
  while (pos_ < doc_.size() && doc_[pos_] >= '0' && doc_[pos_] <= '9') {
    magnitude = magnitude * 10 + (doc_[pos_] - '0');
    if (magnitude > limit) fail(start);
    ++pos_;
  }
  if (pos_ == digitsStart) fail(pos_);
  if (pos_ < doc_.size() && (doc_[pos_] == '.' || doc_[pos_] == 'e' || doc_[pos_] == 'E')) {
    fail(pos_);
  }
  return int(negative ? -magnitude : magnitude);
}

QString JsonCursor::readString() {
  expect('"');
  QString out;
  for (;;) {
    const uchar b = byteAt(pos_);
    if (b == '"') {
      ++pos_;
      return out;
    }
    if (b == '\\') {
      readEscape(out);
    } else if (b < 0x20) {
      fail(pos_);
    } else if (b < 0x80) {
      out += QChar(char16_t(b));
      ++pos_;
    } else {
      readUtf8(out);
    }
  }
}

void JsonCursor::readEscape(QString& out) {
  const uchar e = byteAt(++pos_);
  ++pos_;
  switch (e) {
    case '"':
      out += u'"';
      return;
    case '/':
      out += u'/';
      return;
    case '\\':
      out += u'\\';
      return;
    case 'b':
      out += u'\b';
      return;
    case 'f':
      out += u'\f';
      return;
    case 'n':
      out += u'\n';
      return;
    case 'r':
      out += u'\r';
      return;
    case 't':
      out += u'\t';
      return;
    case 'u':
      break;
    default:
      fail(pos_ - 1);
  }
  char16_t unit = 0;
  for (int i = 0; i < 4; ++i) {
    const int digit = hexValue(byteAt(pos_));
    if (digit < 0) fail(pos_);
    unit = char16_t(unit << 4 | digit);
    ++pos_;
  }
  out += QChar(unit);
}

// Two- and three-byte sequences give one UTF-16 code unit each, surrogates included, which is
// how the writer stores characters outside the basic plane. A four-byte sequence, as other
// writers store such a character, gives its surrogate pair.
void JsonCursor::readUtf8(QString& out) {
  const qsizetype start = pos_;
  const uchar lead = byteAt(pos_);
  int continuationBytes = 0;
  char32_t code = 0;
  if (lead >= 0xC0 && lead <= 0xDF) {
    continuationBytes = 1;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuationBytes = 2;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuationBytes = 3;
    code = lead & 0x07;
  } else {
    fail(pos_);
  }
  ++pos_;
  for (int i = 0; i < continuationBytes; ++i) {
    const uchar c = byteAt(pos_);
    if ((c & 0xC0) != 0x80) fail(pos_);
    code = code << 6 | (c & 0x3F);
    ++pos_;
  }
  if (continuationBytes < 3) {
    out += QChar(char16_t(code));
  } else if (code >= 0x10000 && code <= 0x10FFFF) {
    out += QChar(QChar::highSurrogate(code));
    out += QChar(QChar::lowSurrogate(code));
  } else {
    fail(start);
  }
}

JsonObjectReader::JsonObjectReader(JsonCursor& cursor) : cursor_(cursor) {
  cursor_.expect('{');
}

bool JsonObjectReader::loadNextName() {
  if (nextName_) return true;
  if (cursor_.nextIs('}')) return false;
  if (membersRead_ > 0) cursor_.expect(',');
  cursor_.skipWhitespace();
  nextNameAt_ = cursor_.position();
  nextName_ = cursor_.readString();
  cursor_.expect(':');
  return true;
}

bool JsonObjectReader::takeIfNext(QStringView name) {
  if (!loadNextName() || !equalsIgnoringAsciiCase(*nextName_, name)) return false;
  nextName_.reset();
  ++membersRead_;
  return true;
}

bool JsonObjectReader::has(QStringView name) {
  return takeIfNext(name) && !cursor_.readNullIf();
}

void JsonObjectReader::require(QStringView name) {
  if (!takeIfNext(name)) cursor_.fail(nextName_ ? nextNameAt_ : cursor_.position());
  cursor_.skipWhitespace();
  const qsizetype valueAt = cursor_.position();
  if (cursor_.readNullIf()) cursor_.fail(valueAt);
}

void JsonObjectReader::end() {
  if (nextName_) cursor_.fail(nextNameAt_);
  cursor_.expect('}');
}

}  // namespace wv::memtable
