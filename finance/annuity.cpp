#include "finance/annuity.h"

#include <cmath>

namespace quorin {

double annuityRepayment(double principal, double months, double i) {
  return (i * principal) / (1 - std::pow(1 + i, -months));
}

double annuityPresentValue(double repayment, double months, double i) {
  return ((1 - std::pow(1 + i, -months)) * repayment) / i;
}

double stepCents(double base, std::int64_t cents) {
  const double whole = std::nearbyint(base * 100);
  if (std::isfinite(whole) && std::fabs(whole) < 0x1p52 && whole / 100 == base)
    return (whole + static_cast<double>(cents)) / 100;
  return base + static_cast<double>(cents) * 0.01;
}

namespace {

constexpr std::int64_t kCentCap = std::int64_t{1} << 60;

// Smallest offset c >= 0 whose repayment makes `months` payments cover the
// target, as the one-cent loop would find it: start from the offset the
// formula gives, then close in from both sides.
std::int64_t centsToCover(double target, int months, double i,
                          const std::function<double(std::int64_t)>& repaymentAt) {
  auto covers = [&](std::int64_t c) {
    return annuityPresentValue(repaymentAt(c), months, i) >= target;
  };
  const double needed = annuityRepayment(target, months, i);
  double estimate = std::ceil((needed - repaymentAt(0)) / 0.01);
  if (!std::isfinite(estimate) || estimate < 0) estimate = 0;
  if (estimate > static_cast<double>(kCentCap)) estimate = static_cast<double>(kCentCap);

  std::int64_t hi = static_cast<std::int64_t>(estimate);
  for (std::int64_t step = 1; !covers(hi) && hi < kCentCap; step *= 2) hi += step;
  std::int64_t lo = hi - 1;  // an offset that does not cover, or -1
  for (std::int64_t step = 1; lo >= 0 && covers(lo); step *= 2) {
    hi = lo;
    lo = lo - step < -1 ? -1 : lo - step;
  }
  while (hi - lo > 1) {
    std::int64_t mid = lo + (hi - lo) / 2;
    (covers(mid) ? hi : lo) = mid;
  }
  return hi;
}

}  // namespace

PeriodSearch searchPeriod(double target, double i,
                          const std::function<double(std::int64_t)>& repaymentAt) {
  const double start = repaymentAt(-1);
  for (int n = 1;; ++n) {
    const double value = annuityPresentValue(start, n, i);
    if (n > kMaxSearchMonths) return {PeriodSearchEnd::NotWithin600, 0, -1};
    if (value > target) {
      const int months = n - 1;
      if (months == 0) return {PeriodSearchEnd::FirstMonth, 1, -1};
      return {PeriodSearchEnd::Found, months, centsToCover(target, months, i, repaymentAt)};
    }
    if (value == target) return {PeriodSearchEnd::Found, n, -1};
  }
}

}  // namespace quorin
