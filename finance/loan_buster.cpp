#include "finance/loan_buster.h"

#include <functional>

#include "finance/annuity.h"

namespace quorin {

namespace {

double busterMonthlyRate(float rate) { return monthlyRate(static_cast<double>(rate)); }

double notNegative(double v) { return v < 0 ? 0 : v; }

BusterPeriod searchBuster(double principal, float rate,
                          const std::function<double(std::int64_t)>& repaymentAt) {
  const double i = busterMonthlyRate(rate);
  PeriodSearch s = searchPeriod(principal, i, repaymentAt);
  switch (s.end) {
    case PeriodSearchEnd::NotWithin600:
      return {0, repaymentAt(-1), true, false};
    case PeriodSearchEnd::FirstMonth:
      return {1, principal * (1 + i), false, true};
    case PeriodSearchEnd::Found:
      break;
  }
  return {static_cast<std::int16_t>(s.months), repaymentAt(s.cents)};
}

}  // namespace

double BRPAYMENT(double principal, int months, float rate) {
  if (principal == 0 || months == 0 || rate == 0) return 0;
  return annuityRepayment(principal, months, busterMonthlyRate(rate));
}

double BPAMOUNT(double repayment, int months, float rate) {
  if (rate == 0 || months == 0 || repayment == 0) return 0;
  return annuityPresentValue(repayment, months, busterMonthlyRate(rate));
}

BusterPeriod BPER(double principal, float rate, double repayment) {
  if (principal == 0 || rate == 0 || repayment == 0) return {0, repayment};
  return searchBuster(principal, rate,
                      [repayment](std::int64_t cents) { return stepCents(repayment, cents + 1); });
}

LoanBusterResult BBCalc(const LoanBusterInput& in, const LoanBusterResult& previous) {
  LoanBusterResult r;
  r.principal = in.principal;
  r.rate = in.rate;
  r.extra = in.extra;
  const double normal = BRPAYMENT(in.principal, in.period, in.rate);
  r.normalRepayment = normal;
  r.totalInterest = notNegative(normal * in.period - in.principal);
  r.totalRepaid = notNegative(in.period * normal);

  auto repeatNormal = [&](LoanBusterOutcome outcome) {
    r.newPeriod = in.period;
    r.newRepayment = normal;
    r.newTotalInterest = r.totalInterest;
    r.newTotalRepaid = r.totalRepaid;
    r.saving = 0;
    r.outcome = outcome;
    return r;
  };

  if (normal == 0) return repeatNormal(LoanBusterOutcome::NoLoan);
  if (!(normal * 10 >= in.extra)) {
    r.newPeriod = previous.newPeriod;
    r.newRepayment = previous.newRepayment;
    r.newTotalInterest = previous.newTotalInterest;
    r.newTotalRepaid = previous.newTotalRepaid;
    r.saving = previous.saving;
    r.outcome = LoanBusterOutcome::ExtraTooLarge;
    return r;
  }
  if (in.extra == 0) return repeatNormal(LoanBusterOutcome::NoExtra);

  // The extra is what steps by whole cents, so the rewritten extra is a
  // whole number of cents whenever the typed one is.
  const double typedExtra = in.extra;
  const double i = busterMonthlyRate(in.rate);
  PeriodSearch s = searchPeriod(in.principal, i, [normal, typedExtra](std::int64_t cents) {
    return normal + stepCents(typedExtra, cents);
  });
  if (s.end == PeriodSearchEnd::NotWithin600) {
    r.newPeriod = 0;
    r.newRepayment = normal + in.extra;
    r.newTotalInterest = r.newTotalRepaid = r.saving = 0;
    r.outcome = LoanBusterOutcome::NotCleared;
    return r;
  }
  const std::int16_t months = static_cast<std::int16_t>(s.months);
  double repayment = 0;
  if (s.end == PeriodSearchEnd::FirstMonth) {
    repayment = in.principal * (1 + i);
    r.extra = repayment - normal;
    r.outcome = LoanBusterOutcome::FirstMonth;
  } else {
    r.extra = stepCents(typedExtra, s.cents);
    repayment = normal + r.extra;
    r.outcome = LoanBusterOutcome::Shortened;
  }
  if (r.extra == 0) return repeatNormal(LoanBusterOutcome::NoExtra);
  r.newPeriod = months;
  r.newRepayment = repayment;
  r.newTotalInterest = notNegative(repayment * months - in.principal);
  r.newTotalRepaid = notNegative(months * repayment);
  r.saving = in.period * normal - months * repayment;
  return r;
}

}  // namespace quorin
