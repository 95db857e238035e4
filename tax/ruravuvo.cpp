#include "tax/ruravuvo.h"

#include <cmath>

namespace quorin {

void NEWCALC(RuravUvoState& s, const tax::TaxYear& year, Working* working) {
  if (working) {
    working->clear();
    working->taxYear = year.year;
  }
  s.PrimaryRebate = year.primaryRebate;
  s.RebateAddition = 0;
  if (s.Age >= 75)
    s.RebateAddition = year.rebateAdditionAt75();
  else if (s.Age >= 65)
    s.RebateAddition = year.secondaryRebate;
  s.Rebate = std::floor(s.PrimaryRebate + s.RebateAddition);
  if (working) [[unlikely]]
    recordWith(
        *working,
        [](Working& w, const RuravUvoState* s) {
          w.add(tax::kRebateStep, s->Rebate, FigureKind::Money,
                s->Age >= 75   ? "from age 75: primary {primary} + secondary and tertiary {addition} of {year}, whole rand"
                : s->Age >= 65 ? "from age 65: primary {primary} + secondary {addition} of {year}, whole rand"
                               : "under 65: primary {primary} of {year}, whole rand")
              .in("age", s->Age, FigureKind::Number)
              .by("primary", s->PrimaryRebate)
              .by("addition", s->RebateAddition);
        },
        &s);

  s.scale.ScaleTax = 0;
  s.TotalTax = 0;
  s.TaxCommitment = 0;
  s.scale = tax::ApplyTaxScale(s.TaxableIncome, year, working);
  s.MarginalRate = s.scale.ScaleRate;

  const double scaleTax = s.scale.ScaleTax;
  s.AverageRateBefore = scaleTax > 0 ? scaleTax / s.TaxableIncome * 100 : s.scale.ScaleRate;
  s.TotalTax = scaleTax;
  s.TaxCommitment = s.TotalTax - s.Rebate;
  if (s.TaxCommitment < 0) s.TaxCommitment = 0;
  s.AverageRateAfter = scaleTax > 0 ? (scaleTax - s.Rebate) / s.TaxableIncome * 100 : 0;
  if (s.AverageRateAfter < 0) s.AverageRateAfter = 0;
  if (working) [[unlikely]]
    recordWith(
        *working,
        [](Working& w, const RuravUvoState* s) {
          const double scaleTax = s->TotalTax;
          w.add("Average rate before the rebate", s->AverageRateBefore, FigureKind::Number,
                scaleTax > 0 ? "tax on the scale / taxable income x 100" : "no tax: the bracket's rate")
              .in("tax on the scale", scaleTax)
              .in("taxable income", s->TaxableIncome);
          w.add("Average rate after the rebate", s->AverageRateAfter, FigureKind::Number,
                "(tax on the scale - rebate) / taxable income x 100, not below 0")
              .in("tax on the scale", scaleTax)
              .in("rebate", s->Rebate)
              .in("taxable income", s->TaxableIncome);
          w.add("Tax commitment", s->TaxCommitment, FigureKind::Money, "tax on the scale less the rebate, not below 0")
              .in("tax on the scale", scaleTax)
              .in("rebate", s->Rebate);
        },
        &s);
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
