// The net-to-gross search: the smallest whole-rand gross salary whose
// take-home exceeds the amount required. The one-rand steps define the
// answer; the fast search returns the same candidate by bisection wherever
// the take-home provably rises with the gross, and takes one-rand steps
// only on the stretch where it may fall.
#pragma once

#include <cstdint>
#include <optional>

#include "common/working.h"
#include "tax/tax_year.h"

namespace quorin {

// Everything a candidate's take-home depends on, fixed for one search.
struct NetToGrossModel {
  // The year is given when the model is made: a search without one does
  // not compile.
  explicit NetToGrossModel(const tax::TaxYear& taxYear) : year(&taxYear) {}
  const tax::TaxYear* year;  // scale and top rate
  bool annual = false;
  double carFringeBenefit = 0;
  double travelAllowance = 0;
  double taxableTravel = 0;      // travel allowance x inclusion rate
  double otherFringe = 0;
  double otherExpenses = 0;
  double medicalDeductions = 0;
  double medical = 0;            // employee's medical contribution
  double employerMedical = 0;
  double credits = 0;            // CR: medical credit + additional credit
  double rebate = 0;
  double employeePercent = 0;    // 0: the typed amount is used
  double employerPercent = 0;
  double typedEmployee = 0;
  double typedEmployer = 0;
  double uifCeiling = 0;         // the monthly limit, x 12 for annual amounts
  double employeeUIFPercent = 0;
  double employerUIFPercent = 0;
  double skillsLevyPercent = 0;
};

// Every figure of one candidate.
struct CandidateFigures {
  double gross = 0;
  double employeeRFund = 0;  // E
  double employerRFund = 0;  // R
  double taxableIncome = 0;
  double taxDue = 0;         // D
  double uifBase = 0;        // U
  double employeeUIF = 0;
  double employerUIF = 0;
  double skillsLevy = 0;
  double net = 0;            // N
};

// With a working, the candidate's steps are recorded into it (never during
// a search: the searches pass none).
CandidateFigures EvaluateCandidate(const NetToGrossModel& m, double gross, Working* working = nullptr);
double CandidateNet(const NetToGrossModel& m, double gross);

// The bounds of a search: at most this many one-rand steps, and no
// candidate above this (doubles lose the cents beyond it).
inline constexpr std::int64_t kMaxOneRandSteps = 20'000'000;
inline constexpr double kMaxCandidate = 1e12;

enum class SearchStop { Found, StepLimit, CandidateLimit };

struct SearchOutcome {
  SearchStop stop = SearchStop::Found;
  double candidate = 0;         // when found
  std::int64_t evaluations = 0;  // candidates whose net was worked out
};

// The literal search: G = 1, 2, 3, ... until the net exceeds required, at
// most maxSteps candidates.
SearchOutcome SearchOneRand(const NetToGrossModel& m, double required, std::int64_t maxSteps = kMaxOneRandSteps);

// The same candidate, fast. Where the rise of the net cannot be proved it
// takes one-rand steps (within kMaxOneRandSteps).
SearchOutcome SearchFast(const NetToGrossModel& m, double required);

// The least rise of the net per rand of gross that the settings guarantee,
// below and above the UIF ceiling (negative: the net may fall there).
struct NetSlopeBounds {
  double belowCeiling = 0;
  double aboveCeiling = 0;
};
NetSlopeBounds NetSlopes(const NetToGrossModel& m);
// The least rise treated as a proof that the net grows (well above the
// rounding of the figures up to kMaxCandidate).
inline constexpr double kProvenSlope = 0.01;

}  // namespace quorin
