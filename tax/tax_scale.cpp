#include "tax/tax_scale.h"

namespace quorin::tax {

ScaleResult ApplyTaxScale(double income, const TaxYear& year) {
  // The bracket whose ceiling the income does not pass; the last one is open.
  const TaxScaleBracket* bracket = year.scale.data();
  const TaxScaleBracket* const last = bracket + (year.scale.size() - 1);
  while (bracket != last && income > bracket->ceiling) ++bracket;
  const TaxScaleBracket& b = *bracket;
  ScaleResult r;
  r.ScaleRate = b.rate;
  r.ScaleFloor = b.floor;
  r.ScaleCeiling = b.ceiling;
  r.ScaleBaseTax = b.baseTax;
  r.ScalePortionTax = (income - b.floor) * b.rate / 100;
  r.ScaleTax = r.ScaleBaseTax + r.ScalePortionTax;
  return r;
}

double RebateForAge(int age, const TaxYear& year) {
  double addition = 0;
  if (age >= 75)
    addition = year.rebateAdditionAt75();
  else if (age >= 65)
    addition = year.secondaryRebate;
  return year.primaryRebate + addition;
}

double TaxAfterRebate(double scaleTax, double rebate) {
  double tax = scaleTax - rebate;
  return tax < 0 ? 0 : tax;
}

double MedicalSchemeFeesCredit(int n, const TaxYear& year) {
  if (n <= 2) return n * year.medicalCreditFirstTwo;
  return year.medicalCreditForTwoMonthly() + (n - 2) * year.medicalCreditFurther;
}

double AnnualMedicalSchemeFeesCredit(int m, const TaxYear& year) {
  if (m <= 24) return m * year.medicalCreditFirstTwo;
  return year.medicalCreditForTwoAnnual() + (m - 24) * year.medicalCreditFurther;
}

double AdditionalMedicalCredit(int age, double employee, double employer, double credit) {
  if (age < 65 || credit <= 0 || !(employee > 0 || employer > 0)) return 0;
  double extra = (employee + employer - kAdditionalCreditMultiple * credit) * kAdditionalCreditFactor;
  return extra < 0 ? 0 : extra;
}

double RetirementFundDeduction(double contributions, double base, int periodsPerYear, const TaxYear& year) {
  double limit = year.retirementFundRate() * base;
  double allowed = contributions <= limit ? contributions : limit;
  double cap = year.retirementFundCap / periodsPerYear;
  return allowed < cap ? allowed : cap;
}

}  // namespace quorin::tax
