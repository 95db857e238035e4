// The travel allowance claim for one vehicle in a tax year: the
// business use of the car by the deemed-cost method (the vehicle cost
// scale times the log book's business km) or by the actual-cost method
// (the year's costs times the business share of the distance), never more
// than the allowance received when one is entered.
#pragma once

#include <cstdint>
#include <string>

#include "common/day_number.h"
#include "common/working.h"
#include "tax/tax_year.h"

namespace quorin {

// The window's inputs, kept in the session for the whole run. Amounts and
// distances are whole numbers held as doubles.
struct TravelAllowanceInput {
  std::string car;                // Text1 "Car :"
  std::int16_t RecordsKept = 0;   // 0 deemed cost ("&No"), 1 actual cost ("&Yes")
  double value = 0;               // silgEdit1, selects the cost scale band
  double allowance = 0;           // silgEdit2; 0 means no limit on the claim
  double closeKm = 0;             // silgEdit3
  double openKm = 0;              // silgEdit4
  double logBookKm = 0;           // silgEdit5, business km from the log book
  double fuel = 0;                // silgEdit6
  double maintenance = 0;         // silgEdit7
  double insurance = 0;           // silgEdit8
  double other = 0;               // silgEdit9
  double wearAndTear = 0;         // silgEdit10
  double lease = 0;               // silgEdit11
  std::int32_t startDate = kTaxYearStart;
  std::int32_t endDate = kTaxYearEnd;
  std::int16_t includeFuel = 1;         // Check1
  std::int16_t includeMaintenance = 1;  // Check2

  int days() const { return endDate - startDate + 1; }
  // The whole of another year.
  void setYear(const tax::TaxYear& year) {
    startDate = year.firstDay;
    endDate = year.lastDay;
  }
};

struct DistanceSplit {
  double total = 0;     // close km - open km
  double business = 0;
  double priv = 0;
  // The log book named more km than were travelled: business is the total.
  bool logBookCut = false;
};

// Deemed business and private km of the distance travelled over the days,
// the log book's business km winning over the deemed split. A log book
// above a positive total distance counts as the total distance.
// With a working: the distance travelled, the business km (and the rule
// that gave them) and the private km.
DistanceSplit SplitDistance(double closeKm, double openKm, double logBookKm, int days, int yearDays,
                            Working* working = nullptr);

struct DeemedCostClaim {
  DistanceSplit split;
  int band = 0;
  double fixedCost = 0;         // the band's rand a year
  double fixedPerKm = 0;        // cents a km
  double fuelPerKm = 0;         // cents a km, 0 when fuel is not included
  double maintenancePerKm = 0;  // cents a km, 0 when maintenance is not included
  double totalPerKm = 0;        // cents a km, unrounded
  double totalPerKmShown = 0;   // rounded to one decimal, as shown and printed
  double claim = 0;             // rand
};

struct ActualCostClaim {
  DistanceSplit split;
  double totalCosts = 0;
  double privateUse = 0;  // as shown: total costs - claim before the allowance limit
  double claim = 0;
};

// With a working, each records its steps; the last is the claim.
DeemedCostClaim CalcDeemedCostClaim(const TravelAllowanceInput& in, const tax::TaxYear& year,
                                    Working* working = nullptr);
ActualCostClaim CalcActualCostClaim(const TravelAllowanceInput& in, const tax::TaxYear& year,
                                    Working* working = nullptr);

struct CarAllowanceResult {
  int days = 0;
  DeemedCostClaim deemed;  // all 0 without a value, days or log book km
  ActualCostClaim actual;  // computed with the actual-cost method only
  // The chosen method's figures.
  const DistanceSplit& split() const;
  double claim() const;
  bool logBookCut() const { return split().logBookCut; }
  std::int16_t method = 0;
};

// Calculate: the days, then the chosen method, with the year's vehicle
// cost scale. A working given is cleared and gets the steps, the claim
// (claim()) last.
CarAllowanceResult CarAllowanceCalc(const TravelAllowanceInput& in, const tax::TaxYear& year,
                                    Working* working = nullptr);

}  // namespace quorin
