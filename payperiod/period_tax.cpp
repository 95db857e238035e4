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

[[gnu::always_inline]] inline PeriodShape shapeOf(PeriodKind kind, const PeriodPayInput& in) {
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

// PeriodMedicalCredit, recording its steps or not.
template <bool kRecord>
double PeriodMedicalCreditSteps(PeriodKind kind, int beneficiaries, const tax::TaxYear& year, Working* working) {
  const double n = beneficiaries;
  const double first = year.medicalCreditFirstTwo;
  const double further = year.medicalCreditFurther;
  const double forTwo = year.medicalCreditForTwoMonthly();
  double credit = 0;
  const char* rule = "";
  switch (kind) {
    case PeriodKind::Monthly:
      return kRecord ? tax::MedicalSchemeFeesCredit(beneficiaries, year, working)
                     : tax::MedicalSchemeFeesCredit(beneficiaries, year);
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
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const char* rule, double n, double first, double further, double credit) {
          w.add(tax::kMedicalCreditStep, credit, FigureKind::Money, rule)
              .in("beneficiaries", n, FigureKind::Number)
              .by("first two", first)
              .by("further", further);
        },
        rule, n, first, further, credit);
  return credit;
}

double PeriodMedicalCredit(PeriodKind kind, int beneficiaries, const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    return PeriodMedicalCreditSteps<true>(kind, beneficiaries, year, working);
  return PeriodMedicalCreditSteps<false>(kind, beneficiaries, year, working);
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
void byDays(WorkingStep& step, PeriodKind kind, double daysInMonth, double daysWorked, double normalDays) {
  if (kind == PeriodKind::Monthly)
    step.by("days in month", daysInMonth, FigureKind::Number).by("days worked", daysWorked, FigureKind::Number);
  else if (kind != PeriodKind::Daily)
    step.by("normal days", normalDays, FigureKind::Number).by("days worked", daysWorked, FigureKind::Number);
}

}  // namespace

void RecordTaxToDeduct(Working& w, double tax, double credit, double additional, double toDeduct) {
  w.add("Tax to deduct", toDeduct, FigureKind::Money, "tax of the period less both credits, not below 0")
      .in("tax of the period", tax)
      .in("medical scheme fees credit", credit)
      .in("additional medical expenses credit", additional);
}

