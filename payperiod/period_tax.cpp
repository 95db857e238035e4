#include "payperiod/period_tax.h"

#include <stdexcept>

#include "payperiod/payperiod_checks.h"
#include "common/money.h"
#include "tax/tax_scale.h"

namespace quorin {

namespace {

double clampAtZero(double v) { return v < 0 ? 0 : v; }

// The factor that turns the taxable income of the period into an annual
// income, and the period tax from the two scale results.
struct PeriodShape {
  PeriodKind kind;
  double daysInMonth = 0;  // monthly
  double daysWorked = 0;   // monthly, weekly, fortnightly
  double normalDays = 0;   // weekly, fortnightly

  double annualise(double periodIncome) const {
    switch (kind) {
      case PeriodKind::Monthly:
        return periodIncome * (daysInMonth / daysWorked) * tax::kMonthsPerYear;
      case PeriodKind::Weekly:
      case PeriodKind::Fortnightly:
        return periodIncome * PeriodsPerYear(kind) * normalDays / daysWorked;
      case PeriodKind::Daily:
        break;
    }
    return periodIncome * tax::kWorkingDaysPerYear;
  }

  // The bonus part is never pro-rated. Monthly takes the rebate off each
  // scale result and clamps each; the others take it off the regular part
  // only, so a regular part below the threshold reduces the tax on a bonus.
  double periodTax(double withBonus, double withoutBonus, double rebate) const {
    double tax = 0;
    switch (kind) {
      case PeriodKind::Monthly: {
        double w1 = clampAtZero(withBonus - rebate);
        double w2 = clampAtZero(withoutBonus - rebate);
        tax = (w1 - w2) + (w2 / tax::kMonthsPerYear) * daysWorked / daysInMonth;
        break;
      }
      case PeriodKind::Weekly:
      case PeriodKind::Fortnightly:
        tax = (withBonus - withoutBonus) +
              ((withoutBonus - rebate) / PeriodsPerYear(kind)) * daysWorked / normalDays;
        break;
      case PeriodKind::Daily:
        tax = (withBonus - withoutBonus) + (withoutBonus - rebate) / tax::kWorkingDaysPerYear;
        break;
    }
    return clampAtZero(tax);
  }
};

PeriodShape shapeOf(PeriodKind kind, const PeriodPayInput& in) {
  PeriodShape shape{kind};
  switch (kind) {
    case PeriodKind::Monthly:
      shape.daysInMonth = DaysInMonth(in.startDate);
      shape.daysWorked = in.endDate - in.startDate + 1;
      break;
    case PeriodKind::Weekly:
    case PeriodKind::Fortnightly:
      shape.normalDays = in.normalDays;
      shape.daysWorked = in.daysWorked;
      break;
    case PeriodKind::Daily:
      return shape;
  }
  if (shape.daysWorked < 1) throw std::invalid_argument("pay period with no day worked");
  return shape;
}

}  // namespace

PeriodPayInput DefaultPeriodPayInput(PeriodKind kind, const tax::TaxYear& year) {
  PeriodPayInput in;
  in.startDate = year.firstDay;
  in.endDate = year.firstDay + 30;
  if (kind == PeriodKind::Fortnightly) in.normalDays = in.daysWorked = 14;
  return in;
}

int PeriodsPerYear(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly: return tax::kMonthsPerYear;
    case PeriodKind::Weekly: return tax::kWeeksPerYear;
    case PeriodKind::Fortnightly: return tax::kFortnightsPerYear;
    case PeriodKind::Daily: break;
  }
  return tax::kWorkingDaysPerYear;
}

int DaysInMonth(int dayNumber) {
  const CalendarDate date = calendarDate(dayNumber);
  switch (date.month) {
    case 2: {
      const int y = date.year;
      return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0) ? 29 : 28;
    }
    case 4: case 6: case 9: case 11: return 30;
    default: return 31;
  }
}

double PeriodMedicalCredit(PeriodKind kind, int beneficiaries, const tax::TaxYear& year) {
  const double n = beneficiaries;
  const double first = year.medicalCreditFirstTwo;
  const double further = year.medicalCreditFurther;
  const double forTwo = year.medicalCreditForTwoMonthly();
  switch (kind) {
    case PeriodKind::Monthly:
      return tax::MedicalSchemeFeesCredit(beneficiaries, year);
    case PeriodKind::Weekly:
      return n <= 2 ? n * first / 4 : (n - 2) * further / 4 + forTwo / 4;
    case PeriodKind::Fortnightly:
      return n <= 2 ? n * first / 2 : (n - 2) * further / 2 + forTwo / 2;
    case PeriodKind::Daily:
      break;
  }
  return n <= 2 ? n * first * 12 / 260 : ((n - 2) * further * 12 + year.medicalCreditForTwoAnnual()) / 260;
}

double PeriodUIFCeiling(PeriodKind kind, double monthlyLimit) {
  if (kind == PeriodKind::Monthly) return monthlyLimit;
  return monthlyLimit * tax::kMonthsPerYear / PeriodsPerYear(kind);
}

