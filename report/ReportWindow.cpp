#include "report/ReportWindow.h"

#include "platform/shell/Fonts.h"

TfDovad::TfDovad(TdmCon& dmCon, QWidget* parent) : QWidget(parent), dmCon_(dmCon) {
  setObjectName(QStringLiteral("fDovad"));
  setWindowTitle(QStringLiteral("fDovad"));
  setFont(wv::shell::designFont(QStringLiteral("Segoe UI"), 12));
  resize(1284, 711);
}
