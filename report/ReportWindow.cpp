#include "report/ReportWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "data/DataModule.h"
#include "platform/grid/DataGrid.h"
#include "platform/shell/Anchors.h"
#include "platform/shell/DateEdit.h"
#include "platform/shell/DefaultErrorHandler.h"
#include "platform/shell/Fonts.h"
#include "report/GridExport.h"
#include "report/ReportColumns.h"
#include "report/ReportFields.h"
#include "report/ReportStatements.h"

using wv::pg::ParamType;
using wv::shell::AnchorBottom;
using wv::shell::AnchorLeft;
using wv::shell::AnchorRight;

namespace {

const QString kProducator =
    QStringLiteral("RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE");

std::vector<wv::pg::ParamDef> reportParams(ParamType dateType) {
  return {{QStringLiteral("pDataIncep"), dateType},
          {QStringLiteral("pDataSf"), dateType},
          {QStringLiteral("pProducator"), ParamType::Text}};
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, QPoint at) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->move(at);
  l->adjustSize();
  return l;
}

// A title label: bold Segoe UI in the desktop's hot-track (link) colour.
QLabel* titleLabel(QWidget* parent, const QString& name, const QString& text, QPoint at,
                   int pixels) {
  QLabel* l = label(parent, name, text, at);
  l->setFont(wv::shell::designFont(QStringLiteral("Segoe UI"), pixels, true));
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
  l->setPalette(palette);
  l->adjustSize();
  return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  b->setAccessibleName(caption);
  return b;
}

wv::shell::DateEdit* dateEdit(QWidget* parent, const QString& name, QPoint at, QLabel* label) {
  auto* edit = new wv::shell::DateEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(at.x(), at.y(), 85, edit->sizeHint().height());
  label->setBuddy(edit);
  edit->setAccessibleName(label->text());
  return edit;
}

wv::grid::DataGrid* grid(QWidget* parent, const QString& name,
                         std::vector<wv::grid::GridColumn> columns, const QRect& geometry,
                         const TdmCon& dm, wv::pg::Query& query, const QString& title) {
  auto* g = new wv::grid::DataGrid(std::move(columns), parent);
  g->setObjectName(name);
  g->setAccessibleName(title);
  g->setGeometry(geometry);
  g->setGridStyleSheet(dm.GridTableViewStyleSheetDevExpress);
  QObject::connect(&query, &wv::pg::Query::rowsChanged, g,
                   [g, &query] { g->setRowStore(query.rows()); });
  return g;
}

