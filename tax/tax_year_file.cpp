#include "tax/tax_year_file.h"


#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "common/day_number.h"
#include "common/money.h"
#include "common/regular_file.h"
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

// At most this much of a value is quoted in a message.
constexpr std::size_t kQuotedLength = 80;
// Sections nest one or two deep; anything deeper is no year file.
constexpr int kDeepestNesting = 16;
constexpr double kLargestAmount = 1e9;
// A year file is a few kB; anything above a megabyte is not one.
constexpr std::size_t kLargestYearFile = 1024 * 1024;

// A value as a message quotes it: a text or number as written (a long one
// cut short), a list or section by its kind, never the whole of it.
std::string shown(const json& v) {
  std::string text;
  switch (v.type()) {
    case json::value_t::string: text = v.get_ref<const std::string&>(); break;
    case json::value_t::array: return "a list";
    case json::value_t::object: return "a section";
    case json::value_t::null: return "null";
    default: text = v.dump(); break;
  }
  if (text.size() > kQuotedLength) text = text.substr(0, kQuotedLength) + "...";
  return text;
}

const json& member(const json& parent, const std::string& key, const std::string& path) {
  if (!parent.is_object() || !parent.contains(key)) throw Bad{path + key, "nothing", "is missing"};
  return parent.at(key);
}

// A section { ... } of the file, or of a row.
const json& section(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  if (!v.is_object()) throw Bad{path + key, shown(v), "must be a section { ... }"};
  return v;
}

double number(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  if (!v.is_number()) throw Bad{path + key, shown(v), "must be a number"};
  const double d = v.get<double>();
  if (!std::isfinite(d)) throw Bad{path + key, shown(v), "must be a finite number"};
  return d;
}

// A rand amount: 0 to a thousand million.
double amount(const json& parent, const std::string& key, const std::string& path) {
  const double v = number(parent, key, path);
  if (v < 0 || v > kLargestAmount)
    throw Bad{path + key, shown(parent.at(key)), "must be from 0 to " + formatShortest(kLargestAmount)};
  return v;
}

// An amount above 0.
double positive(const json& parent, const std::string& key, const std::string& path) {
  const double v = amount(parent, key, path);
  if (!(v > 0)) throw Bad{path + key, shown(parent.at(key)), "must be above 0"};
  return v;
}

// A percentage above 0, at most 100.
double percent(const json& parent, const std::string& key, const std::string& path) {
  const double v = number(parent, key, path);
  if (!(v > 0) || v > 100) throw Bad{path + key, shown(parent.at(key)), "must be a percentage above 0, at most 100"};
  return v;
}

int day(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  std::optional<int> d = v.is_string() ? parseDay(v.get_ref<const std::string&>()) : std::nullopt;
  if (!d) throw Bad{path + key, shown(v), "must be a date dd/mm/yyyy"};
  return *d;
}

const json& list(const json& parent, const std::string& key, const std::string& path) {
  const json& v = member(parent, key, path);
  if (!v.is_array() || v.empty()) throw Bad{path + key, shown(v), "must be a list of at least one row"};
  return v;
}

// A row of a list: a section.
const json& row(const json& rows, std::size_t i, const std::string& key) {
  const json& v = rows[i];
  if (!v.is_object()) throw Bad{key + "[" + std::to_string(i) + "]", shown(v), "must be a section { ... }"};
  return v;
}

std::string at(const std::string& key, std::size_t i) { return key + "[" + std::to_string(i) + "]."; }

// A whole year from 1900 to 2200, read without rounding or overflow.
int wholeYear(const json& v) {
  constexpr std::int64_t first = 1900, last = 2200;
  std::int64_t year = 0;
  if (v.is_number_unsigned()) {
    const std::uint64_t u = v.get<std::uint64_t>();
    year = u > static_cast<std::uint64_t>(last) ? last + 1 : static_cast<std::int64_t>(u);
  } else if (v.is_number_integer()) {
    year = v.get<std::int64_t>();
  } else {
    throw Bad{"year", shown(v), "must be a whole year"};
  }
  if (year < first || year > last) throw Bad{"year", shown(v), "must be a year from 1900 to 2200"};
  return static_cast<int>(year);
}

