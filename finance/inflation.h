// Inflation projection: what an item costs after some years of inflation,
// and what the present amount will then buy in today's money.
#pragma once

#include "finance/spin.h"

namespace quorin {

struct InflationInput {
  double presentCost = 0;  // numPresCost, whole rand
  double period = 0;       // numPeriod, whole years
  double rate = 0;         // numInflaRate, percent a year, may be negative
};

// Above this the future cost is not displayed ("Amount too large to
// display") and cannot be printed.
inline constexpr double kLargestDisplayedCost = 9999999999.0;

struct InflationResult {
  double futureCost = 0;   // numAns1
  double buyingPower = 0;  // numAns2
  bool tooLarge = false;   // Label2(12) shown instead of numAns1
};

// Year by year: the future cost grows by rate / 100 of itself and the
// buying power loses rate / (rate + 100) of itself. Nothing is rounded.
// A period below 1 leaves both at the present cost.
InflationResult InflationProjection(const InflationInput& in);

// "&Print" writes the record only for a future cost that is not 0 and not
// too large to display.
bool inflationPrintable(const InflationResult& r);

// spInflation: steps of 0.25; down below -5 wraps to 30; up to exactly 0
// beeps; up above 30 wraps to -5.
SpinStep<double> spinInflationRate(double rate, SpinDirection direction);

// spPeriod: nothing while the period is 0; down to 0 beeps and wraps to 40;
// up above 40 wraps to 1.
SpinStep<double> spinInflationPeriod(double period, SpinDirection direction);

}  // namespace quorin
