// How a calculator is offered on the command line: its flags (with the
// window field each one stands for and that field's limits) and a run
// function that calls the same calculation as the window and returns the
// window's figures, named intermediate figures and the feed record.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "cli/window_cells.h"
#include "report/feed_record.h"
#include "settings/settings_record.h"
#include "shell/session_state.h"
#include "common/field_limits.h"
#include "common/working.h"

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
// flags' limits. Each name given has a slot; a batch file makes its slots
// once (one per column) and refills their texts row by row.
class Inputs {
 public:
  bool has(std::string_view name) const;
  double number(std::string_view name, double fallback = 0) const;
  std::int16_t whole(std::string_view name, std::int16_t fallback = 0) const;
  int date(std::string_view name, int fallback) const;
  std::string text(std::string_view name, const std::string& fallback = {}) const;
  std::vector<std::string> all(std::string_view name) const;
  bool empty() const;

  // The slot of a name, made when missing.
  std::size_t slot(std::string_view name);
  const std::string& slotName(std::size_t slot) const { return slots_[slot].name; }
  // Adds a given value (a repeated flag is given several times).
  void give(std::size_t slot, std::string_view text) { slots_[slot].texts.emplace_back(text); }
  void give(std::string_view name, std::string_view text) { give(slot(name), text); }
  // Empties every slot for the next row; the slots stay.
  void clearValues();

 private:
  friend class InputChecks;
  struct Slot {
    std::string name;
    std::uint64_t key = 0;  // the length and first letters, to rule out most names at once
    std::vector<std::string> texts;  // as given
    double value = 0;                // the checked number or day number
    bool numbered = false;
  };
  const Slot* find(std::string_view name) const;
  std::vector<Slot> slots_;
};

// The checks of a calculator's flags against the slots of an Inputs, in
// the order they run (the calculator's flags, then the settings flags):
// made once per call or per batch file.
class InputChecks {
 public:
  InputChecks(const struct Calculator& calc, const Inputs& inputs);
  // Checks every given value; fills the numbers. The first refusal.
  std::optional<Refusal> run(Inputs& inputs) const;
  // Whether the row gives any settings flag.
  bool givesSettings(const Inputs& inputs) const;

 private:
  struct Step {
    const Flag* flag;
    std::size_t slot;
    bool settings;
  };
  std::vector<Step> steps_;
};

struct Outcome {
  std::optional<Refusal> refusal;  // a refused input or failed check: exit 2
  std::optional<std::string> failure;  // any other failure: exit 1
  nlohmann::ordered_json window = nlohmann::ordered_json::object();
  nlohmann::ordered_json detail = nlohmann::ordered_json::object();
  std::optional<FeedRecord> record;  // the single-row record a print writes
  std::optional<FeedRows> rows;      // the multi-row table a print writes
  std::string reportFile;            // report laid out for --pdf
  std::vector<FeedField> printExtras;  // figures the printout shows beside its rows (totals)
  std::optional<int> taxYear;        // the year that computed it (calculators that work in one)
  std::optional<Working> working;    // --working: the steps of the calculation
};

struct Context {
  SessionState& session;
  SettingsRecord settings;  // the stored row with this call's overrides
  std::string name;         // --name
  int language = 0;         // --language: 0 English, 1 Afrikaans
  bool windowOnly = false;  // batch: only the window figures are used
  WindowCells* cells = nullptr;  // batch: the window figures go here, not to the JSON object
  bool wantsWorking = false;     // --working: the calculation records its steps

  // Where the calculation records its steps: the outcome's working when
  // --working was given, else nowhere.
  Working* workingOf(Outcome& out) const { return wantsWorking ? &out.working.emplace() : nullptr; }

  const tax::TaxYear& year() const { return session.taxYear(); }
};

// Puts a window figure where this call wants it: the batch row's cells or
// the JSON object of a single call.
void putWindow(Outcome& out, const Context& ctx, std::string_view name, double value);
// A list of figures that each have a name and a value.
template <typename Figures>
void putWindowFigures(Outcome& out, const Context& ctx, const Figures& figures) {
  if (!ctx.cells) out.window.get_ref<nlohmann::ordered_json::object_t&>().reserve(std::size(figures) + 1);
  for (const auto& f : figures) putWindow(out, ctx, f.name, f.value);
}
// A window field that holds a list: name[0], name[1]...
template <typename Value>
void putWindowList(Outcome& out, const Context& ctx, std::string_view name, const Value* values, std::size_t count) {
  if (ctx.cells) {
    for (std::size_t i = 0; i < count; ++i) {
      if constexpr (std::is_integral_v<Value>)
        ctx.cells->whole(name, i, values[i]);
      else
        ctx.cells->number(name, i, values[i]);
    }
    return;
  }
  auto& list = out.window[std::string(name)] = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < count; ++i) list.push_back(values[i]);
}

struct Calculator {
  std::string name;
  std::string description;
  std::vector<Flag> flags;
  bool usesSettings = false;  // reads the Setup row; accepts the settings flags
  bool usesSession = true;    // reads or changes the session (batch gives each row a fresh copy)
  bool batch = true;          // offered by "batch"
  bool usesTaxYear = false;   // works in a tax year: accepts --tax-year
  std::uint32_t settingsShown = 0;  // the Setup fields its printout states
  bool printsName = false;       // its printout has a name line (--name)
  bool printsAfrikaans = false;  // its printout has an Afrikaans layout (--language af)
  bool showsWorking = false;     // records its working (--working)
  std::function<Outcome(const Inputs&, Context&)> run;
};

// A date flag whose limit depends on the tax year or on another date,
// checked in the run: nothing when it is not given; the limit (and its
// message) is only built for a date outside earliest to latest.
std::optional<Refusal> readDate(const Inputs& in, const std::string& flag, const std::string& field, int earliest,
                                int latest, const std::function<FieldLimit()>& limit, int& day);

// The --tax-year of a call or the tax-year column of a batch row: chooses
// the year in the session (none given: the year in force today), or
// refuses a year that is not offered, with its file's reason when the
// file was refused.
std::optional<Refusal> chooseTaxYear(const std::string& text, SessionState& session);

// Checks every given value against its flag; fills the numbers.
std::optional<Refusal> checkInputs(const Calculator& calc, Inputs& inputs);

// The flag of a name (a settings flag too, for a calculator that uses the
// settings); nullptr for none.
const Flag* findFlag(const Calculator& calc, std::string_view name);

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
void addEtiCalculators(std::vector<Calculator>& list);
void addFinanceCalculators(std::vector<Calculator>& list);
void addPackageCalculators(std::vector<Calculator>& list);
void addVehicleCalculators(std::vector<Calculator>& list);

}  // namespace quorin::cli
