#include "tax/tax_year_file.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/day_number.h"
#include "common/money.h"
#include "tax/eti_table.h"

namespace quorin::tax {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// A check that failed: the field's path in the file and its value.
struct Bad {
  std::string field;
  std::string value;
  std::string rule;
};

std::string shown(const json& v) { return v.is_string() ? v.get<std::string>() : v.dump(); }

const json& member(const json& parent, const std::string& key, const std::string& path) {
  if (!parent.is_object() || !parent.contains(key)) throw Bad{path + key, "nothing", "is missing"};
  return parent.at(key);
}

double number(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  if (!v.is_number()) throw Bad{path + key, shown(v), "must be a number"};
  return v.get<double>();
}

double positive(const json& parent, const std::string& key, const std::string& path) {
  const double v = number(parent, key, path);
  if (!(v > 0)) throw Bad{path + key, shown(parent.at(key)), "must be above 0"};
  return v;
}

int day(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  std::optional<int> d = v.is_string() ? parseDay(v.get<std::string>()) : std::nullopt;
  if (!d) throw Bad{path + key, shown(v), "must be a date dd/mm/yyyy"};
  return *d;
}

const json& list(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  if (!v.is_array() || v.empty()) throw Bad{path + key, shown(v), "must be a list of at least one row"};
  return v;
}

std::string at(const std::string& key, std::size_t i) { return key + "[" + std::to_string(i) + "]."; }

void readDates(const json& j, TaxYear& y) {
  const json& yearValue = member(j, "year", "");
  if (!yearValue.is_number_integer()) throw Bad{"year", shown(yearValue), "must be a whole year"};
  y.year = yearValue.get<int>();
  y.firstDay = day(j, "first_day", "");
  y.lastDay = day(j, "last_day", "");
  const CalendarDate first = calendarDate(y.firstDay);
  if (first.day != 1 || first.month != 3 || first.year != y.year - 1)
    throw Bad{"first_day", formatDay(y.firstDay), "must be 01/03/" + std::to_string(y.year - 1)};
  // One tax year: the day before the next 1 March (28 or 29 February).
  const int nextStart = *dayNumber(first.year + 1, 3, 1);
  if (y.lastDay != nextStart - 1)
    throw Bad{"last_day", formatDay(y.lastDay), "must be " + formatDay(nextStart - 1) + ", one tax year after first_day"};
}

void readScale(const json& j, TaxYear& y) {
  const json& rows = list(j, "scale", "");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string path = at("scale", i);
    TaxScaleBracket b{};
    b.floor = number(rows[i], "from", path);
    b.rate = positive(rows[i], "rate", path);
    b.baseTax = number(rows[i], "base", path);
    if (i == 0) {
      if (b.floor != 0) throw Bad{path + "from", shown(rows[i].at("from")), "must be 0 in the first band"};
      if (b.baseTax != 0) throw Bad{path + "base", shown(rows[i].at("base")), "must be 0 in the first band"};
    } else {
      const TaxScaleBracket& prev = y.scale.back();
      if (!(b.floor > prev.floor))
        throw Bad{path + "from", shown(rows[i].at("from")), "must be above the band before (" + formatShortest(prev.floor) + ")"};
      const double expected = prev.baseTax + (b.floor - prev.floor) * prev.rate / 100;
      if (std::fabs(b.baseTax - expected) > 0.005)
        throw Bad{path + "base", shown(rows[i].at("base")),
                  "must be the band before's base plus its rate on its width (" + formatShortest(expected) + ")"};
      y.scale.back().ceiling = b.floor;
    }
    b.ceiling = kTopBracketCeiling;
    y.scale.push_back(b);
  }
}

void readVehicleScale(const json& j, TaxYear& y) {
  const json& rows = list(j, "vehicle_cost_scale", "");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string path = at("vehicle_cost_scale", i);
    VehicleCostBand b{};
    b.band = static_cast<int>(i + 1);
    const bool last = i + 1 == rows.size();
    const json& upTo = member(rows[i], "up_to", path);
    if (last) {
      if (!upTo.is_null()) throw Bad{path + "up_to", shown(upTo), "must be null: the last band has no upper value"};
    } else {
      b.upTo = positive(rows[i], "up_to", path);
      if (i > 0 && !(b.upTo > y.vehicleCostScale.back().upTo))
        throw Bad{path + "up_to", shown(upTo), "must be above the band before"};
    }
    b.fixedCost = positive(rows[i], "fixed_cost", path);
    b.fuel = positive(rows[i], "fuel_per_km", path);
    b.maintenance = positive(rows[i], "maintenance_per_km", path);
    y.vehicleCostScale.push_back(b);
  }
}

