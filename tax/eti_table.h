// The Employment Tax Incentive tables of a year file (its "eti" section):
// one table per period of the year, each with the three edges of the
// monthly remuneration and the two bands (first and second 12 qualifying
// months). Read and checked here; the year reader hooks it in.
#pragma once

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <variant>
#include <vector>

namespace quorin::tax {

// One band of a table: percent of the remuneration below the first edge,
// the flat amount up to the second edge, then the amount less taper x the
// remuneration above the second edge, nil from the third.
struct EtiBand {
  double percent = 0;  // 60 means 60 %
  double amount = 0;   // rand a month
  double taper = 0;    // rand of incentive lost per rand of remuneration
};

struct EtiTable {
  int from = 0;  // day numbers, whole months
  int to = 0;
  std::array<double, 3> edges{};  // rising: percent edge, taper edge, nil edge
  EtiBand first;                  // qualifying months 1 to 12
  EtiBand second;                 // qualifying months 13 to 24
  // The Act's floor for 160 hours where no wage-regulating measure applies;
  // kept with the table (the window checks the minimum wage entered).
  double wageFloor160Hours = 0;

  bool contains(int day) const { return day >= from && day <= to; }
};

// A check of the section that failed: the field's path in the file, its
// value (at most 80 characters) and the rule it breaks.
struct EtiFieldError {
  std::string field;
  std::string value;
  std::string rule;
};

// Reads the "eti" section of the year firstDay to lastDay: periods in order
// covering every month of the year once, edges that rise, tables that join
// up (percent x first edge = amount; amount - taper x (nil edge - taper
// edge) = 0), every number finite, rates 0 to 100 %, amounts 0 to 10^9.
std::variant<std::vector<EtiTable>, EtiFieldError> ReadEtiTables(const nlohmann::json& section, int firstDay,
                                                                   int lastDay);

}  // namespace quorin::tax
