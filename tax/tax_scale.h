// The 2026 tax year (1 March 2025 to 28 February 2026): income-tax scale,
// age rebates, medical scheme fees credits, the additional medical credit
// and the retirement fund deduction limit. Every tax calculator uses these.
#pragma once

#include <array>
#include <cstdint>

namespace quorin::tax {

struct TaxScaleBracket {
  double floor;
  double ceiling;
  double rate;     // whole percent
  double baseTax;  // tax on an income equal to the floor
};

inline constexpr std::array<TaxScaleBracket, 7> kTaxScale{{
    {0, 237100, 18, 0},
    {237100, 370500, 26, 42678},
    {370500, 512800, 31, 77362},
    {512800, 673000, 36, 121475},
    {673000, 857900, 39, 179147},
    {857900, 1817000, 41, 251258},
    {1817000, 9999999999.0, 45, 644489},
}};

inline constexpr double kPrimaryRebate = 17235;
inline constexpr double kSecondaryRebate = 9444;
inline constexpr double kRebateAdditionAt75 = 12589;
inline constexpr double kMedicalCreditFirstTwo = 364;
inline constexpr double kMedicalCreditFurther = 246;
inline constexpr double kMedicalCreditForTwoMonthly = 728;
inline constexpr double kMedicalCreditForTwoAnnual = 8736;
inline constexpr double kAdditionalCreditFactor = 0.333;
inline constexpr double kAdditionalCreditMultiple = 3;
inline constexpr double kRetirementFundRate = 0.275;
inline constexpr double kRetirementFundCap = 350000;
inline constexpr int kMonthsPerYear = 12;
inline constexpr int kFortnightsPerYear = 26;
inline constexpr int kWeeksPerYear = 52;
inline constexpr int kWorkingDaysPerYear = 260;
inline constexpr int kDaysPerYear = 365;

// The outputs of one pass through the scale.
struct ScaleResult {
  double ScaleRate = 0;
  double ScaleFloor = 0;
  double ScaleCeiling = 0;
  double ScaleBaseTax = 0;
  double ScalePortionTax = 0;
  double ScaleTax = 0;
};

// Annual tax before rebates on an annual taxable income. Not clamped: a
// negative income gives a negative portion and tax.
ScaleResult ApplyTaxScale(double taxableIncome);

// 17 235, 26 679 (65 to 74) or 29 824 (75 and over).
double RebateForAge(int age);

// Annual tax after the age rebate, never below zero.
double TaxAfterRebate(double scaleTax, double rebate);

// Monthly credit for n beneficiaries.
double MedicalSchemeFeesCredit(int beneficiaries);
// Annual credit for m beneficiary-months.
double AnnualMedicalSchemeFeesCredit(int beneficiaryMonths);

// Additional credit for taxpayers aged 65 or more; all figures of one period.
double AdditionalMedicalCredit(int age, double employeeContribution, double employerContribution,
                               double medicalCredit);

// The deductible retirement fund contributions: the smaller of the
// contributions and 27.5 % of the base, capped at 350 000 / periodsPerYear.
double RetirementFundDeduction(double contributions, double remunerationBase, int periodsPerYear);

}  // namespace quorin::tax
