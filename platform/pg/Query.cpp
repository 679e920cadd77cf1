#include "platform/pg/Query.h"

#include <libpq-fe.h>

#include <optional>

#include "platform/error/Error.h"
#include "platform/pg/Connection.h"
#include "platform/pg/DateText.h"
#include "platform/pg/ResultLoader.h"
#include "platform/pg/TypeOids.h"

namespace wv::pg {

namespace {

struct ResultFree {
  void operator()(PGresult* result) const { PQclear(result); }
};
using ResultPtr = std::unique_ptr<PGresult, ResultFree>;

QString connectionMessage(PGconn* conn) {
  return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
}

// The server's own sentence for a statement error; libpq's full text adds severity and position.
QString resultMessage(const PGresult* result) {
  if (const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY))
    return QString::fromUtf8(primary);
  return QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
}

// Stops the statement still running on the server, so it does not go on producing rows for a
// session that is about to be closed.
void cancelRunningStatement(PGconn* conn) {
  if (PQtransactionStatus(conn) != PQTRANS_ACTIVE) return;
  if (PGcancel* cancel = PQgetCancel(conn)) {
    char error[256];
    PQcancel(cancel, error, sizeof error);
    PQfreeCancel(cancel);
  }
}

const std::shared_ptr<const RowStore>& emptyRows() {
  static const std::shared_ptr<const RowStore> empty = RowStoreBuilder({}).finish();
  return empty;
}

}  // namespace

// A parameter's server type is fixed by its declaration, or for an untyped one by the first
// value assigned; every value then travels in that type's text form (text as its raw bytes).
struct Query::Param {
  QString name;
  ParamType declared = ParamType::Untyped;
  unsigned type = 0;  // 0 lets the server infer it
  std::optional<QByteArray> value;

  void adoptType(unsigned firstValueType) {
    if (type == 0) type = firstValueType;
  }
};

Query::Query(QString name, Connection& connection, QStringList lines,
             const std::vector<ParamDef>& params, std::vector<FieldDef> fields, QObject* parent)
    : QObject(parent),
      name_(std::move(name)),
      connection_(&connection),
      lines_(std::move(lines)),
      statement_(parseNamedParameters(lines_.join(u'\n'))),
      fields_(std::move(fields)) {
  for (const QString& used : statement_.names) {
    Param p;
    p.name = used;
    for (const ParamDef& def : params)
      if (def.name == used) p.declared = def.type;
    if (p.declared == ParamType::Text) p.type = oid::kText;
    if (p.declared == ParamType::Date) p.type = oid::kDate;
    params_.push_back(std::move(p));
  }
}

Query::~Query() = default;

QString Query::sqlText() const {
  return lines_.join(u'\n');
}

Query::Param& Query::param(const QString& name) {
  for (Param& p : params_)
    if (p.name == name) return p;
  throw Error(QStringLiteral("Parameter \"%1\" not found in %2").arg(name, name_));
}

void Query::setParamText(const QString& name, const QString& value) {
  Param& p = param(name);
  p.adoptType(oid::kText);
  p.value = value.toUtf8();
}

void Query::setParamDate(const QString& name, const QDate& value) {
  Param& p = param(name);
  p.adoptType(oid::kTimestamp);
  if (!value.isValid()) {
    p.value.reset();
    return;
  }
  const QString day = dateText(value);
  // A timestamp's text puts the time of day before the era ("... 00:00:00 BC").
  const QString text = p.type != oid::kTimestamp ? day
                       : value.year() < 0        ? day.chopped(3) + QStringLiteral(" 00:00:00 BC")
                                                 : day + QStringLiteral(" 00:00:00");
  p.value = text.toUtf8();
}

void Query::open() {
  if (isOpen()) return;
  refresh();
}

void Query::close() {
  rows_.reset();
  emit rowsChanged();
}

// The new rows replace the old ones only when the whole run succeeded: a failed run throws and
// leaves the query as it was.
void Query::refresh() {
  rows_ = run();
  emit rowsChanged();
}

