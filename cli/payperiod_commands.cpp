// quorin-cli monthly, weekly, fortnightly, daily and annual.
#include <cmath>
#include <sstream>

#include "cli/calculator_command.h"
#include "payperiod/annual_tax.h"
#include "payperiod/payperiod_checks.h"
#include "payperiod/payperiod_fields.h"
#include "payperiod/payperiod_records.h"
#include "payperiod/period_tax.h"

namespace quorin::cli {

namespace {

// Taken as text and checked in the run: a date whose limit depends on the
// other date (the limit the window's field has then), and the list of month
// counts.
const FieldLimit kCheckedInRun{FieldKind::Text};

// The pay items every pay-period calculator takes, by the names of the
// window's fields (the periodic and the annual windows name them alike).
template <typename Names>
std::vector<Flag> payFlags(const Names& f, const PayPeriodLimits& limits, bool annual) {
  const char* period = annual ? "for the year" : "for the period";
  return {
      amountFlag("age", f.age, limits.at(f.age), "age in whole years"),
      amountFlag("salary", f.salary, limits.at(f.salary), std::string("salary/remuneration ") + period),
      amountFlag("commission", f.commission, limits.at(f.commission), "commission"),
      amountFlag("bonus", f.bonus, limits.at(f.bonus), "bonus"),
      amountFlag("travel-allowance", f.travelAllowance, limits.at(f.travelAllowance), "travel allowance received"),
      amountFlag("employer-rfund", f.employerRFund, limits.at(f.employerRFund),
                 "employer's retirement fund contribution"),
      amountFlag("employee-rfund", f.employeeRFund, limits.at(f.employeeRFund),
                 "employee's retirement fund contribution"),
      amountFlag("employer-medical", f.employerMedAid, limits.at(f.employerMedAid),
                 "employer's medical aid contribution"),
      amountFlag("employee-medical", f.employeeMedAid, limits.at(f.employeeMedAid),
                 "employee's medical aid contribution"),
  };
}

template <typename Input>
void readPayItems(const Inputs& in, Input& p) {
  p.age = in.whole("age");
  p.salary = in.number("salary");
  p.commission = in.number("commission");
  p.bonus = in.number("bonus");
  p.travelAllowance = in.number("travel-allowance");
  p.employerRFund = in.number("employer-rfund");
  p.employeeRFund = in.number("employee-rfund");
  p.employerMedAid = in.number("employer-medical");
  p.employeeMedAid = in.number("employee-medical");
}

// The start date against the start date field's limit: the year's first
// day to latest.
std::optional<Refusal> readStartDate(const Inputs& in, const char* field, const tax::TaxYear& year, int latest,
                                     int& day) {
  return readDate(in, "start", field, year.firstDay, latest, [&] { return StartDateLimit(latest, year); }, day);
}

// The end date against the end date field's limit of the moment: from
// earliest to the year's last day, the message quoting the start date.
std::optional<Refusal> readEndDate(const Inputs& in, const char* field, int startDate, int earliest,
                                   const tax::TaxYear& year, int& day) {
  return readDate(in, "end", field, earliest, year.lastDay, [&] { return EndDateLimit(startDate, earliest, year); },
                  day);
}

void putFigures(nlohmann::ordered_json& into, const std::vector<NamedFigure>& figures) {
  // The object is a vector of pairs with constant keys: growing it copies
  // every entry, so make room once.
  into.get_ref<nlohmann::ordered_json::object_t&>().reserve(figures.size() + 1);
  for (const NamedFigure& f : figures) into.emplace(f.name, f.value);
}

Calculator periodCalculator(PeriodKind kind, const char* name, const char* description) {
  const PeriodFieldNames& f = PeriodFields(kind);
  // The dates are checked in the run, in the year in use; the other limits
  // are the same in every year.
  const PayPeriodLimits limits = PeriodFieldLimits(kind, kTaxYearStart, tax::TaxYear2026());
  Calculator c;
  c.name = name;
  c.description = description;
  c.usesSettings = true;
  c.settingsShown = kPayPeriodSettings;
  c.printsName = true;
  c.printsAfrikaans = true;
  c.usesSession = false;
  c.usesTaxYear = true;
  c.showsWorking = true;
  c.flags = payFlags(f, limits, false);
  c.flags.push_back(amountFlag("beneficiaries", f.beneficiaries, limits.at(f.beneficiaries),
                               "medical aid fund beneficiaries"));
  if (f.startDate) {
    c.flags.push_back(amountFlag("start", f.startDate, kCheckedInRun, "first day worked, dd/mm/yyyy"));
    c.flags.push_back(amountFlag("end", f.endDate, kCheckedInRun, "last day worked, dd/mm/yyyy (same month)"));
  }
  if (f.normalDays) {
    c.flags.push_back(amountFlag("normal-days", f.normalDays, limits.at(f.normalDays), "days in a normal period"));
    c.flags.push_back(amountFlag("days-worked", f.daysWorked, limits.at(f.daysWorked), "days worked this period"));
  }
  c.run = [kind](const Inputs& in, Context& ctx) {
    const PeriodFieldNames& f = PeriodFields(kind);
    const tax::TaxYear& year = ctx.year();
    PeriodPayInput p = DefaultPeriodPayInput(kind, year);
    readPayItems(in, p);
    p.beneficiaries = in.whole("beneficiaries");
    Outcome out;
    if (f.startDate) {
      if ((out.refusal = readStartDate(in, f.startDate, year, year.lastDay, p.startDate))) return out;
      if ((out.refusal = readEndDate(in, f.endDate, p.startDate, year.firstDay, year, p.endDate))) return out;
    }
    if (f.normalDays) {
      p.normalDays = in.whole("normal-days", p.normalDays);
      p.daysWorked = in.whole("days-worked", p.daysWorked);
    }
    PeriodTaxResult r;
    if ((out.refusal = CalculatePeriod(kind, p, ctx.settings, r, year, ctx.workingOf(out)))) return out;
    putWindowFigures(out, ctx, PeriodWindowFigures(kind, r));
    if (ctx.windowOnly) return out;
    putFigures(out.detail, PeriodDetailFigures(kind, r));
    if (kind == PeriodKind::Monthly) {
      out.detail["DaysInMonth"] = r.DaysInMonth;
      out.detail["DaysWorked"] = r.DaysWorked;
    }
    out.record = PeriodTaxRecord(kind, p, r, ctx.name, ctx.language);
    out.reportFile = PeriodReport(kind).file;
    return out;
  };
  return c;
}

// "--beneficiaries 2,2,3,...": twelve counts, March first; each count is
// checked as the month field checks it, and one above 24 is cut back to 24
// as leaving the field does.
std::optional<Refusal> readMonthCounts(const Inputs& in, const FieldLimit& limit, MonthCounts& counts) {
  if (!in.has("beneficiaries")) return std::nullopt;
  std::vector<std::string> parts;
  std::stringstream list(in.text("beneficiaries"));
  for (std::string part; std::getline(list, part, ',');) parts.push_back(part);
  if (parts.size() != counts.size())
    return Refusal{"Incorrect Value", "--beneficiaries takes twelve comma-separated counts, March first",
                   kAnnualFields.monthBeneficiaries};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    double value = 0;
    if (auto refusal = checkText(kAnnualFields.monthBeneficiaries, limit, parts[i], value)) return refusal;
    counts[i] = static_cast<std::int16_t>(std::nearbyint(value));
    LimitMonthBeneficiaries(counts[i]);
  }
  return std::nullopt;
}

Calculator annualCalculator() {
  const AnnualFieldNames& f = kAnnualFields;
  // As for the periods: the dates are checked in the run.
  const PayPeriodLimits limits = AnnualFieldLimits(kTaxYearStart, kTaxYearEnd, tax::TaxYear2026());
  Calculator c;
  c.name = "annual";
  c.description = "Employees' tax for a tax year or part of it, with the medical credit month by month";
  c.usesSettings = true;
  c.settingsShown = kPayPeriodSettings;
  c.printsName = true;
  c.printsAfrikaans = true;
  c.usesSession = false;
  c.usesTaxYear = true;
  c.showsWorking = true;
  c.flags = payFlags(f, limits, true);
  c.flags.push_back(amountFlag("beneficiaries", f.monthBeneficiaries, kCheckedInRun,
                               "twelve comma-separated beneficiary counts, March first"));
  c.flags.push_back(switchFlag("duplicate-march", "cmdDuplicate", "copy March's count into the other months"));
  c.flags.push_back(amountFlag("med-aid-deduction", f.medAidDeduction, limits.at(f.medAidDeduction),
                               "medical aid contribution deduction (printed only)"));
  c.flags.push_back(amountFlag("start", f.startDate, kCheckedInRun, "first day of the period, dd/mm/yyyy"));
  c.flags.push_back(amountFlag("end", f.endDate, kCheckedInRun, "last day of the period, dd/mm/yyyy"));
  const FieldLimit monthLimit = limits.at(f.monthBeneficiaries);
  c.run = [monthLimit](const Inputs& in, Context& ctx) {
    const AnnualFieldNames& f = kAnnualFields;
    const tax::TaxYear& year = ctx.year();
    AnnualPayInput p;
    p.setYear(year);
    readPayItems(in, p);
    p.medAidDeduction = in.number("med-aid-deduction");
    Outcome out;
    if ((out.refusal = readMonthCounts(in, monthLimit, p.monthBeneficiaries))) return out;
    if (in.has("duplicate-march")) DuplicateMarch(p.monthBeneficiaries);
    if ((out.refusal = readStartDate(in, f.startDate, year, year.lastDay, p.startDate))) return out;
    if ((out.refusal = readEndDate(in, f.endDate, p.startDate, p.startDate, year, p.endDate))) return out;
    AnnualTaxResult r;
    if ((out.refusal = CalculateAnnual(p, ctx.settings, r, year, ctx.workingOf(out)))) return out;
    putWindowFigures(out, ctx, AnnualWindowFigures(r));
    putWindowList(out, ctx, "numAnnCalcBens", r.monthBeneficiaries.data(), r.monthBeneficiaries.size());
    if (ctx.windowOnly) return out;
    putFigures(out.detail, AnnualDetailFigures(r));
    out.detail["Days"] = r.Days;
    out.record = IRP5Ann(p, r, ctx.name, ctx.language);
    out.reportFile = kAnnualReport.file;
    return out;
  };
  return c;
}

}  // namespace

void addPayPeriodCalculators(std::vector<Calculator>& list) {
  list.push_back(periodCalculator(PeriodKind::Monthly, "monthly",
                                  "Employees' tax, medical credits, UIF and SDL of one month"));
  list.push_back(periodCalculator(PeriodKind::Weekly, "weekly",
                                  "Employees' tax, medical credits, UIF and SDL of one week"));
  list.push_back(periodCalculator(PeriodKind::Fortnightly, "fortnightly",
                                  "Employees' tax, medical credits, UIF and SDL of one fortnight"));
  list.push_back(periodCalculator(PeriodKind::Daily, "daily",
                                  "Employees' tax, medical credits, UIF and SDL of one day"));
  list.push_back(annualCalculator());
}

}  // namespace quorin::cli
