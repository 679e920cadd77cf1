#pragma once

#include <QByteArray>

#include "platform/memtable/StoredTable.h"

// The table the memtable tests use: a nullable field "name" of 8 code units and a field "code"
// of 3 that does not allow null.
namespace wv::test {

inline memtable::TableDef notesDef() {
  return {QStringLiteral("notes"),
          {memtable::FieldDef{QStringLiteral("name"), 8, true},
           memtable::FieldDef{QStringLiteral("code"), 3, false}}};
}

// The document the writer gives for the notes table: `rows` is the text inside "RowList":[...].
inline QByteArray notesDocument(const QByteArray& rows, int savePoint) {
  QByteArray doc =
      "\xEF\xBB\xBF"
      R"({"FDBS":{"Version":16,"Manager":{"UpdatesRegistry":true,"TableList":[{"class":"Table",)"
      R"("Name":"notes","TabID":0,"EnforceConstraints":false,"MinimumCapacity":50,)"
      R"("CheckNotNull":false,"ColumnList":[{"class":"Column","Name":"name","SourceID":1,)"
      R"("DataType":"WideString","Size":8,"Searchable":true,"AllowNull":true,"Base":true,)"
      R"("OAllowNull":true,"OInUpdate":true,"OInWhere":true,"SourceSize":8},{"class":"Column",)"
      R"("Name":"code","SourceID":2,"DataType":"WideString","Size":3,"Searchable":true,)"
      R"("Base":true,"OInUpdate":true,"OInWhere":true,"SourceSize":3}],"ConstraintList":[],)"
      R"("ViewList":[],"RowList":[)";
  doc += rows;
  doc += R"(]}],"RelationList":[],"UpdatesJournal":{)";
  if (savePoint != 0) doc += R"("SavePoint":)" + QByteArray::number(savePoint) + ',';
  doc += R"("Changes":[]}}}})";
  return doc;
}

}  // namespace wv::test