std::shared_ptr<const RowStore> Query::rows() const {
  return rows_ ? rows_ : emptyRows();
}

int Query::columnOf(const QString& column) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].column == column) return static_cast<int>(i);
  throw Error(QStringLiteral("Field \"%1\" not found in %2").arg(column, name_));
}

QString Query::fieldText(const QString& column) const {
  const int col = columnOf(column);
  return recordCount() > 0 ? rows_->text(0, col) : QString();
}

int64_t Query::fieldInt(const QString& column) const {
  const int col = columnOf(column);
  return recordCount() > 0 ? rows_->integer(0, col) : 0;
}

bool Query::fieldIsNull(const QString& column) const {
  const int col = columnOf(column);
  return recordCount() > 0 ? rows_->isNull(0, col) : true;
}

namespace {

// What one attempt to run the statement on one session came to.
enum class Attempt { Done, LostUnanswered };

struct Statement {
  const char* sql = nullptr;
  std::vector<Oid> types;
  std::vector<const char*> values;
  std::vector<int> lengths;
  std::vector<int> formats;
};

// Sends the statement and streams its rows into the loader, one result per row, each freed at
// once. A session that the server never answered (it was gone before the statement reached
// it) is reported as LostUnanswered; a statement that ran and failed throws its error.
Attempt runOnce(PGconn* conn, const Statement& st, ResultLoader& loader) {
  constexpr int kBinaryResults = 1;
  if (!PQsendQueryParams(conn, st.sql, static_cast<int>(st.types.size()), st.types.data(),
                         st.values.data(), st.lengths.data(), st.formats.data(), kBinaryResults)) {
    if (PQstatus(conn) == CONNECTION_BAD) return Attempt::LostUnanswered;
    throw Error(connectionMessage(conn));
  }
  PQsetSingleRowMode(conn);
  bool answered = false;
  std::optional<QString> failure;
  while (ResultPtr result{PQgetResult(conn)}) {
    switch (PQresultStatus(result.get())) {
      case PGRES_SINGLE_TUPLE:
      case PGRES_TUPLES_OK:
      case PGRES_COMMAND_OK:  // a statement without a result has no columns to give
      case PGRES_EMPTY_QUERY:
        answered = true;
        if (failure) break;  // rows after an error are of no use; keep draining
        if (!loader.columnsBound()) loader.bindColumns(result.get());
        loader.addRows(result.get());
        break;
      default:
        if (PQresultErrorField(result.get(), PG_DIAG_SQLSTATE)) answered = true;
        if (!failure) failure = resultMessage(result.get());
    }
  }
  if (!answered && PQstatus(conn) == CONNECTION_BAD) return Attempt::LostUnanswered;
  if (failure) throw Error(*failure);
  return Attempt::Done;
}

}  // namespace

std::shared_ptr<const RowStore> Query::run() {
  const QByteArray sql = statement_.sql.toUtf8();
  Statement st;
  st.sql = sql.constData();
  for (const Param& p : params_) {
    // Text goes in binary form, its raw bytes with their length, so that nothing in a value
    // (not even a NUL) can cut it short; other types go as text for the server to parse.
    const bool rawText = p.type == oid::kText;
    st.types.push_back(p.type);
    st.values.push_back(p.value ? p.value->constData() : nullptr);
    st.lengths.push_back(p.value ? static_cast<int>(p.value->size()) : 0);
    st.formats.push_back(rawText ? 1 : 0);
  }

  // One retry, only for a pooled or kept session that turned out to be dead before the
  // statement reached the server; everything else is reported as it happened.
  for (bool firstTry = true;; firstTry = false) {
    Connection::Session session = connection_->acquire();
    ResultLoader loader(*this);
    try {
      if (runOnce(session.get(), st, loader) == Attempt::Done) return loader.finish();
    } catch (...) {
      // A session left mid-statement is closed at release; one that finished cleanly with
      // the server's error goes back for reuse.
      cancelRunningStatement(session.get());
      throw;
    }
    session.discard();
    if (!firstTry || !session.reused()) throw Error(connectionMessage(session.get()));
  }
}

}  // namespace wv::pg