void readDates(const json& j, TaxYear& y) {
  y.year = wholeYear(member(j, "year", ""));
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
    const json& r = row(rows, i, "scale");
    TaxScaleBracket b{};
    b.floor = amount(r, "from", path);
    b.rate = percent(r, "rate", path);
    b.baseTax = amount(r, "base", path);
    if (i == 0) {
      if (b.floor != 0) throw Bad{path + "from", shown(r.at("from")), "must be 0 in the first band"};
      if (b.baseTax != 0) throw Bad{path + "base", shown(r.at("base")), "must be 0 in the first band"};
    } else {
      const TaxScaleBracket& prev = y.scale.back();
      if (!(b.floor > prev.floor))
        throw Bad{path + "from", shown(r.at("from")), "must be above the band before (" + formatShortest(prev.floor) + ")"};
      const double expected = prev.baseTax + (b.floor - prev.floor) * prev.rate / 100;
      if (std::fabs(b.baseTax - expected) > 0.005)
        throw Bad{path + "base", shown(r.at("base")),
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
    const json& r = row(rows, i, "vehicle_cost_scale");
    VehicleCostBand b{};
    b.band = static_cast<int>(i + 1);
    const bool last = i + 1 == rows.size();
    const json& upTo = member(r, "up_to", path);
    if (last) {
      if (!upTo.is_null()) throw Bad{path + "up_to", shown(upTo), "must be null: the last band has no upper value"};
    } else {
      b.upTo = positive(r, "up_to", path);
      if (i > 0 && !(b.upTo > y.vehicleCostScale.back().upTo))
        throw Bad{path + "up_to", shown(upTo), "must be above the band before"};
    }
    b.fixedCost = positive(r, "fixed_cost", path);
    b.fuel = positive(r, "fuel_per_km", path);
    b.maintenance = positive(r, "maintenance_per_km", path);
    y.vehicleCostScale.push_back(b);
  }
}

void readRebates(const json& j, TaxYear& y) {
  const json& rebates = section(j, "rebates", "");
  y.primaryRebate = positive(rebates, "primary", "rebates.");
  y.secondaryRebate = positive(rebates, "secondary_at_65", "rebates.");
  y.tertiaryRebate = positive(rebates, "tertiary_at_75", "rebates.");
}

void readMedicalCredits(const json& j, TaxYear& y) {
  const json& medical = section(j, "medical_credits", "");
  y.medicalCreditFirstTwo = positive(medical, "each_of_first_two", "medical_credits.");
  y.medicalCreditFurther = positive(medical, "each_further", "medical_credits.");
}

void readRetirementFund(const json& j, TaxYear& y) {
  const json& fund = section(j, "retirement_fund", "");
  y.setRetirementFundPercent(percent(fund, "percent", "retirement_fund."));
  y.retirementFundCap = positive(fund, "annual_cap", "retirement_fund.");
}

void readCompanyCar(const json& j, TaxYear& y) {
  const json& car = section(j, "company_car", "");
  y.companyCarPercent = percent(car, "percent", "company_car.");
  y.companyCarPercentWithPlan = percent(car, "percent_with_maintenance_plan", "company_car.");
}

void readSource(const json& j, TaxYear& y) {
  const json& source = member(j, "source", "");
  if (!source.is_string() || source.get_ref<const std::string&>().empty())
    throw Bad{"source", shown(source), "must be a text naming where the figures come from"};
  y.source = source.get<std::string>();
}

// Optional: a year without it has no Employment Tax Incentive table.
void readEti(const json& j, TaxYear& y) {
  if (!j.contains("eti")) return;
  auto eti = ReadEtiTables(j.at("eti"), y.firstDay, y.lastDay);
  if (auto* bad = std::get_if<EtiFieldError>(&eti)) throw Bad{bad->field, bad->value, bad->rule};
  y.eti = std::get<std::vector<EtiTable>>(std::move(eti));
}

// The sections of a year file in the order they are checked; a section
// more is a reader more here.
using SectionReader = void (*)(const json&, TaxYear&);
constexpr SectionReader kSections[] = {readDates,          readScale,         readRebates,    readMedicalCredits,
                                       readRetirementFund, readVehicleScale,  readCompanyCar, readSource,
                                       readEti};

TaxYear readYear(const json& j) {
  if (!j.is_object()) throw Bad{"the file", shown(j), "must be one section { ... } holding the year"};
  TaxYear y;
  for (SectionReader read : kSections) read(j, y);
  return y;
}

struct TooDeep {};

}  // namespace

