#include "cli/calculator_command.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/clock.h"
#include "common/day_number.h"
#include "common/quoted_text.h"

namespace quorin::cli {

Flag amountFlag(std::string name, std::string field, FieldLimit limit, std::string help) {
  return Flag{std::move(name), std::move(field), FlagKind::Value, std::move(limit), {}, std::move(help)};
}
Flag switchFlag(std::string name, std::string field, std::string help) {
  return Flag{std::move(name), std::move(field), FlagKind::Switch, {}, {}, std::move(help)};
}
Flag choiceFlag(std::string name, std::string field, std::vector<std::string> choices, std::string help) {
  return Flag{std::move(name), std::move(field), FlagKind::Choice, {}, std::move(choices), std::move(help)};
}
Flag repeatFlag(std::string name, std::string field, std::string help) {
  return Flag{std::move(name), std::move(field), FlagKind::Repeat, {}, {}, std::move(help)};
}

namespace {

// A name's length and first seven letters in one number: names that differ
// there differ in it.
std::uint64_t nameKey(std::string_view name) {
  std::uint64_t key = name.size() & 0xFF;
  for (std::size_t i = 0; i < 7 && i < name.size(); ++i) key |= std::uint64_t(static_cast<unsigned char>(name[i])) << (8 * (i + 1));
  return key;
}

}  // namespace

const Inputs::Slot* Inputs::find(std::string_view name) const {
  // Called for every figure of every batch row.
  const std::uint64_t key = nameKey(name);
  for (const Slot& s : slots_)
    if (s.key == key && s.name.size() == name.size() && (name.size() <= 7 || s.name == name)) return &s;
  return nullptr;
}

std::size_t Inputs::slot(std::string_view name) {
  for (std::size_t i = 0; i < slots_.size(); ++i)
    if (slots_[i].name == name) return i;
  slots_.push_back(Slot{std::string(name), nameKey(name), {}, 0, false});
  return slots_.size() - 1;
}

void Inputs::clearValues() {
  for (Slot& s : slots_) {
    s.texts.clear();
    s.numbered = false;
  }
}

bool Inputs::empty() const {
  for (const Slot& s : slots_)
    if (!s.texts.empty()) return false;
  return true;
}

bool Inputs::has(std::string_view name) const {
  const Slot* s = find(name);
  return s && !s->texts.empty();
}

double Inputs::number(std::string_view name, double fallback) const {
  const Slot* s = find(name);
  return s && s->numbered ? s->value : fallback;
}

std::int16_t Inputs::whole(std::string_view name, std::int16_t fallback) const {
  const Slot* s = find(name);
  return s && s->numbered ? static_cast<std::int16_t>(std::nearbyint(s->value)) : fallback;
}

int Inputs::date(std::string_view name, int fallback) const {
  const Slot* s = find(name);
  return s && s->numbered ? static_cast<int>(s->value) : fallback;
}

std::string Inputs::text(std::string_view name, const std::string& fallback) const {
  const Slot* s = find(name);
  return !s || s->texts.empty() ? fallback : s->texts.back();
}

std::vector<std::string> Inputs::all(std::string_view name) const {
  const Slot* s = find(name);
  return s ? s->texts : std::vector<std::string>{};
}

namespace {

// The words a switch (or a two-way choice such as yes|no or on|off) is
// given by, in any case: the first four turn it on, the others off.
constexpr std::string_view kSwitchWords[] = {"1", "yes", "true", "on", "0", "no", "false", "off"};

std::optional<bool> switchWord(std::string_view text) {
  for (std::size_t i = 0; i < std::size(kSwitchWords); ++i) {
    const std::string_view word = kSwitchWords[i];
    if (text.size() == word.size() && std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == b;
        }))
      return i < 4;
  }
  return std::nullopt;
}

Refusal notASwitch(const Flag& flag, std::string_view text) {
  return Refusal{"Incorrect Value",
                 "--" + flag.name + " takes 1 or 0, yes or no, true or false (any case), not " + quotedText(text),
                 flag.field};
}

