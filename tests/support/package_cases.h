// Building and running a salary package for the core tests: an amount (the
// package, or the take-home required) at an age, calculated with the 2026
// defaults unless other settings are given.
#pragma once

#include <gtest/gtest.h>

#include "package/salary_package.h"

namespace quorin::test {

inline constexpr double kCent = 0.005;

inline PackageInput packageOf(double amount, int age = 40) {
  PackageInput in;
  in.amount = amount;
  in.age = static_cast<std::int16_t>(age);
  return in;
}

inline PackageResult calculated(PackageKind kind, PackageInput& in, const SettingsRecord& s = SettingsRecord{}) {
  PackageResult r;
  auto refusal = CalculatePackage(kind, in, s, r, tax::TaxYear2026());
  EXPECT_FALSE(refusal) << refusal->message;
  return r;
}

}  // namespace quorin::test