std::variant<TaxYear, std::string> LoadTaxYearFile(const std::string& path) {
  const std::string file = "The tax year file " + path + " ";
  // Nothing that a file holds ends the program: every failure of reading
  // or checking it is its refusal.
  try {
    const fs::path p(path);
    // Only a regular file is read, and only up to a year file's size, so
    // a folder, a pipe or a device dropped into the folder cannot block.
    const RegularFileRead read = readRegularFile(p.string(), kLargestYearFile);
    if (read.problem) return file + "could not be read: " + *read.problem;
    const std::string& text = read.text;
    json j;
    try {
      // Nesting is cut off while reading, so no value is ever deeper than a
      // year file's sections.
      j = json::parse(text, [](int depth, json::parse_event_t, json&) {
        if (depth > kDeepestNesting) throw TooDeep{};
        return true;
      });
    } catch (const TooDeep&) {
      return file + "is refused: its values nest more than " + std::to_string(kDeepestNesting) +
             " deep; a year file nests two or three";
    } catch (const json::exception& e) {
      std::string what = e.what();
      if (what.size() > 2 * kQuotedLength) what = what.substr(0, 2 * kQuotedLength) + "...";
      return file + "is not valid JSON: " + what;
    }
    TaxYear y = readYear(j);
    const std::string stem = p.stem().string();
    if (stem != std::to_string(y.year))
      throw Bad{"year", std::to_string(y.year), "must match the file name " + p.filename().string()};
    return y;
  } catch (const Bad& bad) {
    return file + "is refused: " + bad.field + " is " + bad.value + "; it " + bad.rule;
  } catch (const std::bad_alloc&) {
    return file + "could not be read: not enough memory";
  } catch (const std::exception& e) {
    return file + "could not be read: " + e.what();
  } catch (...) {
    return file + "could not be read";
  }
}

const TaxYear* TaxYearCatalogue::find(int year) const {
  auto it = years.find(year);
  return it == years.end() ? nullptr : &it->second;
}

const TaxYear* TaxYearCatalogue::inForce(int day) const {
  const TaxYear* before = nullptr;
  for (const auto& [number, y] : years) {
    if (y.contains(day)) return &y;
    if (y.lastDay < day) before = &y;
  }
  if (before) return before;
  return years.empty() ? nullptr : &years.begin()->second;
}

const std::string* TaxYearCatalogue::refusal(int year) const {
  auto it = refusedYears.find(year);
  return it == refusedYears.end() ? nullptr : &it->second;
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
  // A folder that cannot be listed offers nothing; an entry that cannot be
  // looked at is refused with its reason when it is read.
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ".json") files.push_back(it->path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    auto loaded = LoadTaxYearFile(file.string());
    if (auto* y = std::get_if<TaxYear>(&loaded)) {
      const int year = y->year;
      catalogue.years.emplace(year, std::move(*y));
    } else {
      const std::string& why = std::get<std::string>(loaded);
      catalogue.refused.push_back(why);
      if (auto named = ParseTaxYear(file.stem().string())) catalogue.refusedYears.emplace(*named, why);
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

Refusal RefusedTaxYear(const TaxYearCatalogue& catalogue, int year) {
  if (const std::string* why = catalogue.refusal(year)) return Refusal{"Incorrect Value", *why, "tax-year"};
  return UnknownTaxYear(catalogue);
}

int TaxYearOfDay(int day) {
  const CalendarDate date = calendarDate(day);
  return date.month >= 3 ? date.year + 1 : date.year;
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
