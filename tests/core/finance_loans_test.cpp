// The four loan solves against worked figures, the searches' end cases and
// the cent steps and rate grid that must stay exact.
#include <gtest/gtest.h>

#include <cmath>

#include "finance/annuity.h"
#include "finance/loans.h"

using namespace quorin;

namespace {

LoanTerms terms(double p, double n, double r, double R) { return {p, n, r, R}; }

// The one-cent loop counted one step at a time, for comparing with the
// worked-out number of steps.
double centsCountedOneByOne(double typed, double principal, int months, double rate) {
  const double i = monthlyRate(rate);
  for (std::int64_t c = 0;; ++c) {
    double r = stepCents(typed, c);
    if (annuityPresentValue(r, months, i) >= principal) return r;
  }
}

TEST(LoanFormulas, WorkedFigures) {
  EXPECT_NEAR(RPAYMENT(terms(100000, 60, 10, 0)), 2124.704471, 1e-6);
  EXPECT_NEAR(PAMOUNT(terms(0, 60, 10, 2124.70)), 99999.79, 0.005);
  LoanResult r = LoanCalc(LoanMode::MonthlyRepayment, terms(100000, 60, 10, 0));
  EXPECT_NEAR(r.charges.totalRepayments, 127482.27, 0.005);
  EXPECT_NEAR(r.charges.totalInterest, 27482.27, 0.005);
  EXPECT_FALSE(r.errorShown);
}

TEST(LoanFormulas, AnyZeroGivesZeroNotADivision) {
  for (LoanTerms t : {terms(0, 60, 10, 2000), terms(100000, 0, 10, 2000), terms(100000, 60, 0, 2000)})
    EXPECT_EQ(RPAYMENT(t), 0);
  for (LoanTerms t : {terms(100000, 0, 10, 2000), terms(100000, 60, 0, 2000), terms(100000, 60, 10, 0)})
    EXPECT_EQ(PAMOUNT(t), 0);
  LoanResult p = LoanCalc(LoanMode::PrincipalAmount, terms(100000, 60, 0, 2000));
  EXPECT_EQ(p.terms.principal, 0);  // the principal is overwritten with the zero result
}

TEST(LoanPeriod, WorkedFigures) {
  PeriodSolution a = PER(terms(100000, 0, 10, 2124.70));
  EXPECT_EQ(a.period, 60);
  EXPECT_EQ(a.repayment, 2124.71);  // exactly on the cent
  PeriodSolution b = PER(terms(100000, 0, 10, 2000));
  EXPECT_EQ(b.period, 64);
  EXPECT_EQ(b.repayment, 2022.38);
  LoanResult r = LoanCalc(LoanMode::RepaymentPeriod, terms(100000, 99, 10, 2000));
  EXPECT_EQ(r.terms.period, 64);
  EXPECT_EQ(r.terms.principal, 100000);
  EXPECT_NEAR(r.charges.totalRepayments, 64 * 2022.38, 1e-6);
}

TEST(LoanPeriod, WorkedCentStepsMatchCountingThem) {
  struct Case { double p, r, typed; };
  for (Case c : {Case{100000, 10, 2124.70}, Case{100000, 10, 2000}, Case{250000, 11.75, 2600.55},
                 Case{5000, 24, 260}, Case{1000, 12, 1000}, Case{80000, 7.5, 999.999}}) {
    PeriodSolution s = PER(terms(c.p, 0, c.r, c.typed));
    ASSERT_GT(s.period, 0) << c.p << " " << c.typed;
    EXPECT_EQ(s.repayment, centsCountedOneByOne(c.typed, c.p, static_cast<int>(s.period), c.r))
        << c.p << " " << c.typed;
  }
}

TEST(LoanPeriod, RepaymentBelowFirstMonthsInterestRunsOutOfMonths) {
  PeriodSolution s = PER(terms(100000, 0, 10, 800));  // interest of month 1 is 833.33
  EXPECT_TRUE(s.notFound);
  EXPECT_EQ(s.period, 0);
  EXPECT_EQ(s.repayment, 799.99);  // one cent below what was typed
}

TEST(LoanPeriod, ZeroInputsGivePeriodZeroAndTheRepaymentAsTyped) {
  EXPECT_EQ(PER(terms(100000, 0, 10, 0)).repayment, 0);  // never -0.01
  EXPECT_EQ(PER(terms(100000, 0, 10, 0)).period, 0);
  EXPECT_EQ(PER(terms(0, 0, 10, 2000)).repayment, 2000);
  EXPECT_EQ(PER(terms(100000, 0, 0, 2000)).period, 0);
  LoanResult r = LoanCalc(LoanMode::RepaymentPeriod, terms(100000, 60, 10, 0));
  EXPECT_EQ(r.terms.period, 0);
  EXPECT_EQ(r.terms.repayment, 0);
}

TEST(LoanPeriod, RepaymentClearingTheLoanInTheFirstMonthEnds) {
  PeriodSolution s = PER(terms(1000, 0, 12, 1500));
  EXPECT_TRUE(s.firstMonth);
  EXPECT_EQ(s.period, 1);
  EXPECT_EQ(s.repayment, 1500);
  // the largest amounts end at once too
  PeriodSolution big = PER(terms(99999999999.0, 0, 0.01, 99999999999.0 * 1.5));
  EXPECT_EQ(big.period, 1);
}

TEST(LoanPeriod, MillionsOfCentStepsAreWorkedOutNotCounted) {
  // one month's payment found from 60 % of the loan: 4e12 one-cent steps
  const double p = 99999999999.0;
  PeriodSolution s = PER(terms(p, 0, 1, 0.6 * p));
  ASSERT_EQ(s.period, 1);
  const double i = monthlyRate(1);
  EXPECT_GE(annuityPresentValue(s.repayment, 1, i), p);
  EXPECT_LT(annuityPresentValue(s.repayment - 0.01, 1, i), p);
}

TEST(LoanRate, LargestRateOnTheGridWhoseRepaymentFits) {
  EXPECT_EQ(Rate(terms(100000, 60, 0, 2124.70)), 9.99);
  EXPECT_EQ(Rate(terms(100000, 60, 0, RPAYMENT(terms(100000, 60, 10, 0)))), 10.00);
  // adding 0.01 in floating point would stop a step low here
  EXPECT_EQ(Rate(terms(100000, 60, 0, RPAYMENT(terms(100000, 60, 16.5, 0)))), 16.5);
  for (double r : {0.01, 0.5, 5.0, 7.13, 12.75, 29.99, 49.99, 50.0}) {
    const double exact = RPAYMENT(terms(250000, 240, r, 0));
    EXPECT_EQ(Rate(terms(250000, 240, 0, exact)), r) << r;
    EXPECT_EQ(Rate(terms(250000, 240, 0, exact - 1e-6)), std::round(r * 100 - 1) / 100) << r;
  }
  LoanResult res = LoanCalc(LoanMode::InterestRate, terms(100000, 60, 33, 2124.70));
  EXPECT_EQ(res.terms.rate, 9.99);
  EXPECT_EQ(res.terms.repayment, 2124.70);  // the repayment entered is put back
}

TEST(LoanRate, EndCases) {
  EXPECT_EQ(Rate(terms(0, 60, 0, 2000)), 0);
  EXPECT_EQ(Rate(terms(100000, 0, 0, 2000)), 0);
  EXPECT_EQ(Rate(terms(100000, 60, 0, 0)), 0);
  EXPECT_EQ(Rate(terms(100000, 60, 0, 1000)), 0);  // below the interest-free repayment
  // above 50 %: the "Error" indicator, the rate still shown
  LoanResult high = LoanCalc(LoanMode::InterestRate, terms(100000, 60, 0, 5000));
  EXPECT_TRUE(high.errorShown);
  EXPECT_GT(high.terms.rate, 50);
  EXPECT_LE(RPAYMENT(terms(100000, 60, high.terms.rate, 0)), 5000);
  EXPECT_GT(RPAYMENT(terms(100000, 60, high.terms.rate + 0.01, 0)), 5000);
  // absurd figures end too, with the indicator
  LoanResult absurd = LoanCalc(LoanMode::InterestRate, terms(0.01, 1, 0, 99999999999.0));
  EXPECT_TRUE(absurd.errorShown);
  EXPECT_TRUE(std::isfinite(absurd.terms.rate));
}

TEST(LoanModes, TextsAndSolvedFields) {
  EXPECT_EQ(loanModeText(LoanMode::MonthlyRepayment), "Monthly repayment");
  EXPECT_EQ(loanModeText(LoanMode::PrincipalAmount), "Principal amount");
  EXPECT_EQ(loanModeText(LoanMode::RepaymentPeriod), "Repayment period");
  EXPECT_EQ(loanModeText(LoanMode::InterestRate), "Interest rate");
  EXPECT_EQ(loanModeFromText("Repayment period"), LoanMode::RepaymentPeriod);
  EXPECT_FALSE(loanModeFromText("period"));
  EXPECT_STREQ(loanSolvedField(LoanMode::InterestRate), "numIntRate");
}

TEST(CentSteps, StayOnTheCentGrid) {
  EXPECT_EQ(stepCents(2124.70, 1), 2124.71);
  EXPECT_EQ(stepCents(2124.70, -1), 2124.69);
  EXPECT_EQ(stepCents(0.1, 20), 0.3);
  EXPECT_EQ(stepCents(99999999999.99, 1), 100000000000.0);
  EXPECT_EQ(stepCents(1101.086134, 0), 1101.086134);  // off the grid: plain steps
  EXPECT_NEAR(stepCents(1101.086134, 3), 1101.116134, 1e-9);
}

}  // namespace
