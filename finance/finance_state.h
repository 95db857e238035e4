// The business calculators' inputs and figures, kept in the session so that
// each window shows its last values when opened again.
#pragma once

#include <cstdint>
#include <string>

#include "shell/day_number.h"

namespace quorin {

struct LoansState {
  std::string CalcMode = "Monthly repayment";
  std::string FinChargesFlag = "UP";  // "UP" hidden, "DOWN" shown
  double Principal = 0;
  double Period = 0;
  double Rate = 0;
  double Repayment = 0;
  void resetForInitialiseAll() {  // the principal is kept
    CalcMode = "Monthly repayment";
    FinChargesFlag = "UP";
    Period = Rate = Repayment = 0;
  }
};

struct LoanBusterState {
  double Principal = 0;
  double Period = 0;
  float Rate = 0;
  double Extra = 0;
  void resetForInitialiseAll() { *this = LoanBusterState{}; }
};

struct LoanComparisonState {
  double Amount = 0;
  float Rate = 0;
  void resetForInitialiseAll() { *this = LoanComparisonState{}; }
};

struct InflationState {
  double PresentCost = 0;
  double Rate = 0;
  double Period = 0;
  double FutureCost = 0;
  double BuyingPower = 0;
  void resetForInitialiseAll() { *this = InflationState{}; }
};

struct DailyBalanceState {
  std::int32_t StartDate = kDayNotEntered;
  std::int32_t EndDate = kDayNotEntered;
  double RateStep = 0.25;
  float Capital = 0;
  float Rate = 0;
  float Interest = 0;
  float Total = 0;
  void resetForInitialiseAll() { *this = DailyBalanceState{}; }
};

}  // namespace quorin
