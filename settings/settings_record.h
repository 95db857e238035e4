// The one row of the Setup table: the payroll settings the user may change.
// Percentages are percent numbers (1 means 1 %); the two inclusion rates are
// fractions (0.8 or 0.2).
#pragma once

#include <cstdint>

namespace quorin {

struct SettingsRecord {
  double PensionCont = 0;
  double EmployerPenCont = 0;
  double EmployeeUIF = 1;
  double EmployerUIF = 1;
  double SkillLevy = 1;
  double ProvCont = 0;
  double EmployerProvCont = 0;
  double UIFLimit = 17712;
  double TAIncRate8020 = 0.8;
  double CompCarFBRate8020 = 0.8;
  bool CompCarMPYesNo = false;
};

// Which fields a window reads and writes.
enum SettingsField : std::uint32_t {
  kPensionCont = 1u << 0,
  kEmployerPenCont = 1u << 1,
  kEmployeeUIF = 1u << 2,
  kEmployerUIF = 1u << 3,
  kSkillLevy = 1u << 4,
  kProvCont = 1u << 5,
  kEmployerProvCont = 1u << 6,
  kUIFLimit = 1u << 7,
  kTAIncRate8020 = 1u << 8,
  kCompCarFBRate8020 = 1u << 9,
  kCompCarMPYesNo = 1u << 10,
};

// The five fields of the pay-period windows, and all eleven for the
// salary package windows.
inline constexpr std::uint32_t kPayPeriodSettings = kEmployeeUIF | kEmployerUIF | kSkillLevy | kUIFLimit | kTAIncRate8020;
inline constexpr std::uint32_t kAllSettings = (1u << 11) - 1;

}  // namespace quorin
