// The loans window driven through its widgets: modes and the solved field,
// the worked figures, limits, finance charges, schedules, graph and the
// printouts with and without a schedule.
#include <QChart>
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTableWidget>

#include "finance/loan_graph_window.h"
#include "finance/loans_window.h"
#include "finance_window_fixture.h"
#include "shell/main_window.h"

using namespace quorin;

namespace {

struct LoansWindowTest : test::FinanceWindowFixture<LoansWindow> {
  void mode(int option) { click(QStringLiteral("optLoanCalc_%1").arg(option).toLatin1().constData()); }
  void loan(const char* principal, const char* period, const char* rate, const char* repayment) {
    if (principal) type("numPrinAmount", principal);
    if (period) type("numPeriod", period);
    if (rate) type("numIntRate", rate);
    if (repayment) type("numMonRePay", repayment);
  }
  QTableWidget* grid() const { return window->findChild<QTableWidget*>("grdPayments"); }
};

TEST_F(LoansWindowTest, TheSolvedFieldIsYellowReadOnlyAndOutOfTheTabOrder) {
  EXPECT_TRUE(edit("numMonRePay")->isReadOnly());  // default mode
  EXPECT_EQ(window->findChild<QLabel*>("lblCalcMode")->text(), "Monthly repayment");

  mode(3);
  EXPECT_EQ(state.loans.CalcMode, "Interest rate");
  EXPECT_EQ(window->findChild<QLabel*>("lblCalcMode")->text(), "Interest rate");
  EXPECT_TRUE(edit("numIntRate")->isReadOnly());
  EXPECT_EQ(edit("numIntRate")->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(edit("numIntRate")->styleSheet().contains("yellow"));
  for (const char* name : {"numPrinAmount", "numPeriod", "numMonRePay"}) {
    EXPECT_FALSE(edit(name)->isReadOnly()) << name;
    EXPECT_EQ(edit(name)->focusPolicy(), Qt::StrongFocus) << name;
    EXPECT_FALSE(edit(name)->styleSheet().contains("yellow")) << name;
  }
  EXPECT_TRUE(focused("numPrinAmount"));

  mode(1);  // principal mode starts at the period
  EXPECT_TRUE(edit("numPrinAmount")->isReadOnly());
  EXPECT_TRUE(focused("numPeriod"));
}

TEST_F(LoansWindowTest, RepaymentAndFinanceCharges) {
  loan("100000", "60", "10", nullptr);
  click("cmdCalculate");
  EXPECT_EQ(text("numMonRePay"), "2124.70");
  EXPECT_NEAR(state.loans.Repayment, 2124.704471, 1e-6);
  EXPECT_FALSE(widget("fraFinCharges")->isVisible());

  click("cmdFinCharge");
  EXPECT_EQ(state.loans.FinChargesFlag, "DOWN");
  EXPECT_TRUE(widget("fraFinCharges")->isVisible());
  EXPECT_EQ(text("numAns1"), "27482.27");
  EXPECT_EQ(text("numAns2"), "127482.27");
  click("cmdFinCharge");
  EXPECT_EQ(state.loans.FinChargesFlag, "UP");
  EXPECT_FALSE(widget("fraFinCharges")->isVisible());
}

TEST_F(LoansWindowTest, RateFromTheRoundedAndTheExactRepayment) {
  mode(3);
  loan("100000", "60", nullptr, "2124.70");
  click("cmdCalculate");
  EXPECT_EQ(text("numIntRate"), "9.990");
  type("numMonRePay", "2124.704471126833");
  click("cmdCalculate");
  EXPECT_EQ(text("numIntRate"), "10.000");
  EXPECT_FALSE(widget("Text1")->isVisible());

  // A solved rate above 50 shows the error indicator, no message box.
  loan("1000", "12", nullptr, "1000");
  click("cmdCalculate");
  EXPECT_TRUE(widget("Text1")->isVisible());
  EXPECT_GT(state.loans.Rate, 50);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoansWindowTest, PeriodAndTheAdjustedRepayment) {
  mode(2);
  loan("100000", nullptr, "10", "2124.70");
  click("cmdCalculate");
  EXPECT_EQ(text("numPeriod"), "60");
  EXPECT_EQ(text("numMonRePay"), "2124.71");
  type("numMonRePay", "2000");
  click("cmdCalculate");
  EXPECT_EQ(text("numPeriod"), "64");
  EXPECT_EQ(text("numMonRePay"), "2022.38");

  // A typed repayment of 0: period 0 and the repayment as typed.
  type("numMonRePay", "0");
  click("cmdCalculate");
  EXPECT_EQ(text("numPeriod"), "0");
  EXPECT_EQ(text("numMonRePay"), "0.00");

  mode(1);
  loan(nullptr, "60", "10", "2124.70");
  click("cmdCalculate");
  EXPECT_EQ(text("numPrinAmount"), "99999.79");
}

TEST_F(LoansWindowTest, RateAndPeriodLimitsRefuseWithTheirMessageAndFocusBack) {
  loan("100000", "60", "10", nullptr);
  edit("numIntRate")->setFocus();
  edit("numIntRate")->setText("51");  // pasted
  emit edit("numIntRate")->editingFinished();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Incorrect Interest Rate!");
  EXPECT_EQ(messages.last()->text, "Interest rate: The maximum interest rate allowed is 50%");
  EXPECT_EQ(messages.last()->icon, MessageIcon::Error);
  EXPECT_TRUE(focused("numIntRate"));
  EXPECT_EQ(state.loans.Rate, 10);  // the refused value is not taken

  click("cmdCalculate");  // nothing is recalculated while the field is refused
  EXPECT_EQ(messages.last()->title, "Incorrect Interest Rate!");
  EXPECT_TRUE(focused("numIntRate"));
  EXPECT_EQ(state.loans.Repayment, 0);

  type("numIntRate", "10");
  typeAndLeave("numPeriod", "601");
  EXPECT_EQ(messages.last()->title, "Incorrect Period!");
  EXPECT_EQ(messages.last()->text, "Period: The maximum period  allowed is 600 months");
  EXPECT_TRUE(focused("numPeriod"));
  EXPECT_NE(state.loans.Period, 601);
}

TEST_F(LoansWindowTest, MonthlyAndAnnualScheduleGrids) {
  loan("100000", "60", "10", nullptr);
  click("cmdCalculate");
  click("cmdMonAmort");
  ASSERT_TRUE(widget("fraGrid")->isVisible());
  QTableWidget* g = grid();
  ASSERT_EQ(g->rowCount(), 60);
  EXPECT_EQ(g->horizontalHeaderItem(0)->text(), " Month   ");
  EXPECT_EQ(g->horizontalHeaderItem(1)->text(), "Capital payment ");
  EXPECT_EQ(g->horizontalHeaderItem(2)->text(), "Interest payment");
  EXPECT_EQ(g->horizontalHeaderItem(3)->text(), "    Balance    ");
  EXPECT_EQ(g->item(0, 1)->text().trimmed(), "1 291.37");
  EXPECT_EQ(g->item(0, 2)->text().trimmed(), "833.33");
  EXPECT_EQ(g->item(0, 3)->text().trimmed(), "98 708.63");
  EXPECT_EQ(g->item(59, 0)->text().trimmed(), "60");
  EXPECT_EQ(g->item(59, 1)->text().trimmed(), "2 107.14");
  // Sized to its contents: every column shows in full.
  int columns = 0;
  for (int c = 0; c < 4; ++c) columns += g->columnWidth(c);
  EXPECT_GE(g->width(), columns);

  click("cmdAnnAmort");
  ASSERT_EQ(g->rowCount(), 5);
  EXPECT_EQ(g->horizontalHeaderItem(0)->text(), " Year ");
  EXPECT_EQ(g->horizontalHeaderItem(1)->text(), "Capital payments");
  EXPECT_EQ(g->item(0, 1)->text().trimmed(), "16 226.81");
  EXPECT_EQ(g->item(0, 2)->text().trimmed(), "9 269.64");
  EXPECT_EQ(g->item(0, 3)->text().trimmed(), "83 773.19");

  click("cmdGridClose");
  EXPECT_FALSE(widget("fraGrid")->isVisible());

  // Twelve months: no annual schedule and no graph; the focus goes to the principal.
  type("numPeriod", "12");
  click("cmdCalculate");
  click("cmdAnnAmort");
  EXPECT_FALSE(widget("fraGrid")->isVisible());
  EXPECT_TRUE(focused("numPrinAmount"));
  click("cmdLoanGraph");
  EXPECT_FALSE(window->graphWindow());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoansWindowTest, AnnualGraphShowsTheYearsWithoutAnimation) {
  loan("100000", "30", "10", nullptr);
  click("cmdCalculate");
  click("cmdLoanGraph");
  LoanGraphWindow* graph = window->graphWindow();
  ASSERT_TRUE(graph);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->chart()->animationOptions(), QChart::NoAnimation);
  EXPECT_EQ(graph->chart()->series().size(), 2);
  EXPECT_EQ(graph->chart()->title(), "2 full years and a part year");
}

TEST_F(LoansWindowTest, PrintIsRefusedWhenAValueIsZero) {
  loan("100000", "60", "0", nullptr);
  click("cmdCalculate");
  click("cmdPrint");
  EXPECT_FALSE(frameShown());
  EXPECT_TRUE(focused("cmdOK"));
  EXPECT_EQ(single("Loans", "Heading").toString(), "");
  EXPECT_TRUE(printed.empty());
}

TEST_F(LoansWindowTest, PrintingWithAScheduleRefillsAmort) {
  loan("100000", "60", "10", nullptr);
  click("cmdCalculate");
  click("cmdFinCharge");

  // Annual first: five rows.
  click("cmdPrint");
  ASSERT_TRUE(frameShown());
  EXPECT_FALSE(button("cmdCalculate")->isEnabled());
  EXPECT_FALSE(widget("fraAmort")->isEnabled());
  click("chkIncAmort");
  EXPECT_TRUE(widget("fraAmort")->isEnabled());
  EXPECT_TRUE(window->findChild<QRadioButton*>("optAnnual")->isChecked());
  click("cmdPD");
  EXPECT_FALSE(frameShown());
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_NE(printed[0].find("LonrepaA.rpt"), std::string::npos);
  EXPECT_EQ(column("Amort", "Year").size(), 5u);
  EXPECT_EQ(single("Loans", "YearMon").toString(), "Year");

  // Then monthly: the table is emptied and holds the 60 months.
  click("cmdPrint");
  click("optMonthly");
  click("cmdVR");
  auto years = column("Amort", "Year");
  ASSERT_EQ(years.size(), 60u);
  EXPECT_EQ(years.front().toInt(), 1);
  EXPECT_EQ(years.back().toInt(), 60);
  EXPECT_NEAR(column("Amort", "Capital").front().toDouble(), 1291.37, 0.005);
  EXPECT_EQ(single("Loans", "YearMon").toString(), "Month");
  EXPECT_EQ(single("Loans", "Heading").toString(), "Monthly repayment");
  EXPECT_NEAR(single("Loans", "FinNum2").toDouble(), 127482.27, 0.005);
  EXPECT_EQ(single("Loans", "FinText1").toString(), "Total Interest");
  EXPECT_EQ(previewTitle(),
            "Annual repayment of Loan with Monthly Amortisation - To export printout click on the suitcase button or "
            "goto Help");
  EXPECT_TRUE(messages.messages.empty());

  // A failed refill leaves the previous rows.
  exec("CREATE TRIGGER refuse BEFORE INSERT ON Amort BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  click("cmdPrint");
  click("cmdVR");  // still the monthly schedule
  EXPECT_TRUE(messages.last() && messages.last()->text.contains("disk full"));
  EXPECT_EQ(column("Amort", "Year").size(), 60u);
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());

  // Without a schedule: the plain report, Cancel keeps what was written.
  click("cmdPrint");
  click("chkIncAmort");
  click("cmdPrintCancel");
  EXPECT_FALSE(frameShown());
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
}

TEST(LoansWindowSession, ValuesSurviveClosingAndInitialiseAllResetsThem) {
  test::TestFolder folder;
  RecordingMessageSink messages;
  MainWindow main(QString::fromStdString(folder.path()), messages);
  main.show();
  auto* loans = qobject_cast<LoansWindow*>(main.openWindow("frmLoans"));
  ASSERT_TRUE(loans);
  loans->findChild<QRadioButton*>("optLoanCalc_3")->click();
  loans->findChild<EntryField*>("numPrinAmount")->setText("100000");
  loans->findChild<EntryField*>("numPeriod")->setText("60");
  loans->findChild<EntryField*>("numMonRePay")->setText("2124.70");
  loans->findChild<QPushButton*>("cmdFinCharge")->click();
  loans->findChild<QPushButton*>("cmdCalculate")->click();
  loans->findChild<QPushButton*>("cmdOK")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(main.child("frmLoans"));

  loans = qobject_cast<LoansWindow*>(main.openWindow("frmLoans"));
  ASSERT_TRUE(loans);
  EXPECT_TRUE(loans->findChild<QRadioButton*>("optLoanCalc_3")->isChecked());
  EXPECT_TRUE(loans->findChild<EntryField*>("numIntRate")->isReadOnly());
  EXPECT_EQ(loans->findChild<EntryField*>("numIntRate")->text(), "9.990");
  EXPECT_EQ(loans->findChild<EntryField*>("numMonRePay")->text(), "2124.70");
  EXPECT_FALSE(loans->findChild<QWidget*>("fraFinCharges")->isHidden());

  main.InitialiseAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(main.child("frmLoans"));
  loans = qobject_cast<LoansWindow*>(main.openWindow("frmLoans"));
  EXPECT_TRUE(loans->findChild<QRadioButton*>("optLoanCalc_0")->isChecked());
  EXPECT_EQ(loans->findChild<EntryField*>("numPrinAmount")->text(), "100000.00");  // kept
  EXPECT_EQ(loans->findChild<EntryField*>("numPeriod")->text(), "0");
  EXPECT_TRUE(loans->findChild<QWidget*>("fraFinCharges")->isHidden());
}

}  // namespace