// A choice of two words, one on and one off (yes|no, on|off): the choice a
// switch word stands for, or nullptr.
const std::string* twoWayChoice(const Flag& flag, std::string_view text) {
  if (flag.choices.size() != 2) return nullptr;
  const auto first = switchWord(flag.choices[0]), second = switchWord(flag.choices[1]);
  const auto given = switchWord(text);
  if (!first || !second || *first == *second || !given) return nullptr;
  return &flag.choices[*given == *first ? 0 : 1];
}

std::optional<Refusal> checkFlag(const Flag& flag, std::string& text, double& value) {
  switch (flag.kind) {
    case FlagKind::Value:
      return checkText(flag.field, flag.limit, text, value);
    case FlagKind::Choice:
      for (const auto& c : flag.choices)
        if (c == text) return std::nullopt;
      if (const std::string* choice = twoWayChoice(flag, text)) {
        text = *choice;
        return std::nullopt;
      }
      {
        std::string list;
        for (const auto& c : flag.choices) list += (list.empty() ? "" : ", ") + c;
        return Refusal{"Incorrect Value", "--" + flag.name + " takes one of: " + list, flag.field};
      }
    case FlagKind::Switch:
      if (!switchWord(text)) return notASwitch(flag, text);
      return std::nullopt;
    case FlagKind::Repeat:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

InputChecks::InputChecks(const Calculator& calc, const Inputs& inputs) {
  const auto add = [&](const Flag& flag, bool settings) {
    for (std::size_t i = 0; i < inputs.slots_.size(); ++i)
      if (inputs.slots_[i].name == flag.name) steps_.push_back(Step{&flag, i, settings});
  };
  for (const auto& flag : calc.flags) add(flag, false);
  if (calc.usesSettings)
    for (const auto& flag : settingsFlags()) add(flag, true);
}

std::optional<Refusal> InputChecks::run(Inputs& inputs) const {
  for (const Step& step : steps_) {
    Inputs::Slot& slot = inputs.slots_[step.slot];
    const Flag& flag = *step.flag;
    for (auto& text : slot.texts) {
      double value = 0;
      if (auto r = checkFlag(flag, text, value)) return r;
      if (flag.kind == FlagKind::Value && flag.limit.kind != FieldKind::Text) {
        slot.value = value;
        slot.numbered = true;
      }
    }
    // A switch given as off (the last word counts) is a switch not given.
    if (flag.kind == FlagKind::Switch && !slot.texts.empty() && !*switchWord(slot.texts.back())) slot.texts.clear();
  }
  return std::nullopt;
}

bool InputChecks::givesSettings(const Inputs& inputs) const {
  for (const Step& step : steps_)
    if (step.settings && !inputs.slots_[step.slot].texts.empty()) return true;
  return false;
}

std::optional<Refusal> checkInputs(const Calculator& calc, Inputs& inputs) {
  return InputChecks(calc, inputs).run(inputs);
}

const Flag* findFlag(const Calculator& calc, std::string_view name) {
  for (const auto& f : calc.flags)
    if (f.name == name) return &f;
  if (calc.usesSettings)
    for (const auto& f : settingsFlags())
      if (f.name == name) return &f;
  return nullptr;
}

void putWindow(Outcome& out, const Context& ctx, std::string_view name, double value) {
  if (ctx.cells)
    ctx.cells->number(name, value);
  else
    out.window.emplace(name, value);
}

const std::vector<Flag>& settingsFlags() {
  static const std::vector<Flag> flags = [] {
    FieldLimit percent{FieldKind::Amount, 0, 100, 3};
    FieldLimit limit{FieldKind::Amount, 0, 999999, 0};
    FieldLimit rate{FieldKind::Amount, 0, 1, 3};
    return std::vector<Flag>{
        amountFlag("employee-uif", "numEmpEUIF", percent, "employee UIF, percent"),
        amountFlag("employer-uif", "numEmpRUIF", percent, "employer UIF, percent"),
        amountFlag("skills-levy", "numSkillPercent", percent, "skills levy, percent"),
        amountFlag("uif-limit", "numUIFLimit", limit, "UIF monthly limit, rand"),
        amountFlag("travel-inclusion", "optTAIncRate80", rate, "travel allowance inclusion rate (0.8 or 0.2)"),
        amountFlag("employee-rfund-pct", "numPenContPerc", percent, "employee retirement fund, percent"),
        amountFlag("employer-rfund-pct", "numPenPercentage", percent, "employer retirement fund, percent"),
        amountFlag("car-inclusion", "optCompCarFBRate80", rate, "company car inclusion rate (0.8 or 0.2)"),
        choiceFlag("maintenance-plan", "optCompCarMPYes", {"yes", "no"}, "company car maintenance plan"),
    };
  }();
  return flags;
}

void applySettingsFlags(const Inputs& in, SettingsRecord& s) {
  if (in.has("employee-uif")) s.EmployeeUIF = in.number("employee-uif");
  if (in.has("employer-uif")) s.EmployerUIF = in.number("employer-uif");
  if (in.has("skills-levy")) s.SkillLevy = in.number("skills-levy");
  if (in.has("uif-limit")) s.UIFLimit = in.number("uif-limit");
  if (in.has("travel-inclusion")) s.TAIncRate8020 = in.number("travel-inclusion");
  if (in.has("employee-rfund-pct")) s.PensionCont = in.number("employee-rfund-pct");
  if (in.has("employer-rfund-pct")) s.EmployerPenCont = in.number("employer-rfund-pct");
  if (in.has("car-inclusion")) s.CompCarFBRate8020 = in.number("car-inclusion");
  if (in.has("maintenance-plan")) s.CompCarMPYesNo = in.text("maintenance-plan") == "yes";
}

nlohmann::ordered_json valueJson(const FeedValue& value) {
  return std::visit(
      [](const auto& x) -> nlohmann::ordered_json {
        using X = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<X, float>)
          return static_cast<double>(x);
        else
          return x;
      },
      value);
}

nlohmann::ordered_json recordJson(const FeedRecord& record) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const auto& f : record.fields) out[f.name] = valueJson(f.value);
  return out;
}

