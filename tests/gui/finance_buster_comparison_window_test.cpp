// The loan buster and loan comparison windows driven through their fields:
// worked figures, the extra that does not clear the loan, the grid as the
// window sizes and formats it, and their printouts.
#include <QTableWidget>

#include "finance/loan_buster_window.h"
#include "finance/loan_comparison_window.h"
#include "finance_window_fixture.h"

using namespace quorin;

namespace {

using LoanBusterWindowTest = test::FinanceWindowFixture<LoanBusterWindow>;
using LoanCompWindowTest = test::FinanceWindowFixture<LoanComparisonWindow>;

TEST_F(LoanBusterWindowTest, NormalBlockExtraPaymentsAndPrint) {
  type("numPrinAmount", "100000");
  type("numPeriod", "240");
  type("numIntRate", "12");
  click("cmdCalculate");
  EXPECT_EQ(text("numMonRePay"), "1101.09");
  EXPECT_EQ(text("numAns1_1"), "264260.67");
  EXPECT_EQ(text("numAns1_0"), "164260.67");
  // No extra: the block with extra payments repeats the normal one.
  EXPECT_EQ(text("numAns2"), "240");
  EXPECT_EQ(text("numAns1_4"), "1101.09");
  EXPECT_EQ(text("numAns1_7"), "0.00");

  type("numXtraPay", "100");
  click("cmdCalculate");
  EXPECT_GE(state.loanBuster.Extra, 100);
  EXPECT_EQ(text("numXtraPay"), QString::number(state.loanBuster.Extra, 'f', 2));
  EXPECT_LT(text("numAns2").toInt(), 240);
  EXPECT_GT(text("numAns1_7").toDouble(), 0);
  EXPECT_FALSE(widget("lblNotCleared")->isVisible());

  click("cmdPrint");
  ASSERT_TRUE(frameShown());
  click("cmdPD");
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_NE(printed[0].find("loanbuster.rpt"), std::string::npos);
  EXPECT_EQ(single("BondBust", "Period").toInt(), 240);
  EXPECT_EQ(single("BondBust", "Xper").toInt(), text("numAns2").toInt());
  EXPECT_NEAR(single("BondBust", "XtraPay").toDouble(), state.loanBuster.Extra, 1e-9);
}

TEST_F(LoanBusterWindowTest, AnExtraThatDoesNotClearTheLoanIsSaid) {
  type("numPrinAmount", "100000");
  type("numPeriod", "600");
  type("numIntRate", "12");
  type("numXtraPay", "0.001");
  click("cmdCalculate");
  EXPECT_TRUE(widget("lblNotCleared")->isVisible());
  EXPECT_EQ(text("numAns2"), "0");
  EXPECT_EQ(text("numAns1_7"), "0.00");  // no saving shown
}

TEST_F(LoanBusterWindowTest, ZeroPrincipalPrintsNothingAndTheRateLimitRefuses) {
  type("numIntRate", "12");
  click("cmdCalculate");
  EXPECT_EQ(text("numMonRePay"), "0.00");
  click("cmdPrint");
  EXPECT_FALSE(frameShown());
  EXPECT_TRUE(focused("cmdOK"));
  EXPECT_EQ(single("BondBust", "PAmt").toDouble(), 0);

  typeAndLeave("numIntRate", "50.5");
  EXPECT_EQ(messages.last()->title, "Incorrect Interest Rate!");
  EXPECT_TRUE(focused("numIntRate"));

  // Principal, rate and extra are kept for the next opening; the period is not.
  type("numPrinAmount", "5000");
  type("numPeriod", "12");
  window->close();
  open();
  EXPECT_EQ(text("numPrinAmount"), "5000.00");
  EXPECT_EQ(text("numPeriod"), "0");
}

TEST_F(LoanCompWindowTest, GridFiguresLayoutAndPrint) {
  type("numBAmt", "100000");
  type("numIntRate", "12");
  click("cmdCalculate");
  auto* grid = window->findChild<QTableWidget*>("grdPayments");
  ASSERT_EQ(grid->rowCount(), 7);
  ASSERT_EQ(grid->columnCount(), 4);
  EXPECT_EQ(grid->item(0, 0)->text(), " Period ");
  EXPECT_EQ(grid->item(0, 2)->text(), "   Total Interest   ");
  EXPECT_EQ(grid->item(1, 0)->text(), "5 yrs.");
  EXPECT_EQ(grid->item(6, 0)->text(), "30 yrs.");
  EXPECT_EQ(grid->item(1, 1)->text(), "2 224.44 ");
  EXPECT_EQ(grid->item(4, 1)->text(), "1 101.09 ");
  EXPECT_EQ(grid->item(4, 3)->text(), "264 260.67 ");
  EXPECT_EQ(grid->item(1, 1)->textAlignment(), int(Qt::AlignCenter));
  // At least 1 750 and 1 600 twips at the screen's resolution, and never
  // narrower than the widest text of a column (the bold headings included):
  // nothing is cut to "Monthly ...".
  const double perTwip = grid->logicalDpiX() / 1440.0;
  EXPECT_GE(grid->columnWidth(1), qRound(1750 * perTwip));
  EXPECT_GE(grid->columnWidth(2), qRound(1600 * perTwip));
  EXPECT_GE(grid->columnWidth(3), qRound(1600 * perTwip));
  EXPECT_GE(grid->columnWidth(0),
            qRound(1.2 * grid->fontMetrics().horizontalAdvance(QStringLiteral(" Period "))));
  QFont bold = grid->font();
  bold.setBold(true);
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < 4; ++c) {
      const QFontMetrics metrics(r == 0 ? bold : grid->font());
      EXPECT_GT(grid->columnWidth(c), metrics.horizontalAdvance(grid->item(r, c)->text())) << r << "," << c;
    }
  // Every row shows in full.
  EXPECT_GE(grid->height(), grid->rowViewportPosition(6) + grid->rowHeight(6));

  click("cmdPrint");
  ASSERT_TRUE(frameShown());
  click("cmdVR");
  EXPECT_EQ(previewTitle(), "Loan Comparison");
  EXPECT_NEAR(single("BondComp", "MonRep4").toDouble(), 1101.086134, 1e-6);
  EXPECT_NEAR(single("BondComp", "IntRate").toDouble(), 12, 1e-9);

  // A zero rate: zeros, negative interest, no print.
  type("numIntRate", "0");
  click("cmdCalculate");
  EXPECT_EQ(grid->item(1, 1)->text().trimmed(), "0.00");
  EXPECT_EQ(grid->item(1, 2)->text().trimmed(), "-100 000.00");
  click("cmdPrint");
  EXPECT_FALSE(frameShown());
  EXPECT_TRUE(focused("cmdOK"));
}

}  // namespace
