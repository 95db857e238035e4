// The year files the package ships (tax-years/), read once for the tests,
// and the payroll settings the worked pay-period examples use.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "settings/settings_record.h"
#include "tax/tax_year_file.h"

namespace quorin::test {

inline const tax::TaxYearCatalogue& shippedYears() {
  static const tax::TaxYearCatalogue catalogue =
      tax::LoadTaxYears((std::filesystem::path(QUORIN_SOURCE_DIR) / "tax-years").string());
  return catalogue;
}

inline const tax::TaxYear& shippedYear(int year) {
  const tax::TaxYear* found = shippedYears().find(year);
  if (!found) throw std::runtime_error(std::to_string(year) + " not offered");
  return *found;
}

// UIF 1 % each, skills levy 1 %, monthly ceiling 17 712, inclusion 80 %.
inline SettingsRecord standardPaySetup() {
  SettingsRecord s;
  s.EmployeeUIF = 1;
  s.EmployerUIF = 1;
  s.SkillLevy = 1;
  s.UIFLimit = 17712;
  s.TAIncRate8020 = 0.8;
  return s;
}

}  // namespace quorin::test
