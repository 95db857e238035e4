#include "cli/batch.h"

#include <ostream>

#include "cli/cli_output.h"
#include "cli/csv.h"
#include "settings/settings_limits.h"
#include "shell/money.h"

namespace quorin::cli {

namespace {

// Flattens a window figure into named cells: arrays as name[i].
void flatten(const std::string& name, const nlohmann::ordered_json& v, std::vector<std::pair<std::string, std::string>>& out) {
  if (v.is_array()) {
    for (std::size_t i = 0; i < v.size(); ++i) flatten(name + "[" + std::to_string(i) + "]", v[i], out);
  } else if (v.is_number_float()) {
    out.emplace_back(name, formatShortest(v.get<double>()));
  } else if (v.is_string()) {
    out.emplace_back(name, v.get<std::string>());
  } else {
    out.emplace_back(name, v.dump());
  }
}

bool knownColumn(const Calculator& calc, const std::string& name) {
  for (const auto& f : calc.flags)
    if (f.name == name) return true;
  if (calc.usesSettings)
    for (const auto& f : settingsFlags())
      if (f.name == name) return true;
  if (calc.usesTaxYear && name == "tax-year") return true;
  return name == "name" || name == "language";
}

// Each row starts from the same session; rowSession is the scratch copy a
// row may change, reused so that a row costs no fresh copy of its strings.
Outcome runRow(const Calculator& calc, Inputs& inputs, const SessionState& session, SessionState& rowSession,
               const SettingsRecord& settings) {
  rowSession = session;
  if (calc.usesTaxYear)
    if (auto r = chooseTaxYear(inputs.text("tax-year"), rowSession)) return Outcome{r};
  if (auto r = checkInputs(calc, inputs)) return Outcome{r};
  Context ctx{rowSession, settings, inputs.text("name"), inputs.text("language") == "af" ? 1 : 0, true};
  if (calc.usesSettings) {
    applySettingsFlags(inputs, ctx.settings);
    if (auto r = checkSettings(ctx.settings)) return Outcome{r};
  }
  return calc.run(inputs, ctx);
}

}  // namespace

int runBatch(const Calculator& calc, std::istream& in, std::ostream& out, std::ostream& err,
             const SessionState& session, const SettingsRecord& settings) {
  auto header = readCsvRow(in);
  if (!header) {
    err << "The input file is empty: it needs a header row\n";
    return kExitFailure;
  }
  for (const auto& name : *header)
    if (!knownColumn(calc, name)) {
      err << "Unknown column \"" << name << "\" for " << calc.name << "\n";
      return kExitUsage;
    }

  // The window's figures of a freshly opened window name the result columns.
  Inputs blank;
  SessionState rowSession = session;
  Outcome first = runRow(calc, blank, session, rowSession, settings);
  std::vector<std::pair<std::string, std::string>> cells;
  for (const auto& [key, value] : first.window.items()) flatten(key, value, cells);
  CsvRow outHeader = *header;
  for (const auto& c : cells) outHeader.push_back(c.first);
  outHeader.push_back("error");
  writeCsvRow(out, outHeader);

  while (auto row = readCsvRow(in)) {
    if (row->size() == 1 && row->front().empty()) continue;  // blank line
    Inputs inputs;
    for (std::size_t i = 0; i < header->size() && i < row->size(); ++i)
      if (!(*row)[i].empty()) inputs.raw[(*header)[i]].push_back((*row)[i]);
    Outcome o = runRow(calc, inputs, session, rowSession, settings);
    CsvRow line = std::move(*row);
    line.resize(header->size());
    cells.clear();
    if (!o.refusal && !o.failure)
      for (const auto& [key, value] : o.window.items()) flatten(key, value, cells);
    std::size_t results = outHeader.size() - header->size() - 1;
    for (std::size_t i = 0; i < results; ++i) line.push_back(i < cells.size() ? cells[i].second : "");
    line.push_back(o.refusal ? o.refusal->message : o.failure ? *o.failure : "");
    writeCsvRow(out, line);
  }
  return kExitOk;
}

}  // namespace quorin::cli
