#include "platform/pg/NamedParameters.h"

namespace wv::pg {

namespace {

bool isNameChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
}

// Characters that may continue a PostgreSQL identifier: a "$" after one of them, or a quote
// after an "E" that ends one, belongs to the identifier.
bool isIdentifierChar(QChar c) {
  return isNameChar(c) || c == u'$' || c.unicode() >= 0x80;
}

bool isTagStart(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 0x80;
}

// The scanner works on positions in the statement; every skip returns the position just after
// the construct, or the end when it is not closed, so no input can make it run past the end.
class Scanner {
 public:
  explicit Scanner(const QString& sql) : s_(sql), n_(sql.size()) {}

  QChar at(qsizetype i) const { return i < n_ ? s_[i] : QChar(); }

  // A quoted literal or identifier opened at i by `quote`; a doubled quote stands for itself
  // and, with backslash escapes (E'...'), a backslash takes the next character along.
  qsizetype skipQuoted(qsizetype i, QChar quote, bool backslashEscapes) const {
    for (++i; i < n_; ++i) {
      if (backslashEscapes && s_[i] == u'\\') {
        ++i;
      } else if (s_[i] == quote) {
        if (at(i + 1) != quote) return i + 1;
        ++i;
      }
    }
    return n_;
  }

  qsizetype skipLineComment(qsizetype i) const {
    while (i < n_ && s_[i] != u'\n' && s_[i] != u'\r') ++i;
    return i;
  }

  // Block comments nest in PostgreSQL.
  qsizetype skipBlockComment(qsizetype i) const {
    int depth = 0;
    while (i < n_) {
      if (s_[i] == u'/' && at(i + 1) == u'*') {
        ++depth;
        i += 2;
      } else if (s_[i] == u'*' && at(i + 1) == u'/') {
        i += 2;
        if (--depth == 0) return i;
      } else {
        ++i;
      }
    }
    return n_;
  }

  // The length of the "$tag$" opening at i, or 0 when there is none.
  qsizetype dollarTagLength(qsizetype i) const {
    qsizetype j = i + 1;
    if (j < n_ && s_[j] != u'$') {
      if (!isTagStart(s_[j])) return 0;
      while (j < n_ && isIdentifierChar(s_[j]) && s_[j] != u'$') ++j;
    }
    return at(j) == u'$' ? j - i + 1 : 0;
  }

  qsizetype skipDollarQuoted(qsizetype i, qsizetype tagLength) const {
    const QStringView tag = QStringView(s_).mid(i, tagLength);
    const qsizetype close = s_.indexOf(tag, i + tagLength);
    return close < 0 ? n_ : close + tagLength;
  }

  qsizetype nameEnd(qsizetype i) const {
    while (i < n_ && isNameChar(s_[i])) ++i;
    return i;
  }

  qsizetype size() const { return n_; }
  QStringView slice(qsizetype from, qsizetype to) const {
    return QStringView(s_).mid(from, to - from);
  }

 private:
  const QString& s_;
  qsizetype n_;
};

// An E'...' literal: the quote follows an "E" that does not end a longer identifier.
bool opensEscapeString(const Scanner& sc, qsizetype quoteAt) {
  if (quoteAt == 0) return false;
  const QChar e = sc.at(quoteAt - 1);
  if (e != u'E' && e != u'e') return false;
  return quoteAt == 1 || !isIdentifierChar(sc.at(quoteAt - 2));
}

}  // namespace

ParsedStatement parseNamedParameters(const QString& sql) {
  ParsedStatement out;
  out.sql.reserve(sql.size());
  const Scanner sc(sql);
  qsizetype copied = 0;  // text before this position is already in out.sql
  qsizetype i = 0;
  while (i < sc.size()) {
    const QChar c = sc.at(i);
    const QChar next = sc.at(i + 1);
    if (c == u'\'') {
      i = sc.skipQuoted(i, c, opensEscapeString(sc, i));
    } else if (c == u'"') {
      i = sc.skipQuoted(i, c, false);
    } else if (c == u'-' && next == u'-') {
      i = sc.skipLineComment(i);
    } else if (c == u'/' && next == u'*') {
      i = sc.skipBlockComment(i);
    } else if (c == u'$' && (i == 0 || !isIdentifierChar(sc.at(i - 1))) && sc.dollarTagLength(i)) {
      i = sc.skipDollarQuoted(i, sc.dollarTagLength(i));
    } else if (c == u':' && next == u':') {
      i += 2;
    } else if (c == u':' && isNameChar(next)) {
      const qsizetype end = sc.nameEnd(i + 1);
      const QString name = sc.slice(i + 1, end).toString();
      qsizetype index = out.names.indexOf(name);
      if (index < 0) {
        out.names.append(name);
        index = out.names.size() - 1;
      }
      out.sql += sc.slice(copied, i);
      out.sql += u'$' + QString::number(index + 1);
      copied = i = end;
    } else {
      ++i;
    }
  }
  out.sql += sc.slice(copied, sc.size());
  return out;
}

}  // namespace wv::pg
