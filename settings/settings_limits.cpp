#include "settings/settings_limits.h"

#include <cmath>
#include <iterator>

#include "common/money.h"

namespace quorin {

namespace {

constexpr FieldLimit kPercent{FieldKind::Amount, 0, 100, 3};
constexpr FieldLimit kRand{FieldKind::Amount, 0, 999999, 0};
constexpr FieldLimit kFraction{FieldKind::Amount, 0, 1, 3};

const SettingLimit kLimits[] = {
    {"PensionCont", kPensionCont, kPercent},
    {"EmployerPenCont", kEmployerPenCont, kPercent},
    {"EmployeeUIF", kEmployeeUIF, kPercent},
    {"EmployerUIF", kEmployerUIF, kPercent},
    {"SkillLevy", kSkillLevy, kPercent},
    {"ProvCont", kProvCont, kPercent},
    {"EmployerProvCont", kEmployerProvCont, kPercent},
    {"UIFLimit", kUIFLimit, kRand},
    {"TAIncRate8020", kTAIncRate8020, kFraction},
    {"CompCarFBRate8020", kCompCarFBRate8020, kFraction},
};

double valueOf(const SettingsRecord& r, std::uint32_t bit) {
  switch (bit) {
    case kPensionCont: return r.PensionCont;
    case kEmployerPenCont: return r.EmployerPenCont;
    case kEmployeeUIF: return r.EmployeeUIF;
    case kEmployerUIF: return r.EmployerUIF;
    case kSkillLevy: return r.SkillLevy;
    case kProvCont: return r.ProvCont;
    case kEmployerProvCont: return r.EmployerProvCont;
    case kUIFLimit: return r.UIFLimit;
    case kTAIncRate8020: return r.TAIncRate8020;
    case kCompCarFBRate8020: return r.CompCarFBRate8020;
    default: return 0;
  }
}

}  // namespace

const SettingLimit* settingLimits(std::size_t& count) {
  count = std::size(kLimits);
  return kLimits;
}

std::optional<Refusal> checkSettings(const SettingsRecord& record) {
  for (const SettingLimit& s : kLimits) {
    const double v = valueOf(record, s.bit);
    if (!checkLimit(s.column, s.limit, v)) continue;
    const std::string what = std::isnan(v) ? std::string("is not a number")
                                           : "is " + formatShortest(v) + ", outside its limits (" +
                                                 defaultLimitMessage(s.limit) + ")";
    return Refusal{"Settings",
                   std::string("The setting ") + s.column + " in Settings.db " + what +
                       ". No figure is worked out from it: correct it in the Settings frame of a tax calculator "
                       "(or with quorin-cli settings) and calculate again.",
                   s.column};
  }
  return std::nullopt;
}

}  // namespace quorin
