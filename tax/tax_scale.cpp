#include "tax/tax_scale.h"

namespace quorin::tax {

// ApplyTaxScale, recording its steps or not.
template <bool kRecord>
[[gnu::always_inline]] inline ScaleResult ApplyTaxScaleSteps(double income, const TaxYear& year, Working* working, const char* label) {
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
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const char* label, double income, const TaxScaleBracket* b, double tax, bool top) {
          w.add(label, tax, FigureKind::Money,
                top ? "bracket above {above} of {year}: {base tax} + {rate} % above {above}"
                    : "bracket {from} - {to} of {year}: {base tax} + {rate} % above {above}")
              .in("taxable income", income)
              .by("from", b->floor == 0 ? 0 : b->floor + 1)
              .by("to", b->ceiling)
              .by("above", b->floor)
              .by("base tax", b->baseTax)
              .by("rate", b->rate, FigureKind::Number);
        },
        label, income, bracket, r.ScaleTax, bracket == last);
  return r;
}

ScaleResult ApplyTaxScale(double income, const TaxYear& year) {
  return ApplyTaxScaleSteps<false>(income, year, nullptr, kScaleStep);;
}

ScaleResult ApplyTaxScale(double income, const TaxYear& year, Working* working, const char* label) {
  if (!working) return ApplyTaxScaleSteps<false>(income, year, nullptr, kScaleStep);
  return ApplyTaxScaleSteps<true>(income, year, working, label);
}

// RebateForAge, recording its steps or not.
template <bool kRecord>
[[gnu::always_inline]] inline double RebateForAgeSteps(int age, const TaxYear& year, Working* working) {
  double addition = 0;
  if (age >= 75)
    addition = year.rebateAdditionAt75();
  else if (age >= 65)
    addition = year.secondaryRebate;
  const double rebate = year.primaryRebate + addition;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, int age, const TaxYear* year, double rebate) {
          const char* rule = age >= 75
                                 ? "from age 75: primary {primary} + secondary {secondary} + tertiary {tertiary} of {year}"
                             : age >= 65 ? "from age 65: primary {primary} + secondary {secondary} of {year}"
                                         : "under 65: primary {primary} of {year}";
          w.add(kRebateStep, rebate, FigureKind::Money, rule)
              .in("age", age, FigureKind::Number)
              .by("primary", year->primaryRebate)
              .by("secondary", age >= 65 ? year->secondaryRebate : 0)
              .by("tertiary", age >= 75 ? year->tertiaryRebate : 0);
        },
        age, &year, rebate);
  return rebate;
}

double RebateForAge(int age, const TaxYear& year) { return RebateForAgeSteps<false>(age, year, nullptr); }

double RebateForAge(int age, const TaxYear& year, Working* working) {
  if (!working) return RebateForAgeSteps<false>(age, year, nullptr);
  return RebateForAgeSteps<true>(age, year, working);
}

double TaxAfterRebate(double scaleTax, double rebate) {
  double tax = scaleTax - rebate;
  return tax < 0 ? 0 : tax;
}

namespace {

void recordCredit(Working& w, const char* rule, int count, const char* countName, double credit,
                  const TaxYear* year) {
  w.add(kMedicalCreditStep, credit, FigureKind::Money, rule)
      .in(countName, count, FigureKind::Number)
      .by("first two", year->medicalCreditFirstTwo)
      .by("further", year->medicalCreditFurther);
}

}  // namespace

// MedicalSchemeFeesCredit, recording its steps or not.
template <bool kRecord>
[[gnu::always_inline]] inline double MedicalSchemeFeesCreditSteps(int n, const TaxYear& year, Working* working) {
  const double credit =
      n <= 2 ? n * year.medicalCreditFirstTwo : year.medicalCreditForTwoMonthly() + (n - 2) * year.medicalCreditFurther;
  if constexpr (kRecord)
    recordWith(*working, recordCredit,
               n <= 2 ? "{first two} a month for each of the first two beneficiaries of {year}"
                      : "{first two} a month for each of the first two beneficiaries and {further} for each "
                        "further one, of {year}",
               n, "beneficiaries", credit, &year);
  return credit;
}

double MedicalSchemeFeesCredit(int n, const TaxYear& year) {
  return MedicalSchemeFeesCreditSteps<false>(n, year, nullptr);;
}

double MedicalSchemeFeesCredit(int n, const TaxYear& year, Working* working) {
  if (!working) return MedicalSchemeFeesCreditSteps<false>(n, year, nullptr);
  return MedicalSchemeFeesCreditSteps<true>(n, year, working);
}

