// How the calculator windows behave inside the main window, as a clerk meets
// them on a 1280x900 desktop: what is typed is never changed silently, every
// figure stays readable when a frame opens, OK closes the window, access
// keys press the active window's buttons, the Window menu finds every
// window, and the Help and File commands say what happened.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <cmath>

#include "finance/loan_graph_window.h"
#include "finance/loans_window.h"
#include "report/report_control.h"
#include "shell/main_window.h"
#include "shell/version.h"
#include "tax/ruravuvo.h"
#include "test_folder.h"
#include "widgets/entry_field.h"

using namespace quorin;

namespace {

struct WindowBehaviourTest : ::testing::Test {
  test::TestFolder folder;
  RecordingMessageSink messages;
  std::unique_ptr<MainWindow> main;

  void SetUp() override {
    main = std::make_unique<MainWindow>(QString::fromStdString(folder.path()), messages);
    main->resize(1280, 900);
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  }
  void TearDown() override { main.reset(); }

  QWidget* open(const char* name) {
    QWidget* w = main->openWindow(QString::fromLatin1(name));
    settle();
    return w;
  }
  static void settle() {
    for (int i = 0; i < 3; ++i) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCoreApplication::processEvents();
    }
  }
  template <class T = QWidget>
  T* find(QWidget* window, const char* name) const {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(w) << name;
    return w;
  }
  void type(QWidget* window, const char* name, const QString& text) {
    EntryField* f = find<EntryField>(window, name);
    f->setFocus();
    f->clear();
    QTest::keyClicks(f, text);
  }
  // Leaves the field the way Tab does.
  void leave(QWidget* window, const char* name) {
    EntryField* f = find<EntryField>(window, name);
    emit f->editingFinished();
  }
  void click(QWidget* window, const char* name) {
    auto* b = find<QAbstractButton>(window, name);
    ASSERT_TRUE(b);
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
  }
  QMdiSubWindow* frameOf(QWidget* w) const { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); }
  QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromLatin1(name)); }

  // No shown field is narrower than its text or its figures' minimum, and no
  // shown button narrower than its caption.
  void expectReadable(QWidget* window, const std::string& where) {
    for (EntryField* f : window->findChildren<EntryField*>()) {
      if (!f->isVisible()) continue;
      EXPECT_GE(f->width(), f->minimumSizeHint().width()) << where << ": " << f->objectName().toStdString();
      EXPECT_GT(f->width(), f->fontMetrics().horizontalAdvance(f->text()))
          << where << ": " << f->objectName().toStdString();
      EXPECT_GE(f->height(), f->fontMetrics().height()) << where << ": " << f->objectName().toStdString();
    }
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
      if (!b->isVisible() || b->text().isEmpty()) continue;
      QString caption = b->text();
      caption.remove(QLatin1Char('&'));
      EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(caption))
          << where << ": " << b->objectName().toStdString();
    }
  }
  // The window's frame lies within the main window's area; a window whose
  // fields alone are taller than the area starts at its top and the area
  // scrolls to the rest.
  void expectWithinArea(QWidget* window, const std::string& where) {
    QMdiSubWindow* sub = frameOf(window);
    ASSERT_TRUE(sub) << where;
    settle();
    if (sub->minimumSizeHint().height() > main->area()->viewport()->height()) {
      EXPECT_EQ(sub->y(), 0) << where;
      EXPECT_GT(main->area()->verticalScrollBar()->maximum(), 0) << where;
      return;
    }
    EXPECT_TRUE(main->area()->viewport()->rect().contains(sub->geometry()))
        << where << ": " << sub->geometry().x() << "," << sub->geometry().y() << " " << sub->width() << "x"
        << sub->height() << " in " << main->area()->viewport()->width() << "x" << main->area()->viewport()->height();
  }
};

// ---------------------------------------------------------------- typing

