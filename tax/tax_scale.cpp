#include "tax/tax_scale.h"

namespace quorin::tax {

ScaleResult ApplyTaxScale(double income) {
  std::size_t row = 0;
  while (row + 1 < kTaxScale.size() && income > kTaxScale[row].ceiling) ++row;
  const TaxScaleBracket& b = kTaxScale[row];
  ScaleResult r;
  r.ScaleRate = b.rate;
  r.ScaleFloor = b.floor;
  r.ScaleCeiling = b.ceiling;
  r.ScaleBaseTax = b.baseTax;
  r.ScalePortionTax = (income - b.floor) * b.rate / 100;
  r.ScaleTax = r.ScaleBaseTax + r.ScalePortionTax;
  return r;
}

double RebateForAge(int age) {
  double addition = 0;
  if (age >= 75)
    addition = kRebateAdditionAt75;
  else if (age >= 65)
    addition = kSecondaryRebate;
  return kPrimaryRebate + addition;
}

double TaxAfterRebate(double scaleTax, double rebate) {
  double tax = scaleTax - rebate;
  return tax < 0 ? 0 : tax;
}

double MedicalSchemeFeesCredit(int n) {
  if (n <= 2) return n * kMedicalCreditFirstTwo;
  return kMedicalCreditForTwoMonthly + (n - 2) * kMedicalCreditFurther;
}

double AnnualMedicalSchemeFeesCredit(int m) {
  if (m <= 24) return m * kMedicalCreditFirstTwo;
  return kMedicalCreditForTwoAnnual + (m - 24) * kMedicalCreditFurther;
}

double AdditionalMedicalCredit(int age, double employee, double employer, double credit) {
  if (age < 65 || credit <= 0 || !(employee > 0 || employer > 0)) return 0;
  double extra = (employee + employer - kAdditionalCreditMultiple * credit) * kAdditionalCreditFactor;
  return extra < 0 ? 0 : extra;
}

double RetirementFundDeduction(double contributions, double base, int periodsPerYear) {
  double limit = kRetirementFundRate * base;
  double allowed = contributions <= limit ? contributions : limit;
  double cap = kRetirementFundCap / periodsPerYear;
  return allowed < cap ? allowed : cap;
}

}  // namespace quorin::tax