PeriodTaxResult CalcPeriodTax(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                              const tax::TaxYear& year) {
  const PeriodShape shape = shapeOf(kind, in);
  PeriodTaxResult r;
  if (kind == PeriodKind::Monthly) {
    r.DaysInMonth = static_cast<int>(shape.daysInMonth);
    r.DaysWorked = static_cast<int>(shape.daysWorked);
  }

  const bool medicalAid = in.employerMedAid > 0 || in.employeeMedAid > 0;
  r.MedicalCredit = medicalAid ? PeriodMedicalCredit(kind, in.beneficiaries, year) : 0;

  // The retirement fund deduction counts the whole remuneration of the
  // period, bonus included, without annualising.
  const double inclusion = setup.TAIncRate8020;
  const double contributions = in.employerRFund + in.employeeRFund;
  r.RemunerationBase = in.salary + in.employerMedAid + in.commission + in.bonus +
                       in.travelAllowance * inclusion + in.employerRFund;
  r.AllowableDeduction = tax::RetirementFundDeduction(contributions, r.RemunerationBase, PeriodsPerYear(kind), year);
  r.TaxableTravelAllowance = in.travelAllowance * inclusion;
  r.PeriodTaxableIncome = (r.TaxableTravelAllowance + in.salary + in.commission) - r.AllowableDeduction +
                          in.employerMedAid + in.employerRFund;

  // A bonus is never annualised: its tax is the difference it makes.
  r.AnnualIncome = shape.annualise(r.PeriodTaxableIncome) + in.bonus;
  r.Rebate = tax::RebateForAge(in.age, year);
  r.ScaleTaxWithBonus = tax::ApplyTaxScale(r.AnnualIncome, year).ScaleTax;
  r.ScaleTaxWithoutBonus = tax::ApplyTaxScale(r.AnnualIncome - in.bonus, year).ScaleTax;
  r.PeriodTax = shape.periodTax(r.ScaleTaxWithBonus, r.ScaleTaxWithoutBonus, r.Rebate);

  r.AllowableDeductionShown = roundHalfEven(r.AllowableDeduction);
  r.TaxableTravelAllowanceShown = roundHalfEven(r.TaxableTravelAllowance);

  // UIF counts neither the commission nor the deduction; SDL has no ceiling.
  r.UIFBase = in.salary + in.employerMedAid + in.bonus + in.travelAllowance * inclusion + in.employerRFund;
  r.UIFCeiling = PeriodUIFCeiling(kind, setup.UIFLimit);
  const double uifPay = r.UIFBase > r.UIFCeiling ? r.UIFCeiling : r.UIFBase;
  r.EmployeeUIF = uifPay * setup.EmployeeUIF / 100;
  r.EmployerUIF = uifPay * setup.EmployerUIF / 100;
  r.SDL = (r.UIFBase - r.AllowableDeduction + in.commission) * setup.SkillLevy / 100;

  // Contributions and credit are both of the period: no scaling.
  r.AdditionalCredit = tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit);
  const double afterCredits = r.PeriodTax - (r.MedicalCredit + r.AdditionalCredit);
  r.TaxLiability = afterCredits > 0 ? afterCredits : 0;
  return r;
}

std::optional<Refusal> CalculatePeriod(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                                       PeriodTaxResult& out, const tax::TaxYear& year) {
  if (auto refusal = CheckPeriodMeasure(kind, in)) return refusal;
  out = CalcPeriodTax(kind, in, setup, year);
  return std::nullopt;
}

std::vector<NamedFigure> PeriodWindowFigures(PeriodKind kind, const PeriodTaxResult& r) {
  std::vector<NamedFigure> figures{
      {"numAllowableRFundDed", r.AllowableDeductionShown},
      {"numMAns1", r.EmployeeUIF},
      {"numMAns2", r.EmployerUIF},
      {"numMAns3", r.SDL},
      {"numMAns", r.PeriodTax},
      {"numTaxCredit", r.MedicalCredit},
      {"numMTCForContri", r.AdditionalCredit},
      {"numTaxLiability", r.TaxLiability},
  };
  if (kind == PeriodKind::Monthly) figures.push_back({"numMTAAns", r.TaxableTravelAllowanceShown});
  return figures;
}

std::vector<NamedFigure> PeriodDetailFigures(PeriodKind kind, const PeriodTaxResult& r) {
  std::vector<NamedFigure> figures{
      {"RemunerationBase", r.RemunerationBase},
      {"AllowableDeduction", r.AllowableDeduction},
      {"TaxableTravelAllowance", r.TaxableTravelAllowance},
      {"PeriodTaxableIncome", r.PeriodTaxableIncome},
      {"AnnualIncome", r.AnnualIncome},
      {"ScaleTaxWithBonus", r.ScaleTaxWithBonus},
      {"ScaleTaxWithoutBonus", r.ScaleTaxWithoutBonus},
      {"Rebate", r.Rebate},
      {"PeriodTax", r.PeriodTax},
      {"MedicalCredit", r.MedicalCredit},
      {"AdditionalCredit", r.AdditionalCredit},
      {"UIFBase", r.UIFBase},
      {"UIFCeiling", r.UIFCeiling},
  };
  if (kind == PeriodKind::Monthly) {
    figures.push_back({"DaysInMonth", static_cast<double>(r.DaysInMonth)});
    figures.push_back({"DaysWorked", static_cast<double>(r.DaysWorked)});
  }
  return figures;
}

}  // namespace quorin
