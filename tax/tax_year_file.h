// The year files: one JSON file per year of assessment in the folder
// tax-years beside the program (tax-years/2027.json). Each is checked on
// load; a file that fails a check is refused with a message naming the
// file, the field and the value, and its year is not offered. The folder
// is read once per run.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "tax/tax_year.h"
#include "common/field_limits.h"

namespace quorin::tax {

inline constexpr const char* kTaxYearFolder = "tax-years";

// A year, or the message that refuses its file.
std::variant<TaxYear, std::string> LoadTaxYearFile(const std::string& path);

struct TaxYearCatalogue {
  std::map<int, TaxYear> years;
  std::vector<std::string> refused;         // one message per refused file
  std::map<int, std::string> refusedYears;  // the same, by the year a file's name gives (2027.json)

  const TaxYear* find(int year) const;
  // The year in force on a day: the one whose dates hold it, else the
  // latest that ended before it, else the first offered; nullptr when no
  // year is offered.
  const TaxYear* inForce(int day) const;
  // Why the file named for the year was refused; nullptr when none was.
  const std::string* refusal(int year) const;
  std::vector<int> offered() const;
  // "2026 or 2027", "2026, 2027 or 2028".
  std::string offeredText() const;
};

// Every *.json file of the folder; a missing folder offers nothing.
TaxYearCatalogue LoadTaxYears(const std::string& folder);

// The refusal of a year that is not offered (field "tax-year").
Refusal UnknownTaxYear(const TaxYearCatalogue& catalogue);
// The refusal of a year asked for that is not offered: its file's reason
// when a file named for it was refused, else the years offered.
Refusal RefusedTaxYear(const TaxYearCatalogue& catalogue, int year);

// The year of assessment that holds a day by the calendar alone (1 March
// to the end of February): 01/06/2026 lies in 2027.
int TaxYearOfDay(int day);

// Reads "2027" as a year; nullopt for anything else.
std::optional<int> ParseTaxYear(const std::string& text);

}  // namespace quorin::tax
