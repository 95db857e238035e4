#include "tax/eti_table.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "common/day_number.h"
#include "common/money.h"

namespace quorin::tax {

namespace {

using nlohmann::json;

constexpr double kMaxAmount = 1e9;
constexpr std::size_t kShownLength = 80;

struct Bad {
  EtiFieldError error;
};

std::string shown(const json& v) {
  std::string text = v.is_string() ? v.get<std::string>() : v.dump();
  if (text.size() > kShownLength) text = text.substr(0, kShownLength) + "...";
  return text;
}

[[noreturn]] void refuse(const std::string& field, const json& value, const std::string& rule) {
  throw Bad{{field, shown(value), rule}};
}

const json& member(const json& parent, const char* key, const std::string& path) {
  if (!parent.is_object() || !parent.contains(key)) throw Bad{{path + key, "nothing", "is missing"}};
  return parent.at(key);
}

double number(const json& v, const std::string& field, double lowest, double highest, const std::string& range) {
  if (!v.is_number()) refuse(field, v, "must be a number");
  const double x = v.get<double>();
  if (!std::isfinite(x) || x < lowest || x > highest) refuse(field, v, "must be " + range);
  return x;
}

double amount(const json& parent, const char* key, const std::string& path) {
  return number(member(parent, key, path), path + key, 0, kMaxAmount, "an amount from 0 to 1 000 000 000");
}

int day(const json& parent, const char* key, const std::string& path) {
  const json& v = member(parent, key, path);
  std::optional<int> d = v.is_string() ? parseDay(v.get<std::string>()) : std::nullopt;
  if (!d) refuse(path + key, v, "must be a real date dd/mm/yyyy");
  return *d;
}

EtiBand band(const json& parent, const char* key, const std::string& path, const std::array<double, 3>& edges,
             const std::string& edgesPath) {
  const json& b = member(parent, key, path);
  const std::string at = path + key + ".";
  EtiBand out;
  out.percent = number(member(b, "percent", at), at + "percent", 0, 100, "a rate from 0 to 100 %");
  out.amount = amount(b, "amount", at);
  out.taper = number(member(b, "taper", at), at + "taper", 0, 1, "a rate from 0 to 1 rand a rand");
  const double joined = out.percent / 100 * edges[0];
  if (std::fabs(joined - out.amount) > 0.005)
    refuse(at + "amount", b.at("amount"),
           "must be " + at + "percent x " + edgesPath + "[0] (" + formatShortest(joined) + ") for the table to join up");
  const double nil = out.amount - out.taper * (edges[2] - edges[1]);
  if (std::fabs(nil) > 0.005)
    refuse(at + "taper", b.at("taper"),
           "must bring " + at + "amount to 0 at " + edgesPath + "[2] (amount - taper x (" + formatShortest(edges[2]) +
               " - " + formatShortest(edges[1]) + ") is " + formatShortest(nil) + ")");
  return out;
}

EtiTable table(const json& row, const std::string& path, int expectedFrom) {
  EtiTable t;
  t.from = day(row, "from", path);
  t.to = day(row, "to", path);
  if (t.from != expectedFrom)
    refuse(path + "from", row.at("from"),
           "must be " + formatDay(expectedFrom) +
               ": the periods follow one another without leaving a month uncovered or overlapping");
  if (t.to < t.from || calendarDate(t.to + 1).day != 1)
    refuse(path + "to", row.at("to"), "must be the last day of a month, on or after " + formatDay(t.from));
  const json& edges = member(row, "edges", path);
  const std::string edgesPath = path + "edges";
  if (!edges.is_array() || edges.size() != 3) refuse(edgesPath, edges, "must be a list of three amounts");
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string field = edgesPath + "[" + std::to_string(i) + "]";
    t.edges[i] = number(edges[i], field, 0, kMaxAmount, "an amount from 0 to 1 000 000 000");
    if (i == 0 ? !(t.edges[i] > 0) : !(t.edges[i] > t.edges[i - 1]))
      refuse(edgesPath, edges, "must rise: each edge above the one before, the first above 0");
  }
  t.first = band(row, "first", path, t.edges, edgesPath);
  t.second = band(row, "second", path, t.edges, edgesPath);
  t.wageFloor160Hours = amount(row, "wage_floor_160_hours", path);
  return t;
}

}  // namespace

std::variant<std::vector<EtiTable>, EtiFieldError> ReadEtiTables(const json& section, int firstDay, int lastDay) {
  try {
    if (!section.is_array() || section.empty()) refuse("eti", section, "must be a list of at least one period");
    std::vector<EtiTable> tables;
    int expectedFrom = firstDay;
    for (std::size_t i = 0; i < section.size(); ++i) {
      const std::string path = "eti[" + std::to_string(i) + "].";
      tables.push_back(table(section[i], path, expectedFrom));
      expectedFrom = tables.back().to + 1;
      if (tables.back().to > lastDay)
        refuse(path + "to", section[i].at("to"), "must be at most " + formatDay(lastDay) + ", the last day of the year");
    }
    if (tables.back().to != lastDay)
      refuse("eti[" + std::to_string(tables.size() - 1) + "].to", section.back().at("to"),
             "must be " + formatDay(lastDay) + ": the periods cover every month of the year");
    return tables;
  } catch (const Bad& bad) {
    return bad.error;
  }
}

}  // namespace quorin::tax
