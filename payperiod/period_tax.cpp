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

double PeriodMedicalCredit(PeriodKind kind, int beneficiaries, const tax::TaxYear& year, Working* working) {
  const double n = beneficiaries;
  const double first = year.medicalCreditFirstTwo;
  const double further = year.medicalCreditFurther;
  const double forTwo = year.medicalCreditForTwoMonthly();
  double credit = 0;
  const char* rule = "";
  switch (kind) {
    case PeriodKind::Monthly:
      return tax::MedicalSchemeFeesCredit(beneficiaries, year, working);
    case PeriodKind::Weekly:
      credit = n <= 2 ? n * first / 4 : (n - 2) * further / 4 + forTwo / 4;
      rule = "a quarter of the month's credit: {first two} for each of the first two beneficiaries and {further} "
             "for each further one, of {year}";
      break;
    case PeriodKind::Fortnightly:
      credit = n <= 2 ? n * first / 2 : (n - 2) * further / 2 + forTwo / 2;
      rule = "half the month's credit: {first two} for each of the first two beneficiaries and {further} for "
             "each further one, of {year}";
      break;
    case PeriodKind::Daily:
      credit = n <= 2 ? n * first * 12 / 260 : ((n - 2) * further * 12 + year.medicalCreditForTwoAnnual()) / 260;
      rule = "the month's credit x 12 / 260: {first two} for each of the first two beneficiaries and {further} "
             "for each further one, of {year}";
      break;
  }
  if (working)
    working->add(tax::kMedicalCreditStep, credit, FigureKind::Money, rule)
        .in("beneficiaries", n, FigureKind::Number)
        .by("first two", first)
        .by("further", further);
  return credit;
}

double PeriodUIFCeiling(PeriodKind kind, double monthlyLimit) {
  if (kind == PeriodKind::Monthly) return monthlyLimit;
  return monthlyLimit * tax::kMonthsPerYear / PeriodsPerYear(kind);
}

namespace {

const char* annualiseRule(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly: return "x {days in month} / {days worked} x 12 months";
    case PeriodKind::Weekly: return "x 52 weeks x {normal days} / {days worked}";
    case PeriodKind::Fortnightly: return "x 26 fortnights x {normal days} / {days worked}";
    case PeriodKind::Daily: break;
  }
  return "x 260 working days";
}

const char* periodTaxRule(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly:
      return "(with the bonus - rebate) - (without - rebate), each not below 0, + (without - rebate) / 12 x "
             "{days worked} / {days in month}";
    case PeriodKind::Weekly:
      return "(with the bonus - without) + (without - rebate) / 52 x {days worked} / {normal days}, not below 0";
    case PeriodKind::Fortnightly:
      return "(with the bonus - without) + (without - rebate) / 26 x {days worked} / {normal days}, not below 0";
    case PeriodKind::Daily:
      break;
  }
  return "(with the bonus - without) + (without - rebate) / 260, not below 0";
}

// The days that shape the period, as rule figures.
WorkingStep& byDays(WorkingStep& step, const PeriodShape& shape) {
  if (shape.kind == PeriodKind::Monthly)
    step.by("days in month", shape.daysInMonth, FigureKind::Number).by("days worked", shape.daysWorked, FigureKind::Number);
  else if (shape.kind != PeriodKind::Daily)
    step.by("normal days", shape.normalDays, FigureKind::Number).by("days worked", shape.daysWorked, FigureKind::Number);
  return step;
}

}  // namespace

