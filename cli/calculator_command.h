// How a calculator is offered on the command line: its flags (with the
// window field each one stands for and that field's limits) and a run
// function that calls the same calculation as the window and returns the
// window's figures, named intermediate figures and the feed record.
#pragma once

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "report/feed_record.h"
#include "settings/settings_record.h"
#include "shell/session_state.h"
#include "widgets/field_limits.h"

namespace quorin::cli {

enum class FlagKind {
  Value,   // a number, date or text checked against the field's limits
  Switch,  // present or absent, no value
  Choice,  // one of the listed words
  Repeat,  // may be given several times (free text)
};

struct Flag {
  std::string name;   // without the leading dashes: "salary"
  std::string field;  // the window field it fills: "numSalRemun"
  FlagKind kind = FlagKind::Value;
  FieldLimit limit;
  std::vector<std::string> choices;
  std::string help;
};

// Flag helpers for the common kinds.
Flag amountFlag(std::string name, std::string field, FieldLimit limit, std::string help = {});
Flag switchFlag(std::string name, std::string field, std::string help = {});
Flag choiceFlag(std::string name, std::string field, std::vector<std::string> choices, std::string help = {});
Flag repeatFlag(std::string name, std::string field, std::string help = {});

// The values of one call or one batch row, already checked against the
// flags' limits.
class Inputs {
 public:
  bool has(const std::string& name) const { return raw.count(name) > 0; }
  double number(const std::string& name, double fallback = 0) const;
  std::int16_t whole(const std::string& name, std::int16_t fallback = 0) const;
  int date(const std::string& name, int fallback) const;
  std::string text(const std::string& name, const std::string& fallback = {}) const;
  std::vector<std::string> all(const std::string& name) const;

  std::map<std::string, std::vector<std::string>> raw;  // as given
 private:
  friend std::optional<Refusal> checkInputs(const struct Calculator&, Inputs&);
  std::map<std::string, double> values_;  // checked numbers and day numbers
};

struct Outcome {
  std::optional<Refusal> refusal;  // a refused input or failed check: exit 2
  std::optional<std::string> failure;  // any other failure: exit 1
  nlohmann::ordered_json window = nlohmann::ordered_json::object();
  nlohmann::ordered_json detail = nlohmann::ordered_json::object();
  std::optional<FeedRecord> record;  // the single-row record a print writes
  std::optional<FeedRows> rows;      // the multi-row table a print writes
  std::string reportFile;            // report laid out for --pdf
};

struct Context {
  SessionState& session;
  SettingsRecord settings;  // the stored row with this call's overrides
  std::string name;         // --name
  int language = 0;         // --language: 0 English, 1 Afrikaans
  bool windowOnly = false;  // batch: only the window figures are used

  const tax::TaxYear& year() const { return session.taxYear(); }
};

struct Calculator {
  std::string name;
  std::string description;
  std::vector<Flag> flags;
  bool usesSettings = false;  // reads the Setup row; accepts the settings flags
  bool batch = true;          // offered by "batch"
  bool usesTaxYear = false;   // works in a tax year: accepts --tax-year
  std::function<Outcome(const Inputs&, Context&)> run;
};

// A date flag whose limit depends on the tax year or on another date,
// checked in the run: nothing when it is not given; the limit (and its
// message) is only built for a date outside earliest to latest.
std::optional<Refusal> readDate(const Inputs& in, const std::string& flag, const std::string& field, int earliest,
                                int latest, const std::function<FieldLimit()>& limit, int& day);

// The --tax-year of a call or the tax-year column of a batch row: chooses
// the year in the session, or refuses a year that is not offered.
std::optional<Refusal> chooseTaxYear(const std::string& text, SessionState& session);

// Checks every given value against its flag; fills the numbers.
std::optional<Refusal> checkInputs(const Calculator& calc, Inputs& inputs);

// The settings flags that tax calculators accept, and applying them.
const std::vector<Flag>& settingsFlags();
void applySettingsFlags(const Inputs& inputs, SettingsRecord& settings);

// JSON of a feed record and of a feed value (singles widened to double).
nlohmann::ordered_json recordJson(const FeedRecord& record);
nlohmann::ordered_json valueJson(const FeedValue& value);

// Every calculator the command line offers, in the order of the usage text.
const std::vector<Calculator>& calculators();
const Calculator* findCalculator(const std::string& name);

// Each subsystem adds its calculators here.
void addTaxCalculators(std::vector<Calculator>& list);
void addPayPeriodCalculators(std::vector<Calculator>& list);
void addFinanceCalculators(std::vector<Calculator>& list);
void addPackageCalculators(std::vector<Calculator>& list);
void addVehicleCalculators(std::vector<Calculator>& list);

}  // namespace quorin::cli
