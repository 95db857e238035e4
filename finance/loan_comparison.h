// Loan comparison: for one bond amount and rate, the monthly repayment,
// total interest and total paid over terms of 5, 10, 15, 20, 25 and 30 years.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "finance/amortisation.h"

namespace quorin {

struct LoanComparisonInput {
  double amount = 0;  // numBAmt
  float rate = 0;     // numIntRate, annual percent (single)
};

struct ComparisonTerm {
  std::int16_t months = 0;   // 60, 120, ..., 360
  std::string label;         // "5 yrs." ... "30 yrs."
  double repayment = 0;
  double totalInterest = 0;  // months x repayment - amount (not clamped)
  double totalPaid = 0;      // months x repayment
};

struct LoanComparisonResult {
  std::array<ComparisonTerm, 6> terms;
};

// Repayment of the bond over n months; 0 when amount, n or rate is 0.
double BCPayCalc(double amount, int months, float rate);

// The six terms in increasing order.
LoanComparisonResult CompareLoans(const LoanComparisonInput& in);

// Grid grdPayments as shown: 7 rows of 4 texts, the heading row first, the
// amounts through the mask "# ### ### ##0.00 " (trailing blank).
std::vector<GridRow> comparisonGrid(const LoanComparisonResult& r);

// Grid geometry in twips: column 0 is 1.2 x the text width of " Period ".
inline constexpr int kComparisonRepaymentColumnWidth = 1750;
inline constexpr int kComparisonTotalColumnWidth = 1600;  // columns 2 and 3
inline constexpr int kComparisonGridExtraWidth = 20;
inline constexpr int kComparisonTopRowHeight = 250;       // heading and first term rows
inline constexpr double kComparisonLabelColumnFactor = 1.2;

// "&Print" writes the record only when amount and rate are both above 0.
inline bool loanComparisonPrintable(const LoanComparisonInput& in) { return in.amount > 0 && in.rate > 0; }

}  // namespace quorin
