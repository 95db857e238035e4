#include "tax/ruravuvo.h"

#include <cmath>

namespace quorin {

void NEWCALC(RuravUvoState& s, const tax::TaxYear& year) {
  s.PrimaryRebate = year.primaryRebate;
  s.RebateAddition = 0;
  if (s.Age >= 75)
    s.RebateAddition = year.rebateAdditionAt75();
  else if (s.Age >= 65)
    s.RebateAddition = year.secondaryRebate;
  s.Rebate = std::floor(s.PrimaryRebate + s.RebateAddition);

  s.scale.ScaleTax = 0;
  s.TotalTax = 0;
  s.TaxCommitment = 0;
  s.scale = tax::ApplyTaxScale(s.TaxableIncome, year);
  s.MarginalRate = s.scale.ScaleRate;

  const double scaleTax = s.scale.ScaleTax;
  s.AverageRateBefore = scaleTax > 0 ? scaleTax / s.TaxableIncome * 100 : s.scale.ScaleRate;
  s.TotalTax = scaleTax;
  s.TaxCommitment = s.TotalTax - s.Rebate;
  if (s.TaxCommitment < 0) s.TaxCommitment = 0;
  s.AverageRateAfter = scaleTax > 0 ? (scaleTax - s.Rebate) / s.TaxableIncome * 100 : 0;
  if (s.AverageRateAfter < 0) s.AverageRateAfter = 0;
}

RuravUvoFields ruravUvoFields(const RuravUvoState& s) {
  return {{s.TaxableIncome, static_cast<double>(s.Age), s.scale.ScaleBaseTax, s.scale.ScaleRate,
           s.scale.ScalePortionTax, s.TotalTax, s.Rebate, s.TaxCommitment, s.AverageRateBefore,
           s.AverageRateAfter}};
}

FeedRecord kwikTaxRecord(const RuravUvoState& s) {
  FeedRecord r{"kwiktax", {}};
  r.set("AGE", s.Age)
      .set("TAXINCOME", s.PrintedIncome)
      .set("TAXTOPAY", s.scale.ScaleBaseTax)
      .set("MARGRATE", s.scale.ScaleRate)
      .set("PORTION", s.scale.ScalePortionTax)
      .set("TOTTAX", s.TotalTax)
      .set("REBATE", s.Rebate)
      .set("TAXCOM4", s.TaxCommitment)
      .set("AVRATE", s.AverageRateBefore)
      .set("AVRATEAFT", s.AverageRateAfter)
      .set("TAXCOM4/2", s.TaxCommitment / 12);
  return r;
}

}  // namespace quorin
