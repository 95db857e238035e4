// The working of the salary packages: on random packages of all four
// calculators the last step is the result it explains, the shared rules'
// steps recompute from their own figures, the gross found is the first
// whole rand whose take-home exceeds the net, and recording changes no
// figure; an incomplete calculation leaves the working empty; and one
// worked trace per calculator reads as it should.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "common/working_text.h"
#include "package/package_working.h"
#include "package/salary_package.h"
#include "package_cases.h"
#include "working_checks.h"
#include "tax/tax_scale.h"

using namespace quorin;
namespace pw = quorin::package_working;

namespace {

const tax::TaxYear& year() { return tax::TaxYear2026(); }

double fig(const WorkingStep& step, const char* name) { return test::figureOf(step, name); }

bool is(const WorkingStep& step, const char* label) { return std::strcmp(step.label, label) == 0; }

// Every step of a shared rule worked again from the step's own figures
// (tests/support/working_checks.h), the package's retirement fund limit
// among them, and the package's own credit and tax steps.
void expectRulesRecompute(const Working& w, bool annual, int age) {
  test::checkSharedSteps(w, year());
  int scaleSteps = 0;
  for (const WorkingStep& s : w.steps()) {
    if (is(s, tax::kScaleStep)) {
      ++scaleSteps;
    } else if (is(s, tax::kRebateStep)) {
      EXPECT_EQ(fig(s, "age"), age);
    } else if (is(s, tax::kMedicalCreditStep) && !s.figure("first two")) {
      EXPECT_EQ(s.value, 0);  // no medical contribution
    } else if (is(s, pw::kFundLimitStep)) {
      EXPECT_EQ(fig(s, "periods"), annual ? 1 : 12);
      test::checkRetirementStep(s, year());
    } else if (is(s, pw::kTaxCreditStep)) {
      EXPECT_NEAR(s.value, fig(s, "medical scheme fees credit") + fig(s, "additional medical expenses credit"), 1e-9);
    } else if (is(s, pw::kTaxAfterRebateStep)) {
      const double afterRebate = std::max(0.0, fig(s, "tax on the scale") - fig(s, "rebate"));
      EXPECT_NEAR(s.value, afterRebate / (annual ? 1 : 12), 1e-9);
    }
  }
  EXPECT_EQ(scaleSteps, 1);
}

struct RandomPackage {
  PackageInput in;
  SettingsRecord setup;
};

// A realistic package or net required, with the ages where the rebates and
// credits change, medical contributions, travel, a company car, fund
// percentages or typed amounts, other benefits and expenses.
RandomPackage randomPackage(std::mt19937_64& rng, PackageKind kind) {
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto chance = [&](double p) { return uniform(0, 1) < p; };
  auto whole = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const bool annual = isAnnual(kind);
  const double months = annual ? 12 : 1;
  const int ages[] = {30, 65, 75};
  RandomPackage p;
  PackageInput& in = p.in;
  in.age = static_cast<std::int16_t>(chance(0.6) ? ages[whole(0, 2)] : whole(18, 90));
  in.amount = std::round(uniform(4000, 150000) * months * 100) / 100;
  if (chance(0.5)) {
    in.medical = uniform(500, 6000) * months;
    in.beneficiaries = static_cast<std::int16_t>(annual ? whole(1, 72) : whole(1, 6));
  }
  if (chance(0.3)) in.employerMedical = uniform(500, 4000) * months;
  if (chance(0.3)) in.travelAllowance = uniform(0, 0.2) * in.amount;
  if (chance(0.25)) {
    in.carValue = uniform(150000, 900000);
    if (chance(0.5)) in.employerCarCost = uniform(2000, 9000) * months;
  }
  if (chance(0.2)) in.otherFringe = uniform(0, 0.05) * in.amount;
  if (chance(0.2)) in.expenses[0].amount = uniform(0, 0.05) * in.amount;
  if (in.age >= 65 && chance(0.3)) in.medicalDeductions = uniform(0, 2000) * months;
  SettingsRecord& s = p.setup;
  if (chance(0.4)) {
    s.PensionCont = uniform(0, 15);
    s.EmployerPenCont = uniform(0, 12.5);
  } else if (chance(0.4)) {
    in.rfund = uniform(0, 0.15) * in.amount;
    in.employerRFund = uniform(0, 0.1) * in.amount;
  }
  s.CompCarMPYesNo = chance(0.5);
  s.CompCarFBRate8020 = chance(0.7) ? 0.8 : 0.2;
  s.TAIncRate8020 = chance(0.7) ? 0.8 : 0.2;
  return p;
}

bool sameFigures(const PackageResult& a, const PackageResult& b) {
  return a.CarFringeBenefit == b.CarFringeBenefit && a.Rebate == b.Rebate && a.MedicalCredit == b.MedicalCredit &&
         a.AdditionalCredit == b.AdditionalCredit && a.EmployeeRFund == b.EmployeeRFund &&
         a.EmployerRFund == b.EmployerRFund && a.RFundLimit == b.RFundLimit && a.TaxableIncome == b.TaxableIncome &&
         a.TaxDue == b.TaxDue && a.TaxCredit == b.TaxCredit && a.TaxDeduct == b.TaxDeduct &&
         a.EmployeeUIF == b.EmployeeUIF && a.EmployerUIF == b.EmployerUIF && a.SkillsLevy == b.SkillsLevy &&
         a.GrossSal == b.GrossSal && a.TotCostComp == b.TotCostComp && a.Candidate == b.Candidate &&
         a.Warning == b.Warning;
}

class PackageWorkingRandom : public testing::TestWithParam<PackageKind> {};

TEST_P(PackageWorkingRandom, StepsExplainTheResultsAndRecomputeFromTheirFigures) {
  const PackageKind kind = GetParam();
  std::mt19937_64 rng(2026 + static_cast<int>(kind));
  int complete = 0;
  for (int i = 0; i < 300; ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    RandomPackage p = randomPackage(rng, kind);
    PackageInput plainIn = p.in;
    PackageResult plain;
    const bool refused = CalculatePackage(kind, plainIn, p.setup, plain, year()).has_value();

    Working w;
    w.add("left from before", 1);
    PackageResult r;
    ASSERT_EQ(CalculatePackage(kind, p.in, p.setup, r, year(), &w).has_value(), refused);
    if (refused) {
      EXPECT_TRUE(w.empty());
      continue;
    }
    ++complete;
    ASSERT_TRUE(sameFigures(plain, r)) << "recording changed a figure";
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.taxYear, year().year);

    const WorkingStep& last = w.steps().back();
    if (isNetToGross(kind)) {
      EXPECT_STREQ(last.label, pw::kCostToCompanyStep);
      EXPECT_EQ(last.value, r.TotCostComp);
      EXPECT_EQ(w.find(pw::kGrossSalaryStep)->value, r.GrossSal);
      const WorkingStep* found = w.find(pw::kGrossFoundStep);
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found->value, r.Candidate);
      EXPECT_GT(fig(*found, "take-home at this gross salary"), fig(*found, "net required"));
      EXPECT_LE(fig(*found, "take-home at one rand less"), fig(*found, "net required"));
      EXPECT_EQ(fig(*found, "take-home at this gross salary"), w.find(pw::kNetAtGrossStep)->value);
    } else {
      EXPECT_STREQ(last.label, pw::kTakeHomeStep);
      EXPECT_EQ(last.value, r.GrossSal);
      EXPECT_EQ(w.find(pw::kCostToCompanyStep)->value, r.TotCostComp);
    }
    EXPECT_EQ(w.find(pw::kFundLimitStep)->value, r.RFundLimit);
    EXPECT_EQ(w.find(pw::kTaxableIncomeStep)->value, r.TaxableIncome);
    EXPECT_EQ(w.find(pw::kTaxDeductStep)->value, r.TaxDeduct);
    expectRulesRecompute(w, isAnnual(kind), p.in.age);
    if (HasFatalFailure() || HasFailure()) return;
  }
  EXPECT_GT(complete, 250);
}

