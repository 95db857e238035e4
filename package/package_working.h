// The labels of the steps the salary packages record into a working, and
// the steps both directions record alike. The rules shared with the other
// calculators (scale, rebate, credits) record their own steps
// (tax/tax_scale.h). The recorders are out of line and cold: a calculation
// without a working keeps its fast path and pays only the tests of the
// pointer.
#pragma once

#include "common/working.h"

namespace quorin::package_working {

inline constexpr const char* kTaxableTravelStep = "Taxable travel allowance";
inline constexpr const char* kCarBenefitStep = "Company car fringe benefit";
inline constexpr const char* kTaxCreditStep = "Tax credit";
inline constexpr const char* kFundBaseStep = "Retirement fund base";
inline constexpr const char* kEmployeeFundStep = "Employee's retirement fund";
inline constexpr const char* kEmployerFundStep = "Employer's retirement fund";
inline constexpr const char* kFundRemunerationStep = "Remuneration for the retirement fund limit";
inline constexpr const char* kFundLimitStep = "Retirement fund limit";
inline constexpr const char* kTaxableIncomeStep = "Annual taxable income";
inline constexpr const char* kTaxAfterRebateStep = "Tax after the rebate";
inline constexpr const char* kUIFCeilingStep = "UIF ceiling";
inline constexpr const char* kUIFBaseStep = "UIF remuneration";
inline constexpr const char* kEmployeeUIFStep = "Employee's UIF";
inline constexpr const char* kEmployerUIFStep = "Employer's UIF";
inline constexpr const char* kSkillsLevyStep = "Skills development levy";
inline constexpr const char* kTaxDeductStep = "Tax to deduct";
inline constexpr const char* kNetAtGrossStep = "Take-home at this gross salary";
inline constexpr const char* kGrossFoundStep = "Gross salary found";
inline constexpr const char* kTakeHomeStep = "Take-home pay";
inline constexpr const char* kGrossSalaryStep = "Gross salary";
inline constexpr const char* kCostToCompanyStep = "Cost to company";

// Adds the months rule figure (12) when amounts per month are made annual.
WorkingStep& byMonths(WorkingStep& step, bool annual);

// The annual tax after the rebate, for the period.
[[gnu::cold]] void recordTaxAfterRebate(Working& w, bool annual, double scaleTax, double rebate, double taxDue);

// The UIF ceiling of the period.
[[gnu::cold]] void recordUIFCeiling(Working& w, bool annual, double monthlyLimit, double ceiling);

// Both UIF contributions.
[[gnu::cold]] void recordUIF(Working& w, double ceiling, double base, double employeePercent, double employerPercent,
                             double employeeUIF, double employerUIF);

// A retirement fund contribution: a percentage of its base (percentRule,
// "{percent} % of the ..."), or the amount typed.
[[gnu::cold]] void recordFundContribution(Working& w, const char* label, double value, double percent, double base,
                                          const char* baseName, const char* percentRule);

}  // namespace quorin::package_working