TaxYear readYear(const json& j) {
  TaxYear y;
  readDates(j, y);
  readScale(j, y);
  const json& rebates = member(j, "rebates", "");
  y.primaryRebate = positive(rebates, "primary", "rebates.");
  y.secondaryRebate = positive(rebates, "secondary_at_65", "rebates.");
  y.tertiaryRebate = positive(rebates, "tertiary_at_75", "rebates.");
  const json& medical = member(j, "medical_credits", "");
  y.medicalCreditFirstTwo = positive(medical, "each_of_first_two", "medical_credits.");
  y.medicalCreditFurther = positive(medical, "each_further", "medical_credits.");
  const json& fund = member(j, "retirement_fund", "");
  y.setRetirementFundPercent(positive(fund, "percent", "retirement_fund."));
  if (y.retirementFundPercent > 100)
    throw Bad{"retirement_fund.percent", shown(fund.at("percent")), "must be at most 100"};
  y.retirementFundCap = positive(fund, "annual_cap", "retirement_fund.");
  readVehicleScale(j, y);
  const json& car = member(j, "company_car", "");
  y.companyCarPercent = positive(car, "percent", "company_car.");
  y.companyCarPercentWithPlan = positive(car, "percent_with_maintenance_plan", "company_car.");
  const json& source = member(j, "source", "");
  if (!source.is_string() || source.get<std::string>().empty())
    throw Bad{"source", shown(source), "must be a text naming where the figures come from"};
  y.source = source.get<std::string>();
  // Optional: a year without it has no Employment Tax Incentive table.
  if (j.contains("eti")) {
    auto eti = ReadEtiTables(j.at("eti"), y.firstDay, y.lastDay);
    if (auto* bad = std::get_if<EtiFieldError>(&eti)) throw Bad{bad->field, bad->value, bad->rule};
    y.eti = std::get<std::vector<EtiTable>>(std::move(eti));
  }
  return y;
}

}  // namespace

std::variant<TaxYear, std::string> LoadTaxYearFile(const std::string& path) {
  const std::string name = fs::path(path).filename().string();
  std::ifstream in(path, std::ios::binary);
  if (!in) return "The tax year file " + path + " could not be read";
  json j;
  try {
    j = json::parse(in);
  } catch (const json::exception& e) {
    return "The tax year file " + path + " is not valid JSON: " + e.what();
  }
  try {
    TaxYear y = readYear(j);
    const std::string stem = fs::path(path).stem().string();
    if (stem != std::to_string(y.year))
      throw Bad{"year", std::to_string(y.year), "must match the file name " + name};
    return y;
  } catch (const Bad& bad) {
    return "The tax year file " + path + " is refused: " + bad.field + " is " + bad.value + "; it " + bad.rule;
  }
}

const TaxYear* TaxYearCatalogue::find(int year) const {
  auto it = years.find(year);
  return it == years.end() ? nullptr : &it->second;
}

const TaxYear& TaxYearCatalogue::chosenOrDefault(int year) const {
  if (const TaxYear* y = find(year)) return *y;
  if (const TaxYear* y = find(kDefaultTaxYear)) return *y;
  if (!years.empty()) return years.begin()->second;
  return TaxYear2026();
}

std::vector<int> TaxYearCatalogue::offered() const {
  std::vector<int> list;
  for (const auto& [year, unused] : years) list.push_back(year);
  return list;
}

std::string TaxYearCatalogue::offeredText() const {
  const std::vector<int> list = offered();
  std::string text;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += i + 1 == list.size() ? " or " : ", ";
    text += std::to_string(list[i]);
  }
  return text;
}

TaxYearCatalogue LoadTaxYears(const std::string& folder) {
  TaxYearCatalogue catalogue;
  std::error_code ec;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.path().extension() == ".json") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    auto loaded = LoadTaxYearFile(file.string());
    if (auto* y = std::get_if<TaxYear>(&loaded)) {
      const int year = y->year;
      catalogue.years.emplace(year, std::move(*y));
    } else {
      catalogue.refused.push_back(std::get<std::string>(loaded));
    }
  }
  return catalogue;
}

Refusal UnknownTaxYear(const TaxYearCatalogue& catalogue) {
  const std::string offered = catalogue.offeredText();
  return Refusal{"Incorrect Value",
                 offered.empty() ? "No tax year is offered: no tax year file could be read"
                                 : "Tax year must be " + offered,
                 "tax-year"};
}

std::optional<int> ParseTaxYear(const std::string& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int year = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    year = year * 10 + (c - '0');
  }
  return year;
}

}  // namespace quorin::tax
