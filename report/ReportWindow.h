#pragma once

#include <QWidget>

#include "platform/pg/Query.h"
#include "platform/shell/Dialogs.h"

class QLabel;
class QPushButton;
class TdmCon;

namespace wv::grid {
class DataGrid;
}
namespace wv::shell {
class DateEdit;
}

// The DOVAD deliveries report: a date range, "Cauta", and three grids (deliveries, products,
// clients) fed by the report's three queries on conVek. Created hidden at start-up; closing
// it only hides it, so "DOVAD" finds its dates, rows and grid arrangement as they were.
class TfDovad : public QWidget {
  Q_OBJECT

 public:
  explicit TfDovad(TdmCon& dmCon, QWidget* parent = nullptr);
  ~TfDovad() override;

  wv::pg::Query dsLivrari;
  wv::pg::Query dsClienti;
  wv::pg::Query dsProduse;

  QLabel* Label1;
  QLabel* Label2;
  wv::shell::DateEdit* cxDateEditDataIncep;
  QLabel* Label3;
  wv::shell::DateEdit* cxDateEditDataSf;
  QPushButton* ButtonCauta;
  QPushButton* ButtonExportExcelLivrari;
  wv::grid::DataGrid* cxGrid1;  // deliveries
  QLabel* Label4;
  QPushButton* ButtonExportExcelProduse;
  wv::grid::DataGrid* cxGrid2;  // products
  QLabel* Label5;
  QPushButton* ButtonExportExcelClienti;
  wv::grid::DataGrid* cxGrid3;             // clients
  wv::shell::SaveFileRequest SaveDialog1;  // filter and proposed name, set anew by each export

 private:
  void FormCreate();
  void ButtonCautaClick();
  void ButtonExportExcelLivrariClick();
  void ButtonExportExcelProduseClick();
  void ButtonExportExcelClientiClick();
};
