// The salary package calculators: a package taken apart into take-home pay
// and cost to company (the Velmar windows), and a required take-home pay
// built back up into the gross salary and cost to company (the Quorin
// windows). One design: the direction and the period (monthly or annual
// amounts) are parameters.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"
#include "common/field_limits.h"
#include "common/working.h"
#include "tax/tax_year.h"

namespace quorin {

enum class PackageKind { VelmarMonthly, VelmarAnnual, QuorinMonthly, QuorinAnnual };

constexpr bool isAnnual(PackageKind k) { return k == PackageKind::VelmarAnnual || k == PackageKind::QuorinAnnual; }
constexpr bool isNetToGross(PackageKind k) {
  return k == PackageKind::QuorinMonthly || k == PackageKind::QuorinAnnual;
}

inline constexpr int kOtherExpenseRows = 4;

struct OtherExpense {
  std::string description;  // txtOtherDet(i)
  double amount = 0;        // numOtherDet(i), paid out of the package
  double companyCost = 0;   // numOtherDetCC(i), printed only
};

// What the window's fields hold, amounts per month or per year by the kind.
// The calculation rewrites some of them as the window's fields are
// rewritten: the two retirement fund amounts (filled in from the
// percentages), the beneficiaries (0 without a medical contribution) and
// the medical deductions (0 under 65).
struct PackageInput {
  std::int16_t age = 0;
  double amount = 0;               // numNetMonSalReq: the package, or the take-home required
  double carValue = 0;             // numCompCar: the car's value, not a period amount
  double travelAllowance = 0;      // numTravAll
  double medical = 0;              // numMedAidCont: the employee's medical scheme contribution
  std::int16_t beneficiaries = 0;  // numPMems: people (monthly) or beneficiary-months (annual)
  std::int16_t additionalBeneficiaries = 0;  // numAddBens: printed only
  double otherFringe = 0;          // numOTaxFB
  double medicalDeductions = 0;    // numMedDeduct
  double raDeduction = 0;          // numRADeduct: printed only
  double rfund = 0;                // numRFundCont: the employee's retirement fund amount
  double employerCarCost = 0;      // numCCCompCar
  double employerMedical = 0;      // numCCMedAidCont
  double employerRFund = 0;        // numCCRFundCont
  std::array<OtherExpense, kOtherExpenseRows> expenses{};

  double otherExpensesTotal() const;
};

// The figures of the last complete calculation, kept by a window between
// calculations, and what its result fields show.
struct PackageResult {
  double CarFringeBenefit = 0;
  double Rebate = 0;
  double MedicalCredit = 0;
  double AdditionalCredit = 0;
  double EmployeeRFund = 0;
  double EmployerRFund = 0;
  double RFundLimit = 0;
  double TaxableIncome = 0;
  double TaxDue = 0;       // numMAns: after the rebate, before the credits
  double TaxCredit = 0;    // numTaxCredit
  double TaxDeduct = 0;    // numTaxDeduct
  double EmployeeUIF = 0;  // numUIFCont
  double EmployerUIF = 0;  // numCCUIFCont
  double SkillsLevy = 0;   // numCCSkillLev
  double GrossSal = 0;     // numGrossSal: take-home (gross to net) or gross salary (net to gross)
  double TotCostComp = 0;  // numTotCostComp
  double OnceOff = 0;      // numOnceOff
  bool OnceOffNote = false;
  bool Warning = false;    // "R/Fund contributions exceed allowable limits!"
  double Candidate = 0;    // net to gross: the whole-rand gross at which the search stopped
  bool CalcIncomplete = false;

  bool printEnabled() const { return !Warning; }
};

inline constexpr const char* kRFundWarning = "R/Fund contributions exceed allowable limits!";
inline constexpr const char* kPackageMessageTitle = "Quorin 2026";
inline constexpr const char* kFringeMessage = "Fringe benefits more than salary required!";

// "&Calculate": the calculation of the kind, its results into kept. A
// package or required net of 0 calculates nothing; the kept results stay
// (without the once-off car note). A refusal (fringe benefits above the net
// required, or a gross salary beyond the search's bounds) is returned with
// the kept results left the same way. in receives the rewritten fields.
// The figures (scale, rebates, credits, retirement fund limit, company car
// rates) are those of the year given.
// With a working, it is cleared and the steps of a complete calculation are
// recorded into it (it stays empty when the calculation does not complete).
// The last step explains the result the window leads with: the take-home
// pay (GrossSal) from a package, the cost to company (TotCostComp) from a
// net required, after the gross salary shown (GrossSal) it is built on.
std::optional<Refusal> CalculatePackage(PackageKind kind, PackageInput& in, const SettingsRecord& setup,
                                        PackageResult& kept, const tax::TaxYear& year, Working* working = nullptr);

// The net-to-gross windows allow the two retirement fund percentages to sum
// to the year's deductible percentage (27.5) at most: above that both
// become 0. True when it reset them.
bool ResetExcessRFundPercentages(SettingsRecord& setup, const tax::TaxYear& year);

// The two worked lines of the R/A explanation, from the last calculation.
struct RAExplanation {
  std::string lineA;
  std::string lineC;
};
RAExplanation ExplainRA(PackageKind kind, const PackageInput& in, const PackageResult& r,
                        const SettingsRecord& setup, const tax::TaxYear& year);

// The fixed lines of the explanation panel.
inline constexpr std::array<const char*, 4> kRAFixedLines{
    "The maximum R/A contribution allowed is the greater between A, B or C.",
    "A: R 3 500 less employee pension contributions", "B: R 1 750", "C: 15% of non-retirement funding income."};

struct PackageFigure {
  std::string_view name;
  double value;
};

// The result fields by window field name: numMAns, numTaxCredit,
// numTaxDeduct, numUIFCont, numGrossSal, numCCUIFCont, numCCSkillLev,
// numTotCostComp, numOnceOff, numRFundCont, numCCRFundCont, numPMems.
std::vector<PackageFigure> PackageWindowFigures(const PackageInput& in, const PackageResult& r);

// The intermediate figures: TaxableIncome, CarFringeBenefit, MedicalCredit,
// AdditionalCredit, RFundLimit, EmployeeRFund, EmployerRFund, TaxDue (and
// Candidate for net to gross).
std::vector<PackageFigure> PackageDetailFigures(PackageKind kind, const PackageResult& r);

}  // namespace quorin
