// The labels of the steps the salary packages record into a working, and
// the steps both directions record alike. The rules shared with the other
// calculators (scale, rebate, credits) record their own steps
// (tax/tax_scale.h). The recorders are out of line and cold: a calculation
// without a working keeps its fast path and pays only the test of the
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

// Amounts per month are made annual for the scale: x 12, or as they are.
[[gnu::cold]] inline WorkingStep& byMonths(WorkingStep& step, bool annual) {
  if (!annual) step.by("months", 12, FigureKind::Number);
  return step;
}

// The annual tax after the rebate, for the period.
[[gnu::cold, gnu::noinline]] inline void recordTaxAfterRebate(Working& w, bool annual, double scaleTax, double rebate, double taxDue) {
  byMonths(w.add(kTaxAfterRebateStep, taxDue, FigureKind::Money,
                 annual ? "tax on the scale - rebate, not below 0" : "(tax on the scale - rebate, not below 0) / {months}")
               .in("tax on the scale", scaleTax)
               .in("rebate", rebate),
           annual);
}

// The UIF ceiling of the period.
[[gnu::cold, gnu::noinline]] inline void recordUIFCeiling(Working& w, bool annual, double monthlyLimit, double ceiling) {
  w.add(kUIFCeilingStep, ceiling, FigureKind::Money, annual ? "{monthly limit} a month x 12" : "{monthly limit} a month")
      .by("monthly limit", monthlyLimit, FigureKind::Money);
}

// Both UIF contributions.
[[gnu::cold, gnu::noinline]] inline void recordUIF(Working& w, double ceiling, double base, double employeePercent, double employerPercent,
                      double employeeUIF, double employerUIF) {
  const char* rule = base > ceiling ? "{percent} % of the ceiling {ceiling}"
                                    : "{percent} % of the UIF remuneration, not above the ceiling {ceiling}";
  w.add(kEmployeeUIFStep, employeeUIF, FigureKind::Money, rule)
      .in("UIF remuneration", base)
      .by("percent", employeePercent, FigureKind::Number)
      .by("ceiling", ceiling, FigureKind::Money);
  w.add(kEmployerUIFStep, employerUIF, FigureKind::Money, rule)
      .in("UIF remuneration", base)
      .by("percent", employerPercent, FigureKind::Number)
      .by("ceiling", ceiling, FigureKind::Money);
}

// A retirement fund contribution: a percentage of its base (rule
// "{percent} % of the ..."), or the amount typed.
[[gnu::cold, gnu::noinline]] inline void recordFundContribution(Working& w, const char* label, double value, double percent, double base,
                                   const char* baseName, const char* percentRule) {
  if (percent > 0)
    w.add(label, value, FigureKind::Money, percentRule)
        .in(baseName, base)
        .by("percent", percent, FigureKind::Number);
  else
    w.add(label, value, FigureKind::Money, "the amount typed, no percentage set");
}

}  // namespace quorin::package_working
