// The pay-period tax method shared by the monthly, weekly, fortnightly and
// daily calculators: PAYE of one pay period with the medical credits, UIF
// and SDL. One calculation; the kind of period is a parameter.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"
#include "common/day_number.h"
#include "common/field_limits.h"
#include "common/working.h"
#include "tax/tax_year.h"

namespace quorin {

enum class PeriodKind { Monthly, Weekly, Fortnightly, Daily };

// The inputs of one calculation, all amounts for the pay period.
struct PeriodPayInput {
  std::int16_t age = 0;
  double salary = 0;           // including taxable fringe benefits, excluding the travel allowance
  double commission = 0;
  double bonus = 0;
  double travelAllowance = 0;
  double employerRFund = 0;    // employer's retirement fund contribution
  double employeeRFund = 0;    // employee's retirement fund contribution
  double employerMedAid = 0;   // employer's medical aid contribution
  double employeeMedAid = 0;   // employee's medical aid contribution
  std::int16_t beneficiaries = 0;

  // Part of the period worked. Monthly: first and last day worked (day
  // numbers, same calendar month). Weekly and fortnightly: days of a normal
  // period and days worked in this one. Daily uses none of them.
  int startDate = kTaxYearStart;       // 01/03/2025
  int endDate = kTaxYearStart + 30;    // 31/03/2025
  std::int16_t normalDays = 7;
  std::int16_t daysWorked = 7;
};

// What a freshly opened window starts with: every amount, age and count 0;
// monthly the first 31 days of the year (2026: 01/03/2025 to 31/03/2025);
// weekly 7 of 7 days, fortnightly 14 of 14.
PeriodPayInput DefaultPeriodPayInput(PeriodKind kind, const tax::TaxYear& year);

struct PeriodTaxResult {
  double RemunerationBase = 0;        // B: the retirement fund deduction's base
  double AllowableDeduction = 0;      // unrounded
  double AllowableDeductionShown = 0; // whole rand, half to even (numAllowableRFundDed)
  double TaxableTravelAllowance = 0;  // unrounded
  double TaxableTravelAllowanceShown = 0;  // whole rand (monthly numMTAAns)
  double PeriodTaxableIncome = 0;     // T, without the bonus
  double AnnualIncome = 0;            // Y, with the bonus
  double ScaleTaxWithBonus = 0;       // S1
  double ScaleTaxWithoutBonus = 0;    // S2
  double Rebate = 0;
  double PeriodTax = 0;               // before credits ("Tax liability", numMAns)
  double MedicalCredit = 0;           // numTaxCredit
  double AdditionalCredit = 0;        // numMTCForContri
  double TaxLiability = 0;            // after credits, not below 0 (numTaxLiability)
  double UIFBase = 0;
  double UIFCeiling = 0;
  double EmployeeUIF = 0;             // numMAns1
  double EmployerUIF = 0;             // numMAns2
  double SDL = 0;                     // numMAns3
  int DaysInMonth = 0;                // monthly only
  int DaysWorked = 0;                 // monthly only
};

// Periods in the tax year: 12, 52, 26 or 260.
int PeriodsPerYear(PeriodKind kind);

// 31, 30, 29 or 28: the days of the calendar month of the day number.
int DaysInMonth(int dayNumber);

// The medical scheme fees credit of one period for n beneficiaries (given a
// medical aid contribution): the monthly credit, a quarter of it weekly, half
// fortnightly, and x 12 / 260 daily.
double PeriodMedicalCredit(PeriodKind kind, int beneficiaries, const tax::TaxYear& year,
                           Working* working = nullptr);

// The UIF remuneration ceiling of one period from the monthly limit.
double PeriodUIFCeiling(PeriodKind kind, double monthlyLimit);

// One calculation of the period, every figure of the window and printout.
// Uses EmployeeUIF, EmployerUIF, SkillLevy, UIFLimit and TAIncRate8020 of the
// setup. The period measure must have passed CheckPeriodMeasure
// (payperiod_checks.h); a measure that would divide by zero days throws
// std::invalid_argument. The figures are those of the year given.
// With a working, every step is recorded into it (working.h).
PeriodTaxResult CalcPeriodTax(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                              const tax::TaxYear& year, Working* working = nullptr);

// What the Calculate button does: the period checks, then CalcPeriodTax into
// out. On a refusal out is left as it was and the refusal is returned.
// The labels of the two passes through the scale.
inline constexpr const char* kScaleWithBonusStep = "Tax on the scale with the bonus";
inline constexpr const char* kScaleWithoutBonusStep = "Tax on the scale without the bonus";

// The last step of a pay-period and an annual working: the tax of the
// period less both credits.
void RecordTaxToDeduct(Working& w, double tax, double credit, double additional, double toDeduct);

std::optional<Refusal> CalculatePeriod(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                                       PeriodTaxResult& out, const tax::TaxYear& year, Working* working = nullptr);

// A figure by the name it goes by outside: a window field or a detail name.
struct NamedFigure {
  std::string_view name;
  double value;
};

// The result fields of the window by field name, unrounded except the two
// whole-rand fields: numAllowableRFundDed, numMAns1, numMAns2, numMAns3,
// numMAns, numTaxCredit, numMTCForContri, numTaxLiability and, monthly,
// numMTAAns.
std::vector<NamedFigure> PeriodWindowFigures(PeriodKind kind, const PeriodTaxResult& r);

// The intermediate figures: RemunerationBase, AllowableDeduction,
// TaxableTravelAllowance, PeriodTaxableIncome, AnnualIncome,
// ScaleTaxWithBonus, ScaleTaxWithoutBonus, Rebate, PeriodTax, MedicalCredit,
// AdditionalCredit, UIFBase, UIFCeiling and, monthly, DaysInMonth, DaysWorked.
std::vector<NamedFigure> PeriodDetailFigures(PeriodKind kind, const PeriodTaxResult& r);

}  // namespace quorin
