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

// AnnualMedicalCredit, recording its steps or not.
template <bool kRecord>
double AnnualMedicalCreditSteps(const AnnualPayInput& in, MonthCounts& counts, const tax::TaxYear& year,
                           Working* working) {
  if (!(in.employerMedAid > 0 || in.employeeMedAid > 0)) {
    if constexpr (kRecord)
      recordWith(*working, [](Working& w) {
        w.add(tax::kMedicalCreditStep, 0, FigureKind::Money, "only with a medical aid contribution");
      });
    return 0;
  }
  const int startMonth = calendarDate(in.startDate).month;
  const int endMonth = calendarDate(in.endDate).month;
  double credit = 0;
  int months = 0;
  for (int i = 0; i < 12; ++i) {
    if (MonthInPeriod(CalendarMonthOfTaxMonth(i), startMonth, endMonth)) {
      credit += tax::MedicalSchemeFeesCredit(counts[i], year);
      ++months;
    } else {
      counts[i] = 0;
    }
  }
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const MonthCounts* counts, const tax::TaxYear* year, double credit, int months) {
          WorkingStep& step = w.add(tax::kMedicalCreditStep, credit, FigureKind::Money,
                                    "the month's credit for each month of the period: {first two} for each of the "
                                    "first two beneficiaries and {further} for each further one, of {year}");
          static constexpr const char* kMonths[12] = {"March",     "April",   "May",      "June",
                                                      "July",      "August",  "September", "October",
                                                      "November",  "December", "January",  "February"};
          for (int i = 0; i < 12; ++i)
            if ((*counts)[i] > 0) step.in(kMonths[i], (*counts)[i], FigureKind::Number);
          step.by("first two", year->medicalCreditFirstTwo)
              .by("further", year->medicalCreditFurther)
              .by("months", months, FigureKind::Number);
        },
        &counts, &year, credit, months);
  return credit;
}

double AnnualMedicalCredit(const AnnualPayInput& in, MonthCounts& counts, const tax::TaxYear& year,
                           Working* working) {
  if (working) [[unlikely]]
    return AnnualMedicalCreditSteps<true>(in, counts, year, working);
  return AnnualMedicalCreditSteps<false>(in, counts, year, working);
}