TEST_F(WindowBehaviourTest, WholeRandFieldKeepsAFractionOrCommaAndRefusesIt) {
  QWidget* monthly = open("frmMonthly");
  for (const char* typed : {"30000.50", "30,000.50", "30000x"}) {
    messages.clear();
    type(monthly, "numSalRemun", QString::fromLatin1(typed));
    // Nothing dropped: the text stays as typed.
    EXPECT_EQ(find<EntryField>(monthly, "numSalRemun")->text(), QString::fromLatin1(typed));
    leave(monthly, "numSalRemun");
    ASSERT_EQ(messages.messages.size(), 1u) << typed;
    EXPECT_TRUE(messages.last()->text.contains("Please enter a whole number from 0 to 99 999 999")) << typed;
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(monthly, "numSalRemun")) << typed;
    // Calculate refuses too and shows no figure of a silently changed salary.
    messages.clear();
    QTest::qWait(450);  // not the same click that left the field
    click(monthly, "cmdCalculate");
    EXPECT_EQ(messages.messages.size(), 1u) << typed;
    EXPECT_EQ(find<EntryField>(monthly, "numMAns3")->value(), 0) << typed;  // SDL
  }
  // Grouping with blanks is a whole number.
  messages.clear();
  type(monthly, "numSalRemun", "30 000");
  leave(monthly, "numSalRemun");
  click(monthly, "cmdCalculate");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(find<EntryField>(monthly, "numSalRemun")->value(), 30000);
  EXPECT_NEAR(find<EntryField>(monthly, "numMAns3")->value(), 300, 1e-9);
}

TEST_F(WindowBehaviourTest, DecimalCommaInAnAmountIsRefusedNotDropped) {
  QWidget* weekly = open("frmWeekly");
  type(weekly, "numSalRemun", "17712,50");
  EXPECT_EQ(find<EntryField>(weekly, "numSalRemun")->text(), "17712,50");
  leave(weekly, "numSalRemun");
  ASSERT_TRUE(messages.last());
  EXPECT_TRUE(messages.last()->text.contains("comma"));
  EXPECT_TRUE(messages.last()->text.contains("Please enter an amount from"));
  messages.clear();
  type(weekly, "numSalRemun", "17712.50");
  leave(weekly, "numSalRemun");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(find<EntryField>(weekly, "numSalRemun")->value(), 17712.5);
}

TEST_F(WindowBehaviourTest, EndDateIsCheckedOnLeavingAndDigitsFillTheMask) {
  for (auto [window, field] : {std::pair{"frmMonthly", "dtMEndDate"}, std::pair{"frmAnnual", "dtEndDate"},
                               std::pair{"frmDayBal", "dtEndDate"}}) {
    QWidget* w = open(window);
    for (const char* bad : {"31/06/2025", "29/02/2026", "01/03/2026"}) {
      if (std::string(window) == "frmDayBal" && std::string(bad) == "01/03/2026") continue;  // no year limit there
      messages.clear();
      QTest::qWait(450);  // the same message twice in a moment is shown once
      type(w, field, QString::fromLatin1(bad));
      leave(w, field);
      ASSERT_EQ(messages.messages.size(), 1u) << window << " " << bad;
      EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(w, field)) << window << " " << bad;
    }
    w->close();
    settle();
  }
  QWidget* monthly = open("frmMonthly");
  messages.clear();
  type(monthly, "dtMStartDate", "01032025");
  leave(monthly, "dtMStartDate");
  type(monthly, "dtMEndDate", "31032025");
  leave(monthly, "dtMEndDate");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(find<EntryField>(monthly, "dtMStartDate")->text(), "01/03/2025");
  EXPECT_EQ(find<EntryField>(monthly, "dtMEndDate")->text(), "31/03/2025");
  EXPECT_EQ(find<EntryField>(monthly, "dtMEndDate")->dayNumber(), 45747);
}

// ---------------------------------------------------------------- layout

