#include "payperiod/annual_tax.h"

#include <cmath>
#include <stdexcept>

#include "payperiod/payperiod_checks.h"
#include "common/money.h"
#include "tax/tax_scale.h"

namespace quorin {

namespace {

double clampAtZero(double v) { return v < 0 ? 0 : v; }

}  // namespace

int CalendarMonthOfTaxMonth(int taxMonth) { return (taxMonth + 2) % 12 + 1; }

bool MonthInPeriod(int month, int startMonth, int endMonth) {
  const bool endsInNewYear = endMonth == 1 || endMonth == 2;
  if (month >= 3) return startMonth >= 3 && startMonth <= month && (endMonth >= month || endsInNewYear);
  if (month == 1) return endsInNewYear && startMonth != 2;
  return endMonth == 2;
}

double AnnualMedicalCredit(const AnnualPayInput& in, MonthCounts& counts, const tax::TaxYear& year) {
  if (!(in.employerMedAid > 0 || in.employeeMedAid > 0)) return 0;
  const int startMonth = calendarDate(in.startDate).month;
  const int endMonth = calendarDate(in.endDate).month;
  double credit = 0;
  for (int i = 0; i < 12; ++i) {
    if (MonthInPeriod(CalendarMonthOfTaxMonth(i), startMonth, endMonth))
      credit += tax::MedicalSchemeFeesCredit(counts[i], year);
    else
      counts[i] = 0;
  }
  return credit;
}

AnnualTaxResult CalcAnnualTax(const AnnualPayInput& in, const SettingsRecord& setup, const tax::TaxYear& year) {
  AnnualTaxResult r;
  r.Days = in.endDate - in.startDate + 1;
  if (r.Days < 1) throw std::invalid_argument("annual period ends before it starts");
  r.monthBeneficiaries = in.monthBeneficiaries;
  r.MedicalCredit = AnnualMedicalCredit(in, r.monthBeneficiaries, year);
  r.Rebate = tax::RebateForAge(in.age, year);

  // The year's cap (2026: 350 000) is not reduced for a part year.
  const double inclusion = setup.TAIncRate8020;
  r.RemunerationBase = in.salary + in.employerMedAid + in.commission + in.bonus + in.travelAllowance * inclusion +
                       in.employerRFund;
  r.AllowableDeduction = tax::RetirementFundDeduction(in.employerRFund + in.employeeRFund, r.RemunerationBase, 1, year);
  r.AllowableDeductionShown = roundHalfEven(r.AllowableDeduction);

  // A part year is its share of the year's days (365, or 366 in a leap year).
  const int yearDays = year.days();
  const bool partYear = r.Days < yearDays;
  double y = in.travelAllowance * inclusion + in.salary + in.commission - r.AllowableDeduction + in.employerMedAid +
             in.employerRFund;
  if (partYear) y = y * yearDays / r.Days;
  r.TaxableIncome = y;

  r.T1 = tax::ApplyTaxScale(y + in.bonus, year).ScaleTax - r.Rebate;
  r.T2 = tax::ApplyTaxScale(y, year).ScaleTax - r.Rebate;
  if (in.travelAllowance + in.commission > 0) {
    r.T1 = truncateDown(r.T1);
    r.T2 = truncateDown(r.T2);
  }
  r.T1 = clampAtZero(r.T1);
  r.T2 = clampAtZero(r.T2);

  // The bonus tax is never pro-rated.
  r.BonusTax = r.T1 - r.T2;
  r.Tax = partYear ? r.T2 * r.Days / yearDays + r.BonusTax : r.T2 + r.BonusTax;
  r.Tax = clampAtZero(r.Tax);
  r.SITE = 0;  // the SITE threshold is 0 at every age
  r.PAYE = r.Tax;

  r.AdditionalCredit = tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit);
  const double credits = r.MedicalCredit + r.AdditionalCredit;
  r.TaxLiability = r.Tax - credits > 0 ? r.Tax - credits : 0;
  r.PAYEAfterCredits = r.PAYE - credits > 0 ? r.PAYE - credits : 0;
  return r;
}

std::optional<Refusal> CalculateAnnual(const AnnualPayInput& in, const SettingsRecord& setup, AnnualTaxResult& out,
                                       const tax::TaxYear& year) {
  if (auto refusal = CheckAnnualDates(in.startDate, in.endDate, year)) return refusal;
  out = CalcAnnualTax(in, setup, year);
  return std::nullopt;
}

Refusal MonthBeneficiaryNotice() {
  return Refusal{"", "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!", "numAnnCalcBens"};
}

bool LimitMonthBeneficiaries(std::int16_t& count) {
  if (count <= kMaxMonthBeneficiaries) return false;
  count = kMaxMonthBeneficiaries;
  return true;
}

std::vector<int> DuplicateMarch(MonthCounts& counts) {
  std::vector<int> cut;
  // The window walks its fields January to December.
  for (int month = 1; month <= 12; ++month) {
    const int i = (month + 9) % 12;
    if (LimitMonthBeneficiaries(counts[i])) cut.push_back(i);
  }
  for (int i = 1; i < 12; ++i) counts[i] = counts[0];
  return cut;
}

std::vector<NamedFigure> AnnualWindowFigures(const AnnualTaxResult& r) {
  return {{"numAllowableRFundDed", r.AllowableDeductionShown},
          {"numMAns", r.Tax},
          {"numTaxCredit", r.MedicalCredit},
          {"numMTCForContri", r.AdditionalCredit},
          {"numTaxLiability", r.TaxLiability},
          {"numAns", r.PAYEAfterCredits}};
}

std::vector<NamedFigure> AnnualDetailFigures(const AnnualTaxResult& r) {
  return {{"Days", static_cast<double>(r.Days)},
          {"TaxableIncome", r.TaxableIncome},
          {"T1", r.T1},
          {"T2", r.T2},
          {"BonusTax", r.BonusTax},
          {"Tax", r.Tax},
          {"SITE", r.SITE},
          {"PAYE", r.PAYE},
          {"Rebate", r.Rebate},
          {"MedicalCredit", r.MedicalCredit},
          {"AdditionalCredit", r.AdditionalCredit}};
}

}  // namespace quorin
