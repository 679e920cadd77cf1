#pragma once

#include "app/MainWindow.h"
#include "data/DataModule.h"
#include "login/LoginDialog.h"
#include "report/ReportWindow.h"

// The program's four single instances, created hidden in this order (the login dialog and the
// report window link to the data module, so it comes before them) and destroyed at the end.
struct SingleInstances {
  TfMenuVelora fMenuVelora;
  TdmCon dmCon;
  TfrmLogin frmLogin{dmCon, &fMenuVelora};
  TfDovad fDovad{dmCon};

  SingleInstances() { fMenuVelora.link(&dmCon, &frmLogin, &fDovad); }
};
