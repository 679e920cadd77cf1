#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/VersionText.h"
#include "data/DataModule.h"
#include "platform/shell/Anchors.h"
#include "platform/shell/ApplicationTitle.h"
#include "platform/shell/DefaultErrorHandler.h"
#include "platform/shell/Dialogs.h"
#include "platform/shell/Fonts.h"

using wv::shell::Anchors;
using wv::shell::designFont;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kMenuText(0x00, 0x55, 0xAA);
const QColor kSilver(0xC0, 0xC0, 0xC0);

QFrame* raisedPanel(QWidget* parent, const QRect& geometry) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  panel->setGeometry(geometry);
  return panel;
}

QLabel* navyLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setFont(designFont(QStringLiteral("Segoe UI"), 12, true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kNavy);
  label->setPalette(palette);
  label->setGeometry(geometry);
  return label;
}

QPushButton* button(QWidget* parent, const QString& caption, const QRect& geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setGeometry(geometry);
  b->setAccessibleName(caption);
  return b;
}

}  // namespace

TfMenuVelora::TfMenuVelora(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fMenuVelora"));
  setWindowTitle(QStringLiteral("fMenuVelora"));
  setFont(designFont(QStringLiteral("Segoe UI"), 12));
  resize(397, 326);
  // The login panel takes the top edge and the menu panel the rest, so that the menu fills
  // the whole window once the login panel is hidden.
  auto* panels = new QVBoxLayout(this);
  panels->setContentsMargins(0, 0, 0, 0);
  panels->setSpacing(0);

  PanelLogin = raisedPanel(this, {0, 0, 397, 49});
  PanelLogin->setObjectName(QStringLiteral("PanelLogin"));
  PanelLogin->setFixedHeight(49);
  panels->addWidget(PanelLogin, 0, Qt::AlignTop);
  auto* loginAnchors = new Anchors(PanelLogin);
  Label1 = navyLabel(PanelLogin, kVersionText, {222, 0, 169, 15});
  Label1->setObjectName(QStringLiteral("Label1"));
  loginAnchors->anchor(Label1, wv::shell::AnchorTop | wv::shell::AnchorRight);
  ButtonLogin = button(PanelLogin, QStringLiteral("Login"), {12, 9, 75, 30});
  ButtonLogin->setObjectName(QStringLiteral("ButtonLogin"));

  PanelMenu = raisedPanel(this, {0, 49, 397, 277});
  PanelMenu->setObjectName(QStringLiteral("PanelMenu"));
  panels->addWidget(PanelMenu, 1);
  QPalette menuPalette = PanelMenu->palette();
  menuPalette.setColor(QPalette::ButtonText, kMenuText);
  PanelMenu->setPalette(menuPalette);
  auto* menuAnchors = new Anchors(PanelMenu);
  Shape1 = new QFrame(PanelMenu);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(-196, 38, 593, 1);
  Shape1->setAutoFillBackground(true);
  QPalette linePalette = Shape1->palette();
  linePalette.setColor(QPalette::Window, kSilver);
  Shape1->setPalette(linePalette);
  menuAnchors->anchor(Shape1,
                      wv::shell::AnchorLeft | wv::shell::AnchorTop | wv::shell::AnchorRight);
  LabelDataBase = navyLabel(PanelMenu, QStringLiteral("LabelDataBase"), {6, 2, 81, 15});
  LabelDataBase->setObjectName(QStringLiteral("LabelDataBase"));
  LabelDataBase->setWordWrap(true);
  LabelUser = navyLabel(PanelMenu, QStringLiteral("LabelUser"), {6, 23, 55, 15});
  LabelUser->setObjectName(QStringLiteral("LabelUser"));
  Label2 = navyLabel(PanelMenu, kVersionText, {222, 1, 169, 15});
  Label2->setObjectName(QStringLiteral("Label2"));
  menuAnchors->anchor(Label2, wv::shell::AnchorTop | wv::shell::AnchorRight);
  ButtonDovad = button(PanelMenu, QStringLiteral("DOVAD"), {12, 56, 141, 25});
  ButtonDovad->setObjectName(QStringLiteral("ButtonDovad"));
  ButtonContracteSubsecvente =
      button(PanelMenu, QStringLiteral("Contracte subsecvente"), {12, 87, 141, 25});
  ButtonContracteSubsecvente->setObjectName(QStringLiteral("ButtonContracteSubsecvente"));

  setTabOrder(ButtonLogin, ButtonDovad);
  setTabOrder(ButtonDovad, ButtonContracteSubsecvente);

  connect(ButtonLogin, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonLoginClick(); }); });
  connect(ButtonDovad, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonDovadClick(); }); });
  connect(ButtonContracteSubsecvente, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { ButtonContracteSubsecventeClick(); }); });

  FormCreate();
}

void TfMenuVelora::link(TdmCon* dmCon, QDialog* frmLogin, QWidget* fDovad) {
  dmCon_ = dmCon;
  frmLogin_ = frmLogin;
  fDovad_ = fDovad;
}

// The main window's end is the program's end, even while the report window is open.
void TfMenuVelora::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  QCoreApplication::quit();
}

void TfMenuVelora::FormCreate() {
  PanelMenu->hide();
}

void TfMenuVelora::ButtonLoginClick() {
  if (frmLogin_->exec() != 1) return;
  PanelLogin->hide();
  PanelMenu->show();
  // Both labels size themselves to their text; the database name wraps within its width.
  LabelDataBase->setText(dmCon_->glDataBase);
  LabelDataBase->resize(LabelDataBase->width(),
                        LabelDataBase->heightForWidth(LabelDataBase->width()));
  LabelUser->setText(QStringLiteral("User ") + dmCon_->glUser);
  LabelUser->adjustSize();
}

void TfMenuVelora::ButtonDovadClick() {
  if (fDovad_->isMinimized()) fDovad_->showNormal();
  fDovad_->show();
  fDovad_->raise();
  fDovad_->activateWindow();
}

void TfMenuVelora::ButtonContracteSubsecventeClick() {
  wv::shell::dialogs().showMessage(
      this, {wv::shell::applicationTitle(), QStringLiteral("Functie in curs de dezvoltare"),
             wv::shell::MessageIcon::None, true});
}