INSTANTIATE_TEST_SUITE_P(AllFour, PackageWorkingRandom,
                         testing::Values(PackageKind::VelmarMonthly, PackageKind::VelmarAnnual,
                                         PackageKind::QuorinMonthly, PackageKind::QuorinAnnual));

TEST(PackageWorking, AnIncompleteCalculationLeavesTheWorkingEmpty) {
  Working w;
  PackageResult kept;
  PackageInput zero = test::packageOf(0);
  EXPECT_FALSE(CalculatePackage(PackageKind::VelmarMonthly, zero, SettingsRecord{}, kept, year(), &w));
  EXPECT_TRUE(w.empty());

  PackageInput fringe = test::packageOf(4000);  // fringe benefits above the net required: refused
  fringe.travelAllowance = 5000;
  w.add("left from before", 1);
  EXPECT_TRUE(CalculatePackage(PackageKind::QuorinMonthly, fringe, SettingsRecord{}, kept, year(), &w));
  EXPECT_TRUE(w.empty());

  // A net beyond the search's largest gross, refused after the credits were recorded.
  PackageInput unreachable = test::packageOf(1e13);
  EXPECT_TRUE(CalculatePackage(PackageKind::QuorinMonthly, unreachable, SettingsRecord{}, kept, year(), &w));
  EXPECT_TRUE(w.empty());
}

