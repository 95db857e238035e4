// quorin-cli ruravuvo: the tax on an annual taxable income.
#include "cli/calculator_command.h"
#include "tax/ruravuvo.h"

namespace quorin::cli {

void addTaxCalculators(std::vector<Calculator>& list) {
  Calculator c;
  c.name = "ruravuvo";
  c.description = "Tax on an annual taxable income, with bracket, rebate and average rates";
  c.flags = {
      amountFlag("income", "sidbEdit1_0", FieldLimit{FieldKind::Amount, -99999999999.0, 99999999999.0, 2},
                 "annual taxable income"),
      amountFlag("age", "sidbEdit1_1", FieldLimit{FieldKind::Whole, 0, 32767, 0}, "age in whole years"),
  };
  c.usesTaxYear = true;
  c.showsWorking = true;
  c.run = [](const Inputs& in, Context& ctx) {
    RuravUvoState& s = ctx.session.ruravuvo;
    s.TaxableIncome = in.number("income");
    s.Age = in.whole("age");
    s.PrintedIncome = s.TaxableIncome;  // Calculate copies the income for the printout
    Outcome out;
    NEWCALC(s, ctx.year(), ctx.workingOf(out));
    RuravUvoFields fields = ruravUvoFields(s);
    putWindowList(out, ctx, "sidbEdit1", fields.values, std::size(fields.values));
    out.detail["ScaleRate"] = s.scale.ScaleRate;
    out.detail["ScaleFloor"] = s.scale.ScaleFloor;
    out.detail["ScaleCeiling"] = s.scale.ScaleCeiling;
    out.detail["ScaleBaseTax"] = s.scale.ScaleBaseTax;
    out.detail["ScalePortionTax"] = s.scale.ScalePortionTax;
    out.detail["ScaleTax"] = s.scale.ScaleTax;
    out.detail["Rebate"] = s.Rebate;
    out.record = kwikTaxRecord(s);
    out.reportFile = kKwikTaxReport;
    return out;
  };
  list.push_back(std::move(c));
}

}  // namespace quorin::cli