const std::vector<Calculator>& calculators() {
  static const std::vector<Calculator> list = [] {
    std::vector<Calculator> l;
    addTaxCalculators(l);
    addPayPeriodCalculators(l);
    addEtiCalculators(l);
    addPackageCalculators(l);
    addVehicleCalculators(l);
    addFinanceCalculators(l);
    return l;
  }();
  return list;
}

const Calculator* findCalculator(const std::string& name) {
  for (const auto& c : calculators())
    if (c.name == name) return &c;
  return nullptr;
}

std::optional<Refusal> readDate(const Inputs& in, const std::string& flag, const std::string& field, int earliest,
                                int latest, const std::function<FieldLimit()>& limit, int& day) {
  if (!in.has(flag)) return std::nullopt;
  const std::string text = in.text(flag);
  if (auto parsed = parseDay(text); parsed && *parsed >= earliest && *parsed <= latest) {
    day = *parsed;
    return std::nullopt;
  }
  double unused = 0;
  return checkText(field, limit(), text, unused);
}

std::optional<Refusal> chooseTaxYear(const std::string& text, SessionState& session) {
  if (!session.taxYears) session.loadTaxYears();
  const tax::TaxYearCatalogue& years = *session.taxYears;
  if (text.empty()) {
    // Chosen once for a whole call or batch.
    if (session.TaxYearChosen != 0) return std::nullopt;
    // The year in force; when the file of the year that holds today was
    // refused, its reason rather than last year's figures.
    const int day = today();
    const int holding = tax::TaxYearOfDay(day);
    if (!years.find(holding) && years.refusal(holding)) return tax::RefusedTaxYear(years, holding);
    const tax::TaxYear* inForce = years.inForce(day);
    if (!inForce) return tax::UnknownTaxYear(years);
    session.TaxYearChosen = inForce->year;
    return std::nullopt;
  }
  const std::optional<int> year = tax::ParseTaxYear(text);
  if (year && *year != 0 && session.chooseTaxYear(*year)) return std::nullopt;
  return year ? tax::RefusedTaxYear(years, *year) : tax::UnknownTaxYear(years);
}

}  // namespace quorin::cli
