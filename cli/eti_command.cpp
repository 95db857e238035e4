// quorin-cli eti: the Employment Tax Incentive of one employee for one month.
#include "cli/calculator_command.h"
#include "common/day_number.h"
#include "eti/eti.h"
#include "eti/eti_fields.h"
#include "eti/eti_record.h"

namespace quorin::cli {

namespace {

// Taken as text and checked in the run: the month and the employment start
// depend on the tax year chosen, the birth date may be blank.
const FieldLimit kCheckedInRun{FieldKind::Text};

Calculator etiCalculator() {
  const EtiFieldNames& f = kEtiFields;
  // The limits that do not depend on the year.
  const EtiFieldLimits limits = EtiLimits(tax::TaxYear{});
  Calculator c;
  c.name = "eti";
  c.description = "Employment Tax Incentive of one employee for one month, with the roll-over against the PAYE";
  c.usesSession = false;
  c.usesTaxYear = true;
  c.showsWorking = true;
  c.printsName = true;
  c.printsAfrikaans = true;
  c.flags = {
      amountFlag("remuneration", f.remuneration, limits.at(f.remuneration), "the month's cash remuneration"),
      amountFlag("month", f.month, kCheckedInRun, "the month claimed, mm/yyyy (default: the year's first month)"),
      amountFlag("employment-start", f.employmentStart, kCheckedInRun,
                 "first day of employment, dd/mm/yyyy (default: the first day of the month claimed)"),
      amountFlag("age", f.age, limits.at(f.age), "age in whole years at the end of the month"),
      amountFlag("birth-date", f.birthDate, limits.at(f.birthDate), "birth date, dd/mm/yyyy"),
      amountFlag("hours", f.hours, limits.at(f.hours), "hours employed and paid in the month (none: a full month)"),
      choiceFlag("sez", f.zone, {"yes", "no"}, "services mainly in a special economic zone"),
      amountFlag("months-not-qualifying", f.monthsNotQualifying, limits.at(f.monthsNotQualifying),
                 "months since the start in which the employee did not qualify"),
      amountFlag("minimum-wage", f.minimumWage, limits.at(f.minimumWage), "minimum wage, rand an hour (none: not checked)"),
      amountFlag("paye", f.paye, limits.at(f.paye), "PAYE of the month, for the roll-over"),
      amountFlag("brought-forward", f.broughtForward, limits.at(f.broughtForward), "ETI brought forward"),
  };
  c.run = [](const Inputs& in, Context& ctx) {
    const EtiFieldNames& f = kEtiFields;
    const tax::TaxYear& year = ctx.year();
    EtiInput p = DefaultEtiInput(year);
    Outcome out;
    if (in.has("month"))
      if ((out.refusal = ReadEtiMonth(in.text("month"), year, p.month))) return out;
    p.employmentStart = p.month;
    const FieldLimit start = EtiLimits(year).at(f.employmentStart);
    if ((out.refusal = readDate(in, "employment-start", f.employmentStart, static_cast<int>(start.minimum),
                                static_cast<int>(start.maximum), [&] { return start; }, p.employmentStart)))
      return out;
    p.remuneration = in.number("remuneration");
    if (in.has("age")) p.age = in.whole("age");
    if ((out.refusal = ReadEtiBirthDate(in.text("birth-date"), p.birthDate))) return out;
    if (in.has("hours")) p.hours = in.number("hours");
    p.specialEconomicZone = in.text("sez") == "yes";
    p.monthsNotQualifying = in.whole("months-not-qualifying");
    if (in.has("minimum-wage")) p.minimumWage = in.number("minimum-wage");
    if (in.has("paye")) p.paye = in.number("paye");
    p.broughtForward = in.number("brought-forward");

    EtiResult r;
    out.refusal = CalculateEti(p, year, r, ctx.workingOf(out));
    if (ctx.windowOnly) {
      // Batch: every result column, for a refused row too (its cells stay
      // blank), as batch names its columns from an empty row, which this
      // calculator refuses for want of an age.
      putWindowFigures(out, ctx, EtiWindowFigures(r));
      return out;
    }
    if (out.refusal) return out;
    // The roll-over fields are blank on the window without the PAYE.
    for (const EtiFigure& figure : EtiWindowFigures(r))
      if (r.RollOver || (figure.name != f.utilised && figure.name != f.carriedForward))
        putWindow(out, ctx, figure.name, figure.value);
    auto& d = out.detail;
    d["ETI"] = r.ETI;
    d["Qualifies"] = r.Qualifies;
    d["Reason"] = EtiReasonText(r, 0);
    d["QualifyingMonth"] = r.QualifyingMonth;
    d["Period"] = r.Period;
    d["GrossedUpRemuneration"] = r.GrossedUpRemuneration;
    d["HoursFactor"] = r.HoursFactor;
    d["FullMonthETI"] = r.FullMonthETI;
    d["TableFrom"] = formatDay(r.TableFrom);
    if (r.RollOver) {
      d["BroughtForward"] = r.BroughtForward;
      d["Utilised"] = r.Utilised;
      d["CarriedForward"] = r.CarriedForward;
    }
    out.record = EtiRecord(p, r, year, ctx.name, ctx.language);
    out.reportFile = kEtiReport;
    return out;
  };
  return c;
}

}  // namespace

void addEtiCalculators(std::vector<Calculator>& list) { list.push_back(etiCalculator()); }

}  // namespace quorin::cli
