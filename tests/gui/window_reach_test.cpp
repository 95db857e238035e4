// The windows as a clerk meets them on a 1024x768 screen and through a
// screen reader: every field and button of every window, with each frame
// open, can be reached inside the main window's area; what is typed is
// never cut or changed and a refusal names its field; buttons stay under
// the pointer; a frame takes the typing and gives it back; the year in use
// stays in the status line; Tile, Cascade and Esc keep to the area.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include "shell/main_window.h"
#include "shell/session_state.h"
#include "shell/window_arrangement.h"
#include "test_folder.h"
#include "vehicle/vehicle_fields.h"
#include "widgets/entry_field.h"
#include "widgets/window_fit.h"

using namespace quorin;

namespace {

struct WindowCase {
  const char* window;
  std::vector<const char*> frameButtons;  // each opens a frame
};

// Every calculator with the buttons that open its frames.
const std::vector<WindowCase> kWindows = {
    {"frmKwikTax", {"cmPrint"}},
    {"frmMonthly", {"cmdPrint", "cmdSettings", "cmdInfo"}},
    {"frmWeekly", {"cmdPrint", "cmdSettings", "cmdInfo"}},
    {"frmFortNight", {"cmdPrint", "cmdSettings", "cmdInfo"}},
    {"frmDaily", {"cmdPrint", "cmdSettings", "cmdInfo"}},
    {"frmAnnual", {"cmdPrint", "cmdSettings", "cmdInfo"}},
    {"frmInflation", {"cmdPrint"}},
    {"frmDayBal", {"cmdPrint"}},
    {"frmLoanBuster", {"cmdPrint"}},
    {"frmLoans", {"cmdFinCharge", "cmdPrint", "cmdMonAmort"}},
    {"frmLoanComp", {"cmdPrint"}},
    {"frmVelmMon", {"cmdSettings", "cmdRAExpl", "cmdPrint"}},
    {"frmVelmAnn", {"cmdSettings", "cmdPrint"}},
    {"frmQuorinMon", {"cmdSettings", "cmdRAExpl", "cmdPrint"}},
    {"frmQuorinAnn", {"cmdSettings", "cmdPrint"}},
    {"frmCarAll1", {"cmdPrint"}},
    {"frmCompCar", {"cmdPrint"}},
};

struct WindowReachTest : ::testing::Test {
  test::TestFolder folder;
  RecordingMessageSink messages;
  std::unique_ptr<MainWindow> main;

  void SetUp() override {
    main = std::make_unique<MainWindow>(QString::fromStdString(folder.path()), messages);
    main->resize(1024, 768);
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  }
  void TearDown() override { main.reset(); }

  static void settle() {
    for (int i = 0; i < 3; ++i) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCoreApplication::processEvents();
    }
  }
  QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromLatin1(name)); }
  // The company car through its menu command, which sets the main window's
  // width for it; the others as the menu opens them.
  QWidget* open(const char* name) {
    if (std::string(name) == "frmCompCar")
      action("mnuCompCar")->trigger();
    else
      main->openWindow(QString::fromLatin1(name));
    settle();
    return main->child(QString::fromLatin1(name));
  }
  void closeAll() {
    for (QMdiSubWindow* sub : main->area()->subWindowList()) sub->close();
    settle();
    main->resize(1024, 768);
    settle();
  }
  template <class T = QWidget>
  T* find(QWidget* window, const char* name) const {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(w) << name;
    return w;
  }
  void type(EntryField* f, const QString& text) {
    f->setFocus();
    f->clear();
    QTest::keyClicks(f, text);
  }
  void press(QWidget* window, const char* name) {
    auto* b = find<QAbstractButton>(window, name);
    ASSERT_TRUE(b);
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
  }

  // The window lies inside the area, and each of its fields and buttons can
  // be scrolled into view inside the window, whole and inside the area.
  void expectInReach(QWidget* window, const std::string& where) {
    QWidget* view = main->area()->viewport();
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_TRUE(sub) << where;
    EXPECT_TRUE(view->rect().contains(sub->geometry()))
        << where << ": window at " << sub->x() << "," << sub->y() << " " << sub->width() << "x" << sub->height()
        << " in " << view->width() << "x" << view->height();
    auto* body = window->findChild<BodyScrollArea*>(QStringLiteral("scrBody"));
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || w->size().isEmpty()) continue;
      if (!qobject_cast<EntryField*>(w) && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w)) continue;
      const std::string name = where + ": " + w->metaObject()->className() + " " + w->objectName().toStdString();
      if (body && body->widget()->isAncestorOf(w)) {
        static_cast<BodyScrollArea*>(body)->bringIntoView(w);
        const QRect inBody(w->mapTo(body->viewport(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(body->viewport()->rect().contains(inBody)) << name;
      }
      const QRect onArea(w->mapTo(view, QPoint(0, 0)), w->size());
      EXPECT_TRUE(view->rect().contains(onArea)) << name;
      if (auto* f = qobject_cast<EntryField*>(w)) {
        EXPECT_FALSE(f->accessibleName().isEmpty()) << name;
      }
    }
  }
};

