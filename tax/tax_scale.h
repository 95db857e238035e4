// The rules every tax calculator shares: the income-tax scale, the age
// rebates, the medical scheme fees credits, the additional medical credit
// and the retirement fund deduction limit, each with the figures of the
// year of assessment it is given (tax_year.h); none has a year of its own.
#pragma once

#include <cstdint>
#include <vector>

#include "common/working.h"
#include "tax/tax_year.h"

namespace quorin::tax {

inline constexpr double kAdditionalCreditFactor = 0.333;
inline constexpr double kAdditionalCreditMultiple = 3;
inline constexpr int kMonthsPerYear = 12;
inline constexpr int kFortnightsPerYear = 26;
inline constexpr int kWeeksPerYear = 52;
inline constexpr int kWorkingDaysPerYear = 260;

// The outputs of one pass through the scale.
struct ScaleResult {
  double ScaleRate = 0;
  double ScaleFloor = 0;
  double ScaleCeiling = 0;
  double ScaleBaseTax = 0;
  double ScalePortionTax = 0;
  double ScaleTax = 0;
};

// The labels of the steps these rules record into a working.
inline constexpr const char* kScaleStep = "Tax on the scale";
inline constexpr const char* kRebateStep = "Rebate by age";
inline constexpr const char* kMedicalCreditStep = "Medical scheme fees credit";
inline constexpr const char* kAdditionalCreditStep = "Additional medical expenses credit";
inline constexpr const char* kRetirementDeductionStep = "Retirement fund deduction";

// Each rule comes twice: plain, and with a working that it records its
// step into when one is given (the same code, made with and without the
// recording, so that a calculation that records nothing pays nothing).

// Annual tax before rebates on an annual taxable income. Not clamped: a
// negative income gives a negative portion and tax. The step (labelled
// label) names the bracket.
ScaleResult ApplyTaxScale(double taxableIncome, const TaxYear& year);
ScaleResult ApplyTaxScale(double taxableIncome, const TaxYear& year, Working* working, const char* label = kScaleStep);

// The primary rebate, plus the secondary from 65, plus the tertiary from 75
// (2026: 17 235, 26 679 or 29 824).
double RebateForAge(int age, const TaxYear& year);
double RebateForAge(int age, const TaxYear& year, Working* working);

// Annual tax after the age rebate, never below zero.
double TaxAfterRebate(double scaleTax, double rebate);

// Monthly credit for n beneficiaries.
double MedicalSchemeFeesCredit(int beneficiaries, const TaxYear& year);
double MedicalSchemeFeesCredit(int beneficiaries, const TaxYear& year, Working* working);
// Annual credit for m beneficiary-months.
double AnnualMedicalSchemeFeesCredit(int beneficiaryMonths, const TaxYear& year);
double AnnualMedicalSchemeFeesCredit(int beneficiaryMonths, const TaxYear& year, Working* working);

// Additional credit for taxpayers aged 65 or more; all figures of one period.
double AdditionalMedicalCredit(int age, double employeeContribution, double employerContribution,
                               double medicalCredit);
double AdditionalMedicalCredit(int age, double employeeContribution, double employerContribution,
                               double medicalCredit, Working* working);

// The deductible retirement fund contributions: the smaller of the
// contributions and the year's share of the base (27.5 %), capped at the
// year's cap / periodsPerYear. The step says which of the three bound it.
double RetirementFundDeduction(double contributions, double remunerationBase, int periodsPerYear,
                               const TaxYear& year);
double RetirementFundDeduction(double contributions, double remunerationBase, int periodsPerYear,
                               const TaxYear& year, Working* working);

}  // namespace quorin::tax
