#pragma once

#include <QString>
#include <QStringList>

namespace wv::pg {

// A statement with its ":name" parameters rewritten to PostgreSQL's "$n" placeholders.
struct ParsedStatement {
  QString sql;        // the text sent to the server
  QStringList names;  // names in order of first use; "$k" stands for names[k - 1]
};

// A parameter is a colon directly followed by a name (letters, digits, underscore); the
// name ends at the first other character. "::" is a cast; a colon inside a string literal,
// a quoted identifier, a dollar-quoted string or a comment is plain text.
ParsedStatement parseNamedParameters(const QString& sql);

}  // namespace wv::pg
