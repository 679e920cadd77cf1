#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/pg/FieldType.h"
#include "platform/pg/NamedParameters.h"
#include "platform/pg/RowStore.h"

namespace wv::pg {

class Connection;

enum class ParamType {
  Text,
  Date,
  Untyped,  // takes its type from the first value assigned: a date then travels as a timestamp
};

struct ParamDef {
  QString name;
  ParamType type;
};

struct FieldDef {
  QString column;
  FieldType type;
  int size = 0;  // characters, for Text
  bool required = false;
  bool readOnly = false;
  bool autoIncrement = false;
};

// A named, read-only statement on one connection: statement lines with named parameters
// (":name"), sent with the values bound separately, and a fixed list of typed result
// fields that every result is checked against.
class Query : public QObject {
  Q_OBJECT

 public:
  Query(QString name, Connection& connection, QStringList lines,
        const std::vector<ParamDef>& params, std::vector<FieldDef> fields,
        QObject* parent = nullptr);
  ~Query() override;

  const QString& name() const { return name_; }
  Connection& connection() const { return *connection_; }
  QString sqlText() const;  // the lines joined by line breaks
  const std::vector<FieldDef>& fieldDefs() const { return fields_; }
  // The field object's name: the query's name followed by the column.
  QString fieldName(const QString& column) const { return name_ + column; }

  // Parameters, by name; an unknown name is an error that names it. A null QDate sends null.
  void setParamText(const QString& name, const QString& value);
  void setParamDate(const QString& name, const QDate& value);

  void open();  // no-op when open
  void close();
  void refresh();  // runs the statement again; opens when closed
  bool isOpen() const { return rows_ != nullptr; }
  int recordCount() const { return rows_ ? rows_->rowCount() : 0; }

  // The current row is the first row of the result.
  QString fieldText(const QString& column) const;  // "" for null or no row
  int64_t fieldInt(const QString& column) const;   // 0 for null or no row
  bool fieldIsNull(const QString& column) const;

  // The rows of the last run, with the declared fields as columns in declared order;
  // empty (no columns) while closed.
  std::shared_ptr<const RowStore> rows() const;

 signals:
  void rowsChanged();  // after every open, refresh and close

 private:
  struct Param;
  Param& param(const QString& name);
  std::shared_ptr<const RowStore> run();
  int columnOf(const QString& column) const;

  QString name_;
  Connection* connection_;
  QStringList lines_;
  ParsedStatement statement_;
  std::vector<Param> params_;  // one per name in the statement, in the order of their "$n"
  std::vector<FieldDef> fields_;
  std::shared_ptr<const RowStore> rows_;
};

}  // namespace wv::pg
