// The fields of the Employment Tax Incentive window by name, with their
// limits and messages, shared by the window's field kit and the command
// line so that both refuse the same values with the same words.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/field_limits.h"
#include "tax/tax_year.h"

namespace quorin {

struct EtiFieldNames {
  // inputs
  const char* remuneration = "numRemuneration";
  const char* month = "txtMonth";
  const char* employmentStart = "dtEmploymentStart";
  const char* age = "silgAge";
  const char* birthDate = "txtBirthDate";
  const char* hours = "numHours";
  const char* zone = "chkSEZ";
  const char* monthsNotQualifying = "numMonthsNotQualifying";
  const char* minimumWage = "numMinimumWage";
  const char* paye = "numPAYE";
  const char* broughtForward = "numBroughtForward";
  const char* taxYear = "cboTaxYear";  // in the Setup frame
  // results
  const char* qualifyingMonth = "numQualifyingMonth";
  const char* period = "numPeriod";
  const char* grossedUp = "numGrossedUp";
  const char* fullMonthEti = "numFullMonthETI";
  const char* hoursFactor = "numHoursFactor";
  const char* eti = "numETI";
  const char* utilised = "numUtilised";
  const char* carriedForward = "numCarriedForward";
  const char* tableFrom = "txtTableFrom";
  const char* reason = "txtReason";
};
inline constexpr EtiFieldNames kEtiFields{};

inline constexpr const char* kEtiHoursMessage =
    "The hours must be above 0 and at most 744 (31 days of 24 hours); leave the field blank for a full month";

using EtiFieldLimits = std::map<std::string, FieldLimit, std::less<>>;

// Every entry field of the window and its limit. The month and the birth
// date are texts, read by ReadEtiMonth and ReadEtiBirthDate (a blank birth
// date is none); a blank age, hours, minimum wage or PAYE is none too.
EtiFieldLimits EtiLimits(const tax::TaxYear& year);

// A month outside the year, or text that is no month: "The month entered
// is not correct please enter a month between 03/2026 and 02/2027".
Refusal EtiMonthRefusal(const tax::TaxYear& year);

// The month field's text as the first day of the month.
std::optional<Refusal> ReadEtiMonth(std::string_view text, const tax::TaxYear& year, int& month);
// The birth date field's text: blank is none, else a real date dd/mm/yyyy.
std::optional<Refusal> ReadEtiBirthDate(std::string_view text, std::optional<int>& birthDate);

}  // namespace quorin
