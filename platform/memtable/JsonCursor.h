#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace wv::memtable {

// Reads the tokens of a storage document, one after another; every error throws the format
// error with the byte offset where it was met. Reads nothing past the end of the document.
class JsonCursor {
 public:
  explicit JsonCursor(QByteArrayView document);

  qsizetype position() const { return pos_; }
  [[noreturn]] void fail(qsizetype at) const;

  void skipByteOrderMark();
  void skipWhitespace();
  // Skips whitespace, then true when the next byte is `c` (not consumed).
  bool nextIs(char c);
  // Skips whitespace, then consumes `c` if it is next.
  bool consumeIf(char c);
  // Skips whitespace, then consumes `c` or fails.
  void expect(char c);
  void expectEnd();

  QString readString();
  int readInt();
  bool readBool();
  bool readNullIf();

 private:
  void readLiteral(const char* literal);
  void readEscape(QString& out);
  void readUtf8(QString& out);
  uchar byteAt(qsizetype at) const;  // fails at the end of the document

  QByteArrayView doc_;
  qsizetype pos_ = 0;
};

// The members of one object, read in a fixed order: each asks whether the next member has the
// given name; members that are absent or null take their defaults.
class JsonObjectReader {
 public:
  explicit JsonObjectReader(JsonCursor& cursor);

  // True when the next member is `name` with a value other than null; the cursor then stands at
  // the value, which the caller must read. A null value is consumed and counts as absent.
  bool has(QStringView name);
  // The next member must be `name` with a value other than null.
  void require(QStringView name);
  // Fails at any member not yet read, then consumes the closing brace.
  void end();

 private:
  bool loadNextName();
  bool takeIfNext(QStringView name);

  JsonCursor& cursor_;
  int membersRead_ = 0;
  std::optional<QString> nextName_;  // read but not yet matched
  qsizetype nextNameAt_ = 0;
};

}  // namespace wv::memtable