// CalcPeriodTax, recording its steps or not.
template <bool kRecord>
PeriodTaxResult CalcPeriodTaxSteps(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                              const tax::TaxYear& year, Working* working) {
  const PeriodShape shape = shapeOf(kind, in);
  PeriodTaxResult r;
  if constexpr (kRecord) working->taxYear = year.year;
  if (kind == PeriodKind::Monthly) {
    r.DaysInMonth = static_cast<int>(shape.daysInMonth);
    r.DaysWorked = static_cast<int>(shape.daysWorked);
  }

  // The retirement fund deduction counts the whole remuneration of the
  // period, bonus included, without annualising.
  const double inclusion = setup.TAIncRate8020;
  const double contributions = in.employerRFund + in.employeeRFund;
  r.TaxableTravelAllowance = in.travelAllowance * inclusion;
  r.RemunerationBase = in.salary + in.employerMedAid + in.commission + in.bonus +
                       in.travelAllowance * inclusion + in.employerRFund;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const PeriodPayInput* in, double inclusion, double travel, double remuneration) {
          w.add("Taxable travel allowance", travel, FigureKind::Money, "{inclusion} of the allowance")
              .in("travel allowance", in->travelAllowance)
              .by("inclusion", inclusion, FigureKind::Number);
          w.add("Remuneration", remuneration, FigureKind::Money,
                "salary + commission + bonus + taxable travel allowance + employer's medical aid + employer's "
                "retirement fund")
              .in("salary", in->salary)
              .in("commission", in->commission)
              .in("bonus", in->bonus)
              .in("taxable travel allowance", travel)
              .in("employer's medical aid", in->employerMedAid)
              .in("employer's retirement fund", in->employerRFund);
        },
        &in, inclusion, r.TaxableTravelAllowance, r.RemunerationBase);
  r.AllowableDeduction =
      kRecord ? tax::RetirementFundDeduction(contributions, r.RemunerationBase, PeriodsPerYear(kind), year, working)
              : tax::RetirementFundDeduction(contributions, r.RemunerationBase, PeriodsPerYear(kind), year);
  r.PeriodTaxableIncome = (r.TaxableTravelAllowance + in.salary + in.commission) - r.AllowableDeduction +
                          in.employerMedAid + in.employerRFund;

  // A bonus is never annualised: its tax is the difference it makes.
  const double annualised = shape.annualise(r.PeriodTaxableIncome);
  r.AnnualIncome = annualised + in.bonus;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const PeriodPayInput* in, PeriodKind kind, double travel, double deduction, double income,
           double annualised, double annual, double daysInMonth, double daysWorked) {
          w.add("Taxable income of the period", income, FigureKind::Money,
                "remuneration without the bonus, less the retirement fund deduction")
              .in("salary", in->salary)
              .in("commission", in->commission)
              .in("taxable travel allowance", travel)
              .in("employer's medical aid", in->employerMedAid)
              .in("employer's retirement fund", in->employerRFund)
              .in("retirement fund deduction", deduction);
          byDays(w.add("Annual equivalent", annualised, FigureKind::Money, annualiseRule(kind))
                     .in("taxable income of the period", income),
                 kind, daysInMonth, daysWorked, in->normalDays);
          w.add("Annual taxable income with the bonus", annual, FigureKind::Money,
                "annual equivalent + bonus, the bonus not annualised")
              .in("annual equivalent", annualised)
              .in("bonus", in->bonus);
        },
        &in, kind, r.TaxableTravelAllowance, r.AllowableDeduction, r.PeriodTaxableIncome, annualised, r.AnnualIncome,
        shape.daysInMonth, shape.daysWorked);
  r.Rebate = kRecord ? tax::RebateForAge(in.age, year, working) : tax::RebateForAge(in.age, year);
  r.ScaleTaxWithBonus = kRecord ? tax::ApplyTaxScale(r.AnnualIncome, year, working, kScaleWithBonusStep).ScaleTax
                                : tax::ApplyTaxScale(r.AnnualIncome, year).ScaleTax;
  r.ScaleTaxWithoutBonus =
      kRecord ? tax::ApplyTaxScale(r.AnnualIncome - in.bonus, year, working, kScaleWithoutBonusStep).ScaleTax
              : tax::ApplyTaxScale(r.AnnualIncome - in.bonus, year).ScaleTax;
  r.PeriodTax = shape.periodTax(r.ScaleTaxWithBonus, r.ScaleTaxWithoutBonus, r.Rebate);
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, PeriodKind kind, double withBonus, double withoutBonus, double rebate, double tax,
           double daysInMonth, double daysWorked, double normalDays) {
          byDays(w.add("Tax of the period", tax, FigureKind::Money, periodTaxRule(kind))
                     .in("tax with the bonus", withBonus)
                     .in("tax without the bonus", withoutBonus)
                     .in("rebate", rebate),
                 kind, daysInMonth, daysWorked, normalDays);
        },
        kind, r.ScaleTaxWithBonus, r.ScaleTaxWithoutBonus, r.Rebate, r.PeriodTax, shape.daysInMonth,
        shape.daysWorked, shape.normalDays);

  r.AllowableDeductionShown = roundHalfEven(r.AllowableDeduction);
  r.TaxableTravelAllowanceShown = roundHalfEven(r.TaxableTravelAllowance);

  // UIF counts neither the commission nor the deduction; SDL has no ceiling.
  r.UIFBase = in.salary + in.employerMedAid + in.bonus + in.travelAllowance * inclusion + in.employerRFund;
  r.UIFCeiling = PeriodUIFCeiling(kind, setup.UIFLimit);
  const double uifPay = r.UIFBase > r.UIFCeiling ? r.UIFCeiling : r.UIFBase;
  r.EmployeeUIF = uifPay * setup.EmployeeUIF / 100;
  r.EmployerUIF = uifPay * setup.EmployerUIF / 100;
  r.SDL = (r.UIFBase - r.AllowableDeduction + in.commission) * setup.SkillLevy / 100;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const SettingsRecord* setup, double remuneration, double commission, double base,
           double ceiling, double employee, double employer, double deduction, double sdl) {
          w.add("UIF remuneration", base, FigureKind::Money, "remuneration without the commission")
              .in("remuneration", remuneration)
              .in("commission", commission);
          const char* uifRule = base > ceiling ? "{percent} % of the ceiling {ceiling} a period"
                                               : "{percent} % of the UIF remuneration, below the ceiling {ceiling}";
          w.add("Employee's UIF", employee, FigureKind::Money, uifRule)
              .in("UIF remuneration", base)
              .by("percent", setup->EmployeeUIF, FigureKind::Number)
              .by("ceiling", ceiling, FigureKind::Money);
          w.add("Employer's UIF", employer, FigureKind::Money, uifRule)
              .in("UIF remuneration", base)
              .by("percent", setup->EmployerUIF, FigureKind::Number)
              .by("ceiling", ceiling, FigureKind::Money);
          w.add("Skills development levy", sdl, FigureKind::Money,
                "{percent} % of (UIF remuneration - retirement fund deduction + commission), no ceiling")
              .in("UIF remuneration", base)
              .in("retirement fund deduction", deduction)
              .in("commission", commission)
              .by("percent", setup->SkillLevy, FigureKind::Number);
        },
        &setup, r.RemunerationBase, in.commission, r.UIFBase, r.UIFCeiling, r.EmployeeUIF, r.EmployerUIF,
        r.AllowableDeduction, r.SDL);

  // Contributions and credit are both of the period: no scaling.
  const bool medicalAid = in.employerMedAid > 0 || in.employeeMedAid > 0;
  r.MedicalCredit = medicalAid ? PeriodMedicalCreditSteps<kRecord>(kind, in.beneficiaries, year, working) : 0;
  if (kRecord && !medicalAid)
    recordWith(
        *working,
        [](Working& w, int beneficiaries) {
          w.add(tax::kMedicalCreditStep, 0, FigureKind::Money, "only with a medical aid contribution")
              .in("beneficiaries", beneficiaries, FigureKind::Number);
        },
        static_cast<int>(in.beneficiaries));
  r.AdditionalCredit =
      kRecord ? tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit, working)
              : tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit);
  const double afterCredits = r.PeriodTax - (r.MedicalCredit + r.AdditionalCredit);
  r.TaxLiability = afterCredits > 0 ? afterCredits : 0;
  if constexpr (kRecord)
    recordWith(*working, RecordTaxToDeduct, r.PeriodTax, r.MedicalCredit, r.AdditionalCredit, r.TaxLiability);
  return r;
}

PeriodTaxResult CalcPeriodTax(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& setup,
                              const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    return CalcPeriodTaxSteps<true>(kind, in, setup, year, working);
  return CalcPeriodTaxSteps<false>(kind, in, setup, year, working);
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