PeriodTaxResult CalcPeriodTax(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                              const tax::TaxYear& year, Working* working) {
  const PeriodShape shape = shapeOf(kind, in);
  PeriodTaxResult r;
  if (working) working->taxYear = year.year;
  if (kind == PeriodKind::Monthly) {
    r.DaysInMonth = static_cast<int>(shape.daysInMonth);
    r.DaysWorked = static_cast<int>(shape.daysWorked);
  }

  // The retirement fund deduction counts the whole remuneration of the
  // period, bonus included, without annualising.
  const double inclusion = setup.TAIncRate8020;
  const double contributions = in.employerRFund + in.employeeRFund;
  r.TaxableTravelAllowance = in.travelAllowance * inclusion;
  if (working)
    working->add("Taxable travel allowance", r.TaxableTravelAllowance, FigureKind::Money, "{inclusion} of the allowance")
        .in("travel allowance", in.travelAllowance)
        .by("inclusion", inclusion, FigureKind::Number);
  r.RemunerationBase = in.salary + in.employerMedAid + in.commission + in.bonus +
                       in.travelAllowance * inclusion + in.employerRFund;
  if (working)
    working->add("Remuneration", r.RemunerationBase, FigureKind::Money,
                 "salary + commission + bonus + taxable travel allowance + employer's medical aid + employer's "
                 "retirement fund")
        .in("salary", in.salary)
        .in("commission", in.commission)
        .in("bonus", in.bonus)
        .in("taxable travel allowance", r.TaxableTravelAllowance)
        .in("employer's medical aid", in.employerMedAid)
        .in("employer's retirement fund", in.employerRFund);
  r.AllowableDeduction =
      tax::RetirementFundDeduction(contributions, r.RemunerationBase, PeriodsPerYear(kind), year, working);
  r.PeriodTaxableIncome = (r.TaxableTravelAllowance + in.salary + in.commission) - r.AllowableDeduction +
                          in.employerMedAid + in.employerRFund;
  if (working)
    working->add("Taxable income of the period", r.PeriodTaxableIncome, FigureKind::Money,
                 "remuneration without the bonus, less the retirement fund deduction")
        .in("salary", in.salary)
        .in("commission", in.commission)
        .in("taxable travel allowance", r.TaxableTravelAllowance)
        .in("employer's medical aid", in.employerMedAid)
        .in("employer's retirement fund", in.employerRFund)
        .in("retirement fund deduction", r.AllowableDeduction);

  // A bonus is never annualised: its tax is the difference it makes.
  const double annualised = shape.annualise(r.PeriodTaxableIncome);
  r.AnnualIncome = annualised + in.bonus;
  if (working) {
    byDays(working->add("Annual equivalent", annualised, FigureKind::Money, annualiseRule(kind))
               .in("taxable income of the period", r.PeriodTaxableIncome),
           shape);
    working->add("Annual taxable income with the bonus", r.AnnualIncome, FigureKind::Money,
                 "annual equivalent + bonus, the bonus not annualised")
        .in("annual equivalent", annualised)
        .in("bonus", in.bonus);
  }
  r.Rebate = tax::RebateForAge(in.age, year, working);
  r.ScaleTaxWithBonus =
      tax::ApplyTaxScale(r.AnnualIncome, year, working, "Tax on the scale with the bonus").ScaleTax;
  r.ScaleTaxWithoutBonus =
      tax::ApplyTaxScale(r.AnnualIncome - in.bonus, year, working, "Tax on the scale without the bonus").ScaleTax;
  r.PeriodTax = shape.periodTax(r.ScaleTaxWithBonus, r.ScaleTaxWithoutBonus, r.Rebate);
  if (working)
    byDays(working->add("Tax of the period", r.PeriodTax, FigureKind::Money, periodTaxRule(kind))
               .in("tax with the bonus", r.ScaleTaxWithBonus)
               .in("tax without the bonus", r.ScaleTaxWithoutBonus)
               .in("rebate", r.Rebate),
           shape);

  r.AllowableDeductionShown = roundHalfEven(r.AllowableDeduction);
  r.TaxableTravelAllowanceShown = roundHalfEven(r.TaxableTravelAllowance);

  // UIF counts neither the commission nor the deduction; SDL has no ceiling.
  r.UIFBase = in.salary + in.employerMedAid + in.bonus + in.travelAllowance * inclusion + in.employerRFund;
  r.UIFCeiling = PeriodUIFCeiling(kind, setup.UIFLimit);
  const double uifPay = r.UIFBase > r.UIFCeiling ? r.UIFCeiling : r.UIFBase;
  r.EmployeeUIF = uifPay * setup.EmployeeUIF / 100;
  r.EmployerUIF = uifPay * setup.EmployerUIF / 100;
  r.SDL = (r.UIFBase - r.AllowableDeduction + in.commission) * setup.SkillLevy / 100;
  if (working) {
    working->add("UIF remuneration", r.UIFBase, FigureKind::Money, "remuneration without the commission")
        .in("remuneration", r.RemunerationBase)
        .in("commission", in.commission);
    const char* uifRule = r.UIFBase > r.UIFCeiling ? "{percent} % of the ceiling {ceiling} a period"
                                                   : "{percent} % of the UIF remuneration, below the ceiling {ceiling}";
    working->add("Employee's UIF", r.EmployeeUIF, FigureKind::Money, uifRule)
        .in("UIF remuneration", r.UIFBase)
        .by("percent", setup.EmployeeUIF, FigureKind::Number)
        .by("ceiling", r.UIFCeiling, FigureKind::Money);
    working->add("Employer's UIF", r.EmployerUIF, FigureKind::Money, uifRule)
        .in("UIF remuneration", r.UIFBase)
        .by("percent", setup.EmployerUIF, FigureKind::Number)
        .by("ceiling", r.UIFCeiling, FigureKind::Money);
    working->add("Skills development levy", r.SDL, FigureKind::Money,
                 "{percent} % of (UIF remuneration - retirement fund deduction + commission), no ceiling")
        .in("UIF remuneration", r.UIFBase)
        .in("retirement fund deduction", r.AllowableDeduction)
        .in("commission", in.commission)
        .by("percent", setup.SkillLevy, FigureKind::Number);
  }

  // Contributions and credit are both of the period: no scaling.
  const bool medicalAid = in.employerMedAid > 0 || in.employeeMedAid > 0;
  r.MedicalCredit = medicalAid ? PeriodMedicalCredit(kind, in.beneficiaries, year, working) : 0;
  if (working && !medicalAid)
    working->add(tax::kMedicalCreditStep, 0, FigureKind::Money, "only with a medical aid contribution")
        .in("beneficiaries", in.beneficiaries, FigureKind::Number);
  r.AdditionalCredit =
      tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit, working);
  const double afterCredits = r.PeriodTax - (r.MedicalCredit + r.AdditionalCredit);
  r.TaxLiability = afterCredits > 0 ? afterCredits : 0;
  if (working)
    working->add("Tax to deduct", r.TaxLiability, FigureKind::Money, "tax of the period less both credits, not below 0")
        .in("tax of the period", r.PeriodTax)
        .in("medical scheme fees credit", r.MedicalCredit)
        .in("additional medical expenses credit", r.AdditionalCredit);
  return r;
}

std::optional<Refusal> CalculatePeriod(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                                       PeriodTaxResult& out, const tax::TaxYear& year, Working* working) {
  if (auto refusal = CheckPeriodMeasure(kind, in)) return refusal;
  if (working) working->clear();
  out = CalcPeriodTax(kind, in, setup, year, working);
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
