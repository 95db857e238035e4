#include "finance/inflation.h"

namespace quorin {

namespace {
// Periods are at most 40 years; past this many years nothing can change
// any more that a window could show.
constexpr double kMaxProjectedYears = 100000;
}  // namespace

InflationResult InflationProjection(const InflationInput& in) {
  InflationResult r;
  r.futureCost = in.presentCost;
  r.buyingPower = in.presentCost;
  const double rate = in.rate;
  // a rate of -100 % would divide by zero; the field stops at -5
  if (rate != -100) {
    for (double year = 1; year <= in.period && year <= kMaxProjectedYears; ++year) {
      r.futureCost = r.futureCost + r.futureCost * rate / 100;
      r.buyingPower = r.buyingPower - r.buyingPower * rate / (rate + 100);
    }
  }
  r.tooLarge = r.futureCost > kLargestDisplayedCost;
  return r;
}

bool inflationPrintable(const InflationResult& r) {
  return !(r.futureCost == 0 || r.futureCost > kLargestDisplayedCost);
}

SpinStep<double> spinInflationRate(double rate, SpinDirection direction) {
  SpinStep<double> s;
  if (direction == SpinDirection::Down) {
    s.value = rate - 0.25;
    if (s.value < -5) s.value = 30;
  } else {
    s.value = rate + 0.25;
    s.beep = s.value == 0;
    if (s.value > 30) s.value = -5;
  }
  return s;
}

SpinStep<double> spinInflationPeriod(double period, SpinDirection direction) {
  SpinStep<double> s;
  if (period == 0) return {period, false, false};
  if (direction == SpinDirection::Down) {
    s.value = period - 1;
    if (s.value == 0) {
      s.beep = true;
      s.value = 40;
    }
  } else {
    s.value = period + 1;
    if (s.value > 40) s.value = 1;
  }
  return s;
}

}  // namespace quorin