std::string traceOf(PackageKind kind, PackageInput in, const SettingsRecord& s = SettingsRecord{}) {
  Working w;
  PackageResult r;
  EXPECT_FALSE(CalculatePackage(kind, in, s, r, year(), &w));
  std::string text;
  for (const std::string& line : workingLines(w, 0)) text += line + "\n";
  return text;
}

// Package of 30 000 a month at 40 with 15 % and 15 % to the funds: the
// contributions within the limit, the take-home after both.
TEST(PackageWorking, VelmarMonthlyTrace) {
  SettingsRecord s;
  s.PensionCont = 15;
  s.EmployerPenCont = 15;
  EXPECT_EQ(traceOf(PackageKind::VelmarMonthly, test::packageOf(30000), s), R"(Taxable travel allowance                          0.00
    travel allowance 0.00
    0.8 of the allowance
Company car fringe benefit                        0.00
    car value 0.00
    car value x 3.5 % a month of 2026 x inclusion 0.8
Rebate by age                                17 235.00
    age 40
    under 65: primary 17 235 of 2026
Medical scheme fees credit                        0.00
    beneficiaries 0
    only with a medical scheme contribution
Additional medical expenses credit                0.00
    age 40
    only from age 65, with a medical scheme fees credit
Tax credit                                        0.00
    medical scheme fees credit 0.00, additional medical expenses credit 0.00
    medical scheme fees credit + additional credit
Employee's retirement fund                    4 500.00
    package 30 000.00
    15 % of the package
Employer's retirement fund                    4 500.00
    package 30 000.00
    15 % of the package
Remuneration for the retirement fund limit   34 500.00
    package 30 000.00, employer's retirement fund 4 500.00
    package + employer's medical contribution + taxable travel allowance + employer's retirement fund
Retirement fund limit                         9 000.00
    contributions 9 000.00, remuneration 34 500.00
    the contributions: within 27.5 % of the remuneration (9 487.50) and the cap 350 000 a year / 12
Annual taxable income                       252 000.00
    package 30 000.00, retirement fund limit 9 000.00
    (package - travel allowance + taxable travel allowance + car fringe benefit - retirement fund limit) x 12, not below 0
Tax on the scale                             46 552.00
    taxable income 252 000.00
    bracket 237 101 - 370 500 of 2026: 42 678 + 26 % above 237 100
Tax after the rebate                          2 443.08
    tax on the scale 46 552.00, rebate 17 235.00
    (tax on the scale - rebate, not below 0) / 12
UIF remuneration                             30 000.00
    package 30 000.00
    package - travel allowance + taxable travel allowance + car fringe benefit
UIF ceiling                                  17 712.00
    17 712.00 a month
Employee's UIF                                  177.12
    UIF remuneration 30 000.00
    1 % of the ceiling 17 712.00
Employer's UIF                                  177.12
    UIF remuneration 30 000.00
    1 % of the ceiling 17 712.00
Skills development levy                         210.00
    UIF remuneration 30 000.00, retirement fund limit 9 000.00
    1 % of (UIF remuneration - retirement fund limit), no ceiling
Tax to deduct                                 2 443.08
    tax after the rebate 2 443.08
    tax after the rebate less the tax credit, not below 0
Cost to company                              30 387.12
    package 30 000.00, employer's UIF 177.12, skills development levy 210.00
    package + employer's UIF + skills development levy + company car's cost; the employer's contributions are inside the package
Take-home pay                                18 379.80
    package 30 000.00, employee's retirement fund 4 500.00, employee's UIF 177.12, tax to deduct 2 443.08, employer's retirement fund 4 500.00
    the package less every part paid out of it
)");
}

