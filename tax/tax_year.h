// One year of assessment: every figure that changes from one tax year to
// the next. The calculations take the year they work in as a parameter;
// the years on offer are read from the year files (tax_year_file.h).
#pragma once

#include <string>
#include <vector>

#include "tax/eti_table.h"

namespace quorin::tax {

struct TaxScaleBracket {
  double floor;
  double ceiling;  // the next bracket's floor; the top one is a display value
  double rate;     // whole percent
  double baseTax;  // tax on an income equal to the floor
};

// A band of the vehicle cost scale by the value of the vehicle (rand, VAT
// included): a fixed cost a year, fuel and maintenance costs a kilometre.
struct VehicleCostBand {
  int band;            // 1, 2, ...
  double upTo;         // highest value of the band; the last band has none (0)
  double fixedCost;    // rand a year
  double fuel;         // rand a km
  double maintenance;  // rand a km
};

inline constexpr double kTopBracketCeiling = 9999999999.0;

struct TaxYear {
  int year = 0;      // the year of assessment, named by the calendar year it ends in
  int firstDay = 0;  // day numbers (common/day_number.h)
  int lastDay = 0;
  std::vector<TaxScaleBracket> scale;
  double primaryRebate = 0;
  double secondaryRebate = 0;  // added at 65
  double tertiaryRebate = 0;   // added on top of the secondary at 75
  double medicalCreditFirstTwo = 0;  // rand per beneficiary per month
  double medicalCreditFurther = 0;
  double retirementFundPercent = 0;  // 27.5 means 27.5 %; set with setRetirementFundPercent
  double retirementFundCap = 0;      // rand a year
  std::vector<VehicleCostBand> vehicleCostScale;
  double companyCarPercent = 0;          // a month, of the determined value
  double companyCarPercentWithPlan = 0;  // with a maintenance plan
  std::string source;
  std::vector<EtiTable> eti;  // by period; empty when the year file has none

  double rebateAdditionAt75() const { return secondaryRebate + tertiaryRebate; }
  double medicalCreditForTwoMonthly() const { return 2 * medicalCreditFirstTwo; }
  double medicalCreditForTwoAnnual() const { return 24 * medicalCreditFirstTwo; }
  // The percentage as a fraction, worked out once: every pay period uses it.
  double retirementFundRate() const { return retirementFundRate_; }
  void setRetirementFundPercent(double percent) {
    retirementFundPercent = percent;
    retirementFundRate_ = percent / 100;
  }
  double topRate() const;
  bool contains(int day) const { return day >= firstDay && day <= lastDay; }
  // 365, or 366 in a year that ends on 29 February.
  int days() const { return lastDay - firstDay + 1; }

 private:
  double retirementFundRate_ = 0;
};

// The 2026 year as the calculators were first built for it (1 March 2025 to
// 28 February 2026). tax-years/2026.json carries the same figures; this copy
// is only the fallback of a run that finds no year file at all.
const TaxYear& TaxYear2026();

}  // namespace quorin::tax
