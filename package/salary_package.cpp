#include "package/salary_package.h"

#include <cmath>

#include "package/net_to_gross.h"
#include "common/money.h"
#include "tax/tax_scale.h"

namespace quorin {

namespace {

constexpr double kRAYearlyAmount = 3500;
constexpr double kRAIncomeShare = 0.15;

// What the period changes: amounts per month are made annual for the scale
// and the car benefit and UIF ceiling are monthly figures.
struct PackagePeriod {
  bool annual;
  const tax::TaxYear& year;
  double perYear() const { return annual ? 1 : tax::kMonthsPerYear; }      // amounts to a year
  double monthsPerAmount() const { return annual ? tax::kMonthsPerYear : 1; }
  double medicalCredit(int n) const {
    return annual ? tax::AnnualMedicalSchemeFeesCredit(n, year) : tax::MedicalSchemeFeesCredit(n, year);
  }
  double rfundCap() const { return year.retirementFundCap / perYear(); }
};

// The company car's monthly rate as a fraction, with or without a
// maintenance plan (2026: 0.0325 or 0.035).
double carRate(const tax::TaxYear& year, const SettingsRecord& s) {
  return (s.CompCarMPYesNo ? year.companyCarPercentWithPlan : year.companyCarPercent) / 100;
}

double carFringeBenefit(const PackagePeriod& p, double carValue, const SettingsRecord& s) {
  const double rate = carRate(p.year, s);
  double benefit = carValue * rate * s.CompCarFBRate8020;
  if (p.annual) benefit = benefit * tax::kMonthsPerYear;
  return benefit;
}

// The rebate, and under 65 no medical deductions.
double rebateAndDeductions(const PackagePeriod& p, PackageInput& in) {
  const double rebate = tax::RebateForAge(in.age, p.year);
  if (in.age < 65) in.medicalDeductions = 0;
  return rebate;
}

// The credits need a medical contribution; without one the beneficiaries
// are cleared.
void medicalCredits(const PackagePeriod& p, PackageInput& in, PackageResult& r) {
  if (in.employerMedical > 0 || in.medical > 0) {
    r.MedicalCredit = p.medicalCredit(in.beneficiaries);
  } else {
    in.beneficiaries = 0;
    r.MedicalCredit = 0;
  }
  r.AdditionalCredit = tax::AdditionalMedicalCredit(in.age, in.medical, in.employerMedical, r.MedicalCredit);
}

// The smaller of the contributions and 27.5 % of the base, capped.
double rfundLimit(const PackagePeriod& p, double contributions, double base) {
  const double share = base * p.year.retirementFundRate();
  double limit = share >= contributions ? contributions : share;
  if (!(limit < p.rfundCap())) limit = p.rfundCap();
  return limit;
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

void grossToNet(const PackagePeriod& p, PackageInput& in, const SettingsRecord& s, PackageResult& r) {
  const double package = in.amount;
  const double taxableTravel = in.travelAllowance * s.TAIncRate8020;
  r.CarFringeBenefit = carFringeBenefit(p, in.carValue, s);
  r.Rebate = rebateAndDeductions(p, in);
  medicalCredits(p, in, r);

  if (s.PensionCont > 0) in.rfund = package * s.PensionCont / 100;
  if (s.EmployerPenCont > 0) in.employerRFund = package * s.EmployerPenCont / 100;
  r.EmployeeRFund = in.rfund;
  r.EmployerRFund = in.employerRFund;
  const double contributions = r.EmployeeRFund + r.EmployerRFund;
  r.RFundLimit = rfundLimit(p, contributions, package + in.employerMedical + taxableTravel + r.EmployerRFund);

  r.TaxableIncome = (package - in.travelAllowance + taxableTravel + r.CarFringeBenefit - r.RFundLimit) * p.perYear();
  if (r.TaxableIncome < 0) r.TaxableIncome = 0;
  r.TaxDue = tax::TaxAfterRebate(tax::ApplyTaxScale(r.TaxableIncome, p.year).ScaleTax, r.Rebate) / p.perYear();

  const double uifBase = package - in.travelAllowance + taxableTravel + r.CarFringeBenefit;
  const double ceiling = s.UIFLimit * p.monthsPerAmount();
  const double uifPay = uifBase > ceiling ? ceiling : uifBase;
  r.EmployeeUIF = uifPay * s.EmployeeUIF / 100;
  r.EmployerUIF = uifPay * s.EmployerUIF / 100;
  r.SkillsLevy = (uifBase - r.RFundLimit) * s.SkillLevy / 100;
  r.Warning = contributions > r.RFundLimit;

  r.TaxCredit = r.MedicalCredit + r.AdditionalCredit;
  const double deduct = r.TaxDue - r.TaxCredit;
  r.TaxDeduct = deduct > 0 ? deduct : 0;
  // The package pays everything the employee and the employer put in on
  // the employee's behalf, the other expenses included, in both periods.
  r.GrossSal = package - in.medical - in.otherFringe - r.EmployeeRFund - in.medicalDeductions - r.EmployeeUIF -
               r.TaxDeduct - in.employerMedical - r.EmployerRFund - in.otherExpensesTotal();
  // The employer's contribution is inside the package: not counted twice.
  r.TotCostComp = package + r.EmployerUIF + r.SkillsLevy + in.employerCarCost;
  onceOffNote(in, r);
}

NetToGrossModel searchModel(const PackagePeriod& p, const PackageInput& in, const SettingsRecord& s,
                            const PackageResult& r) {
  NetToGrossModel m(p.year);
  m.annual = p.annual;
  m.carFringeBenefit = r.CarFringeBenefit;
  m.travelAllowance = in.travelAllowance;
  m.taxableTravel = in.travelAllowance * s.TAIncRate8020;
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

std::optional<Refusal> netToGross(const PackagePeriod& p, PackageInput& in, const SettingsRecord& s,
                                  PackageResult& kept) {
  const double required = in.amount;
  double fringe = in.travelAllowance + in.otherFringe + in.otherExpensesTotal();
  if (p.annual) fringe = fringe - in.employerRFund + in.rfund;  // the annual check's signs, as they have always been
  if (fringe > required) return Refusal{kPackageMessageTitle, kFringeMessage, "numNetMonSalReq"};

  PackageResult r;
  r.CarFringeBenefit = carFringeBenefit(p, in.carValue, s);
  r.Rebate = rebateAndDeductions(p, in);
  medicalCredits(p, in, r);
  r.TaxCredit = r.MedicalCredit + r.AdditionalCredit;

  const NetToGrossModel model = searchModel(p, in, s, r);
  const SearchOutcome found = SearchFast(model, required);
  if (found.stop != SearchStop::Found) return searchRefusal(found.stop);
  const CandidateFigures c = EvaluateCandidate(model, found.candidate);
  r.Candidate = found.candidate;
  r.EmployeeRFund = c.employeeRFund;
  r.EmployerRFund = c.employerRFund;
  r.TaxableIncome = c.taxableIncome;
  r.TaxDue = c.taxDue;
  r.EmployeeUIF = c.employeeUIF;
  r.EmployerUIF = c.employerUIF;
  r.SkillsLevy = c.skillsLevy;
  r.RFundLimit = rfundLimit(p, c.employerRFund + c.employeeRFund,
                            found.candidate + in.employerMedical + in.medical + model.taxableTravel + c.employerRFund);
  if (s.PensionCont > 0) in.rfund = c.employeeRFund;
  if (s.EmployerPenCont > 0) in.employerRFund = c.employerRFund;

  const double deduct = r.TaxDue - r.TaxCredit;
  r.TaxDeduct = deduct > 0 ? deduct : 0;
  // The gross salary shown is built from its parts, not the candidate.
  r.GrossSal = required + in.medicalDeductions + r.EmployeeUIF + r.TaxDeduct + in.medical +
               in.otherExpensesTotal() + in.rfund;
  r.TotCostComp = r.GrossSal + in.employerMedical + r.EmployerUIF + r.SkillsLevy + in.employerCarCost +
                  in.employerRFund;
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
  (void)working;
  const PackagePeriod period{isAnnual(kind), year};
  // No figure changes unless the calculation completes; the once-off note
  // shows only beside a complete one.
  auto incomplete = [&] {
    kept.CalcIncomplete = true;
    kept.OnceOff = 0;
    kept.OnceOffNote = false;
  };
  if (in.amount == 0) {
    incomplete();
    return std::nullopt;
  }
  if (isNetToGross(kind)) {
    if (auto refusal = netToGross(period, in, setup, kept)) {
      incomplete();
      return refusal;
    }
  } else {
    PackageResult r;
    grossToNet(period, in, setup, r);
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