// Package of 360 000 a year with 36 beneficiary-months and a car of 100 000.
TEST(PackageWorking, VelmarAnnualTrace) {
  PackageInput in = test::packageOf(360000);
  in.medical = 36000;
  in.beneficiaries = 36;
  in.carValue = 100000;
  EXPECT_EQ(traceOf(PackageKind::VelmarAnnual, in), R"(Taxable travel allowance                          0.00
    travel allowance 0.00
    0.8 of the allowance
Company car fringe benefit                   33 600.00
    car value 100 000.00
    car value x 3.5 % a month of 2026 x inclusion 0.8 x 12
Rebate by age                                17 235.00
    age 40
    under 65: primary 17 235 of 2026
Medical scheme fees credit                   11 688.00
    beneficiary-months 36
    364 for each of the first 24 beneficiary-months and 246 for each further one, of 2026
Additional medical expenses credit                0.00
    age 40, employee's medical contribution 36 000.00, medical scheme fees credit 11 688.00
    only from age 65, with a medical scheme fees credit
Tax credit                                   11 688.00
    medical scheme fees credit 11 688.00
    medical scheme fees credit + additional credit
Employee's retirement fund                        0.00
    the amount typed, no percentage set
Employer's retirement fund                        0.00
    the amount typed, no percentage set
Remuneration for the retirement fund limit  360 000.00
    package 360 000.00
    package + employer's medical contribution + taxable travel allowance + employer's retirement fund
Retirement fund limit                             0.00
    remuneration 360 000.00
    the contributions: within 27.5 % of the remuneration (99 000.00) and the cap 350 000 a year
Annual taxable income                       393 600.00
    package 360 000.00, car fringe benefit 33 600.00
    package - travel allowance + taxable travel allowance + car fringe benefit - retirement fund limit, not below 0
Tax on the scale                             84 523.00
    taxable income 393 600.00
    bracket 370 501 - 512 800 of 2026: 77 362 + 31 % above 370 500
Tax after the rebate                         67 288.00
    tax on the scale 84 523.00, rebate 17 235.00
    tax on the scale - rebate, not below 0
UIF remuneration                            393 600.00
    package 360 000.00, car fringe benefit 33 600.00
    package - travel allowance + taxable travel allowance + car fringe benefit
UIF ceiling                                 212 544.00
    17 712.00 a month x 12
Employee's UIF                                2 125.44
    UIF remuneration 393 600.00
    1 % of the ceiling 212 544.00
Employer's UIF                                2 125.44
    UIF remuneration 393 600.00
    1 % of the ceiling 212 544.00
Skills development levy                       3 936.00
    UIF remuneration 393 600.00
    1 % of (UIF remuneration - retirement fund limit), no ceiling
Tax to deduct                                55 600.00
    tax after the rebate 67 288.00, tax credit 11 688.00
    tax after the rebate less the tax credit, not below 0
Cost to company                             366 061.44
    package 360 000.00, employer's UIF 2 125.44, skills development levy 3 936.00
    package + employer's UIF + skills development levy + company car's cost; the employer's contributions are inside the package
Take-home pay                               266 274.56
    package 360 000.00, employee's medical contribution 36 000.00, employee's UIF 2 125.44, tax to deduct 55 600.00
    the package less every part paid out of it
)");
}

