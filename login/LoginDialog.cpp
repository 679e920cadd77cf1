#include "login/LoginDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "data/DataModule.h"
#include "login/LoginAttempt.h"
#include "login/RegistryQuery.h"
#include "login/RememberedLogin.h"
#include "platform/shell/ApplicationTitle.h"
#include "platform/shell/DefaultErrorHandler.h"
#include "platform/shell/Fonts.h"
#include "platform/shell/PasswordEcho.h"

using wv::shell::designFont;

namespace {

QLabel* boxLabel(QWidget* parent, const QString& text, const QRect& geometry, QLineEdit* box) {
  auto* label = new QLabel(text, parent);
  label->setFont(designFont(QStringLiteral("Tahoma"), 12));
  label->setGeometry(geometry);
  label->adjustSize();  // labels size themselves to their text, whatever the face
  label->setBuddy(box);
  box->setAccessibleName(text);
  return label;
}

QLineEdit* box(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  return edit;
}

}  // namespace

TfrmLogin::TfrmLogin(TdmCon& dmCon, QWidget* parent)
    : QDialog(parent),
      dsVekMobil(QStringLiteral("dsVekMobil"), dmCon.conVekMob, wv::login::registryStatement(),
                 wv::login::registryParams(), wv::login::registryFields(), this),
      dmCon_(dmCon) {
  setObjectName(QStringLiteral("frmLogin"));
  setWindowTitle(QStringLiteral("frmLogin"));
  setFont(designFont(QStringLiteral("Tahoma"), 11));
  setFixedSize(362, 158);

  Edit1 = box(this, QStringLiteral("Edit1"), {77, 22, 268, 21});
  Edit2 = box(this, QStringLiteral("Edit2"), {77, 54, 268, 21});
  Edit3 = box(this, QStringLiteral("Edit3"), {77, 86, 268, 21});
  wv::shell::echoAsAsterisks(Edit3);
  Label1 = boxLabel(this, QStringLiteral("Company"), {16, 24, 50, 14}, Edit1);
  Label2 = boxLabel(this, QStringLiteral("UserName"), {16, 56, 55, 14}, Edit2);
  Label3 = boxLabel(this, QStringLiteral("Password"), {16, 88, 51, 14}, Edit3);
  Button1 = new QPushButton(QStringLiteral("Login"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(77, 120, 75, 30);
  Button1->setAccessibleName(QStringLiteral("Login"));
  Button1->setDefault(true);

  // Tab order: the password first, so it has the focus when the dialog first shows.
  setTabOrder(Edit3, Button1);
  setTabOrder(Button1, Edit1);
  setTabOrder(Edit1, Edit2);
  Edit3->setFocus();

  dsLogin_ = std::make_unique<RememberedLogin>(Edit1, Edit2);
  connect(Button1, &QPushButton::clicked, this,
          [this] { wv::shell::guarded([this] { Button1Click(); }); });
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) wv::shell::guarded([this] { FormShow(); });
}

void TfrmLogin::FormShow() {
  dsLogin_->loadAndOpen();
}

void TfrmLogin::Button1Click() {
  // The remembered login only spares typing: a file that cannot be written is reported, but
  // it must not keep the user out of the program.
  wv::shell::guarded([this] { dsLogin_->save(); });
  runLoginAttempt(dmCon_, dsVekMobil,
                  {Edit1->text(), Edit2->text(), Edit3->text(), wv::shell::applicationTitle()});
  Edit3->clear();
  done(1);
}
