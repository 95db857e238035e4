// The annual PAYE calculation: a whole tax year, or the part of it between
// two dates, from annual pay items, with the medical credit built month by
// month from twelve beneficiary counts. No UIF or SDL.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "payperiod/period_tax.h"
#include "settings/settings_record.h"
#include "common/day_number.h"
#include "common/field_limits.h"

namespace quorin {

// Twelve counts in tax-year order: index 0 is March, 9 December, 10 January
// and 11 February.
using MonthCounts = std::array<std::int16_t, 12>;

// Calendar month (1 to 12) of a tax-year month index (0 = March).
int CalendarMonthOfTaxMonth(int taxMonth);

struct AnnualPayInput {
  std::int16_t age = 0;
  double salary = 0;
  double commission = 0;
  double bonus = 0;
  double travelAllowance = 0;
  double employerRFund = 0;
  double employeeRFund = 0;
  double employerMedAid = 0;
  double employeeMedAid = 0;
  MonthCounts monthBeneficiaries{};  // tax-year order
  double medAidDeduction = 0;        // silgEdit15: printed only
  int startDate = kTaxYearStart;     // 01/03/2025
  int endDate = kTaxYearEnd;         // 28/02/2026

  // The whole of another year.
  void setYear(const tax::TaxYear& year) {
    startDate = year.firstDay;
    endDate = year.lastDay;
  }
};

struct AnnualTaxResult {
  int Days = 0;                       // end - start + 1
  double Rebate = 0;
  double RemunerationBase = 0;
  double AllowableDeduction = 0;      // unrounded
  double AllowableDeductionShown = 0; // whole rand, half to even (numAllowableRFundDed)
  double TaxableIncome = 0;           // without the bonus, annualised for a part year
  double T1 = 0;                      // tax after rebate with the bonus
  double T2 = 0;                      // without it
  double BonusTax = 0;                // T1 - T2
  double Tax = 0;                     // for the period, before credits (numMAns)
  double SITE = 0;                    // always 0
  double PAYE = 0;                    // equals Tax
  double MedicalCredit = 0;           // numTaxCredit
  double AdditionalCredit = 0;        // numMTCForContri
  double TaxLiability = 0;            // Tax less credits, not below 0 (numTaxLiability)
  double PAYEAfterCredits = 0;        // PAYE less credits, not below 0 (numAns element 1)
  MonthCounts monthBeneficiaries{};   // the month fields after Calculate
};

// Whether a month of the tax year (calendar month 1 to 12) lies in the
// period from startMonth to endMonth, comparing months only.
bool MonthInPeriod(int calendarMonth, int startMonth, int endMonth);

// The medical scheme fees credit of the period: the monthly credit of each
// month in the period for its count. Without a medical aid contribution the
// credit is 0 and the counts stay; otherwise months outside the period are
// set to 0 in counts.
double AnnualMedicalCredit(const AnnualPayInput& in, MonthCounts& counts,
                           const tax::TaxYear& year, Working* working = nullptr);

// The annual calculation (the medical credit, CalcAnnualTax and the results
// of the Calculate button). The dates must have passed CheckAnnualDates; a
// period of no day throws std::invalid_argument. Uses TAIncRate8020 only,
// and the figures of the year given.
// With a working, every step is recorded into it.
AnnualTaxResult CalcAnnualTax(const AnnualPayInput& in, const SettingsRecord& setup,
                              const tax::TaxYear& year, Working* working = nullptr);

// The date checks, then CalcAnnualTax into out; on a refusal out is left as
// it was. Copy out.monthBeneficiaries back into the window's month fields.
std::optional<Refusal> CalculateAnnual(const AnnualPayInput& in, const SettingsRecord& setup,
                                       AnnualTaxResult& out, const tax::TaxYear& year,
                                       Working* working = nullptr);

// More than 24 beneficiaries in a month (principal member and first
// beneficiary): leaving such a month field shows this notice (title empty:
// the program's own title) and puts 24 in the field.
inline constexpr int kMaxMonthBeneficiaries = 24;
Refusal MonthBeneficiaryNotice();
// Cuts one count back to 24; true when it did (show the notice).
bool LimitMonthBeneficiaries(std::int16_t& count);

// "Duplicate March to all 12 months ": cuts every count above 24 back to 24
// (tax-year order; the notice once for each index returned), then copies
// March into the other eleven months.
std::vector<int> DuplicateMarch(MonthCounts& counts);

// The result fields of the window by field name (numAllowableRFundDed,
// numMAns, numTaxCredit, numMTCForContri, numTaxLiability, numAns; the
// month counts are in the result), and the intermediate figures (Days,
// TaxableIncome, T1, T2, BonusTax, Tax, SITE, PAYE, Rebate, MedicalCredit,
// AdditionalCredit).
std::vector<NamedFigure> AnnualWindowFigures(const AnnualTaxResult& r);
std::vector<NamedFigure> AnnualDetailFigures(const AnnualTaxResult& r);

}  // namespace quorin
