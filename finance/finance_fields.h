// Limits of the business calculators' entry fields, with the messages and
// titles their windows show, keyed by window and field name. The windows'
// field kit and the command line use the same table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finance/loans.h"
#include "common/field_limits.h"

namespace quorin {

enum class FinanceWindow { Loans, LoanBuster, LoanComparison, Inflation, DailyBalance };

// "frmLoans", "frmLoanBuster", "frmLoanComp", "frmInflation", "frmDayBal".
const char* financeWindowName(FinanceWindow window);

struct NamedFieldLimit {
  std::string field;
  FieldLimit limit;
};

// The window's entry fields in tab order:
//   frmLoans       numPrinAmount, numPeriod, numIntRate, numMonRePay
//   frmLoanBuster  numPrinAmount, numPeriod, numIntRate, numXtraPay
//   frmLoanComp    numBAmt, numIntRate
//   frmInflation   numPresCost, numPeriod, numInflaRate
//   frmDayBal      numCapAmount, dtStartDate, dtEndDate, numIntRate
// The date fields' own limit refuses what is not a date; their range
// against the other date is in daily_balance.h.
const std::vector<NamedFieldLimit>& financeFieldLimits(FinanceWindow window);

// The limit of one field; throws std::out_of_range for a name the window
// does not have.
const FieldLimit& financeFieldLimit(FinanceWindow window, std::string_view field);

// checkLimit with the field's limit.
std::optional<Refusal> checkFinanceField(FinanceWindow window, std::string_view field, double value);

// The loans window's three input fields for the mode (the solved one is
// read-only), checked in tab order; the first refusal.
std::optional<Refusal> checkLoanInputs(LoanMode mode, const LoanTerms& terms);

}  // namespace quorin