TEST_F(WindowBehaviourTest, EveryFrameKeepsEveryFigureAndCaptionReadable) {
  struct Case {
    const char* window;
    std::vector<const char*> frameButtons;  // each pressed, then its frame closed again
  };
  const std::vector<Case> cases = {
      {"frmKwikTax", {"cmPrint"}},
      {"frmMonthly", {"cmdPrint", "cmdSettings", "cmdInfo"}},
      {"frmDaily", {"cmdPrint", "cmdSettings", "cmdInfo"}},
      {"frmAnnual", {"cmdPrint", "cmdSettings"}},
      {"frmETI", {"cmdPrint", "cmdSettings"}},
      {"frmInflation", {"cmdPrint"}},
      {"frmDayBal", {"cmdPrint"}},
      {"frmLoanBuster", {"cmdPrint"}},
      {"frmLoans", {"cmdFinCharge", "cmdPrint"}},
      {"frmLoanComp", {"cmdPrint"}},
      {"frmVelmMon", {"cmdSettings", "cmdRAExpl"}},
      {"frmVelmAnn", {"cmdSettings"}},
      {"frmQuorinMon", {"cmdSettings", "cmdRAExpl"}},
      {"frmQuorinAnn", {"cmdSettings"}},
      {"frmCarAll1", {"cmdPrint"}},
      {"frmCompCar", {"cmdPrint"}},
  };
  for (const Case& c : cases) {
    QWidget* w = open(c.window);
    ASSERT_TRUE(w) << c.window;
    expectReadable(w, c.window);
    for (const char* b : c.frameButtons) {
      auto* button = w->findChild<QPushButton*>(QString::fromLatin1(b));
      if (!button || !button->isEnabled()) continue;  // a print refused on empty values
      click(w, b);
      const std::string where = std::string(c.window) + " after " + b;
      expectReadable(w, where);
      expectWithinArea(w, where);
    }
    w->close();
    settle();
  }
}

TEST_F(WindowBehaviourTest, LoanComparisonPrintFrameLiesBelowTheGrid) {
  QWidget* w = open("frmLoanComp");
  type(w, "numBAmt", "100000");
  type(w, "numIntRate", "12");
  click(w, "cmdCalculate");
  click(w, "cmdPrint");
  auto* grid = find<QTableWidget>(w, "grdPayments");
  auto* frame = find<QWidget>(w, "fraPrint");
  ASSERT_TRUE(frame->isVisible());
  EXPECT_GE(frame->geometry().top(), grid->geometry().bottom());
  expectReadable(w, "loan comparison with its print frame");
}

TEST_F(WindowBehaviourTest, MonthlyScheduleScrollsInsideAWindowThatStaysInTheArea) {
  QWidget* w = open("frmLoans");
  type(w, "numPrinAmount", "500000");
  type(w, "numPeriod", "240");
  type(w, "numIntRate", "10");
  click(w, "cmdCalculate");
  click(w, "cmdMonAmort");
  auto* grid = find<QTableWidget>(w, "grdPayments");
  ASSERT_TRUE(grid->isVisible());
  EXPECT_EQ(grid->rowCount(), 240);
  EXPECT_GT(grid->verticalScrollBar()->maximum(), 0);
  expectWithinArea(w, "loans with a monthly schedule");
  for (const char* b : {"cmdCalculate", "cmdOK"}) {
    auto* button = find<QWidget>(w, b);
    const QRect onArea(button->mapTo(main->area()->viewport(), QPoint(0, 0)), button->size());
    EXPECT_TRUE(main->area()->viewport()->rect().contains(onArea)) << b;
  }
}

// ---------------------------------------------------------------- closing, keys and windows

TEST_F(WindowBehaviourTest, OkClosesTheWholeChildWindow) {
  for (auto [window, ok] : {std::pair{"frmKwikTax", "cmdOk"}, std::pair{"frmMonthly", "cmdOk"},
                            std::pair{"frmLoans", "cmdOK"}, std::pair{"frmQuorinMon", "cmdOk"},
                            std::pair{"frmCarAll1", "cmdOk"}}) {
    QWidget* w = open(window);
    click(w, ok);
    EXPECT_TRUE(main->area()->subWindowList().isEmpty()) << window;
    // The menu opens one fresh window, not a second one beside an empty frame.
    open(window);
    EXPECT_EQ(main->area()->subWindowList().size(), 1) << window;
    main->child(QString::fromLatin1(window))->close();
    settle();
  }
}

