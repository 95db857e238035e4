// The main window driven offscreen: menus, opening windows, Initialise All,
// start-up with the disclaimer.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/disclaimer_window.h"
#include "shell/main_window.h"
#include "shell/version.h"
#include "test_folder.h"
#include "widgets/entry_field.h"

using namespace quorin;

namespace {

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Acts on the disclaimer as soon as it is shown (start-up lets events run
// before it opens, so the timer keeps looking until it finds it).
// The timers belong to the window under test, so none outlives its test.
void whenDisclaimerShows(QObject* owner, std::function<void(DisclaimerWindow*)> act, int tries = 3000) {
  QTimer::singleShot(5, owner, [owner, act, tries] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<DisclaimerWindow*>(w); d && d->isVisible()) {
        act(d);
        return;
      }
    if (tries > 0) whenDisclaimerShows(owner, act, tries - 1);
  });
}

struct MainWindowTest : ::testing::Test {
  test::TestFolder folder;
  RecordingMessageSink messages;
  std::unique_ptr<MainWindow> window;
  void SetUp() override {
    window = std::make_unique<MainWindow>(QString::fromStdString(folder.path()), messages);
    window->show();
  }
  QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(MainWindowTest, MenusInOrderWithCaptionsAndAccessKeys) {
  QStringList titles;
  for (QAction* a : window->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Quorin", "V&elmar", "&TaxCalcs", "RuravUvo", "&Car Calculations",
                                 "Bu&siness Calculations", "&Window", "&MS-Calculator",
                                 "&Help/Videos"}));
  QStringList file;
  for (QAction* a : window->findChild<QMenu*>("mnuFile")->actions()) file << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file, (QStringList{"&Initialise All", "-", "&Printer Setup", "-", "E&xit"}));
  QStringList tax;
  for (QAction* a : window->findChild<QMenu*>("mnuTaxCalc")->actions()) tax << a->objectName();
  EXPECT_EQ(tax, (QStringList{"mnuAnnual", "mnuMonthly", "mnuFortNight", "mnuWeekly", "mnuDaily", "mnuETI"}));
  EXPECT_TRUE(action("RuravUvo")->isEnabled());
  EXPECT_TRUE(action("mnuQrinMon")->isEnabled());
  EXPECT_TRUE(action("mnuVelmAnn")->isEnabled());
  EXPECT_TRUE(action("mnuCompCar")->isEnabled());
  EXPECT_TRUE(action("mnuCarAll1")->isEnabled());
  EXPECT_TRUE(action("mnuAbout")->isEnabled());
}

TEST_F(MainWindowTest, OpeningAnOpenCalculatorBringsItForwardWithItsFields) {
  action("RuravUvo")->trigger();
  QWidget* first = window->child("frmKwikTax");
  ASSERT_TRUE(first);
  auto* income = first->findChild<EntryField*>("sidbEdit1_0");
  income->setText("123456");
  action("RuravUvo")->trigger();
  EXPECT_EQ(window->child("frmKwikTax"), first);
  EXPECT_EQ(window->area()->subWindowList().size(), 1);
  EXPECT_EQ(income->value(), 123456);
}

TEST_F(MainWindowTest, InitialiseAllResetsSharedValuesAndKeepsRuravUvoOpen) {
  action("RuravUvo")->trigger();
  SessionState& s = window->state();
  s.loans.CalcMode = "Interest rate";
  s.loans.Principal = 5000;
  s.dailyBalance.StartDate = 45800;
  s.PrintChoice = 1;
  s.ruravuvo.TaxableIncome = 300000;
  NEWCALC(s.ruravuvo, tax::TaxYear2026());
  action("mnuNew")->trigger();
  EXPECT_EQ(s.ruravuvo.TotalTax, 0);  // cleared; the next activation recomputes
  settle();
  EXPECT_EQ(s.loans.CalcMode, "Monthly repayment");
  EXPECT_EQ(s.loans.FinChargesFlag, "UP");
  EXPECT_EQ(s.loans.Principal, 5000);  // the principal is kept
  EXPECT_EQ(s.dailyBalance.StartDate, -36522);
  EXPECT_EQ(s.dailyBalance.EndDate, -36522);
  EXPECT_EQ(s.PrintChoice, 1);  // not reset
  EXPECT_EQ(s.ruravuvo.TaxableIncome, 300000);
  EXPECT_TRUE(window->child("frmKwikTax"));
}

TEST_F(MainWindowTest, StartUpShowsTheDisclaimerOncePerVersion) {
  QSettings store;
  MainWindow::setAcceptedVersion(store, 0);
  // Tick and accept the disclaimer as soon as it shows.
  whenDisclaimerShows(window.get(), [](DisclaimerWindow* d) {
    d->findChild<QAbstractButton*>("chkDisclaimerYesNo")->click();
    d->findChild<QAbstractButton*>("cmdOk")->click();
  });
  ASSERT_TRUE(window->startUp());
  EXPECT_TRUE(window->state().DisclaimerAccepted);
  EXPECT_EQ(MainWindow::acceptedVersion(store), disclaimerNumber(programVersion()));
  EXPECT_EQ(window->windowTitle().toStdString(), mainCaption(programVersion()));

  // A second start with the same version shows no disclaimer.
  RecordingMessageSink again;
  MainWindow second(QString::fromStdString(folder.path()), again);
  bool shown = false;
  whenDisclaimerShows(&second, [&](DisclaimerWindow* d) {
    shown = true;
    d->reject();
  }, 20);
  EXPECT_TRUE(second.startUp());
  EXPECT_FALSE(shown);
}

TEST_F(MainWindowTest, RefusingTheDisclaimerEndsBeforeAnyCalculator) {
  QSettings store;
  MainWindow::setAcceptedVersion(store, 0);
  whenDisclaimerShows(window.get(), [](DisclaimerWindow* d) { d->findChild<QAbstractButton*>("cmdCancel")->click(); });
  EXPECT_FALSE(window->startUp());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->area()->subWindowList().isEmpty());
  EXPECT_EQ(MainWindow::acceptedVersion(store), 0);
}

TEST_F(MainWindowTest, MissingBackgroundPictureStopsStartUpWithAMessage) {
  QFile::remove(folder.qfile("Qrin.jpg"));
  EXPECT_FALSE(window->startUp());
  ASSERT_TRUE(messages.last());
  EXPECT_TRUE(messages.last()->text.contains("Qrin.jpg"));
}

}  // namespace

namespace {

TEST_F(MainWindowTest, AnOpenedCalculatorTakesTypingInItsFirstField) {
  window->activateWindow();
  action("RuravUvo")->trigger();
  // The focus moves once the new window has been shown; allow a loaded machine time.
  (void)QTest::qWaitFor([] {
    QWidget* f = QApplication::focusWidget();
    return f && f->objectName() == QLatin1String("sidbEdit1_0");
  }, 2000);
  ASSERT_TRUE(QApplication::focusWidget());
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "sidbEdit1_0");
}

}  // namespace
