#include "package/salary_package.h"

#include <cmath>

#include "package/net_to_gross.h"
#include "package/package_working.h"
#include "common/money.h"
#include "tax/tax_scale.h"

namespace quorin {

namespace {

using namespace package_working;

constexpr double kRAYearlyAmount = 3500;
constexpr double kRAIncomeShare = 0.15;

// What the period changes: amounts per month are made annual for the scale
// and the car benefit and UIF ceiling are monthly figures.
struct PackagePeriod {
  bool annual;
  const tax::TaxYear& year;
  double perYear() const { return annual ? 1 : tax::kMonthsPerYear; }      // amounts to a year
  double monthsPerAmount() const { return annual ? tax::kMonthsPerYear : 1; }
  double rfundCap() const { return year.retirementFundCap / perYear(); }
  double medicalCredit(int n, Working* working) const {
    return annual ? tax::AnnualMedicalSchemeFeesCredit(n, year, working)
                  : tax::MedicalSchemeFeesCredit(n, year, working);
  }
};

// The company car's monthly rate as a fraction, with or without a
// maintenance plan (2026: 0.0325 or 0.035).
double carRate(const tax::TaxYear& year, const SettingsRecord& s) {
  return (s.CompCarMPYesNo ? year.companyCarPercentWithPlan : year.companyCarPercent) / 100;
}

// The recorders below are out of line and cold, and the small figures
// inlined: a calculation without a working keeps its fast path and pays
// only the tests of the pointer.
[[gnu::cold, gnu::noinline]] void recordCarBenefit(Working& w, bool annual, double carValue, double rate,
                                                   double inclusion, double benefit) {
  WorkingStep& step = w.add(kCarBenefitStep, benefit, FigureKind::Money,
                            annual ? "car value x {rate} % a month of {year} x inclusion {inclusion} x {months}"
                                   : "car value x {rate} % a month of {year} x inclusion {inclusion}")
                          .in("car value", carValue)
                          .by("rate", rate * 100, FigureKind::Number)
                          .by("inclusion", inclusion, FigureKind::Number);
  if (annual) step.by("months", tax::kMonthsPerYear, FigureKind::Number);
}

[[gnu::always_inline]] inline double carFringeBenefit(const PackagePeriod& p, double carValue, const SettingsRecord& s,
                                                       Working* working) {
  const double rate = carRate(p.year, s);
  double benefit = carValue * rate * s.CompCarFBRate8020;
  if (p.annual) benefit = benefit * tax::kMonthsPerYear;
  if (working) recordCarBenefit(*working, p.annual, carValue, rate, s.CompCarFBRate8020, benefit);
  return benefit;
}

// The rebate, and under 65 no medical deductions.
[[gnu::always_inline]] inline double rebateAndDeductions(const PackagePeriod& p, PackageInput& in,
                                                         Working* working) {
  const double rebate = tax::RebateForAge(in.age, p.year, working);
  if (in.age < 65) in.medicalDeductions = 0;
  return rebate;
}

// The credits need a medical contribution; without one the beneficiaries
// are cleared.
[[gnu::cold, gnu::noinline]] void recordNoMedicalCredit(Working& w, bool annual) {
  w.add(tax::kMedicalCreditStep, 0, FigureKind::Money, "only with a medical scheme contribution")
      .in(annual ? "beneficiary-months" : "beneficiaries", 0, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordTaxCredit(Working& w, const PackageResult& r) {
  w.add(kTaxCreditStep, r.TaxCredit, FigureKind::Money, "medical scheme fees credit + additional credit")
      .in("medical scheme fees credit", r.MedicalCredit)
      .in("additional medical expenses credit", r.AdditionalCredit);
}

[[gnu::always_inline]] inline void medicalCredits(const PackagePeriod& p, PackageInput& in, PackageResult& r,
                                                  Working* working) {
  if (in.employerMedical > 0 || in.medical > 0) {
    r.MedicalCredit = p.medicalCredit(in.beneficiaries, working);
  } else {
    in.beneficiaries = 0;
    r.MedicalCredit = 0;
    if (working) recordNoMedicalCredit(*working, p.annual);
  }
  r.AdditionalCredit =
      tax::AdditionalMedicalCredit(in.age, in.medical, in.employerMedical, r.MedicalCredit, working);
  r.TaxCredit = r.MedicalCredit + r.AdditionalCredit;
  if (working) recordTaxCredit(*working, r);
}

[[gnu::cold, gnu::noinline]] void recordFundLimit(Working& w, const PackagePeriod& p, double contributions,
                                                  double base, double share, double allowed, double limit) {
  // Which of the three bound it, worded as the shared deduction words it.
  static constexpr const char* kRules[2][3] = {
      {"bound by the cap: {cap} a year / {periods} of {year}",
       "the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year / {periods}",
       "bound by {percent} % of the remuneration: {share}, within the cap {cap} a year / {periods}"},
      {"bound by the cap: {cap} a year of {year}",
       "the contributions: within {percent} % of the remuneration ({share}) and the cap {cap} a year",
       "bound by {percent} % of the remuneration: {share}, within the cap {cap} a year"}};
  const char* rule = kRules[p.annual][!(allowed < p.rfundCap()) ? 0 : share >= contributions ? 1 : 2];
  w.add(kFundLimitStep, limit, FigureKind::Money, rule)
      .in("contributions", contributions)
      .in("remuneration", base)
      .by("percent", p.year.retirementFundPercent, FigureKind::Number)
      .by("share", share, FigureKind::Money)
      .by("cap", p.year.retirementFundCap)
      .by("periods", p.perYear(), FigureKind::Number);
}

// The smaller of the contributions and 27.5 % of the base, capped.
[[gnu::always_inline]] inline double rfundLimit(const PackagePeriod& p, double contributions, double base,
                                                Working* working) {
  const double share = base * p.year.retirementFundRate();
  const double allowed = share >= contributions ? contributions : share;
  const double limit = allowed < p.rfundCap() ? allowed : p.rfundCap();
  if (working) recordFundLimit(*working, p, contributions, base, share, allowed, limit);
  return limit;
}

[[gnu::cold, gnu::noinline]] void recordTaxableTravel(Working& w, double allowance, double inclusion,
                                                      double taxable) {
  w.add(kTaxableTravelStep, taxable, FigureKind::Money, "{inclusion} of the allowance")
      .in("travel allowance", allowance)
      .by("inclusion", inclusion, FigureKind::Number);
}

[[gnu::always_inline]] inline double taxableTravel(const PackageInput& in, const SettingsRecord& s,
                                                   Working* working) {
  const double taxable = in.travelAllowance * s.TAIncRate8020;
  if (working) recordTaxableTravel(*working, in.travelAllowance, s.TAIncRate8020, taxable);
  return taxable;
}

// The tax of the period after the rebate.
[[gnu::always_inline]] inline double taxDue(const PackagePeriod& p, double taxableIncome, double rebate,
                                            Working* working) {
  const double scaleTax = tax::ApplyTaxScale(taxableIncome, p.year, working).ScaleTax;
  const double due = tax::TaxAfterRebate(scaleTax, rebate) / p.perYear();
  if (working) recordTaxAfterRebate(*working, p.annual, scaleTax, rebate, due);
  return due;
}

[[gnu::cold, gnu::noinline]] void recordTaxDeduct(Working& w, const PackageResult& r) {
  w.add(kTaxDeductStep, r.TaxDeduct, FigureKind::Money, "tax after the rebate less the tax credit, not below 0")
      .in("tax after the rebate", r.TaxDue)
      .in("tax credit", r.TaxCredit);
}

// What the credits leave of the tax.
[[gnu::always_inline]] inline void taxDeduct(PackageResult& r, Working* working) {
  const double deduct = r.TaxDue - r.TaxCredit;
  r.TaxDeduct = deduct > 0 ? deduct : 0;
  if (working) recordTaxDeduct(*working, r);
}

// The once-off car note: a car with no monthly cost to the company shows
// its value as a once-off cost.
void onceOffNote(const PackageInput& in, PackageResult& r) {
  r.OnceOff = 0;
  r.OnceOffNote = false;
  if (in.carValue > 0 && in.employerCarCost == 0) {
    r.OnceOff = in.carValue;
    r.OnceOffNote = true;
  }
}

[[gnu::cold, gnu::noinline]] void recordPackageFunds(Working& w, const SettingsRecord& s, const PackageInput& in,
                                                     const PackageResult& r, double taxableTravelAllowance,
                                                     double fundBase) {
  recordFundContribution(w, kEmployeeFundStep, r.EmployeeRFund, s.PensionCont, in.amount, "package",
                         "{percent} % of the package");
  recordFundContribution(w, kEmployerFundStep, r.EmployerRFund, s.EmployerPenCont, in.amount, "package",
                         "{percent} % of the package");
  w.add(kFundRemunerationStep, fundBase, FigureKind::Money,
        "package + employer's medical contribution + taxable travel allowance + employer's retirement fund")
      .in("package", in.amount)
      .in("employer's medical contribution", in.employerMedical)
      .in("taxable travel allowance", taxableTravelAllowance)
      .in("employer's retirement fund", r.EmployerRFund);
}

[[gnu::cold, gnu::noinline]] void recordPackageTaxable(Working& w, bool annual, const PackageInput& in,
                                                       const PackageResult& r, double taxableTravelAllowance) {
  byMonths(w.add(kTaxableIncomeStep, r.TaxableIncome, FigureKind::Money,
                 annual ? "package - travel allowance + taxable travel allowance + car fringe benefit - "
                          "retirement fund limit, not below 0"
                        : "(package - travel allowance + taxable travel allowance + car fringe benefit - "
                          "retirement fund limit) x {months}, not below 0")
               .in("package", in.amount)
               .in("travel allowance", in.travelAllowance)
               .in("taxable travel allowance", taxableTravelAllowance)
               .in("car fringe benefit", r.CarFringeBenefit)
               .in("retirement fund limit", r.RFundLimit),
           annual);
}

[[gnu::cold, gnu::noinline]] void recordPackageUIF(Working& w, bool annual, const SettingsRecord& s,
                                                   const PackageInput& in, const PackageResult& r,
                                                   double taxableTravelAllowance, double uifBase, double ceiling) {
  w.add(kUIFBaseStep, uifBase, FigureKind::Money,
        "package - travel allowance + taxable travel allowance + car fringe benefit")
      .in("package", in.amount)
      .in("travel allowance", in.travelAllowance)
      .in("taxable travel allowance", taxableTravelAllowance)
      .in("car fringe benefit", r.CarFringeBenefit);
  recordUIFCeiling(w, annual, s.UIFLimit, ceiling);
  recordUIF(w, ceiling, uifBase, s.EmployeeUIF, s.EmployerUIF, r.EmployeeUIF, r.EmployerUIF);
  w.add(kSkillsLevyStep, r.SkillsLevy, FigureKind::Money,
        "{percent} % of (UIF remuneration - retirement fund limit), no ceiling")
      .in("UIF remuneration", uifBase)
      .in("retirement fund limit", r.RFundLimit)
      .by("percent", s.SkillLevy, FigureKind::Number);
}

// The cost to company, then the take-home pay: the last step.
[[gnu::cold, gnu::noinline]] void recordPackageTotals(Working& w, const PackageInput& in, const PackageResult& r,
                                                      double otherExpenses) {
  w.add(kCostToCompanyStep, r.TotCostComp, FigureKind::Money,
        "package + employer's UIF + skills development levy + company car's cost; the employer's "
        "contributions are inside the package")
      .in("package", in.amount)
      .in("employer's UIF", r.EmployerUIF)
      .in("skills development levy", r.SkillsLevy)
      .in("company car's cost", in.employerCarCost);
  w.add(kTakeHomeStep, r.GrossSal, FigureKind::Money, "the package less every part paid out of it")
      .in("package", in.amount)
      .in("employee's medical contribution", in.medical)
      .in("other fringe benefits", in.otherFringe)
      .in("employee's retirement fund", r.EmployeeRFund)
      .in("medical deductions", in.medicalDeductions)
      .in("employee's UIF", r.EmployeeUIF)
      .in("tax to deduct", r.TaxDeduct)
      .in("employer's medical contribution", in.employerMedical)
      .in("employer's retirement fund", r.EmployerRFund)
      .in("other expenses", otherExpenses);
}

[[gnu::always_inline]] inline void grossToNet(const PackagePeriod& p, PackageInput& in, const SettingsRecord& s,
                                              PackageResult& r, Working* working) {
  const double package = in.amount;
  const double taxableTravelAllowance = taxableTravel(in, s, working);
  r.CarFringeBenefit = carFringeBenefit(p, in.carValue, s, working);
  r.Rebate = rebateAndDeductions(p, in, working);
  medicalCredits(p, in, r, working);

  if (s.PensionCont > 0) in.rfund = package * s.PensionCont / 100;
  if (s.EmployerPenCont > 0) in.employerRFund = package * s.EmployerPenCont / 100;
  r.EmployeeRFund = in.rfund;
  r.EmployerRFund = in.employerRFund;
  const double contributions = r.EmployeeRFund + r.EmployerRFund;
  const double fundBase = package + in.employerMedical + taxableTravelAllowance + r.EmployerRFund;
  if (working) recordPackageFunds(*working, s, in, r, taxableTravelAllowance, fundBase);
  r.RFundLimit = rfundLimit(p, contributions, fundBase, working);

  r.TaxableIncome = (package - in.travelAllowance + taxableTravelAllowance + r.CarFringeBenefit - r.RFundLimit) *
                    p.perYear();
  if (r.TaxableIncome < 0) r.TaxableIncome = 0;
  if (working) recordPackageTaxable(*working, p.annual, in, r, taxableTravelAllowance);
  r.TaxDue = taxDue(p, r.TaxableIncome, r.Rebate, working);

  const double uifBase = package - in.travelAllowance + taxableTravelAllowance + r.CarFringeBenefit;
  const double ceiling = s.UIFLimit * p.monthsPerAmount();
  const double uifPay = uifBase > ceiling ? ceiling : uifBase;
  r.EmployeeUIF = uifPay * s.EmployeeUIF / 100;
  r.EmployerUIF = uifPay * s.EmployerUIF / 100;
  r.SkillsLevy = (uifBase - r.RFundLimit) * s.SkillLevy / 100;
  if (working) recordPackageUIF(*working, p.annual, s, in, r, taxableTravelAllowance, uifBase, ceiling);
  r.Warning = contributions > r.RFundLimit;

  taxDeduct(r, working);
  // The employer's contribution is inside the package: not counted twice.
  r.TotCostComp = package + r.EmployerUIF + r.SkillsLevy + in.employerCarCost;
  // The package pays everything the employee and the employer put in on
  // the employee's behalf, the other expenses included, in both periods.
  const double otherExpenses = in.otherExpensesTotal();
  r.GrossSal = package - in.medical - in.otherFringe - r.EmployeeRFund - in.medicalDeductions - r.EmployeeUIF -
               r.TaxDeduct - in.employerMedical - r.EmployerRFund - otherExpenses;
  if (working) recordPackageTotals(*working, in, r, otherExpenses);
  onceOffNote(in, r);
}

NetToGrossModel searchModel(const PackagePeriod& p, const PackageInput& in, const SettingsRecord& s,
                            const PackageResult& r, double taxableTravelAllowance) {
  NetToGrossModel m(p.year);
  m.annual = p.annual;
  m.carFringeBenefit = r.CarFringeBenefit;
  m.travelAllowance = in.travelAllowance;
  m.taxableTravel = taxableTravelAllowance;
  m.otherFringe = in.otherFringe;
  m.otherExpenses = in.otherExpensesTotal();
  m.medicalDeductions = in.medicalDeductions;
  m.medical = in.medical;
  m.employerMedical = in.employerMedical;
  m.credits = r.MedicalCredit + r.AdditionalCredit;
  m.rebate = r.Rebate;
  m.employeePercent = s.PensionCont;
  m.employerPercent = s.EmployerPenCont;
  m.typedEmployee = in.rfund;
  m.typedEmployer = in.employerRFund;
  m.uifCeiling = s.UIFLimit * p.monthsPerAmount();
  m.employeeUIFPercent = s.EmployeeUIF;
  m.employerUIFPercent = s.EmployerUIF;
  m.skillsLevyPercent = s.SkillLevy;
  return m;
}

Refusal searchRefusal(SearchStop stop) {
  const std::string message =
      stop == SearchStop::StepLimit
          ? "No gross salary was found within " + formatGrouped(static_cast<double>(kMaxOneRandSteps), 0) +
                " one-rand steps: with these UIF percentages the take-home does not reach the net salary "
                "required. Check the settings and the amounts."
          : "No gross salary up to R " + formatGrouped(kMaxCandidate, 0) +
                " gives the net salary required. Check the settings and the amounts.";
  return Refusal{kPackageMessageTitle, message, "numNetMonSalReq"};
}

[[gnu::cold, gnu::noinline]] void recordGrossFound(Working& w, const NetToGrossModel& m, double required,
                                                   double candidate, double netAtCandidate) {
  w.add(kGrossFoundStep, candidate, FigureKind::Money,
        "the first whole-rand gross salary whose take-home exceeds the net required")
      .in("net required", required)
      .in("take-home at this gross salary", netAtCandidate)
      .in("take-home at one rand less", EvaluateCandidate(m, candidate - 1).net);
}

[[gnu::cold, gnu::noinline]] void recordGrossFundBase(Working& w, const PackageInput& in, const CandidateFigures& c,
                                                      double taxableTravelAllowance, double fundBase) {
  w.add(kFundRemunerationStep, fundBase, FigureKind::Money,
        "gross salary + employer's and employee's medical contributions + taxable travel allowance + "
        "employer's retirement fund")
      .in("gross salary", c.gross)
      .in("employer's medical contribution", in.employerMedical)
      .in("employee's medical contribution", in.medical)
      .in("taxable travel allowance", taxableTravelAllowance)
      .in("employer's retirement fund", c.employerRFund);
}

// The gross salary shown, then the cost to company: the last step.
[[gnu::cold, gnu::noinline]] void recordGrossTotals(Working& w, const PackageInput& in, const PackageResult& r,
                                                    double otherExpenses) {
  w.add(kGrossSalaryStep, r.GrossSal, FigureKind::Money, "the net required and every part paid out of the gross")
      .in("net required", in.amount)
      .in("medical deductions", in.medicalDeductions)
      .in("employee's UIF", r.EmployeeUIF)
      .in("tax to deduct", r.TaxDeduct)
      .in("employee's medical contribution", in.medical)
      .in("other expenses", otherExpenses)
      .in("employee's retirement fund", in.rfund);
  w.add(kCostToCompanyStep, r.TotCostComp, FigureKind::Money, "gross salary + every part the employer pays beside it")
      .in("gross salary", r.GrossSal)
      .in("employer's medical contribution", in.employerMedical)
      .in("employer's UIF", r.EmployerUIF)
      .in("skills development levy", r.SkillsLevy)
      .in("company car's cost", in.employerCarCost)
      .in("employer's retirement fund", in.employerRFund);
}

std::optional<Refusal> netToGross(const PackagePeriod& p, PackageInput& in, const SettingsRecord& s,
                                  PackageResult& kept, Working* working) {
  const double required = in.amount;
  double fringe = in.travelAllowance + in.otherFringe + in.otherExpensesTotal();
  if (p.annual) fringe = fringe - in.employerRFund + in.rfund;  // the annual check's signs, as they have always been
  if (fringe > required) return Refusal{kPackageMessageTitle, kFringeMessage, "numNetMonSalReq"};

  PackageResult r;
  const double taxableTravelAllowance = taxableTravel(in, s, working);
  r.CarFringeBenefit = carFringeBenefit(p, in.carValue, s, working);
  r.Rebate = rebateAndDeductions(p, in, working);
  medicalCredits(p, in, r, working);

  const NetToGrossModel model = searchModel(p, in, s, r, taxableTravelAllowance);
  if (working) recordUIFCeiling(*working, p.annual, s.UIFLimit, model.uifCeiling);
  const SearchOutcome found = SearchFast(model, required);
  if (found.stop != SearchStop::Found) return searchRefusal(found.stop);
  // With a working, the figures of the gross found, and the proof that it
  // is the first: the take-home one rand below does not exceed the net.
  const CandidateFigures c = EvaluateCandidate(model, found.candidate, working);
  if (working) recordGrossFound(*working, model, required, found.candidate, c.net);
  r.Candidate = found.candidate;
  r.EmployeeRFund = c.employeeRFund;
  r.EmployerRFund = c.employerRFund;
  r.TaxableIncome = c.taxableIncome;
  r.TaxDue = c.taxDue;
  r.EmployeeUIF = c.employeeUIF;
  r.EmployerUIF = c.employerUIF;
  r.SkillsLevy = c.skillsLevy;
  const double fundBase =
      found.candidate + in.employerMedical + in.medical + model.taxableTravel + c.employerRFund;
  if (working) recordGrossFundBase(*working, in, c, model.taxableTravel, fundBase);
  r.RFundLimit = rfundLimit(p, c.employerRFund + c.employeeRFund, fundBase, working);
  if (s.PensionCont > 0) in.rfund = c.employeeRFund;
  if (s.EmployerPenCont > 0) in.employerRFund = c.employerRFund;

  taxDeduct(r, working);
  // The gross salary shown is built from its parts, not the candidate.
  const double otherExpenses = in.otherExpensesTotal();
  r.GrossSal = required + in.medicalDeductions + r.EmployeeUIF + r.TaxDeduct + in.medical + otherExpenses + in.rfund;
  r.TotCostComp = r.GrossSal + in.employerMedical + r.EmployerUIF + r.SkillsLevy + in.employerCarCost +
                  in.employerRFund;
  if (working) recordGrossTotals(*working, in, r, otherExpenses);
  r.Warning = c.employeeRFund + c.employerRFund > r.RFundLimit;
  onceOffNote(in, r);
  kept = r;
  return std::nullopt;
}

// "ie: R 3 500 - R ..." amounts, as the printout's mask shows them.
std::string masked(double v) { return formatGrouped(v, 2); }

}  // namespace

double PackageInput::otherExpensesTotal() const {
  double total = 0;
  for (const auto& e : expenses) total += e.amount;
  return total;
}

std::optional<Refusal> CalculatePackage(PackageKind kind, PackageInput& in, const SettingsRecord& setup,
                                        PackageResult& kept, const tax::TaxYear& year, Working* working) {
  const PackagePeriod period{isAnnual(kind), year};
  // No figure changes unless the calculation completes; the once-off note
  // shows only beside a complete one.
  auto incomplete = [&] {
    kept.CalcIncomplete = true;
    kept.OnceOff = 0;
    kept.OnceOffNote = false;
  };
  // A working holds the steps of one complete calculation, or none.
  if (working) {
    working->clear();
    working->taxYear = year.year;
  }
  if (in.amount == 0) {
    incomplete();
    return std::nullopt;
  }
  if (isNetToGross(kind)) {
    if (auto refusal = netToGross(period, in, setup, kept, working)) {
      if (working) working->clear();
      incomplete();
      return refusal;
    }
  } else {
    PackageResult r;
    // Inlined twice: without a working every test of the pointer folds away.
    if (working)
      grossToNet(period, in, setup, r, working);
    else
      grossToNet(period, in, setup, r, nullptr);
    kept = r;
  }
  kept.CalcIncomplete = false;
  return std::nullopt;
}

bool ResetExcessRFundPercentages(SettingsRecord& s, const tax::TaxYear& year) {
  if (!(s.PensionCont + s.EmployerPenCont > year.retirementFundPercent)) return false;
  s.PensionCont = 0;
  s.EmployerPenCont = 0;
  return true;
}

RAExplanation ExplainRA(PackageKind kind, const PackageInput& in, const PackageResult& r,
                        const SettingsRecord& s, const tax::TaxYear& year) {
  const double toYear = isAnnual(kind) ? 1 : tax::kMonthsPerYear;
  RAExplanation out;

  const double employee = r.EmployeeRFund * toYear;
  const double a = kRAYearlyAmount - employee;
  out.lineA = "ie: R 3 500 - R " + masked(employee) + (a >= 0 ? " = R " : " = - R ") + masked(std::fabs(a));

  double income = 0;
  if (s.PensionCont > 0 || s.EmployerPenCont > 0 || s.ProvCont > 0 || s.EmployerProvCont > 0) {
    const double rate = carRate(year, s);
    income = in.carValue * rate * s.CompCarFBRate8020 * tax::kMonthsPerYear + in.travelAllowance * toYear +
             in.otherFringe * toYear + in.otherExpensesTotal() * toYear;
  } else if (isNetToGross(kind)) {
    income = r.GrossSal * toYear;  // the gross salary shown, for a year
  } else {
    income = in.amount * toYear;
  }
  out.lineC = "ie: R " + masked(income) + " X 15% = R " + masked(income * kRAIncomeShare);
  return out;
}

std::vector<PackageFigure> PackageWindowFigures(const PackageInput& in, const PackageResult& r) {
  return {{"numMAns", r.TaxDue},
          {"numTaxCredit", r.TaxCredit},
          {"numTaxDeduct", r.TaxDeduct},
          {"numUIFCont", r.EmployeeUIF},
          {"numGrossSal", r.GrossSal},
          {"numCCUIFCont", r.EmployerUIF},
          {"numCCSkillLev", r.SkillsLevy},
          {"numTotCostComp", r.TotCostComp},
          {"numOnceOff", r.OnceOff},
          {"numRFundCont", in.rfund},
          {"numCCRFundCont", in.employerRFund},
          {"numPMems", static_cast<double>(in.beneficiaries)}};
}

std::vector<PackageFigure> PackageDetailFigures(PackageKind kind, const PackageResult& r) {
  std::vector<PackageFigure> figures{{"TaxableIncome", r.TaxableIncome},   {"CarFringeBenefit", r.CarFringeBenefit},
                                     {"MedicalCredit", r.MedicalCredit},   {"AdditionalCredit", r.AdditionalCredit},
                                     {"RFundLimit", r.RFundLimit},         {"EmployeeRFund", r.EmployeeRFund},
                                     {"EmployerRFund", r.EmployerRFund},   {"TaxDue", r.TaxDue}};
  if (isNetToGross(kind)) figures.push_back({"Candidate", r.Candidate});
  return figures;
}

}  // namespace quorin
