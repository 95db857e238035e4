#include "cli/tax_years_command.h"

#include "common/day_number.h"

namespace quorin::cli {

nlohmann::ordered_json taxYearsJson(const tax::TaxYearCatalogue& years, int today) {
  nlohmann::ordered_json j;
  const tax::TaxYear* inForce = years.inForce(today);
  j["inForce"] = inForce ? nlohmann::ordered_json(inForce->year) : nlohmann::ordered_json();
  j["taxYears"] = nlohmann::ordered_json::array();
  for (const auto& [number, y] : years.years)
    j["taxYears"].push_back({{"year", number},
                             {"firstDay", formatDay(y.firstDay)},
                             {"lastDay", formatDay(y.lastDay)},
                             {"source", y.source}});
  j["refused"] = nlohmann::ordered_json::array();
  for (const std::string& why : years.refused) j["refused"].push_back({{"reason", why}});
  return j;
}

}  // namespace quorin::cli
