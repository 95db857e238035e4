// Annuity arithmetic shared by the loans calculator and the loan buster:
// the repayment and present-value formulas, one-cent repayment steps and
// the search for the number of whole monthly payments a repayment needs.
#pragma once

#include <cstdint>
#include <functional>

namespace quorin {

// Monthly rate from an annual percentage: r / 12 / 100, in that order.
inline double monthlyRate(double annualPercent) { return annualPercent / 12 / 100; }

// (i x P) / (1 - (1 + i)^(-n)); no zero checks (callers make them).
double annuityRepayment(double principal, double months, double i);

// (1 - (1 + i)^(-n)) x R / i; no zero checks.
double annuityPresentValue(double repayment, double months, double i);

// base + cents x 0.01, counted as whole cents so that steps never drift:
// when base is a whole number of cents the result is the double nearest
// to the cent value (2 124.70 + 1 cent reads back as 2124.71).
double stepCents(double base, std::int64_t cents);

// Longest period the search looks at.
inline constexpr int kMaxSearchMonths = 600;

// Result of the period search.
enum class PeriodSearchEnd {
  Found,         // months and cents are set
  NotWithin600,  // the repayment does not clear the loan in 600 months
  FirstMonth,    // the repayment clears the loan within the first month
};

struct PeriodSearch {
  PeriodSearchEnd end = PeriodSearchEnd::Found;
  int months = 0;
  // Cent offset of the repayment that clears the loan in `months` months:
  // -1 when the starting repayment matched the target exactly, else 0 or
  // more (the cent steps after the first one).
  std::int64_t cents = -1;
};

// Month by month from 1, the present value of the repayment at offset -1
// (one cent below the base) is compared with the target: the first period
// whose value exceeds the target, less one month, is the period, and the
// repayment is then raised one cent at a time (at least once: offsets 0,
// 1, ...) until that many payments cover the target. Ends NotWithin600 when
// 600 months never exceed the target, FirstMonth when even one payment
// exceeds it. The number of cent steps is worked out, not counted, so any
// amount ends at once. repaymentAt must grow with its offset.
PeriodSearch searchPeriod(double target, double i,
                          const std::function<double(std::int64_t)>& repaymentAt);

}  // namespace quorin