TEST_F(WindowBehaviourTest, AccessKeysPressTheActiveWindowsButtonsBeforeTheMenuBar) {
  QWidget* monthly = open("frmMonthly");
  type(monthly, "numSalRemun", "30000");
  QWidget* focus = QApplication::focusWidget();
  ASSERT_TRUE(focus);
  QTest::keyClick(focus, Qt::Key_C, Qt::AltModifier);
  settle();
  EXPECT_FALSE(QApplication::activePopupWidget());
  EXPECT_NEAR(find<EntryField>(monthly, "numMAns3")->value(), 300, 1e-9);  // Calculate was pressed

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
  settle();
  EXPECT_FALSE(QApplication::activePopupWidget());
  EXPECT_TRUE(find<QWidget>(monthly, "Frame3")->isVisible());  // the Setup frame

  // With the Setup frame shown, "&Calculate" is disabled and claims nothing:
  // the menu bar has its key again.
  EXPECT_FALSE(find<QWidget>(monthly, "cmdCalculate")->isEnabled());
  QWidget* now = QApplication::focusWidget() ? QApplication::focusWidget() : monthly;
  QTest::keyClick(now, Qt::Key_C, Qt::AltModifier);
  settle();
  if (QWidget* popup = QApplication::activePopupWidget()) {
    EXPECT_EQ(popup->objectName(), "mnuCarCalcs");
    popup->close();
  }
}

TEST_F(WindowBehaviourTest, TabFollowsTheFieldsNotTheSpinButtons) {
  QWidget* w = open("frmDayBal");
  auto* end = find<EntryField>(w, "dtEndDate");
  end->setFocus(Qt::TabFocusReason);
  QTest::keyClick(end, Qt::Key_Tab);
  settle();
  ASSERT_TRUE(QApplication::focusWidget());
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "numIntRate");
  // In every window the typeable fields are reached top to bottom.
  for (const char* name : {"frmMonthly", "frmInflation", "frmLoanBuster", "frmLoans", "frmKwikTax", "frmDayBal",
                           "frmVelmMon", "frmQuorinAnn", "frmCarAll1"}) {
    QWidget* window = open(name);
    QList<EntryField*> order;
    QWidget* start = window;
    for (QWidget* x = start->nextInFocusChain(); x && x != start; x = x->nextInFocusChain())
      if (auto* f = qobject_cast<EntryField*>(x); f && window->isAncestorOf(f) && f->isVisible() && !f->isReadOnly())
        order << f;
    for (int i = 1; i < order.size(); ++i) {
      const QPoint a = order[i - 1]->mapTo(window, QPoint(0, 0));
      const QPoint b = order[i]->mapTo(window, QPoint(0, 0));
      EXPECT_TRUE(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()) || b.x() > a.x() + 20)
          << name << ": " << order[i - 1]->objectName().toStdString() << " then "
          << order[i]->objectName().toStdString();
    }
    for (QWidget* x = start->nextInFocusChain(); x && x != start; x = x->nextInFocusChain()) {
      if (window->isAncestorOf(x) && x->inherits("QToolButton")) {
        EXPECT_FALSE(x->focusPolicy() & Qt::TabFocus) << name << ": " << x->objectName().toStdString();
      }
    }
  }
}

TEST_F(WindowBehaviourTest, LoanGraphIsADialogClosedWithEscAndRoundTicks) {
  auto* loans = static_cast<LoansWindow*>(open("frmLoans"));
  type(loans, "numPrinAmount", "250000");
  type(loans, "numPeriod", "120");
  type(loans, "numIntRate", "10.5");
  click(loans, "cmdCalculate");
  click(loans, "cmdLoanGraph");
  LoanGraphWindow* graph = loans->graphWindow();
  ASSERT_TRUE(graph);
  EXPECT_TRUE(qobject_cast<QDialog*>(graph));
  EXPECT_EQ(graph->parentWidget(), loans);
  EXPECT_TRUE(find<QPushButton>(graph, "cmdGraphClose"));
  for (QAbstractAxis* axis : graph->chart()->axes(Qt::Vertical)) {
    auto* values = qobject_cast<QValueAxis*>(axis);
    ASSERT_TRUE(values);
    // Round ticks: the step is 1, 2 or 5 times a power of ten.
    const double step = (values->max() - values->min()) / (values->tickCount() - 1);
    const double scale = std::pow(10.0, std::floor(std::log10(step)));
    const double digit = std::round(step / scale);
    EXPECT_NEAR(step, digit * scale, 1e-6 * scale);
    EXPECT_TRUE(digit == 1 || digit == 2 || digit == 5 || digit == 10) << step;
  }
  QTest::keyClick(graph, Qt::Key_Escape);
  settle();
  EXPECT_FALSE(loans->graphWindow() && loans->graphWindow()->isVisible());
}

