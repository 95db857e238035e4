// Loan buster: the 240-month bond, extra payments, the cases where the
// period search ends early, and the BondBust record.
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "finance/annuity.h"
#include "finance/finance_records.h"
#include "finance/loan_buster.h"

using namespace quorin;

namespace {

const LoanBusterInput kBond{100000, 240, 12, 0};

LoanBusterInput withExtra(LoanBusterInput in, double extra) {
  in.extra = extra;
  return in;
}

void expectNormalBlockRepeated(const LoanBusterResult& r, std::int16_t period) {
  EXPECT_EQ(r.newPeriod, period);
  EXPECT_EQ(r.newRepayment, r.normalRepayment);
  EXPECT_EQ(r.newTotalInterest, r.totalInterest);
  EXPECT_EQ(r.newTotalRepaid, r.totalRepaid);
  EXPECT_EQ(r.saving, 0);
}

TEST(LoanBuster, NormalBlockOfThe240MonthBond) {
  LoanBusterResult r = BBCalc(kBond);
  EXPECT_NEAR(r.normalRepayment, 1101.086134, 5e-7);
  EXPECT_NEAR(r.totalRepaid, 264260.672057, 5e-6);
  EXPECT_NEAR(r.totalInterest, 164260.672057, 5e-6);
  EXPECT_EQ(r.principal, 100000);
  EXPECT_EQ(r.rate, 12.0f);
  auto ans = r.numAns1();
  EXPECT_EQ(ans[0], r.totalInterest);
  EXPECT_EQ(ans[2], 100000);
  EXPECT_EQ(ans[3], 12);
  EXPECT_EQ(ans[7], r.saving);
}

TEST(LoanBuster, NoExtraRepeatsTheNormalBlock) {
  for (std::int16_t period : {std::int16_t{240}, std::int16_t{599}, std::int16_t{600}, std::int16_t{1}}) {
    LoanBusterInput in = kBond;
    in.period = period;
    LoanBusterResult r = BBCalc(in);
    SCOPED_TRACE(period);
    EXPECT_EQ(r.outcome, LoanBusterOutcome::NoExtra);
    EXPECT_EQ(r.extra, 0);
    expectNormalBlockRepeated(r, period);
  }
}

TEST(LoanBuster, ExtraShortensTheLoan) {
  LoanBusterResult r = BBCalc(withExtra(kBond, 100));
  EXPECT_EQ(r.outcome, LoanBusterOutcome::Shortened);
  EXPECT_EQ(r.newPeriod, 179);
  EXPECT_EQ(r.extra, 101.49);  // the extra that clears it in whole months, to the cent
  EXPECT_EQ(r.newRepayment, r.normalRepayment + 101.49);
  EXPECT_NEAR(r.newTotalInterest, 115261.127909, 5e-6);
  EXPECT_NEAR(r.newTotalRepaid, 215261.127909, 5e-6);
  EXPECT_NEAR(r.saving, 48999.544148, 5e-6);
  // one cent less would not clear it in those months
  const double i = monthlyRate(12);
  EXPECT_GE(annuityPresentValue(r.newRepayment, r.newPeriod, i), 100000);
  EXPECT_LT(annuityPresentValue(r.newRepayment - 0.01, r.newPeriod, i), 100000);
}

TEST(LoanBuster, RewrittenExtraIsAtOrAboveTheTypedOneOnTheCent) {
  for (double extra : {0.02, 1.0, 25.5, 333.33, 1000.0, 11010.0}) {
    LoanBusterResult r = BBCalc(withExtra(kBond, extra));
    SCOPED_TRACE(extra);
    EXPECT_EQ(r.outcome, LoanBusterOutcome::Shortened);
    EXPECT_GE(r.extra, extra - 0.01);
    EXPECT_EQ(r.extra, std::round(r.extra * 100) / 100);
    EXPECT_LE(r.newPeriod, 240);
    EXPECT_GE(r.saving, 0);
  }
}

TEST(LoanBuster, ExtraAboveTenTimesTheRepaymentKeepsThePreviousFigures) {
  LoanBusterResult before = BBCalc(withExtra(kBond, 100));
  LoanBusterResult r = BBCalc(withExtra(kBond, 11 * before.normalRepayment), before);
  EXPECT_EQ(r.outcome, LoanBusterOutcome::ExtraTooLarge);
  EXPECT_EQ(r.newPeriod, before.newPeriod);
  EXPECT_EQ(r.newRepayment, before.newRepayment);
  EXPECT_EQ(r.newTotalInterest, before.newTotalInterest);
  EXPECT_EQ(r.newTotalRepaid, before.newTotalRepaid);
  EXPECT_EQ(r.saving, before.saving);
  EXPECT_EQ(r.extra, 11 * before.normalRepayment);  // left as typed
  // a fresh window shows zeros there
  EXPECT_EQ(BBCalc(withExtra(kBond, 12000)).newPeriod, 0);
}

TEST(LoanBuster, EmptyOrZeroRateLoanShowsZeroRepayment) {
  for (LoanBusterInput in : {LoanBusterInput{0, 240, 12, 0}, LoanBusterInput{100000, 240, 0, 0},
                             LoanBusterInput{100000, 0, 12, 0}, LoanBusterInput{0, 0, 0, 0},
                             LoanBusterInput{100000, 240, 0, 500}}) {
    LoanBusterResult r = BBCalc(in);
    EXPECT_EQ(r.outcome, LoanBusterOutcome::NoLoan);
    EXPECT_EQ(r.normalRepayment, 0);
    EXPECT_EQ(r.newRepayment, 0);  // never -0.01
    EXPECT_EQ(r.totalInterest, 0);
    EXPECT_EQ(r.newTotalInterest, 0);
    EXPECT_EQ(r.saving, 0);
  }
}

TEST(LoanBuster, ExtraThatDoesNotClearIn600MonthsIsNoSaving) {
  LoanBusterInput in = kBond;
  in.period = 600;
  in.extra = 0.001;  // less than a cent: the repayment stays below the normal one
  LoanBusterResult r = BBCalc(in);
  EXPECT_EQ(r.outcome, LoanBusterOutcome::NotCleared);
  EXPECT_EQ(r.newPeriod, 0);
  EXPECT_EQ(r.saving, 0);
  EXPECT_EQ(r.newTotalRepaid, 0);
  EXPECT_EQ(r.extra, 0.001);
}

TEST(LoanBuster, ExtraClearingTheLoanInTheFirstMonthEnds) {
  LoanBusterResult r = BBCalc({1000, 2, 12, 1000});
  EXPECT_EQ(r.outcome, LoanBusterOutcome::FirstMonth);
  EXPECT_EQ(r.newPeriod, 1);
  EXPECT_DOUBLE_EQ(r.newRepayment, 1010);
  EXPECT_DOUBLE_EQ(r.extra, 1010 - r.normalRepayment);
  EXPECT_NEAR(r.newTotalInterest, 10, 1e-9);
  EXPECT_NEAR(r.saving, 2 * r.normalRepayment - 1010, 1e-9);
}

TEST(LoanBuster, PeriodSearchOnItsOwn) {
  EXPECT_EQ(BPER(0, 12, 1000).months, 0);
  EXPECT_EQ(BPER(100000, 0, 1000).months, 0);
  EXPECT_EQ(BPER(100000, 12, 0).months, 0);
  BusterPeriod tooSmall = BPER(100000, 12, 999.99);  // below a month's interest
  EXPECT_TRUE(tooSmall.notCleared);
  EXPECT_EQ(tooSmall.months, 0);
  BusterPeriod normal = BPER(100000, 12, BRPAYMENT(100000, 240, 12) - 0.01);
  EXPECT_EQ(normal.months, 240);
  EXPECT_NEAR(normal.repayment, BRPAYMENT(100000, 240, 12), 0.0100001);
  EXPECT_EQ(BPER(1000, 12, 5000).months, 1);
  EXPECT_NEAR(BPAMOUNT(BRPAYMENT(100000, 240, 12), 240, 12), 100000, 1e-6);
  EXPECT_EQ(BPAMOUNT(1000, 0, 12), 0);
}

TEST(LoanBuster, SingleRateIsUsed) {
  // 10.1 % is held as the single nearest 10.1, not the double
  const double single = static_cast<double>(10.1f);
  const double i = single / 12 / 100;
  EXPECT_DOUBLE_EQ(BRPAYMENT(100000, 240, 10.1f), i * 100000 / (1 - std::pow(1 + i, -240)));
  EXPECT_NE(BRPAYMENT(100000, 240, 10.1f), annuityRepayment(100000, 240, monthlyRate(10.1)));
}

TEST(LoanBuster, BondBustRecord) {
  LoanBusterInput in = withExtra(kBond, 100);
  LoanBusterResult r = BBCalc(in);
  auto rec = bondBustRecord(in, r);
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->table, "BondBust");
  const char* order[] = {"PAmt",    "Period", "IntRate",     "MonRep",  "TotIntPaid",  "TotRep",
                         "XtraPay", "Xper",   "XMonRep", "XTotIntPaid", "XTotRep", "XTotSavings"};
  ASSERT_EQ(rec->fields.size(), std::size(order));
  for (std::size_t k = 0; k < std::size(order); ++k) EXPECT_EQ(rec->fields[k].name, order[k]);
  EXPECT_EQ(std::get<std::int16_t>(*rec->find("Period")), 240);
  EXPECT_EQ(std::get<float>(*rec->find("IntRate")), 12.0f);
  EXPECT_EQ(std::get<double>(*rec->find("XtraPay")), 101.49);
  EXPECT_EQ(std::get<std::int16_t>(*rec->find("Xper")), 179);
  EXPECT_EQ(std::get<double>(*rec->find("XTotSavings")), r.saving);
  EXPECT_FALSE(bondBustRecord({0, 240, 12, 100}, BBCalc({0, 240, 12, 100})));
  EXPECT_FALSE(bondBustRecord({-5, 240, 12, 0}, BBCalc({-5, 240, 12, 0})));
}

}  // namespace