// Net of 30 000 a month at 70 with two beneficiaries: both credits, the
// gross found and the one before it.
TEST(PackageWorking, QuorinMonthlyTrace) {
  PackageInput in = test::packageOf(30000, 70);
  in.medical = 3000;
  in.beneficiaries = 2;
  EXPECT_EQ(traceOf(PackageKind::QuorinMonthly, in), R"(Taxable travel allowance                          0.00
    travel allowance 0.00
    0.8 of the allowance
Company car fringe benefit                        0.00
    car value 0.00
    car value x 3.5 % a month of 2026 x inclusion 0.8
Rebate by age                                26 679.00
    age 70
    from age 65: primary 17 235 + secondary 9 444 of 2026
Medical scheme fees credit                      728.00
    beneficiaries 2
    364 a month for each of the first two beneficiaries of 2026
Additional medical expenses credit              271.73
    age 70, employee's medical contribution 3 000.00, medical scheme fees credit 728.00
    from age 65: (contributions - 3 x the credit) x 0.333, not below 0
Tax credit                                      999.73
    medical scheme fees credit 728.00, additional medical expenses credit 271.73
    medical scheme fees credit + additional credit
UIF ceiling                                  17 712.00
    17 712.00 a month
Retirement fund base                         38 884.27
    gross salary 36 884.00, employee's medical contribution 3 000.00, tax credit 999.73
    gross salary + employee's and employer's medical contributions - tax credit
Employee's retirement fund                        0.00
    the amount typed, no percentage set
Employer's retirement fund                        0.00
    the amount typed, no percentage set
Annual taxable income                       466 611.26
    gross salary 36 884.00, employee's medical contribution 3 000.00, tax credit 999.73
    (gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + other expenses + both medical contributions - employee's retirement fund - medical deductions - tax credit) x 12, not below 0
Tax on the scale                            107 156.49
    taxable income 466 611.26
    bracket 370 501 - 512 800 of 2026: 77 362 + 31 % above 370 500
Tax after the rebate                          6 706.46
    tax on the scale 107 156.49, rebate 26 679.00
    (tax on the scale - rebate, not below 0) / 12
UIF remuneration                             35 884.27
    gross salary 36 884.00, tax credit 999.73
    gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + other expenses + employer's medical contribution + employer's retirement fund - tax credit
Employee's UIF                                  177.12
    UIF remuneration 35 884.27
    1 % of the ceiling 17 712.00
Employer's UIF                                  177.12
    UIF remuneration 35 884.27
    1 % of the ceiling 17 712.00
Skills development levy                         358.84
    UIF remuneration 35 884.27
    1 % of (UIF remuneration - both retirement fund contributions), no ceiling
Take-home at this gross salary               30 000.42
    gross salary 36 884.00, tax after the rebate 6 706.46, employee's UIF 177.12, tax credit 999.73
    gross salary + travel allowance - employee's retirement fund - medical deductions - tax after the rebate - employee's UIF; a tax credit not above the tax changes nothing
Gross salary found                           36 884.00
    net required 30 000.00, take-home at this gross salary 30 000.42, take-home at one rand less 29 999.73
    the first whole-rand gross salary whose take-home exceeds the net required
Remuneration for the retirement fund limit   39 884.00
    gross salary 36 884.00, employee's medical contribution 3 000.00
    gross salary + employer's and employee's medical contributions + taxable travel allowance + employer's retirement fund
Retirement fund limit                             0.00
    remuneration 39 884.00
    the contributions: within 27.5 % of the remuneration (10 968.10) and the cap 350 000 a year / 12
Tax to deduct                                 5 706.73
    tax after the rebate 6 706.46, tax credit 999.73
    tax after the rebate less the tax credit, not below 0
Gross salary                                 38 883.85
    net required 30 000.00, employee's UIF 177.12, tax to deduct 5 706.73, employee's medical contribution 3 000.00
    the net required and every part paid out of the gross
Cost to company                              39 419.81
    gross salary 38 883.85, employer's UIF 177.12, skills development levy 358.84
    gross salary + every part the employer pays beside it
)");
}

// Net of 300 000 a year: the annual UIF ceiling and no months.
TEST(PackageWorking, QuorinAnnualTrace) {
  EXPECT_EQ(traceOf(PackageKind::QuorinAnnual, test::packageOf(300000)), R"(Taxable travel allowance                          0.00
    travel allowance 0.00
    0.8 of the allowance
Company car fringe benefit                        0.00
    car value 0.00
    car value x 3.5 % a month of 2026 x inclusion 0.8 x 12
Rebate by age                                17 235.00
    age 40
    under 65: primary 17 235 of 2026
Medical scheme fees credit                        0.00
    beneficiary-months 0
    only with a medical scheme contribution
Additional medical expenses credit                0.00
    age 40
    only from age 65, with a medical scheme fees credit
Tax credit                                        0.00
    medical scheme fees credit 0.00, additional medical expenses credit 0.00
    medical scheme fees credit + additional credit
UIF ceiling                                 212 544.00
    17 712.00 a month x 12
Retirement fund base                        359 355.00
    gross salary 359 355.00
    gross salary + employee's and employer's medical contributions - tax credit
Employee's retirement fund                        0.00
    the amount typed, no percentage set
Employer's retirement fund                        0.00
    the amount typed, no percentage set
Annual taxable income                       359 355.00
    gross salary 359 355.00
    gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + other expenses + both medical contributions - employee's retirement fund - medical deductions - tax credit, not below 0
Tax on the scale                             74 464.30
    taxable income 359 355.00
    bracket 237 101 - 370 500 of 2026: 42 678 + 26 % above 237 100
Tax after the rebate                         57 229.30
    tax on the scale 74 464.30, rebate 17 235.00
    tax on the scale - rebate, not below 0
UIF remuneration                            359 355.00
    gross salary 359 355.00
    gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + other expenses + employer's medical contribution + employer's retirement fund - tax credit
Employee's UIF                                2 125.44
    UIF remuneration 359 355.00
    1 % of the ceiling 212 544.00
Employer's UIF                                2 125.44
    UIF remuneration 359 355.00
    1 % of the ceiling 212 544.00
Skills development levy                       3 593.55
    UIF remuneration 359 355.00
    1 % of (UIF remuneration - both retirement fund contributions), no ceiling
Take-home at this gross salary              300 000.26
    gross salary 359 355.00, tax after the rebate 57 229.30, employee's UIF 2 125.44
    gross salary + travel allowance - employee's retirement fund - medical deductions - tax after the rebate - employee's UIF; a tax credit not above the tax changes nothing
Gross salary found                          359 355.00
    net required 300 000.00, take-home at this gross salary 300 000.26, take-home at one rand less 299 999.52
    the first whole-rand gross salary whose take-home exceeds the net required
Remuneration for the retirement fund limit  359 355.00
    gross salary 359 355.00
    gross salary + employer's and employee's medical contributions + taxable travel allowance + employer's retirement fund
Retirement fund limit                             0.00
    remuneration 359 355.00
    the contributions: within 27.5 % of the remuneration (98 822.63) and the cap 350 000 a year
Tax to deduct                                57 229.30
    tax after the rebate 57 229.30
    tax after the rebate less the tax credit, not below 0
Gross salary                                359 354.74
    net required 300 000.00, employee's UIF 2 125.44, tax to deduct 57 229.30
    the net required and every part paid out of the gross
Cost to company                             365 073.73
    gross salary 359 354.74, employer's UIF 2 125.44, skills development levy 3 593.55
    gross salary + every part the employer pays beside it
)");
}

}  // namespace
