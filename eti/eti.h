// The Employment Tax Incentive of one employee for one month: the
// qualifying tests, the qualifying month, the table of the month from the
// year file, the gross-up below 160 hours, rounding once to the cent, and
// the roll-over against the month's PAYE. Not qualifying is an answer (the
// reason is given); only inputs that cannot be worked with are refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/field_limits.h"
#include "common/working.h"
#include "tax/tax_year.h"

namespace quorin {

inline constexpr double kEtiFullMonthHours = 160;
inline constexpr double kEtiMaxHours = 744;  // 31 days of 24 hours

struct EtiInput {
  double remuneration = 0;           // the month's cash remuneration
  int month = 0;                     // day number of the first day of the month claimed
  int employmentStart = 0;           // day number
  std::optional<int> age;            // whole years at the end of the month
  std::optional<int> birthDate;      // day number
  std::optional<double> hours;       // employed and paid in the month; none: a full month
  bool specialEconomicZone = false;  // services mainly rendered in a special economic zone
  int monthsNotQualifying = 0;       // months since the start in which the employee did not qualify
  std::optional<double> minimumWage; // rand an hour; none: not checked
  std::optional<double> paye;        // the month's PAYE; none: no roll-over
  double broughtForward = 0;         // ETI brought forward from the month before
};

// What a freshly opened window starts with: the first month of the year,
// employed from its first day, everything else blank or 0.
EtiInput DefaultEtiInput(const tax::TaxYear& year);

enum class EtiReason {
  None,                 // qualifies
  EmployedBefore2013,   // employed before 1 October 2013
  Under18,              // younger than 18 at the end of the month
  Aged30OrOver,         // 30 or older at the end of the month, outside a zone
  NoQualifyingMonth,    // every month employed was one not qualifying
  MonthsUsed,           // beyond the 24th qualifying month
  RemunerationTooHigh,  // the (grossed-up) remuneration not below the nil edge
  BelowMinimumWage,     // paid less than the minimum wage for the hours
};

struct EtiResult {
  bool Qualifies = false;
  EtiReason Reason = EtiReason::None;
  int AgeAtMonthEnd = -1;           // -1: not known (a zone without age)
  int MonthsEmployed = 0;           // start month to the month claimed, both counted
  int QualifyingMonth = 0;
  int Period = 0;                   // 1: months 1-12, 2: months 13-24, 0: neither
  double GrossedUpRemuneration = 0; // to 160 hours
  double HoursFactor = 1;           // hours / 160 below 160 hours, else 1
  double FullMonthETI = 0;          // the table's amount, unrounded
  double ETI = 0;                   // full month x hours factor, to the cent
  int TableFrom = 0;                // first day of the table used
  double NilEdge = 0;               // of the table used
  double MinimumPay = 0;            // minimum wage x hours, to the cent (0: not checked)
  bool RollOver = false;            // PAYE entered
  double BroughtForward = 0;        // as used: nil in March and September
  double Utilised = 0;
  double CarriedForward = 0;
};

// "mm/yyyy" (also "m/yyyy") as the day number of the month's first day.
std::optional<int> ParseEtiMonth(std::string_view text);
std::string FormatEtiMonth(int day);

// The table of the year in force on a day; nullptr when none is.
const tax::EtiTable* EtiTableFor(const tax::TaxYear& year, int day);

// The table's amount for a full month's remuneration m in the band.
double EtiTableAmount(const tax::EtiTable& table, const tax::EtiBand& band, double m);

// The checks of the Calculate button, in order: a year with an ETI table,
// the month within the year, the employment start not after the month, the
// hours, the age or birth date (none needed in a zone), the months not
// qualifying fewer than the months employed, a brought forward only with
// the PAYE.
std::optional<Refusal> CheckEti(const EtiInput& in, const tax::TaxYear& year);

// The calculation of inputs that passed CheckEti; with a working, every
// step is recorded into it.
EtiResult CalcEti(const EtiInput& in, const tax::TaxYear& year, Working* working = nullptr);

// The checks, then the calculation into out; on a refusal out is left as
// it was.
std::optional<Refusal> CalculateEti(const EtiInput& in, const tax::TaxYear& year, EtiResult& out,
                                    Working* working = nullptr);

// Why the employee does not qualify, in English (0) or Afrikaans (1);
// empty when the employee qualifies.
std::string EtiReasonText(const EtiResult& r, int language);

// A figure by the name it goes by outside the window.
struct EtiFigure {
  std::string_view name;
  double value;
};

// The window's number result fields by field name.
std::vector<EtiFigure> EtiWindowFigures(const EtiResult& r);

}  // namespace quorin
