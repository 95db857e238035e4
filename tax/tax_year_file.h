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
  std::vector<std::string> refused;  // one message per refused file

  const TaxYear* find(int year) const;
  // The chosen year when offered, else the default year, else the first
  // offered; the built-in 2026 year when no file could be read.
  const TaxYear& chosenOrDefault(int year) const;
  std::vector<int> offered() const;
  // "2026 or 2027", "2026, 2027 or 2028".
  std::string offeredText() const;
};

// Every *.json file of the folder; a missing folder offers nothing.
TaxYearCatalogue LoadTaxYears(const std::string& folder);

// The refusal of a year that is not offered (field "tax-year").
Refusal UnknownTaxYear(const TaxYearCatalogue& catalogue);

// Reads "2027" as a year; nullopt for anything else.
std::optional<int> ParseTaxYear(const std::string& text);

}  // namespace quorin::tax
