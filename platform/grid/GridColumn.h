#pragma once

#include <QString>

namespace wv::grid {

// One column of a grid as designed: it shows the row store field named `fieldName`.
struct GridColumn {
  QString name;           // the column's own name, such as cxGrid1DBTableView1data_doc_e
  QString caption;        // header text; the field name shows when it is empty
  QString fieldName;      // the row store column it shows, bound by name
  int width = 64;         // pixels
  bool footerSum = true;  // a numeric column shows the sum of the shown rows in the footer

  QString headerText() const { return caption.isEmpty() ? fieldName : caption; }
};

}  // namespace wv::grid