// Shows the busy cursor while a long operation blocks the window.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TfDovad::TfDovad(TdmCon& dmCon, QWidget* parent)
    : QWidget(parent),
      dsLivrari(QStringLiteral("dsLivrari"), dmCon.conVek, wv::report::livrariStatement(),
                reportParams(ParamType::Untyped), wv::report::livrariFields(), this),
      dsClienti(QStringLiteral("dsClienti"), dmCon.conVek, wv::report::clientiStatement(),
                reportParams(ParamType::Date), wv::report::clientiFields(), this),
      dsProduse(QStringLiteral("dsProduse"), dmCon.conVek, wv::report::produseStatement(),
                reportParams(ParamType::Date), wv::report::produseFields(), this) {
  setObjectName(QStringLiteral("fDovad"));
  setWindowTitle(QStringLiteral("fDovad"));
  setFont(wv::shell::designFont(QStringLiteral("Segoe UI"), 12));
  resize(1284, 711);
  auto* anchors = new wv::shell::Anchors(this);

  Label1 = titleLabel(
      this, QStringLiteral("Label1"),
      QStringLiteral("Livrari catre clienti produse Danone, brand AMN - Raport DOVAD"), {8, 1}, 16);
  Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Data Inceput"), {8, 32});
  cxDateEditDataIncep = dateEdit(this, QStringLiteral("cxDateEditDataIncep"), {81, 29}, Label2);
  Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Data Sfarsit"), {174, 32});
  cxDateEditDataSf = dateEdit(this, QStringLiteral("cxDateEditDataSf"), {239, 29}, Label3);
  ButtonCauta =
      button(this, QStringLiteral("ButtonCauta"), QStringLiteral("Cauta"), {336, 27, 75, 25});
  ButtonExportExcelLivrari = button(this, QStringLiteral("ButtonExportExcelLivrari"),
                                    QStringLiteral("Export Excel"), {425, 27, 75, 25});
  cxGrid1 = grid(this, QStringLiteral("cxGrid1"), wv::report::livrariColumns(), {8, 58, 1268, 287},
                 dmCon, dsLivrari, QStringLiteral("Livrari"));
  anchors->anchor(cxGrid1, wv::shell::kAnchorAll);

  Label4 = titleLabel(this, QStringLiteral("Label4"), QStringLiteral("Produse"), {8, 351}, 13);
  anchors->anchor(Label4, AnchorLeft | AnchorBottom);
  ButtonExportExcelProduse = button(this, QStringLiteral("ButtonExportExcelProduse"),
                                    QStringLiteral("Export Excel"), {81, 349, 75, 25});
  anchors->anchor(ButtonExportExcelProduse, AnchorLeft | AnchorBottom);
  cxGrid2 = grid(this, QStringLiteral("cxGrid2"), wv::report::produseColumns(), {8, 378, 673, 325},
                 dmCon, dsProduse, QStringLiteral("Produse"));
  anchors->anchor(cxGrid2, AnchorLeft | AnchorBottom);

  Label5 = titleLabel(this, QStringLiteral("Label5"), QStringLiteral("Clienti"), {696, 351}, 13);
  anchors->anchor(Label5, AnchorLeft | AnchorBottom);
  ButtonExportExcelClienti = button(this, QStringLiteral("ButtonExportExcelClienti"),
                                    QStringLiteral("Export Excel"), {760, 349, 75, 25});
  anchors->anchor(ButtonExportExcelClienti, AnchorLeft | AnchorBottom);
  cxGrid3 = grid(this, QStringLiteral("cxGrid3"), wv::report::clientiColumns(),
                 {696, 378, 580, 325}, dmCon, dsClienti, QStringLiteral("Clienti"));
  anchors->anchor(cxGrid3, AnchorLeft | AnchorRight | AnchorBottom);

  // Tab order: "Cauta", the two dates, the deliveries grid and its export, then the lower lists.
  QWidget* order[] = {ButtonCauta, cxDateEditDataIncep,      cxDateEditDataSf,
                      cxGrid1,     ButtonExportExcelLivrari, cxGrid2,
                      cxGrid3,     ButtonExportExcelProduse, ButtonExportExcelClienti};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(ButtonCauta, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonCautaClick(); }); });
  connect(ButtonExportExcelLivrari, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonExportExcelLivrariClick(); }); });
  connect(ButtonExportExcelProduse, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonExportExcelProduseClick(); }); });
  connect(ButtonExportExcelClienti, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonExportExcelClientiClick(); }); });
  FormCreate();
}

TfDovad::~TfDovad() = default;

void TfDovad::FormCreate() {
  const QDate today = QDate::currentDate();
  cxDateEditDataIncep->setValue(QDate(today.year(), today.month(), 1));
  cxDateEditDataSf->setValue(today);
}

// Runs deliveries, clients and products in that order, each with the dates read anew; an
// error stops the run there and the later grids keep their rows.
void TfDovad::ButtonCautaClick() {
  const BusyCursor busy;
  for (wv::pg::Query* query : {&dsLivrari, &dsClienti, &dsProduse}) {
    query->setParamDate(QStringLiteral("pDataIncep"), cxDateEditDataIncep->value());
    query->setParamDate(QStringLiteral("pDataSf"), cxDateEditDataSf->value());
    query->setParamText(QStringLiteral("pProducator"), kProducator);
    if (query->isOpen())
      query->refresh();
    else
      query->open();
  }
}

void TfDovad::ButtonExportExcelLivrariClick() {
  wv::report::exportGrid(this, dsLivrari, *cxGrid1, QStringLiteral("Livrari_DOVAD_"), SaveDialog1);
}

void TfDovad::ButtonExportExcelProduseClick() {
  wv::report::exportGrid(this, dsProduse, *cxGrid2, QStringLiteral("Produse_DOVAD_"), SaveDialog1);
}

void TfDovad::ButtonExportExcelClientiClick() {
  wv::report::exportGrid(this, dsClienti, *cxGrid3, QStringLiteral("Clienti_DOVAD_"), SaveDialog1);
}
