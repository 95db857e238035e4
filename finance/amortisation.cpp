#include "finance/amortisation.h"

#include <cmath>

#include "finance/annuity.h"
#include "common/money.h"

namespace quorin {

bool monthlyScheduleOffered(const LoanTerms& t) {
  return t.principal != 0 && t.period != 0 && t.rate != 0 && t.repayment != 0;
}

bool annualScheduleOffered(const LoanTerms& t) {
  return t.principal != 0 && t.rate != 0 && t.repayment != 0 && t.period >= 13;
}

MonthlySchedule buildMonthlySchedule(const LoanTerms& t) {
  MonthlySchedule s;
  const double n = t.period;
  if (!(n >= 1 && n <= kMaxScheduleMonths) || n != std::floor(n) || t.rate == 0) return s;
  const double i = monthlyRate(t.rate);
  const int months = static_cast<int>(n);
  s.repayment = annuityRepayment(t.principal, n, i);
  s.lines.reserve(months);
  double balance = t.principal;
  for (int k = 1; k <= months; ++k) {
    const double capital = s.repayment * std::pow(1 + i, k - (n + 1));
    balance = std::fabs(balance - capital);
    s.lines.push_back({k, capital, s.repayment - capital, balance});
  }
  return s;
}

AnnualSchedule annualFromMonthly(const LoanTerms& t, const MonthlySchedule& monthly) {
  AnnualSchedule a;
  double capitalTotal = 0;
  double interestTotal = 0;
  const int months = static_cast<int>(monthly.lines.size());
  for (int k = 12; k <= months; k += 12) {
    AmortLine year{k / 12, 0, 0, monthly.lines[k - 1].balance};
    for (int m = k - 11; m <= k; ++m) {
      year.capital += monthly.lines[m - 1].capital;
      year.interest += monthly.lines[m - 1].interest;
    }
    capitalTotal += year.capital;
    interestTotal += year.interest;
    a.lines.push_back(year);
  }
  a.fullYears = static_cast<int>(a.lines.size());
  a.partYearFlag = 1;
  if (months > 0 && months % 12 != 0) {
    const double totalInterest = monthly.repayment * months - t.principal;
    a.lines.push_back({a.fullYears + 1, t.principal - capitalTotal, totalInterest - interestTotal, 0});
    a.partYearFlag = 2;
  }
  return a;
}

AnnualSchedule CalcAnnAmort(const LoanTerms& t) { return annualFromMonthly(t, buildMonthlySchedule(t)); }

std::vector<GridRow> scheduleGrid(ScheduleKind kind, const std::vector<AmortLine>& lines) {
  std::vector<GridRow> rows;
  if (kind == ScheduleKind::None) return rows;
  if (kind == ScheduleKind::Monthly)
    rows.push_back({" Month   ", "Capital payment ", "Interest payment", "    Balance    "});
  else
    rows.push_back({" Year ", "Capital payments", "Interest payment", "    Balance      "});
  for (const AmortLine& l : lines)
    rows.push_back({std::to_string(l.number), formatGrouped(l.capital, 2), formatGrouped(l.interest, 2),
                    formatGrouped(l.balance, 2)});
  return rows;
}

}  // namespace quorin