// ---------------------------------------------------------------- the area

TEST_F(WindowReachTest, EveryWindowWithEachFrameOpenIsInReachAt1024x768) {
  for (const WindowCase& c : kWindows) {
    for (std::size_t i = 0; i <= c.frameButtons.size(); ++i) {
      closeAll();
      QWidget* w = open(c.window);
      ASSERT_TRUE(w) << c.window;
      std::string where = c.window;
      if (i > 0) {
        const char* button = c.frameButtons[i - 1];
        if (std::string(c.window) == "frmLoans") {  // figures to show and print
          type(find<EntryField>(w, "numPrinAmount"), "500000");
          type(find<EntryField>(w, "numPeriod"), "240");
          type(find<EntryField>(w, "numIntRate"), "10");
          press(w, "cmdCalculate");
        }
        auto* b = w->findChild<QAbstractButton*>(QString::fromLatin1(button));
        if (!b || !b->isEnabled()) continue;  // a print refused on empty values
        press(w, button);
        where += std::string(" after ") + button;
      }
      expectInReach(w, where);
    }
  }
}

TEST_F(WindowReachTest, MainWindowSizeKeepsToTheScreen) {
  struct Case {
    QRect screen;
    QSize expected;
  };
  for (const Case& c : {Case{QRect(0, 0, 1024, 768), QSize(1008, 728)}, Case{QRect(0, 0, 1280, 900), QSize(1100, 780)},
                        Case{QRect(0, 24, 1920, 1056), QSize(1100, 780)}}) {
    EXPECT_EQ(mainWindowSize(QSize(1100, 780), c.screen), c.expected) << c.screen.width();
  }
}

TEST_F(WindowReachTest, TileAndCascadeKeepEveryWindowWholeAndEscClosesTheActiveOne) {
  const char* names[] = {"frmKwikTax", "frmMonthly", "frmAnnual",    "frmLoans",
                         "frmVelmMon", "frmCarAll1", "frmInflation", "frmDayBal"};
  for (const char* n : names) open(n);
  QWidget* view = main->area()->viewport();
  action("mnuTile")->trigger();
  settle();
  const QList<QMdiSubWindow*> subs = main->area()->subWindowList();
  ASSERT_EQ(subs.size(), 8);
  for (QMdiSubWindow* a : subs) {
    const std::string name = a->widget()->objectName().toStdString();
    EXPECT_GE(a->width(), a->minimumSizeHint().width()) << name;
    EXPECT_GE(a->height(), a->minimumSizeHint().height()) << name;
    // Whole within what the area scrolls to.
    EXPECT_GE(a->x(), -main->area()->horizontalScrollBar()->value()) << name;
    EXPECT_GE(a->y(), -main->area()->verticalScrollBar()->value()) << name;
    EXPECT_LE(a->geometry().right(), view->width() + main->area()->horizontalScrollBar()->maximum()) << name;
    EXPECT_LE(a->geometry().bottom(), view->height() + main->area()->verticalScrollBar()->maximum()) << name;
    for (QMdiSubWindow* b : subs) {
      if (a == b) continue;
      EXPECT_FALSE(a->geometry().intersects(b->geometry()))
          << name << " and " << b->widget()->objectName().toStdString();
    }
  }
  action("mnuCascade")->trigger();
  settle();
  for (QMdiSubWindow* sub : main->area()->subWindowList())
    EXPECT_TRUE(view->rect().contains(sub->geometry())) << sub->widget()->objectName().toStdString();

  // Esc closes the active calculator as its close box does.
  QWidget* monthly = main->openWindow(QStringLiteral("frmMonthly"));
  settle();
  auto* age = find<EntryField>(monthly, "silgEdit9");
  age->setFocus();
  QTest::keyClick(age, Qt::Key_Escape);
  settle();
  EXPECT_FALSE(main->child(QStringLiteral("frmMonthly")));
  EXPECT_EQ(main->area()->subWindowList().size(), 7);
}

