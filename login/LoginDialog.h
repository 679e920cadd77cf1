#pragma once

#include <QDialog>
#include <memory>

#include "platform/pg/Query.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TdmCon;
class RememberedLogin;

// The login dialog: signs one user in to one company. Its modal showing ends with result 1
// only after a successful sign-in; a failed attempt leaves it open for another try.
class TfrmLogin : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmLogin(TdmCon& dmCon, QWidget* parent = nullptr);
  ~TfrmLogin() override;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* Edit1;  // company, bound to dsLogin.company
  QLineEdit* Edit2;  // user name, bound to dsLogin.username
  QLineEdit* Edit3;  // password; never stored
  QPushButton* Button1;

  wv::pg::Query dsVekMobil;  // the company registry lookup, on conVekMob

  // The remembered company and user name (dsLogin and its file).
  RememberedLogin& rememberedLogin() { return *dsLogin_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void Button1Click();

  TdmCon& dmCon_;
  std::unique_ptr<RememberedLogin> dsLogin_;
};
