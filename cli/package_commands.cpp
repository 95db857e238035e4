// quorin-cli velmar-monthly, velmar-annual, quorin-monthly, quorin-annual:
// the salary packages both ways.
#include "cli/calculator_command.h"
#include "package/package_fields.h"
#include "package/package_records.h"
#include "package/salary_package.h"

namespace quorin::cli {

namespace {

const char* const kExpenseUsage = "--expense takes DESCRIPTION=AMOUNT or DESCRIPTION=AMOUNT:COMPANYCOST";

// "--expense Gym=500" or "--expense Gym=500:450", rows 0 to 3 in the order
// given; each part checked as the row's fields check it. The company's cost
// is the amount unless given.
std::optional<Refusal> readExpenses(const Inputs& in, const PackageLimits& limits, PackageInput& p) {
  const std::vector<std::string> given = in.all("expense");
  if (given.size() > static_cast<std::size_t>(kOtherExpenseRows))
    return Refusal{"Incorrect Value", "--expense may be given at most four times", OtherDetAmount(0)};
  for (std::size_t i = 0; i < given.size(); ++i) {
    const int row = static_cast<int>(i);
    const std::string& text = given[i];
    const auto equals = text.rfind('=');
    if (equals == std::string::npos) return Refusal{"Incorrect Value", kExpenseUsage, OtherDetAmount(row)};
    const std::string description = text.substr(0, equals);
    std::string amount = text.substr(equals + 1);
    std::string cost = amount;
    if (const auto colon = amount.find(':'); colon != std::string::npos) {
      cost = amount.substr(colon + 1);
      amount = amount.substr(0, colon);
    }
    OtherExpense& e = p.expenses[i];
    double unused = 0;
    if (auto r = checkText(OtherDetText(row), limits.at(OtherDetText(row)), description, unused)) return r;
    if (auto r = checkText(OtherDetAmount(row), limits.at(OtherDetAmount(row)), amount, e.amount)) return r;
    if (auto r = checkText(OtherDetCompanyCost(row), limits.at(OtherDetCompanyCost(row)), cost, e.companyCost))
      return r;
    e.description = description;
  }
  return std::nullopt;
}

PackageInput readPackage(const Inputs& in) {
  PackageInput p;
  p.age = in.whole("age");
  p.amount = in.has("package") ? in.number("package") : in.number("net-required");
  p.carValue = in.number("car-value");
  p.travelAllowance = in.number("travel-allowance");
  p.medical = in.number("medical");
  p.beneficiaries = in.whole("beneficiaries");
  p.otherFringe = in.number("other-fringe");
  p.rfund = in.number("rfund");
  p.employerCarCost = in.number("employer-car-cost");
  p.employerMedical = in.number("employer-medical");
  p.employerRFund = in.number("employer-rfund");
  p.medicalDeductions = in.number("medical-deductions");
  p.raDeduction = in.number("ra-deduction");
  return p;
}

Calculator packageCalculator(PackageKind kind, const char* name, const char* description) {
  const PackageLimits limits = PackageFieldLimits(kind);
  const bool quorin = isNetToGross(kind);
  auto flag = [&](const char* flagName, const char* field, const char* help) {
    return amountFlag(flagName, field, limits.at(field), help);
  };
  Calculator c;
  c.name = name;
  c.description = description;
  c.usesSettings = true;
  c.settingsShown = kAllSettings;
  c.printsName = true;
  c.usesSession = false;
  c.usesTaxYear = true;
  c.showsWorking = true;
  c.flags = {
      flag("age", kPkgAge, "taxpayer's age in whole years"),
      quorin ? flag("net-required", kPkgAmount, "take-home pay required")
             : flag("package", kPkgAmount, "total package amount"),
      flag("car-value", kPkgCarValue, "value of the company car (0: none)"),
      flag("travel-allowance", kPkgTravel, "travel allowance"),
      flag("medical", kPkgMedical, "employee's medical scheme contribution"),
      flag("beneficiaries", kPkgBeneficiaries,
           isAnnual(kind) ? "medical beneficiary-months" : "medical scheme beneficiaries"),
      flag("other-fringe", kPkgOtherFringe, "other taxable fringe benefits"),
      flag("rfund", kPkgRFund, "employee's retirement fund amount (used when the percentage is 0)"),
      flag("employer-car-cost", kPkgCCCar, "company car's cost to the company"),
      flag("employer-medical", kPkgCCMedical, "employer's medical scheme contribution"),
      flag("employer-rfund", kPkgCCRFund, "employer's retirement fund amount (used when the percentage is 0)"),
      repeatFlag("expense", OtherDetAmount(0), "other expense DESCRIPTION=AMOUNT[:COMPANYCOST], up to four"),
  };
  if (quorin) c.flags.push_back(flag("medical-deductions", kPkgMedDeduct, "medical deductions"));
  if (kind == PackageKind::QuorinAnnual)
    c.flags.push_back(flag("ra-deduction", kPkgRADeduct, "R/A deduction (printed only)"));

  c.run = [kind, limits](const Inputs& in, Context& ctx) {
    Outcome out;
    PackageInput p = readPackage(in);
    if ((out.refusal = readExpenses(in, limits, p))) return out;
    // The net-to-gross windows reset fund percentages summing above 27.5.
    if (isNetToGross(kind)) ResetExcessRFundPercentages(ctx.settings, ctx.year());
    PackageResult r;
    if ((out.refusal = CalculatePackage(kind, p, ctx.settings, r, ctx.year(), ctx.workingOf(out)))) return out;

    putWindowFigures(out, ctx, PackageWindowFigures(p, r));
    if (ctx.windowOnly) return out;

    for (const PackageFigure& f : PackageDetailFigures(kind, r)) out.detail.emplace(f.name, f.value);
    const RAExplanation ra = ExplainRA(kind, p, r, ctx.settings, ctx.year());
    out.detail["Warning"] = r.Warning;
    out.detail["PrintEnabled"] = r.printEnabled();
    out.detail["OnceOffNote"] = r.OnceOffNote;
    out.detail["RALineA"] = ra.lineA;
    out.detail["RALineC"] = ra.lineC;
    if (r.printEnabled()) {
      out.record = SalPackageRecord(kind, p, r, ctx.name);
      out.reportFile = PackageReport(kind).file;
      out.printExtras = PackagePrintExtras(kind);
    }
    return out;
  };
  return c;
}

}  // namespace

void addPackageCalculators(std::vector<Calculator>& list) {
  list.push_back(packageCalculator(PackageKind::VelmarMonthly, "velmar-monthly",
                                   "Salary package to take-home pay and cost to company, monthly"));
  list.push_back(packageCalculator(PackageKind::VelmarAnnual, "velmar-annual",
                                   "Salary package to take-home pay and cost to company, annual"));
  list.push_back(packageCalculator(PackageKind::QuorinMonthly, "quorin-monthly",
                                   "Take-home pay required to gross salary and cost to company, monthly"));
  list.push_back(packageCalculator(PackageKind::QuorinAnnual, "quorin-annual",
                                   "Take-home pay required to gross salary and cost to company, annual"));
}

}  // namespace quorin::cli
