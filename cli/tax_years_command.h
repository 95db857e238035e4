// quorin-cli tax-years: the years offered, with their dates and source, the
// year in force today and every refused year file with its reason.
#pragma once

#include <nlohmann/json.hpp>

#include "tax/tax_year_file.h"

namespace quorin::cli {

// The listing of a folder's years as printed: {"inForce": 2027,
// "taxYears": [{"year", "firstDay", "lastDay", "source"}...],
// "refused": [{"file", "reason"}...]}.
nlohmann::ordered_json taxYearsJson(const tax::TaxYearCatalogue& years, int today);

}  // namespace quorin::cli
