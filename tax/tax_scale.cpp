#include "tax/tax_scale.h"

namespace quorin::tax {

ScaleResult ApplyTaxScale(double income, const TaxYear& year, Working* working, const char* label) {
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
  if (working) {
    const bool top = bracket == last;
    working
        ->add(label, r.ScaleTax, FigureKind::Money,
              top ? "bracket above {above} of {year}: {base tax} + {rate} % above {above}"
                  : "bracket {from} - {to} of {year}: {base tax} + {rate} % above {above}")
        .in("taxable income", income)
        .by("from", b.floor == 0 ? 0 : b.floor + 1)
        .by("to", b.ceiling)
        .by("above", b.floor)
        .by("base tax", b.baseTax)
        .by("rate", b.rate, FigureKind::Number);
  }
  return r;
}

double RebateForAge(int age, const TaxYear& year, Working* working) {
  double addition = 0;
  if (age >= 75)
    addition = year.rebateAdditionAt75();
  else if (age >= 65)
    addition = year.secondaryRebate;
  const double rebate = year.primaryRebate + addition;
  if (working) {
    const char* rule = age >= 75   ? "from age 75: primary {primary} + secondary {secondary} + tertiary {tertiary} of {year}"
                       : age >= 65 ? "from age 65: primary {primary} + secondary {secondary} of {year}"
                                   : "under 65: primary {primary} of {year}";
    working->add(kRebateStep, rebate, FigureKind::Money, rule)
        .in("age", age, FigureKind::Number)
        .by("primary", year.primaryRebate)
        .by("secondary", age >= 65 ? year.secondaryRebate : 0)
        .by("tertiary", age >= 75 ? year.tertiaryRebate : 0);
  }
  return rebate;
}

double TaxAfterRebate(double scaleTax, double rebate) {
  double tax = scaleTax - rebate;
  return tax < 0 ? 0 : tax;
}

namespace {

void recordCredit(Working* working, const char* rule, int count, const char* countName, double credit,
                  const TaxYear& year) {
  working->add(kMedicalCreditStep, credit, FigureKind::Money, rule)
      .in(countName, count, FigureKind::Number)
      .by("first two", year.medicalCreditFirstTwo)
      .by("further", year.medicalCreditFurther);
}

}  // namespace

double MedicalSchemeFeesCredit(int n, const TaxYear& year, Working* working) {
  const double credit =
      n <= 2 ? n * year.medicalCreditFirstTwo : year.medicalCreditForTwoMonthly() + (n - 2) * year.medicalCreditFurther;
  if (working)
    recordCredit(working,
                 n <= 2 ? "{first two} a month for each of the first two beneficiaries of {year}"
                        : "{first two} a month for each of the first two beneficiaries and {further} for each "
                          "further one, of {year}",
                 n, "beneficiaries", credit, year);
  return credit;
}

double AnnualMedicalSchemeFeesCredit(int m, const TaxYear& year, Working* working) {
  const double credit =
      m <= 24 ? m * year.medicalCreditFirstTwo : year.medicalCreditForTwoAnnual() + (m - 24) * year.medicalCreditFurther;
  if (working)
    recordCredit(working,
                 m <= 24 ? "{first two} for each of the first 24 beneficiary-months of {year}"
                         : "{first two} for each of the first 24 beneficiary-months and {further} for each further "
                           "one, of {year}",
                 m, "beneficiary-months", credit, year);
  return credit;
}

double AdditionalMedicalCredit(int age, double employee, double employer, double credit, Working* working) {
  double extra = 0;
  const bool applies = !(age < 65 || credit <= 0 || !(employee > 0 || employer > 0));
  if (applies) {
    extra = (employee + employer - kAdditionalCreditMultiple * credit) * kAdditionalCreditFactor;
    if (extra < 0) extra = 0;
  }
  if (working)
    working
        ->add(kAdditionalCreditStep, extra, FigureKind::Money,
              applies ? "from age 65: (contributions - {multiple} x the credit) x {factor}, not below 0"
                      : "only from age 65, with a medical scheme fees credit")
        .in("age", age, FigureKind::Number)
        .in("employee's medical contribution", employee)
        .in("employer's medical contribution", employer)
        .in("medical scheme fees credit", credit)
        .by("multiple", kAdditionalCreditMultiple, FigureKind::Number)
        .by("factor", kAdditionalCreditFactor, FigureKind::Number);
  return extra;
}

double RetirementFundDeduction(double contributions, double base, int periodsPerYear, const TaxYear& year,
                               Working* working) {
  double limit = year.retirementFundRate() * base;
  double allowed = contributions <= limit ? contributions : limit;
  double cap = year.retirementFundCap / periodsPerYear;
  const double deduction = allowed < cap ? allowed : cap;
  if (working) {
    // Which of the three bound it; an annual calculation has no share of the cap.
    static constexpr const char* kRules[2][3] = {
        {"bound by the cap: {cap} a year / {periods} of {year}",
         "the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year / {periods}",
         "bound by {percent} % of the remuneration: {share}, within the cap {cap} a year / {periods}"},
        {"bound by the cap: {cap} a year of {year}",
         "the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year",
         "bound by {percent} % of the remuneration: {share}, within the cap {cap} a year"}};
    const char* rule = kRules[periodsPerYear == 1][!(allowed < cap) ? 0 : contributions <= limit ? 1 : 2];
    working->add(kRetirementDeductionStep, deduction, FigureKind::Money, rule)
        .in("contributions", contributions)
        .in("remuneration", base)
        .by("percent", year.retirementFundPercent, FigureKind::Number)
        .by("share", limit, FigureKind::Money)
        .by("cap", year.retirementFundCap)
        .by("periods", periodsPerYear, FigureKind::Number);
  }
  return deduction;
}

}  // namespace quorin::tax
