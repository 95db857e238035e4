// Entry limits of the business calculators with their messages, and the
// session groups' reset.
#include <gtest/gtest.h>

#include <stdexcept>

#include "finance/finance_fields.h"
#include "shell/session_state.h"

using namespace quorin;

namespace {

struct LimitCase {
  FinanceWindow window;
  const char* field;
  double accepted;
  double refused;
  const char* title;
  const char* message;
};

TEST(FinanceFields, LimitsAndMessages) {
  const LimitCase cases[] = {
      {FinanceWindow::Loans, "numIntRate", 50, 50.001, "Incorrect Interest Rate!",
       "Interest rate: The maximum interest rate allowed is 50%"},
      {FinanceWindow::Loans, "numPeriod", 600, 601, "Incorrect Period!", "Period: The maximum period  allowed is 600 months"},
      {FinanceWindow::Loans, "numPeriod", 60, 60.5, "Incorrect Period!", "Period: The maximum period  allowed is 600 months"},
      {FinanceWindow::LoanBuster, "numIntRate", 50, 51, "Incorrect Interest Rate!",
       "Interest rate: The maximum interest rate allowed is 50%"},
      {FinanceWindow::LoanBuster, "numPeriod", 600, 601, "Incorrect Period!",
       "Period: The maximum period  allowed is 600 months"},
      {FinanceWindow::LoanComparison, "numIntRate", 50, 50.5, "Incorrect Interest Rate!",
       "Interest rate: The maximum interest rate allowed is 50%"},
      {FinanceWindow::Inflation, "numInflaRate", -5, -5.001, "Incorrect Inflation Rate!",
       "Inflation rate: The range of the Inflation Rate is between -5% and 40%"},
      {FinanceWindow::Inflation, "numInflaRate", 40, 40.001, "Incorrect Inflation Rate!",
       "Inflation rate: The range of the Inflation Rate is between -5% and 40%"},
      {FinanceWindow::Inflation, "numPeriod", 40, 41, "Incorrect Period!", "Period: The maximum period allowed 40 years"},
      {FinanceWindow::DailyBalance, "numIntRate", 40, 40.5, "Incorrect Interest Rate!",
       "Interest rate: The maximum Interest Rate allowed is 40%"},
      // A broken minimum is told as a minimum.
      {FinanceWindow::Loans, "numPeriod", 0, -1, "Incorrect Period!", "Period: The minimum period allowed is 0 months"},
      {FinanceWindow::Loans, "numIntRate", 0, -1, "Incorrect Interest Rate!",
       "Interest rate: The minimum interest rate allowed is 0%"},
      {FinanceWindow::DailyBalance, "numIntRate", 0, -0.5, "Incorrect Interest Rate!",
       "Interest rate: The minimum Interest Rate allowed is 0%"},
  };
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(std::string(financeWindowName(c.window)) + " " + c.field);
    EXPECT_FALSE(checkFinanceField(c.window, c.field, c.accepted));
    auto refusal = checkFinanceField(c.window, c.field, c.refused);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, c.title);
    EXPECT_EQ(refusal->message, c.message);
    EXPECT_EQ(refusal->field, c.field);
  }
}

TEST(FinanceFields, EveryWindowListsItsFields) {
  auto names = [](FinanceWindow w) {
    std::vector<std::string> out;
    for (const auto& f : financeFieldLimits(w)) out.push_back(f.field);
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(names(FinanceWindow::Loans), (V{"numPrinAmount", "numPeriod", "numIntRate", "numMonRePay"}));
  EXPECT_EQ(names(FinanceWindow::LoanBuster), (V{"numPrinAmount", "numPeriod", "numIntRate", "numXtraPay"}));
  EXPECT_EQ(names(FinanceWindow::LoanComparison), (V{"numBAmt", "numIntRate"}));
  EXPECT_EQ(names(FinanceWindow::Inflation), (V{"numPresCost", "numPeriod", "numInflaRate"}));
  EXPECT_EQ(names(FinanceWindow::DailyBalance), (V{"numCapAmount", "dtStartDate", "dtEndDate", "numIntRate"}));
  EXPECT_THROW(financeFieldLimit(FinanceWindow::LoanComparison, "numPeriod"), std::out_of_range);
}

TEST(FinanceFields, TypedTextThroughTheFieldKit) {
  double v = 0;
  const FieldLimit& presentCost = financeFieldLimit(FinanceWindow::Inflation, "numPresCost");
  EXPECT_FALSE(checkText("numPresCost", presentCost, "10 000", v));
  EXPECT_EQ(v, 10000);
  EXPECT_TRUE(checkText("numPresCost", presentCost, "10000.5", v));  // a whole-number field
  EXPECT_TRUE(checkText("numPrinAmount", financeFieldLimit(FinanceWindow::Loans, "numPrinAmount"), "-1", v));
  EXPECT_TRUE(checkText("numIntRate", financeFieldLimit(FinanceWindow::Loans, "numIntRate"), "ten", v));
}

TEST(FinanceFields, LoanInputsSkipTheSolvedField) {
  LoanTerms t{100000, 60, 60, 2000};  // a rate above 50 in the solved field
  EXPECT_FALSE(checkLoanInputs(LoanMode::InterestRate, t));
  auto refused = checkLoanInputs(LoanMode::MonthlyRepayment, t);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->field, "numIntRate");
  t.period = 700;
  EXPECT_EQ(checkLoanInputs(LoanMode::InterestRate, t)->field, "numPeriod");
  t.rate = 10;
  EXPECT_FALSE(checkLoanInputs(LoanMode::RepaymentPeriod, t));
}

TEST(FinanceState, InitialiseAllDefaults) {
  SessionState s;
  s.loans.setMode(LoanMode::InterestRate);
  s.loans.FinChargesFlag = "DOWN";
  s.loans.setTerms({100000, 60, 10, 2124.70});
  EXPECT_EQ(s.loans.CalcMode, "Interest rate");
  EXPECT_TRUE(s.loans.finChargesShown());
  s.loanBuster = {100000, 12, 100};
  s.loanComparison = {100000, 12};
  s.inflation = {10000, 6, 10, 17908, 5583};
  s.dailyBalance.StartDate = 45717;
  s.dailyBalance.EndDate = 45747;
  s.dailyBalance.RateStep = 1;
  s.dailyBalance.Capital = 5;
  s.reset();
  EXPECT_EQ(s.loans.mode(), LoanMode::MonthlyRepayment);
  EXPECT_EQ(s.loans.CalcMode, "Monthly repayment");
  EXPECT_EQ(s.loans.FinChargesFlag, "UP");
  EXPECT_EQ(s.loans.terms().principal, 100000);  // kept
  EXPECT_EQ(s.loans.Period, 0);
  EXPECT_EQ(s.loans.Rate, 0);
  EXPECT_EQ(s.loans.Repayment, 0);
  EXPECT_EQ(s.loanBuster.Principal, 0);
  EXPECT_EQ(s.loanComparison.Amount, 0);
  EXPECT_EQ(s.inflation.FutureCost, 0);
  EXPECT_EQ(s.dailyBalance.StartDate, -36522);
  EXPECT_EQ(s.dailyBalance.EndDate, -36522);
  EXPECT_EQ(s.dailyBalance.RateStep, 0.25);
  EXPECT_EQ(s.dailyBalance.Capital, 0);
}

}  // namespace