TEST_F(WindowReachTest, EscOnACompanyCarWithABadDateIsRefusedWithItsMessage) {
  QWidget* car = open("frmCompCar");
  press(car, "cmdAdd");
  type(find<EntryField>(car, "txtCCRegNumber"), "CA 1");
  auto* end = find<EntryField>(car, "dtCCEndDate");
  type(end, "31/02/2020");
  messages.clear();
  QTest::keyClick(end, Qt::Key_Escape);
  settle();
  EXPECT_TRUE(main->child(QStringLiteral("frmCompCar")));
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->title, QString::fromLatin1(kCompCarDatesTitle));
}

TEST_F(WindowReachTest, AddClickedFiveTimesAtOnePlaceAddsFiveVehicles) {
  QWidget* car = open("frmCompCar");
  auto* add = find<QAbstractButton>(car, "cmdAdd");
  const QPoint at = add->mapTo(main.get(), add->rect().center());
  for (int i = 1; i <= 5; ++i) {
    QWidget* under = main->childAt(at);
    ASSERT_EQ(under, add) << "click " << i;
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(main.get(), at));
    settle();
    type(find<EntryField>(car, "txtCCRegNumber"), QStringLiteral("CA %1").arg(i));
  }
  EXPECT_EQ(main->state().vehicles.companyCars.count(), 5);
}

// ---------------------------------------------------------------- typing,
// messages and names

TEST_F(WindowReachTest, EveryNumberFieldKeepsWhatIsTypedAndRefusesByCaption) {
  const QString typed[] = {QStringLiteral("1 234"), QStringLiteral("1234."), QStringLiteral("1234,5"),
                           QStringLiteral("-1"), QStringLiteral("abc")};
  int fields = 0;
  for (const WindowCase& c : kWindows) {
    closeAll();
    QWidget* w = open(c.window);
    ASSERT_TRUE(w) << c.window;
    if (auto* reg = w->findChild<EntryField*>(QStringLiteral("txtCCRegNumber"))) {
      press(w, "cmdAdd");
      type(reg, QStringLiteral("CA 1"));
    }
    if (w->findChild<QAbstractButton*>(QStringLiteral("cmdSettings"))) press(w, "cmdSettings");
    for (EntryField* f : w->findChildren<EntryField*>()) {
      if (!f->isVisible() || !f->isEnabled() || f->isReadOnly()) continue;
      if (f->limit().kind != FieldKind::Amount && f->limit().kind != FieldKind::Whole) continue;
      ++fields;
      const std::string name = std::string(c.window) + " " + f->objectName().toStdString();
      ASSERT_FALSE(f->caption().isEmpty()) << name;
      for (const QString& text : typed) {
        messages.clear();
        type(f, text);
        EXPECT_EQ(f->text(), text) << name;  // nothing dropped, cut or changed
        emit f->editingFinished();
        double value = 0;
        const bool refused = checkText("", f->limit(), text.toStdString(), value).has_value();
        if (text.contains(',') || text == "abc") {
          EXPECT_TRUE(refused) << name;
        }
        if (refused) {
          ASSERT_TRUE(messages.last()) << name << " " << text.toStdString();
          EXPECT_TRUE(messages.last()->text.startsWith(f->caption() + ": "))
              << name << ": " << messages.last()->text.toStdString();
        } else {
          EXPECT_EQ(f->value(), value) << name << " " << text.toStdString();
        }
      }
      type(f, QStringLiteral("0"));
      emit f->editingFinished();
    }
  }
  EXPECT_GT(fields, 150);
}