TEST_F(WindowBehaviourTest, WindowMenuArrangesAndFindsEveryOpenWindow) {
  QStringList commands;
  auto* menu = main->findChild<QMenu*>("mnuWindow");
  ASSERT_TRUE(menu);
  open("frmMonthly");
  open("frmLoans");
  open("frmKwikTax");
  emit menu->aboutToShow();
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) commands << a->text();
  ASSERT_GE(commands.size(), 7);
  EXPECT_EQ(commands[0], "&Tile");
  EXPECT_EQ(commands[1], "&Cascade");
  EXPECT_TRUE(commands[2].startsWith("Ne&xt"));
  EXPECT_TRUE(commands[3].startsWith("Pre&vious"));
  EXPECT_EQ(commands.mid(4), (QStringList{"&1 Monthly", "&2 Loans", "&3 RuravUvo"}));
  // Choosing a listed window brings it forward, even one hidden behind others.
  action("mnuWindowList1")->trigger();
  settle();
  EXPECT_EQ(main->area()->activeSubWindow()->widget()->objectName(), "frmMonthly");
  action("mnuTile")->trigger();
  settle();
  for (QMdiSubWindow* sub : main->area()->subWindowList())
    EXPECT_TRUE(main->area()->viewport()->rect().contains(sub->geometry().topLeft()));
}

TEST_F(WindowBehaviourTest, RuravUvoCalculatesWhenOpenedAfterAboutAndHelp) {
  main->state().ruravuvo.TaxableIncome = 300000;
  main->state().ruravuvo.Age = 40;
  action("mnuAbout")->trigger();
  settle();
  QWidget* w = open("frmKwikTax");
  RuravUvoState expected = main->state().ruravuvo;
  NEWCALC(expected, tax::TaxYear2026());
  const RuravUvoFields f = ruravUvoFields(expected);
  for (int i = 2; i < 10; ++i)
    EXPECT_EQ(find<EntryField>(w, QStringLiteral("sidbEdit1_%1").arg(i).toLatin1().constData())->value(), f.values[i])
        << i;
  EXPECT_GT(f.values[6], 0);  // a rebate is shown
}

// ---------------------------------------------------------------- menu commands and messages

TEST_F(WindowBehaviourTest, PrinterSetupWithoutAPrinterSaysSo) {
  if (printerInstalled()) GTEST_SKIP() << "a printer is installed here";
  action("mnuPrinterSet")->trigger();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Printer Setup");
  EXPECT_TRUE(messages.last()->text.contains("No printer is installed"));
}

TEST_F(WindowBehaviourTest, VideoLecturesWithoutABrowserShowsTheOneAddress) {
  QString opened;
  main->openWebPage = [&](const QUrl& url) {
    opened = url.toString();
    return false;
  };
  action("VideoLectures1")->trigger();
  EXPECT_EQ(opened, QString::fromLatin1(kVideoLecturesAddress));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.last()->text.contains(QString::fromLatin1(kVideoLecturesAddress)));
  // The page lies on the site the About window names.
  EXPECT_TRUE(QString::fromLatin1(kVideoLecturesAddress).contains(QString::fromLatin1(kPublisherWebSite)));

  messages.clear();
  main->openWebPage = [](const QUrl&) { return true; };
  action("VideoLectures1")->trigger();
  EXPECT_TRUE(messages.messages.empty());
}

TEST(MessageText, GroupedNumbersAreNeverBrokenAcrossLines) {
  const QString shown = unbreakableNumbers(QStringLiteral("Please enter a whole number from 0 to 99 999 999"));
  EXPECT_TRUE(shown.contains(QStringLiteral("99\u00A0999\u00A0999")));
  EXPECT_TRUE(shown.startsWith(QStringLiteral("Please enter a whole number from 0 to ")));
}

}  // namespace