// CalcAnnualTax, recording its steps or not.
template <bool kRecord>
AnnualTaxResult CalcAnnualTaxSteps(const AnnualPayInput& in, const SettingsRecord& setup, const tax::TaxYear& year,
                              Working* working) {
  AnnualTaxResult r;
  if constexpr (kRecord) working->taxYear = year.year;
  r.Days = in.endDate - in.startDate + 1;
  if (r.Days < 1) throw std::invalid_argument("annual period ends before it starts");
  r.monthBeneficiaries = in.monthBeneficiaries;

  // The year's cap (2026: 350 000) is not reduced for a part year.
  const double inclusion = setup.TAIncRate8020;
  r.RemunerationBase = in.salary + in.employerMedAid + in.commission + in.bonus + in.travelAllowance * inclusion +
                       in.employerRFund;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const AnnualPayInput* in, double inclusion, double remuneration) {
          w.add("Remuneration", remuneration, FigureKind::Money,
                "salary + commission + bonus + {inclusion} of the travel allowance + employer's medical aid + "
                "employer's retirement fund")
              .in("salary", in->salary)
              .in("commission", in->commission)
              .in("bonus", in->bonus)
              .in("travel allowance", in->travelAllowance)
              .in("employer's medical aid", in->employerMedAid)
              .in("employer's retirement fund", in->employerRFund)
              .by("inclusion", inclusion, FigureKind::Number);
        },
        &in, inclusion, r.RemunerationBase);
  r.AllowableDeduction =
      kRecord ? tax::RetirementFundDeduction(in.employerRFund + in.employeeRFund, r.RemunerationBase, 1, year, working)
              : tax::RetirementFundDeduction(in.employerRFund + in.employeeRFund, r.RemunerationBase, 1, year);
  r.AllowableDeductionShown = roundHalfEven(r.AllowableDeduction);

  // A part year is its share of the year's days (365, or 366 in a leap year).
  const int yearDays = year.days();
  const bool partYear = r.Days < yearDays;
  double y = in.travelAllowance * inclusion + in.salary + in.commission - r.AllowableDeduction + in.employerMedAid +
             in.employerRFund;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, double income, double remuneration, double bonus, double deduction) {
          w.add("Taxable income of the period", income, FigureKind::Money,
                "remuneration without the bonus, less the retirement fund deduction")
              .in("remuneration", remuneration)
              .in("bonus", bonus)
              .in("retirement fund deduction", deduction);
        },
        y, r.RemunerationBase, in.bonus, r.AllowableDeduction);
  if (partYear) {
    const double period = y;
    y = y * yearDays / r.Days;
    if constexpr (kRecord)
      recordWith(
          *working,
          [](Working& w, double annual, double period, int yearDays, int days) {
            w.add("Annual equivalent", annual, FigureKind::Money, "x {year days} / {days} days of the period")
                .in("taxable income of the period", period)
                .by("year days", yearDays, FigureKind::Number)
                .by("days", days, FigureKind::Number);
          },
          y, period, yearDays, r.Days);
  }
  r.TaxableIncome = y;

  r.Rebate = kRecord ? tax::RebateForAge(in.age, year, working) : tax::RebateForAge(in.age, year);
  r.T1 = (kRecord ? tax::ApplyTaxScale(y + in.bonus, year, working, kScaleWithBonusStep)
                  : tax::ApplyTaxScale(y + in.bonus, year)).ScaleTax - r.Rebate;
  r.T2 = (kRecord ? tax::ApplyTaxScale(y, year, working, kScaleWithoutBonusStep) : tax::ApplyTaxScale(y, year)).ScaleTax -
         r.Rebate;
  const bool truncated = in.travelAllowance + in.commission > 0;
  if (truncated) {
    r.T1 = truncateDown(r.T1);
    r.T2 = truncateDown(r.T2);
  }
  r.T1 = clampAtZero(r.T1);
  r.T2 = clampAtZero(r.T2);
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, bool truncated, double withBonus, double withoutBonus, double rebate) {
          const char* rule = truncated ? "tax on the scale less the rebate, cut to whole rand (travel allowance or "
                                         "commission), not below 0"
                                       : "tax on the scale less the rebate, not below 0";
          w.add("Tax after the rebate with the bonus", withBonus, FigureKind::Money, rule).in("rebate", rebate);
          w.add("Tax after the rebate without the bonus", withoutBonus, FigureKind::Money, rule).in("rebate", rebate);
        },
        truncated, r.T1, r.T2, r.Rebate);

  // The bonus tax is never pro-rated.
  r.BonusTax = r.T1 - r.T2;
  r.Tax = partYear ? r.T2 * r.Days / yearDays + r.BonusTax : r.T2 + r.BonusTax;
  r.Tax = clampAtZero(r.Tax);
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, double withBonus, double withoutBonus, double bonusTax, double tax, bool partYear, int days,
           int yearDays) {
          w.add("Tax on the bonus", bonusTax, FigureKind::Money, "with the bonus - without, not pro-rated")
              .in("with the bonus", withBonus)
              .in("without the bonus", withoutBonus);
          WorkingStep& step = w.add("Tax of the period", tax, FigureKind::Money,
                                    partYear ? "tax without the bonus x {days} / {year days} + tax on the bonus"
                                             : "tax without the bonus + tax on the bonus");
          step.in("tax without the bonus", withoutBonus).in("tax on the bonus", bonusTax);
          if (partYear) step.by("days", days, FigureKind::Number).by("year days", yearDays, FigureKind::Number);
        },
        r.T1, r.T2, r.BonusTax, r.Tax, partYear, r.Days, yearDays);
  r.SITE = 0;  // the SITE threshold is 0 at every age
  r.PAYE = r.Tax;

  r.MedicalCredit = AnnualMedicalCreditSteps<kRecord>(in, r.monthBeneficiaries, year, working);
  r.AdditionalCredit =
      kRecord ? tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit, working)
              : tax::AdditionalMedicalCredit(in.age, in.employeeMedAid, in.employerMedAid, r.MedicalCredit);
  const double credits = r.MedicalCredit + r.AdditionalCredit;
  r.TaxLiability = r.Tax - credits > 0 ? r.Tax - credits : 0;
  r.PAYEAfterCredits = r.PAYE - credits > 0 ? r.PAYE - credits : 0;
  if constexpr (kRecord)
    recordWith(*working, RecordTaxToDeduct, r.PAYE, r.MedicalCredit, r.AdditionalCredit, r.PAYEAfterCredits);
  return r;
}

AnnualTaxResult CalcAnnualTax(const AnnualPayInput& in, const SettingsRecord& setup, const tax::TaxYear& year,
                              Working* working) {
  if (working) [[unlikely]]
    return CalcAnnualTaxSteps<true>(in, setup, year, working);
  return CalcAnnualTaxSteps<false>(in, setup, year, working);
}

std::optional<Refusal> CalculateAnnual(const AnnualPayInput& in, const SettingsRecord& setup, AnnualTaxResult& out,
                                       const tax::TaxYear& year, Working* working) {
  if (auto refusal = CheckAnnualDates(in.startDate, in.endDate, year)) return refusal;
  if (working) working->clear();
  out = CalcAnnualTax(in, setup, year, working);
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
