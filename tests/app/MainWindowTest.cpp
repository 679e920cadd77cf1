#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/MainWindow.h"
#include "data/DataModule.h"
#include "platform/shell/ApplicationTitle.h"
#include "tests/support/FakeDialogs.h"

namespace {

// A login dialog that ends its modal showing at once with a chosen result.
class AnsweringDialog : public QDialog {
 public:
  int answer = 2;
  int shown = 0;

 protected:
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    ++shown;
    QTimer::singleShot(0, this, [this] { done(answer); });
  }
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    window.link(&dmCon, &login, &report);
    window.show();
  }
  wv::test::FakeDialogs dialogs;
  TfMenuVelora window;
  TdmCon dmCon;
  AnsweringDialog login;
  QWidget report;
};

TEST_F(MainWindowTest, StartsSignedOutWithOnlyTheLoginPanel) {
  EXPECT_TRUE(window.PanelLogin->isVisible());
  EXPECT_FALSE(window.PanelMenu->isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("fMenuVelora"));
  EXPECT_EQ(window.Label1->text(), QStringLiteral("wVelora v. 2026.07.24 15:30"));
  EXPECT_EQ(window.Label2->text(), window.Label1->text());
}

TEST_F(MainWindowTest, ControlsStandWhereTheFormPutsThem) {
  const struct {
    QWidget* control;
    QRect geometry;
  } cases[] = {
      {window.PanelLogin, {0, 0, 397, 49}},
      {window.ButtonLogin, {12, 9, 75, 30}},
      {window.Label1, {222, 0, 169, 15}},
      {window.PanelMenu, {0, 49, 397, 277}},
      {window.LabelDataBase, {6, 2, 81, 15}},
      {window.LabelUser, {6, 23, 55, 15}},
      {window.Label2, {222, 1, 169, 15}},
      {window.ButtonDovad, {12, 56, 141, 25}},
      {window.ButtonContracteSubsecvente, {12, 87, 141, 25}},
      {window.Shape1, {-196, 38, 593, 1}},
  };
  EXPECT_EQ(window.size(), QSize(397, 326));
  for (const auto& c : cases)
    EXPECT_EQ(c.control->geometry(), c.geometry) << c.control->objectName().toStdString();
}

TEST_F(MainWindowTest, ResizingKeepsTheVersionTextAtTheRightAndStretchesThePanels) {
  window.resize(497, 426);
  window.PanelMenu->show();  // a hidden panel lays out its controls when it is shown
  QApplication::processEvents();
  EXPECT_EQ(window.PanelLogin->geometry(), QRect(0, 0, 497, 49));
  EXPECT_EQ(window.PanelMenu->geometry(), QRect(0, 49, 497, 377));
  EXPECT_EQ(window.Label1->geometry(), QRect(322, 0, 169, 15));
  EXPECT_EQ(window.Label2->geometry(), QRect(322, 1, 169, 15));
  EXPECT_EQ(window.Shape1->geometry(), QRect(-196, 38, 693, 1));
  EXPECT_EQ(window.ButtonDovad->geometry(), QRect(12, 56, 141, 25));
}

TEST_F(MainWindowTest, ALoginThatIsNotConfirmedChangesNothing) {
  login.answer = 2;
  window.ButtonLogin->click();
  window.ButtonLogin->click();
  EXPECT_EQ(login.shown, 2);
  EXPECT_TRUE(window.PanelLogin->isVisible());
  EXPECT_FALSE(window.PanelMenu->isVisible());
}

TEST_F(MainWindowTest, AConfirmedLoginShowsTheMenuWithDatabaseAndUser) {
  dmCon.glNumeFirma = QStringLiteral("Firma Demo");
  dmCon.glDataBase = QStringLiteral("vek_demo");
  dmCon.glUser = QStringLiteral("ana");
  login.answer = 1;
  window.ButtonLogin->click();
  EXPECT_FALSE(window.PanelLogin->isVisible());
  EXPECT_TRUE(window.PanelMenu->isVisible());
  EXPECT_EQ(window.LabelDataBase->text(), QStringLiteral("vek_demo"));
  EXPECT_EQ(window.LabelUser->text(), QStringLiteral("User ana"));
  QApplication::processEvents();
  EXPECT_EQ(window.PanelMenu->geometry(),
            QRect(0, 0, 397, 326));  // the menu takes the whole window
  EXPECT_GE(window.LabelUser->width(), window.LabelUser->sizeHint().width());  // never cut
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, DovadShowsTheSameReportWindowAndRestoresIt) {
  window.ButtonDovad->click();
  EXPECT_TRUE(report.isVisible());
  report.showMinimized();
  window.ButtonDovad->click();
  EXPECT_TRUE(report.isVisible());
  EXPECT_FALSE(report.isMinimized());
}

TEST_F(MainWindowTest, ContracteSubsecventeSaysItIsUnderDevelopment) {
  window.ButtonContracteSubsecvente->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const auto& m = dialogs.messages[0];
  EXPECT_EQ(m.text, QStringLiteral("Functie in curs de dezvoltare"));
  EXPECT_EQ(m.caption, wv::shell::applicationTitle());
  EXPECT_EQ(m.icon, wv::shell::MessageIcon::None);
  EXPECT_TRUE(m.centerOnScreen);
}

TEST_F(MainWindowTest, ButtonsCarryTheirCaptionsForScreenReaders) {
  for (QPushButton* b : {window.ButtonLogin, window.ButtonDovad, window.ButtonContracteSubsecvente})
    EXPECT_EQ(b->accessibleName(), b->text());
}

}  // namespace
