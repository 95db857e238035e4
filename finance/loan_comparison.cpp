#include "finance/loan_comparison.h"

#include "finance/annuity.h"
#include "common/money.h"

namespace quorin {

double BCPayCalc(double amount, int months, float rate) {
  if (amount == 0 || months == 0 || rate == 0) return 0;
  return annuityRepayment(amount, months, monthlyRate(static_cast<double>(rate)));
}

LoanComparisonResult CompareLoans(const LoanComparisonInput& in) {
  LoanComparisonResult r;
  for (int k = 1; k <= 6; ++k) {
    ComparisonTerm& t = r.terms[k - 1];
    t.months = static_cast<std::int16_t>(60 * k);
    t.label = std::to_string(t.months / 12) + " yrs.";
    t.repayment = BCPayCalc(in.amount, t.months, in.rate);
    t.totalInterest = t.months * t.repayment - in.amount;
    t.totalPaid = t.months * t.repayment;
  }
  return r;
}

std::vector<GridRow> comparisonGrid(const LoanComparisonResult& r) {
  std::vector<GridRow> rows;
  rows.push_back({" Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    "});
  auto masked = [](double v) { return formatGrouped(v, 2) + " "; };
  for (const ComparisonTerm& t : r.terms)
    rows.push_back({t.label, masked(t.repayment), masked(t.totalInterest), masked(t.totalPaid)});
  return rows;
}

}  // namespace quorin
