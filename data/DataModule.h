#pragma once

#include <QObject>
#include <QString>

#include "platform/grid/GridStyleSheet.h"
#include "platform/pg/Connection.h"
#include "platform/pg/Query.h"

// The data module: the program's shared database objects. It has no window and no behaviour
// of its own; the login changes the few settings that change at run time.
class TdmCon : public QObject {
  Q_OBJECT

 public:
  explicit TdmCon(QObject* parent = nullptr);
  ~TdmCon() override;

  wv::pg::Connection conVek;     // the signed-in company's database; pooled
  wv::pg::Connection conVekMob;  // the company registry
  wv::pg::Connection conVekGen;  // a general database; never opened

  wv::pg::Query dsEmitent;              // user account check
  wv::pg::Query dsAplicatieMob;         // is the application enabled?
  wv::pg::Query dsEu;                   // the company's own settings
  wv::pg::Query dsAplicatieMobEmitent;  // is the application enabled for the user?

  // The colours and fonts of the report grids.
  const wv::grid::GridStyleSheet GridTableViewStyleSheetDevExpress;

  // Sign-in values: empty at start, set only by the login, never cleared.
  QString glNumeFirma;
  QString glUser;
  QString glUserPass;
  QString glDataBase;
  QString glUserRol;
  QString glEuPL;
  QString glEuCuiNum;
  QString glJasIP;
  QString glJasProtocol;
  QString glUserDocsPath;
};
