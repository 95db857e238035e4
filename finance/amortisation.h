// Amortisation of a loan: the month-by-month schedule, its years, and the
// grid rows the loans window shows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "finance/loans.h"

namespace quorin {

// Longest schedule held (periods are at most 600 months).
inline constexpr int kMaxScheduleMonths = 1000;

// One line of a schedule: month or year number, the capital and interest
// parts of the payments in it, and the balance after it.
struct AmortLine {
  int number = 0;
  double capital = 0;
  double interest = 0;
  double balance = 0;
};

// MonthlySchedule: lines for months 1..n (lines[k - 1] is month k). The
// repayment is the one the principal, period and rate give, whatever the
// repayment field holds; `repayment` keeps it.
struct MonthlySchedule {
  double repayment = 0;
  std::vector<AmortLine> lines;
};

// AnnualSchedule, also the figures handed to the graph (LoanAmortGraph):
// lines for years 1..lastYear, the number of full years, and the part-year
// flag: 1 full years only, 2 a part year follows the full years.
struct AnnualSchedule {
  std::vector<AmortLine> lines;
  int fullYears = 0;
  int partYearFlag = 1;
  int lastYear() const { return static_cast<int>(lines.size()); }
};

// "Mo&nthly Amort." is offered when P, n, r and R are all non-zero.
bool monthlyScheduleOffered(const LoanTerms& t);
// "&Annual Amort." and "Annual &Graph": P, r and R non-zero and n of at least 13.
bool annualScheduleOffered(const LoanTerms& t);

// Capital part R x (1 + i)^(k - (n + 1)), interest R - capital, balance
// |previous balance - capital|, starting from P. Empty when n is not a
// whole number from 1 to 1000 or the rate is 0.
MonthlySchedule buildMonthlySchedule(const LoanTerms& t);

// Years from the monthly schedule: each twelfth month closes a year; when n
// is not a multiple of 12 a part year follows, whose capital is P less the
// full years' capital, interest (R x n - P) less their interest (R being the
// schedule's repayment), and balance 0.
AnnualSchedule annualFromMonthly(const LoanTerms& t, const MonthlySchedule& monthly);

// CalcAnnAmort: the monthly schedule, then the years.
AnnualSchedule CalcAnnAmort(const LoanTerms& t);

enum class ScheduleKind { None, Monthly, Annual };

// Grid grdPayments: a heading row, then one row per month or year; the
// number as "##", amounts as "# ### ### ###.00".
using GridRow = std::array<std::string, 4>;
std::vector<GridRow> scheduleGrid(ScheduleKind kind, const std::vector<AmortLine>& lines);

}  // namespace quorin