TEST_F(WindowReachTest, LoansNameTheFieldAndABrokenMinimum) {
  QWidget* loans = open("frmLoans");
  struct Case {
    const char* field;
    const char* typed;
    const char* message;
  };
  for (const Case& c : {Case{"numPeriod", "-1", "Period: The minimum period allowed is 0 months"},
                        Case{"numIntRate", "-1", "Interest rate: The minimum interest rate allowed is 0%"},
                        Case{"numIntRate", "51", "Interest rate: The maximum interest rate allowed is 50%"}}) {
    messages.clear();
    auto* f = find<EntryField>(loans, c.field);
    type(f, QString::fromLatin1(c.typed));
    emit f->editingFinished();
    ASSERT_TRUE(messages.last()) << c.field;
    EXPECT_EQ(messages.last()->text, QString::fromLatin1(c.message));
    EXPECT_EQ(QApplication::focusWidget(), f);
  }
}

TEST_F(WindowReachTest, FieldsAreFoundAndReadByTheirCaptions) {
  QWidget* annual = open("frmAnnual");
  const auto byName = [&](const QString& caption) -> EntryField* {
    for (EntryField* f : annual->findChildren<EntryField*>())
      if (f->accessibleName() == caption) return f;
    return nullptr;
  };
  EntryField* total = byName(QStringLiteral("Total tax deduction"));
  ASSERT_TRUE(total);
  EXPECT_EQ(total->objectName(), "numTaxLiability");
  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(total);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->text(QAccessible::Name), "Total tax deduction");
  EXPECT_EQ(read->text(QAccessible::Value), total->text());
  EntryField* salary = byName(QStringLiteral("Salary/remuneration"));
  ASSERT_TRUE(salary);
  for (QLabel* label : annual->findChildren<QLabel*>())
    if (label->text() == "Salary/remuneration") {
      EXPECT_EQ(label->buddy(), salary);
    }
  EXPECT_TRUE(byName(QStringLiteral("Number of Medical Aid Beneficiaries Mar")));
}

// ---------------------------------------------------------------- focus and
// the status line

TEST_F(WindowReachTest, AFrameTakesTheTypingAndGivesItBack) {
  for (const char* name : {"frmMonthly", "frmAnnual", "frmVelmMon"}) {
    closeAll();
    QWidget* w = open(name);
    EntryField* age = nullptr;
    for (EntryField* f : w->findChildren<EntryField*>())
      if (f->caption() == "Age" || f->caption() == "Taxpayer's age") age = f;
    ASSERT_TRUE(age) << name;
    type(age, QStringLiteral("40"));
    const bool print = std::string(name) != "frmVelmMon";
    press(w, print ? "cmdPrint" : "cmdSettings");
    QWidget* first = QApplication::focusWidget();
    ASSERT_TRUE(first) << name;
    EXPECT_EQ(first->objectName(), print ? "Text1" : "numPenContPerc") << name;
    if (print) {
      QTest::keyClicks(first, "Jane");
      EXPECT_EQ(age->text(), "40") << name;
      press(w, "cmdCancel");
    } else {
      press(w, "cmdSetupOK");
    }
    EXPECT_EQ(QApplication::focusWidget(), age) << name;
  }
}

TEST_F(WindowReachTest, TheYearInUseStaysInTheStatusLine) {
  auto* year = main->findChild<QLabel*>(QStringLiteral("lblTaxYear"));
  ASSERT_TRUE(year);
  const QString shown = year->text();
  EXPECT_TRUE(shown.startsWith("Tax year ")) << shown.toStdString();
  EXPECT_EQ(shown, main->taxYearStatus());
  // A menu hint passes over the status line.
  QStatusTipEvent tip(QStringLiteral("Opens the monthly calculator"));
  QApplication::sendEvent(main.get(), &tip);
  main->statusBar()->showMessage(QStringLiteral("another passing message"));
  settle();
  EXPECT_TRUE(year->isVisible());
  EXPECT_EQ(year->text(), shown);
}

}  // namespace
