#include "tax/tax_year.h"

#include <algorithm>

namespace quorin::tax {

double TaxYear::topRate() const {
  double rate = 0;
  for (const auto& b : scale) rate = std::max(rate, b.rate);
  return rate;
}

const TaxYear& TaxYear2026() {
  static const TaxYear year = [] {
    TaxYear y;
    y.year = 2026;
    y.firstDay = 45717;  // 01/03/2025
    y.lastDay = 46081;   // 28/02/2026
    y.scale = {
        {0, 237100, 18, 0},
        {237100, 370500, 26, 42678},
        {370500, 512800, 31, 77362},
        {512800, 673000, 36, 121475},
        {673000, 857900, 39, 179147},
        {857900, 1817000, 41, 251258},
        {1817000, kTopBracketCeiling, 45, 644489},
    };
    y.primaryRebate = 17235;
    y.secondaryRebate = 9444;
    y.tertiaryRebate = 3145;
    y.medicalCreditFirstTwo = 364;
    y.medicalCreditFurther = 246;
    y.setRetirementFundPercent(27.5);
    y.retirementFundCap = 350000;
    y.vehicleCostScale = {
        {1, 100000, 33940, 1.467, 0.474},
        {2, 200000, 60688, 1.638, 0.593},
        {3, 300000, 87497, 1.779, 0.654},
        {4, 400000, 111273, 1.914, 0.714},
        {5, 500000, 135048, 2.048, 0.839},
        {6, 600000, 159934, 2.349, 0.985},
        {7, 700000, 184867, 2.389, 1.105},
        {8, 0, 211121, 2.429, 1.225},
    };
    y.companyCarPercent = 3.5;
    y.companyCarPercentWithPlan = 3.25;
    y.source = "Built-in figures of the 2026 tax year";
    return y;
  }();
  return year;
}

}  // namespace quorin::tax
