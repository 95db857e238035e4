#include "cli/text_output.h"

#include <algorithm>

#include "common/money.h"
#include "common/working_text.h"

namespace quorin::cli {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

struct Caption {
  std::string_view field;
  const char* caption;
  int decimals = 2;  // as the window shows the field
};

// The windows' captions of the result fields, for the calculators that
// explain their figures. A field the list does not name is shown by its name.
constexpr Caption kPayPeriodCaptions[] = {
    {"numMTAAns", "Taxable travel allowance", 0},
    {"numAllowableRFundDed", "Allowable R/Fund deduction", 0},
    {"numMAns1", "UIF contribution Employee"},
    {"numMAns2", "UIF contribution Employer"},
    {"numMAns3", "S.D.L."},
    {"numMAns", "Tax liability"},
    {"numTaxCredit", "Tax credits for beneficiaries"},
    {"numMTCForContri", "Tax credits for contributions"},
    {"numTaxLiability", "Total tax deduction"},
    {"numAns", "PAYE"},
    };

constexpr Caption kRuravUvoCaptions[] = {
    {"sidbEdit1[0]", "Taxable income   R"},
    {"sidbEdit1[1]", "Age", 0},
    {"sidbEdit1[2]", "Tax on taxable income   R"},
    {"sidbEdit1[3]", "Marginal rate %"},
    {"sidbEdit1[4]", "Portion @ M/Rate R"},
    {"sidbEdit1[5]", "Total tax   R"},
    {"sidbEdit1[6]", "Less rebates   R"},
    {"sidbEdit1[7]", "Tax commitment   R"},
    {"sidbEdit1[8]", "Average rate before rebates %"},
    {"sidbEdit1[9]", "Average rate after rebates %"},
};

constexpr Caption kPackageCaptions[] = {
    {"numMAns", "Tax due"},
    {"numTaxCredit", "Tax credit"},
    {"numTaxDeduct", "Tax deduction"},
    {"numUIFCont", "UIF contribution"},
    {"numCCUIFCont", "UIF contribution (cost to company)"},
    {"numCCSkillLev", "Skills Development Levy"},
    {"numTotCostComp", "Total cost to company R"},
    {"numOnceOff", "Once-off cost of the company car"},
    {"numRFundCont", "Retirement fund contribution"},
    {"numCCRFundCont", "Retirement fund contribution (cost to company)"},
    {"numPMems", "Beneficiaries", 0},
};

constexpr Caption kCarAllowanceCaptions[] = {
    {"silgEdit12", "Period (number of days)", 0},
    {"numDBusKm", "Business distance"},
    {"numDPrivKm", "Private distance"},
    {"numDTotKm", "Total distance Kms."},
    {"numDFixedCost", "Fixed cost R"},
    {"numDFixedPerKm", "Fixed cost cents/km", 4},
    {"numDFuelPerKm", "Fuel costs cents/km", 4},
    {"numDMaintPerKm", "Maintenance costs cents/km", 4},
    {"numDTotalPerKm", "Total costs cents/km", 1},
    {"numDClaim", "Deduction claim R"},
    {"numABusKm", "Business Km's"},
    {"numAPrivKm", "Private Km's"},
    {"numATotKm", "Total Km's"},
    {"numATravelExp", "Travel expenses"},
    {"numAPrivUse", "Less private use"},
    {"numAClaim", "Deduction claim"},
    {"numAClaim2", "Deduction claim"},
};

constexpr Caption kEtiCaptions[] = {
    {"numQualifyingMonth", "Qualifying month", 0},
    {"numPeriod", "Period (1: months 1-12, 2: 13-24)", 0},
    {"numGrossedUp", "Remuneration for 160 hours"},
    {"numFullMonthETI", "ETI for a full month"},
    {"numHoursFactor", "Hours factor (hours / 160)", 4},
    {"numETI", "Employment Tax Incentive"},
    {"numUtilised", "ETI utilised"},
    {"numCarriedForward", "ETI carried forward"},
};

constexpr Caption kCompanyCarCaptions[] = {
    {"numTotAdjustTaxableInc", "Total Adjustment to taxable income"},
    {"numTotAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)"},
};

template <std::size_t N>
const Caption* find(const Caption (&list)[N], std::string_view field) {
  for (const Caption& c : list)
    if (c.field == field) return &c;
  return nullptr;
}

// The caption of a result field of the calculator, or nullptr.
const Caption* captionOf(std::string_view calculator, std::string_view field) {
  static constexpr Caption kTakeHome{"numGrossSal", "Net salary(take-home)"};
  static constexpr Caption kGross{"numGrossSal", "Gross salary"};
  if (calculator == "ruravuvo") return find(kRuravUvoCaptions, field);
  if (calculator == "eti") return find(kEtiCaptions, field);
  if (calculator == "car-allowance") return find(kCarAllowanceCaptions, field);
  if (calculator == "company-car") return find(kCompanyCarCaptions, field);
  if (startsWith(calculator, "velmar-") || startsWith(calculator, "quorin-")) {
    if (field == "numGrossSal") return startsWith(calculator, "quorin-") ? &kGross : &kTakeHome;
    return find(kPackageCaptions, field);
  }
  if (calculator == "monthly" || calculator == "weekly" || calculator == "fortnightly" || calculator == "daily" ||
      calculator == "annual")
    return find(kPayPeriodCaptions, field);
  return nullptr;
}

std::string valueText(const nlohmann::ordered_json& v, int decimals) {
  if (v.is_boolean()) return v.get<bool>() ? "yes" : "no";
  if (v.is_string()) return v.get<std::string>();
  if (v.is_number_integer() || v.is_number_unsigned()) return formatGrouped(v.get<double>(), 0);
  if (v.is_number()) return formatGrouped(v.get<double>(), decimals);
  return v.dump();
}

struct Line {
  std::string caption;
  std::string value;
};

void collect(const std::string& calculator, const std::string& name, const nlohmann::ordered_json& v,
             std::vector<Line>& lines) {
  if (v.is_array()) {
    for (std::size_t i = 0; i < v.size(); ++i)
      collect(calculator, name + "[" + std::to_string(i) + "]", v[i], lines);
    return;
  }
  if (v.is_object()) {
    for (const auto& [key, item] : v.items()) collect(calculator, name + "." + key, item, lines);
    return;
  }
  const Caption* caption = captionOf(calculator, name);
  lines.push_back({caption ? std::string(caption->caption) : name, valueText(v, caption ? caption->decimals : 2)});
}

void printAligned(std::ostream& out, const std::vector<Line>& lines) {
  std::size_t captionWidth = 0, valueWidth = 0;
  for (const Line& l : lines) {
    captionWidth = std::max(captionWidth, l.caption.size());
    valueWidth = std::max(valueWidth, l.value.size());
  }
  for (const Line& l : lines)
    out << "  " << l.caption << std::string(captionWidth - l.caption.size() + 2, ' ')
        << std::string(valueWidth - l.value.size(), ' ') << l.value << "\n";
}

}  // namespace

void printOutcomeText(std::ostream& out, const std::string& calculator, const Outcome& o) {
  out << calculator;
  if (o.taxYear) out << ", tax year " << *o.taxYear;
  out << "\n";
  std::vector<Line> lines;
  for (const auto& [name, v] : o.window.items()) collect(calculator, name, v, lines);
  printAligned(out, lines);
  if (o.working) {
    out << "\n" << workingTitle(0) << "\n";
    for (const std::string& line : workingLines(*o.working, 0)) out << "  " << line << "\n";
  }
}

nlohmann::ordered_json workingJson(const Working& working) {
  nlohmann::ordered_json steps = nlohmann::ordered_json::array();
  for (const WorkingStep& step : working.steps()) {
    nlohmann::ordered_json j;
    j["label"] = step.label;
    if (!step.subject.empty()) j["subject"] = step.subject;
    j["inputs"] = nlohmann::ordered_json::object();
    for (const WorkingFigure& f : step.inputs) j["inputs"][f.name] = f.value;
    j["rule"] = workingRule(step, working.taxYear, 0);
    j["value"] = step.value;
    steps.push_back(std::move(j));
  }
  return steps;
}

}  // namespace quorin::cli
