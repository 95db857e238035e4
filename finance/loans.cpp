#include "finance/loans.h"

#include <array>
#include <cstdint>
#include <vector>

#include "finance/annuity.h"

namespace quorin {

namespace {
constexpr std::array<const char*, 4> kModeText = {"Monthly repayment", "Principal amount",
                                                  "Repayment period", "Interest rate"};
constexpr std::array<const char*, 4> kSolvedField = {"numMonRePay", "numPrinAmount", "numPeriod",
                                                     "numIntRate"};
}  // namespace

std::string loanModeText(LoanMode mode) { return kModeText[static_cast<int>(mode)]; }

std::optional<LoanMode> loanModeFromText(std::string_view text) {
  for (std::size_t k = 0; k < kModeText.size(); ++k)
    if (text == kModeText[k]) return static_cast<LoanMode>(k);
  return std::nullopt;
}

const char* loanSolvedField(LoanMode mode) { return kSolvedField[static_cast<int>(mode)]; }

double RPAYMENT(const LoanTerms& t) {
  if (t.principal == 0 || t.period == 0 || t.rate == 0) return 0;
  return annuityRepayment(t.principal, t.period, monthlyRate(t.rate));
}

double PAMOUNT(const LoanTerms& t) {
  if (t.period == 0 || t.rate == 0 || t.repayment == 0) return 0;
  return annuityPresentValue(t.repayment, t.period, monthlyRate(t.rate));
}

PeriodSolution PER(const LoanTerms& t) {
  const double typed = t.repayment;
  if (t.principal == 0 || t.rate == 0 || typed == 0) return {0, typed};
  auto repaymentAt = [typed](std::int64_t cents) { return stepCents(typed, cents); };
  PeriodSearch s = searchPeriod(t.principal, monthlyRate(t.rate), repaymentAt);
  switch (s.end) {
    case PeriodSearchEnd::NotWithin600:
      return {0, repaymentAt(-1), true, false};
    case PeriodSearchEnd::FirstMonth:
      return {1, typed, false, true};
    case PeriodSearchEnd::Found:
      break;
  }
  return {static_cast<double>(s.months), repaymentAt(s.cents)};
}

double Rate(const LoanTerms& t) {
  const double entered = t.repayment;
  if (t.principal == 0 || t.period == 0 || entered == 0) return 0;
  auto fits = [&](std::int64_t hundredths) {
    LoanTerms probe = t;
    probe.rate = static_cast<double>(hundredths) / 100;
    return RPAYMENT(probe) <= entered;
  };
  // Steps of 5, 1, 0.1 and 0.01 per cent, in hundredths. A repayment that
  // needs more than 50 % starts with coarser decades so that the search
  // stays short whatever the figures.
  constexpr std::int64_t kTopCap = 500'000'000'000'000'000;  // 5e15 %
  std::int64_t top = 500;
  while (top < kTopCap && fits(top * 10)) top *= 10;
  std::vector<std::int64_t> steps;
  for (std::int64_t s = top; s >= 500; s /= 10) steps.push_back(s);
  steps.insert(steps.end(), {100, 10, 1});

  std::int64_t rate = 0;
  for (std::int64_t step : steps) {
    do rate += step;
    while (fits(rate) && rate < kTopCap * 10);
    rate -= step;
  }
  return static_cast<double>(rate) / 100;
}

FinanceCharges financeCharges(const LoanTerms& t) {
  return {t.repayment * t.period - t.principal, t.repayment * t.period};
}

LoanResult LoanCalc(LoanMode mode, const LoanTerms& terms) {
  LoanResult r;
  r.terms = terms;
  switch (mode) {
    case LoanMode::MonthlyRepayment:
      r.terms.repayment = RPAYMENT(terms);
      break;
    case LoanMode::PrincipalAmount:
      r.terms.principal = PAMOUNT(terms);
      break;
    case LoanMode::RepaymentPeriod: {
      PeriodSolution s = PER(terms);
      r.terms.period = s.period;
      r.terms.repayment = s.repayment;
      r.periodNotFound = s.notFound;
      r.firstMonth = s.firstMonth;
      break;
    }
    case LoanMode::InterestRate:
      r.terms.rate = Rate(terms);
      r.errorShown = r.terms.rate > kMaxLoanRate;
      break;
  }
  r.charges = financeCharges(r.terms);
  return r;
}

}  // namespace quorin