// AnnualMedicalSchemeFeesCredit, recording its steps or not.
template <bool kRecord>
[[gnu::always_inline]] inline double AnnualMedicalSchemeFeesCreditSteps(int m, const TaxYear& year, Working* working) {
  const double credit =
      m <= 24 ? m * year.medicalCreditFirstTwo : year.medicalCreditForTwoAnnual() + (m - 24) * year.medicalCreditFurther;
  if constexpr (kRecord)
    recordWith(*working, recordCredit,
               m <= 24 ? "{first two} for each of the first 24 beneficiary-months of {year}"
                       : "{first two} for each of the first 24 beneficiary-months and {further} for each further "
                         "one, of {year}",
               m, "beneficiary-months", credit, &year);
  return credit;
}

double AnnualMedicalSchemeFeesCredit(int m, const TaxYear& year) {
  return AnnualMedicalSchemeFeesCreditSteps<false>(m, year, nullptr);;
}

double AnnualMedicalSchemeFeesCredit(int m, const TaxYear& year, Working* working) {
  if (!working) return AnnualMedicalSchemeFeesCreditSteps<false>(m, year, nullptr);
  return AnnualMedicalSchemeFeesCreditSteps<true>(m, year, working);
}

// AdditionalMedicalCredit, recording its steps or not.
template <bool kRecord>
[[gnu::always_inline]] inline double AdditionalMedicalCreditSteps(int age, double employee, double employer, double credit, Working* working) {
  double extra = 0;
  const bool applies = !(age < 65 || credit <= 0 || !(employee > 0 || employer > 0));
  if (applies) {
    extra = (employee + employer - kAdditionalCreditMultiple * credit) * kAdditionalCreditFactor;
    if (extra < 0) extra = 0;
  }
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, int age, double employee, double employer, double credit, double extra, bool applies) {
          w.add(kAdditionalCreditStep, extra, FigureKind::Money,
                applies ? "from age 65: (contributions - {multiple} x the credit) x {factor}, not below 0"
                        : "only from age 65, with a medical scheme fees credit")
              .in("age", age, FigureKind::Number)
              .in("employee's medical contribution", employee)
              .in("employer's medical contribution", employer)
              .in("medical scheme fees credit", credit)
              .by("multiple", kAdditionalCreditMultiple, FigureKind::Number)
              .by("factor", kAdditionalCreditFactor, FigureKind::Number);
        },
        age, employee, employer, credit, extra, applies);
  return extra;
}

double AdditionalMedicalCredit(int age, double employee, double employer, double credit) {
  return AdditionalMedicalCreditSteps<false>(age, employee, employer, credit, nullptr);;
}

double AdditionalMedicalCredit(int age, double employee, double employer, double credit, Working* working) {
  if (!working) return AdditionalMedicalCreditSteps<false>(age, employee, employer, credit, nullptr);
  return AdditionalMedicalCreditSteps<true>(age, employee, employer, credit, working);
}

// RetirementFundDeduction, recording its steps or not.
template <bool kRecord>
[[gnu::always_inline]] inline double RetirementFundDeductionSteps(double contributions, double base, int periodsPerYear, const TaxYear& year,
                               Working* working) {
  double limit = year.retirementFundRate() * base;
  double allowed = contributions <= limit ? contributions : limit;
  double cap = year.retirementFundCap / periodsPerYear;
  const double deduction = allowed < cap ? allowed : cap;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, double contributions, double base, int periods, const TaxYear* year, double share,
           double deduction, int bound) {
          // Which of the three bound it; an annual calculation has no share of the cap.
          static constexpr const char* kRules[2][3] = {
              {"bound by the cap: {cap} a year / {periods} of {year}",
               "the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year / "
               "{periods}",
               "bound by {percent} % of the remuneration: {share}, within the cap {cap} a year / {periods}"},
              {"bound by the cap: {cap} a year of {year}",
               "the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year",
               "bound by {percent} % of the remuneration: {share}, within the cap {cap} a year"}};
          w.add(kRetirementDeductionStep, deduction, FigureKind::Money, kRules[periods == 1][bound])
              .in("contributions", contributions)
              .in("remuneration", base)
              .by("percent", year->retirementFundPercent, FigureKind::Number)
              .by("share", share, FigureKind::Money)
              .by("cap", year->retirementFundCap)
              .by("periods", periods, FigureKind::Number);
        },
        contributions, base, periodsPerYear, &year, limit, deduction,
        !(allowed < cap) ? 0 : contributions <= limit ? 1 : 2);
  return deduction;
}

double RetirementFundDeduction(double contributions, double base, int periodsPerYear, const TaxYear& year) {
  return RetirementFundDeductionSteps<false>(contributions, base, periodsPerYear, year, nullptr);;
}

double RetirementFundDeduction(double contributions, double base, int periodsPerYear, const TaxYear& year,
                               Working* working) {
  if (!working) return RetirementFundDeductionSteps<false>(contributions, base, periodsPerYear, year, nullptr);
  return RetirementFundDeductionSteps<true>(contributions, base, periodsPerYear, year, working);
}

}  // namespace quorin::tax
