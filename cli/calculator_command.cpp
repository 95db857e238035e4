#include "cli/calculator_command.h"

#include <cmath>

#include "shell/day_number.h"

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

double Inputs::number(const std::string& name, double fallback) const {
  auto it = values_.find(name);
  return it == values_.end() ? fallback : it->second;
}

std::int16_t Inputs::whole(const std::string& name, std::int16_t fallback) const {
  auto it = values_.find(name);
  return it == values_.end() ? fallback : static_cast<std::int16_t>(std::nearbyint(it->second));
}

int Inputs::date(const std::string& name, int fallback) const {
  auto it = values_.find(name);
  return it == values_.end() ? fallback : static_cast<int>(it->second);
}

std::string Inputs::text(const std::string& name, const std::string& fallback) const {
  auto it = raw.find(name);
  return it == raw.end() || it->second.empty() ? fallback : it->second.back();
}

std::vector<std::string> Inputs::all(const std::string& name) const {
  auto it = raw.find(name);
  return it == raw.end() ? std::vector<std::string>{} : it->second;
}

static std::optional<Refusal> checkFlag(const Flag& flag, const std::string& text, double& value) {
  switch (flag.kind) {
    case FlagKind::Value:
      return checkText(flag.field, flag.limit, text, value);
    case FlagKind::Choice:
      for (const auto& c : flag.choices)
        if (c == text) return std::nullopt;
      {
        std::string list;
        for (const auto& c : flag.choices) list += (list.empty() ? "" : ", ") + c;
        return Refusal{"Incorrect Value", "--" + flag.name + " takes one of: " + list, flag.field};
      }
    case FlagKind::Switch:
    case FlagKind::Repeat:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<Refusal> checkInputs(const Calculator& calc, Inputs& inputs) {
  for (const auto& flag : calc.flags) {
    auto it = inputs.raw.find(flag.name);
    if (it == inputs.raw.end()) continue;
    for (const auto& text : it->second) {
      double value = 0;
      if (auto r = checkFlag(flag, text, value)) return r;
      if (flag.kind == FlagKind::Value && flag.limit.kind != FieldKind::Text) inputs.values_[flag.name] = value;
    }
  }
  if (calc.usesSettings)
    for (const auto& flag : settingsFlags()) {
      auto it = inputs.raw.find(flag.name);
      if (it == inputs.raw.end()) continue;
      for (const auto& text : it->second) {
        double value = 0;
        if (auto r = checkFlag(flag, text, value)) return r;
        if (flag.kind == FlagKind::Value) inputs.values_[flag.name] = value;
      }
    }
  return std::nullopt;
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
  const std::optional<int> year = text.empty() ? std::optional<int>(tax::kDefaultTaxYear) : tax::ParseTaxYear(text);
  if (year && session.chooseTaxYear(*year)) return std::nullopt;
  return tax::UnknownTaxYear(*session.taxYears);
}

}  // namespace quorin::cli
