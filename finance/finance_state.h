// The business calculators' inputs and figures, kept in the session so that
// each window shows its last values when opened again.
#pragma once

#include <cstdint>
#include <string>

#include "finance/daily_balance.h"
#include "finance/inflation.h"
#include "finance/loan_comparison.h"
#include "finance/loans.h"
#include "common/day_number.h"

namespace quorin {

struct LoansState {
  std::string CalcMode = "Monthly repayment";  // a loanModeText()
  std::string FinChargesFlag = "UP";           // "UP" hidden, "DOWN" shown
  double Principal = 0;
  double Period = 0;
  double Rate = 0;
  double Repayment = 0;

  LoanMode mode() const { return loanModeFromText(CalcMode).value_or(LoanMode::MonthlyRepayment); }
  void setMode(LoanMode m) { CalcMode = loanModeText(m); }
  bool finChargesShown() const { return FinChargesFlag == "DOWN"; }
  LoanTerms terms() const { return {Principal, Period, Rate, Repayment}; }
  void setTerms(const LoanTerms& t) {
    Principal = t.principal;
    Period = t.period;
    Rate = t.rate;
    Repayment = t.repayment;
  }
  void resetForInitialiseAll() {  // the principal is kept
    CalcMode = "Monthly repayment";
    FinChargesFlag = "UP";
    Period = Rate = Repayment = 0;
  }
};

// The loan buster's period is the window's own (lost when it closes).
struct LoanBusterState {
  double Principal = 0;
  float Rate = 0;
  double Extra = 0;
  void resetForInitialiseAll() { *this = LoanBusterState{}; }
};

struct LoanComparisonState {
  double Amount = 0;
  float Rate = 0;
  LoanComparisonInput input() const { return {Amount, Rate}; }
  void resetForInitialiseAll() { *this = LoanComparisonState{}; }
};

struct InflationState {
  double PresentCost = 0;
  double Rate = 0;
  double Period = 0;
  double FutureCost = 0;
  double BuyingPower = 0;
  InflationInput input() const { return {PresentCost, Period, Rate}; }
  void resetForInitialiseAll() { *this = InflationState{}; }
};

// Dates below kFirstEnteredDay mean "not entered"; the days and interest
// are the window's own.
struct DailyBalanceState {
  std::int32_t StartDate = kDayNotEntered;
  std::int32_t EndDate = kDayNotEntered;
  double RateStep = 0.25;
  float Capital = 0;
  float Rate = 0;
  DailyBalanceInput input() const { return {Capital, Rate, StartDate, EndDate}; }
  void resetForInitialiseAll() { *this = DailyBalanceState{}; }
};

}  // namespace quorin
