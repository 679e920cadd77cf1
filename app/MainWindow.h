#pragma once

#include <QWidget>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class TdmCon;

// The main window: "Login" before sign-in; afterwards the company's database, the user and
// the menu. Closing it ends the program.
class TfMenuVelora : public QWidget {
  Q_OBJECT

 public:
  explicit TfMenuVelora(QWidget* parent = nullptr);

  // The instances created after this window that its handlers use.
  void link(TdmCon* dmCon, QDialog* frmLogin, QWidget* fDovad);

  QFrame* PanelLogin;
  QLabel* Label1;
  QPushButton* ButtonLogin;
  QFrame* PanelMenu;
  QFrame* Shape1;
  QLabel* LabelDataBase;
  QLabel* LabelUser;
  QLabel* Label2;
  QPushButton* ButtonDovad;
  QPushButton* ButtonContracteSubsecvente;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void ButtonLoginClick();
  void ButtonDovadClick();
  void ButtonContracteSubsecventeClick();

  TdmCon* dmCon_ = nullptr;
  QDialog* frmLogin_ = nullptr;
  QWidget* fDovad_ = nullptr;
};
