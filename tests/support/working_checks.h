// Checks that the shared steps of a working recompute from their own
// stated inputs and rule figures: the scale (the bracket is the year's and
// holds the income), the rebate by age, the monthly and annual medical
// scheme fees credits, the additional credit and the retirement fund limit.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "common/working.h"
#include "tax/tax_scale.h"

namespace quorin::test {

inline double figureOf(const WorkingStep& step, const char* name) {
  const WorkingFigure* f = step.figure(name);
  EXPECT_TRUE(f) << step.label << " states no " << name;
  return f ? f->value : 0;
}

inline bool labelled(const WorkingStep& step, const char* prefix) {
  return std::strncmp(step.label, prefix, std::strlen(prefix)) == 0;
}

// Within a cent's thousandth: the step shows the very value computed.
inline void expectSame(double expected, double actual, const WorkingStep& step) {
  EXPECT_NEAR(expected, actual, 1e-6 * std::max(1.0, std::fabs(expected))) << step.label << " " << step.subject;
}

inline void checkScaleStep(const WorkingStep& s, const tax::TaxYear& year) {
  const double income = figureOf(s, "taxable income"), above = figureOf(s, "above");
  const double base = figureOf(s, "base tax"), rate = figureOf(s, "rate");
  expectSame(base + (income - above) * rate / 100, s.value, s);
  const auto b = std::find_if(year.scale.begin(), year.scale.end(), [&](const auto& b) { return b.floor == above; });
  ASSERT_NE(b, year.scale.end()) << "no bracket of " << year.year << " starts at " << above;
  EXPECT_EQ(b->baseTax, base);
  EXPECT_EQ(b->rate, rate);
  if (b != year.scale.begin()) {
    EXPECT_GT(income, above);
  }
  if (b + 1 != year.scale.end()) {
    EXPECT_LE(income, b->ceiling);
  }
}

inline void checkRebateStep(const WorkingStep& s, const tax::TaxYear& year) {
  const int age = static_cast<int>(figureOf(s, "age"));
  EXPECT_EQ(figureOf(s, "primary"), year.primaryRebate);
  EXPECT_EQ(figureOf(s, "secondary"), age >= 65 ? year.secondaryRebate : 0);
  EXPECT_EQ(figureOf(s, "tertiary"), age >= 75 ? year.tertiaryRebate : 0);
  expectSame(figureOf(s, "primary") + figureOf(s, "secondary") + figureOf(s, "tertiary"), s.value, s);
}

// The credit of n beneficiaries (monthly) or beneficiary-months (annual),
// before any share of it for a week, fortnight or day.
inline double creditOf(double n, double first, double further, double forTwo) {
  return n <= forTwo ? n * first : forTwo * first + (n - forTwo) * further;
}

// periodShare: 1 monthly, 1/4 weekly, 1/2 fortnightly, 12/260 daily.
inline void checkCreditStep(const WorkingStep& s, const tax::TaxYear& year, double periodShare) {
  if (!s.figure("first two")) return;  // no medical aid: the step says so
  EXPECT_EQ(figureOf(s, "first two"), year.medicalCreditFirstTwo);
  EXPECT_EQ(figureOf(s, "further"), year.medicalCreditFurther);
  if (s.figure("beneficiary-months")) {
    expectSame(creditOf(figureOf(s, "beneficiary-months"), year.medicalCreditFirstTwo, year.medicalCreditFurther, 24),
               s.value, s);
  } else if (s.figure("beneficiaries")) {
    expectSame(creditOf(figureOf(s, "beneficiaries"), year.medicalCreditFirstTwo, year.medicalCreditFurther, 2) *
                   periodShare,
               s.value, s);
  } else {  // month by month: each month's count of beneficiaries
    double sum = 0;
    for (const WorkingFigure& f : s.inputs)
      sum += creditOf(f.value, year.medicalCreditFirstTwo, year.medicalCreditFurther, 2);
    expectSame(sum, s.value, s);
  }
}

inline void checkAdditionalCreditStep(const WorkingStep& s) {
  const double credit = figureOf(s, "medical scheme fees credit");
  const double employee = figureOf(s, "employee's medical contribution");
  const double employer = figureOf(s, "employer's medical contribution");
  const double paid = employee + employer;
  const bool applies = figureOf(s, "age") >= 65 && credit > 0 && (employee > 0 || employer > 0);
  expectSame(applies ? std::max(0.0, (paid - figureOf(s, "multiple") * credit) * figureOf(s, "factor")) : 0, s.value,
             s);
}

inline void checkRetirementStep(const WorkingStep& s, const tax::TaxYear& year) {
  EXPECT_EQ(figureOf(s, "percent"), year.retirementFundPercent);
  EXPECT_EQ(figureOf(s, "cap"), year.retirementFundCap);
  const double share = figureOf(s, "remuneration") * figureOf(s, "percent") / 100;
  expectSame(std::min({figureOf(s, "contributions"), share, figureOf(s, "cap") / figureOf(s, "periods")}), s.value, s);
}

// Every shared step of the working, by its label.
inline void checkSharedSteps(const Working& w, const tax::TaxYear& year, double creditShare = 1) {
  EXPECT_EQ(w.taxYear, year.year);
  for (const WorkingStep& s : w.steps()) {
    if (labelled(s, tax::kScaleStep)) checkScaleStep(s, year);
    if (labelled(s, tax::kRebateStep) && s.figure("tertiary")) checkRebateStep(s, year);
    if (labelled(s, tax::kMedicalCreditStep)) checkCreditStep(s, year, creditShare);
    if (labelled(s, tax::kAdditionalCreditStep)) checkAdditionalCreditStep(s);
    if (labelled(s, tax::kRetirementDeductionStep)) checkRetirementStep(s, year);
  }
}

}  // namespace quorin::test
