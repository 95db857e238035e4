// Salary packages from the package to the take-home: the worked figures of
// both periods, the contributions limit and its warning, the credits from
// 65 on, the once-off car note, a package of 0, and the R/A explanation.
#include <gtest/gtest.h>

#include "package/salary_package.h"
#include "package_cases.h"

using namespace quorin;

namespace {

using test::kCent;

// UIF monthly limit 17 712, 1 % employee and employer UIF and skills levy,
// inclusion rates 0.8, no maintenance plan, no fund percentages.
SettingsRecord standardSetup() { return SettingsRecord{}; }

PackageInput package(double amount, int age = 40) { return test::packageOf(amount, age); }

PackageResult calc(PackageKind kind, PackageInput& in, const SettingsRecord& s = standardSetup()) {
  return test::calculated(kind, in, s);
}

TEST(GrossToNet, MonthlyPackageOfThirtyThousand) {
  PackageInput in = package(30000);
  PackageResult r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_EQ(r.TaxableIncome, 360000);
  EXPECT_NEAR(r.TaxDue, 4783.08, kCent);
  EXPECT_NEAR(r.EmployeeUIF, 177.12, 1e-9);
  EXPECT_NEAR(r.EmployerUIF, 177.12, 1e-9);
  EXPECT_NEAR(r.SkillsLevy, 300, 1e-9);
  EXPECT_NEAR(r.GrossSal, 25039.80, kCent);
  EXPECT_NEAR(r.TotCostComp, 30477.12, kCent);
  EXPECT_FALSE(r.Warning);
  EXPECT_FALSE(r.OnceOffNote);
  EXPECT_FALSE(r.CalcIncomplete);
}

TEST(GrossToNet, CompanyCarWithoutMonthlyCostShowsTheOnceOffNote) {
  PackageInput in = package(30000);
  in.carValue = 300000;
  PackageResult r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_NEAR(r.CarFringeBenefit, 8400, 1e-9);
  EXPECT_NEAR(r.TaxableIncome, 460800, 1e-6);
  EXPECT_NEAR(r.TaxDue, 7343.33, kCent);
  EXPECT_NEAR(r.SkillsLevy, 384, 1e-9);
  EXPECT_NEAR(r.GrossSal, 22479.55, kCent);
  EXPECT_NEAR(r.TotCostComp, 30561.12, kCent);
  EXPECT_TRUE(r.OnceOffNote);
  EXPECT_EQ(r.OnceOff, 300000);

  in.employerCarCost = 4000;
  r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_FALSE(r.OnceOffNote);
  EXPECT_EQ(r.OnceOff, 0);
  EXPECT_NEAR(r.TotCostComp, 30561.12 + 4000, kCent);

  // With a maintenance plan and the 20 % rate the benefit is 3.25 % x 0.2.
  SettingsRecord s = standardSetup();
  s.CompCarMPYesNo = true;
  s.CompCarFBRate8020 = 0.2;
  r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_NEAR(r.CarFringeBenefit, 300000 * 0.0325 * 0.2, 1e-9);
}

// The employer's contribution is paid out of the package, so the cost to
// company does not add it a second time.
TEST(GrossToNet, FundPercentagesWithinTheLimitAndTheCostCountedOnce) {
  SettingsRecord s = standardSetup();
  s.PensionCont = 15;
  s.EmployerPenCont = 15;
  PackageInput in = package(30000);
  PackageResult r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_EQ(r.EmployeeRFund, 4500);
  EXPECT_EQ(r.EmployerRFund, 4500);
  EXPECT_EQ(in.rfund, 4500);  // filled into the window's fields
  EXPECT_EQ(in.employerRFund, 4500);
  EXPECT_EQ(r.RFundLimit, 9000);  // B = 34 500 x 0.275 = 9 487.5 is above the contributions
  EXPECT_EQ(r.TaxableIncome, 252000);
  EXPECT_NEAR(r.TaxDue, 2443.08, kCent);
  EXPECT_NEAR(r.GrossSal, 18379.80, kCent);
  EXPECT_NEAR(r.TotCostComp, 30387.12, kCent);
  EXPECT_FALSE(r.Warning);
  EXPECT_TRUE(r.printEnabled());

  // Typed amounts: with no employer contribution B is 30 000 x 0.275 = 8 250,
  // and a contribution of exactly B is still allowed.
  s.PensionCont = s.EmployerPenCont = 0;
  in = package(30000);
  in.rfund = 8250;
  r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_EQ(r.RFundLimit, 8250);
  EXPECT_FALSE(r.Warning);
  in.rfund = 8250.01;
  r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_EQ(r.RFundLimit, 8250);
  EXPECT_TRUE(r.Warning);

  s.PensionCont = s.EmployerPenCont = 20;
  in = package(30000);
  r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_EQ(r.EmployeeRFund + r.EmployerRFund, 12000);
  EXPECT_NEAR(r.RFundLimit, 9900, 1e-9);  // 36 000 x 0.275, deducted although the warning shows
  EXPECT_NEAR(r.TaxableIncome, (30000 - 9900) * 12.0, 1e-6);
  EXPECT_TRUE(r.Warning);
  EXPECT_FALSE(r.printEnabled());
}

TEST(GrossToNet, TheFundDeductionIsCappedPerPeriod) {
  PackageInput in = package(200000);
  in.rfund = 40000;
  PackageResult r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_NEAR(r.RFundLimit, 350000.0 / 12, 1e-9);
  in = package(2400000);
  in.rfund = 480000;
  r = calc(PackageKind::VelmarAnnual, in);
  EXPECT_EQ(r.RFundLimit, 350000);
}

TEST(GrossToNet, CreditsFromSixtyFive) {
  PackageInput in = package(50000, 70);
  in.medical = 4000;
  in.beneficiaries = 2;
  PackageResult r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_EQ(r.MedicalCredit, 728);
  EXPECT_NEAR(r.AdditionalCredit, 604.728, 1e-9);
  EXPECT_NEAR(r.TaxDue, 10515.67, kCent);
  EXPECT_NEAR(r.TaxCredit, 1332.728, 1e-9);
  EXPECT_NEAR(r.TaxDeduct, 9182.94, kCent);
  EXPECT_NEAR(r.GrossSal, 36639.94, kCent);

  in = package(50000, 64);
  in.medical = 4000;
  in.beneficiaries = 2;
  in.medicalDeductions = 900;  // only counts from 65 on: cleared
  r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_EQ(r.Rebate, 17235);
  EXPECT_EQ(r.AdditionalCredit, 0);
  EXPECT_EQ(in.medicalDeductions, 0);
  EXPECT_NEAR(r.TaxDue, 11302.67, kCent);
  EXPECT_NEAR(r.TaxDeduct, 10574.67, kCent);
  EXPECT_NEAR(r.GrossSal, 35248.21, kCent);

  // Beneficiaries without any medical contribution: cleared, no credit.
  in = package(50000);
  in.beneficiaries = 3;
  r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_EQ(in.beneficiaries, 0);
  EXPECT_EQ(r.MedicalCredit, 0);
  EXPECT_EQ(r.TaxCredit, 0);
}

TEST(GrossToNet, AnnualPackage) {
  PackageInput in = package(360000);
  PackageResult r = calc(PackageKind::VelmarAnnual, in);
  EXPECT_NEAR(r.TaxDue, 57397, 1e-9);
  EXPECT_NEAR(r.EmployeeUIF, 2125.44, 1e-9);  // limit 212 544
  EXPECT_NEAR(r.EmployerUIF, 2125.44, 1e-9);
  EXPECT_NEAR(r.SkillsLevy, 3600, 1e-9);
  EXPECT_NEAR(r.GrossSal, 300477.56, kCent);

  // Annual beneficiary-months: 24 at 364, then 246 each; the car benefit x 12.
  in = package(360000);
  in.medical = 36000;
  in.beneficiaries = 36;
  in.carValue = 100000;
  r = calc(PackageKind::VelmarAnnual, in);
  EXPECT_EQ(r.MedicalCredit, 8736 + 12 * 246);
  EXPECT_NEAR(r.CarFringeBenefit, 100000 * 0.035 * 0.8 * 12, 1e-9);
}

// The other expenses come out of the take-home in both periods.
TEST(GrossToNet, OtherExpensesReduceTheTakeHomeMonthlyAndAnnual) {
  for (PackageKind kind : {PackageKind::VelmarMonthly, PackageKind::VelmarAnnual}) {
    PackageInput plain = package(isAnnual(kind) ? 360000 : 30000);
    PackageResult base = calc(kind, plain);
    PackageInput in = plain;
    in.expenses[0] = {"Gym", 500, 500};
    in.expenses[2] = {"Phone", 200, 150};
    PackageResult r = calc(kind, in);
    EXPECT_NEAR(r.GrossSal, base.GrossSal - 700, 1e-9);
    EXPECT_EQ(r.TaxDue, base.TaxDue);  // not in the taxable income
    EXPECT_EQ(r.TotCostComp, base.TotCostComp);
  }
}

// A package of 0 calculates nothing: every result field keeps the last
// complete calculation (zero in a new window), the once-off note goes.
TEST(GrossToNet, PackageOfZeroKeepsTheLastResults) {
  PackageResult kept;
  PackageInput in = package(0);
  in.medical = 1500;
  EXPECT_FALSE(CalculatePackage(PackageKind::VelmarMonthly, in, standardSetup(), kept, tax::TaxYear2026()));
  EXPECT_TRUE(kept.CalcIncomplete);
  EXPECT_EQ(kept.GrossSal, 0);  // not -1 500 rebuilt from the inputs
  EXPECT_EQ(kept.TotCostComp, 0);

  in = package(30000);
  in.carValue = 300000;
  EXPECT_FALSE(CalculatePackage(PackageKind::VelmarMonthly, in, standardSetup(), kept, tax::TaxYear2026()));
  ASSERT_TRUE(kept.OnceOffNote);
  in.amount = 0;
  in.medical = 1500;
  EXPECT_FALSE(CalculatePackage(PackageKind::VelmarMonthly, in, standardSetup(), kept, tax::TaxYear2026()));
  EXPECT_TRUE(kept.CalcIncomplete);
  EXPECT_NEAR(kept.GrossSal, 22479.55, kCent);
  EXPECT_NEAR(kept.TotCostComp, 30561.12, kCent);
  EXPECT_NEAR(kept.TaxDue, 7343.33, kCent);
  EXPECT_FALSE(kept.OnceOffNote);
  EXPECT_EQ(kept.OnceOff, 0);
}

TEST(GrossToNet, NegativeTaxableIncomeAndCreditsAboveTaxEndAtZero) {
  PackageInput in = package(3000, 70);
  in.travelAllowance = 20000;  // package minus 20 % of the allowance is negative
  in.medical = 4000;
  in.beneficiaries = 4;
  PackageResult r = calc(PackageKind::VelmarMonthly, in);
  EXPECT_EQ(r.TaxableIncome, 0);
  EXPECT_EQ(r.TaxDue, 0);
  EXPECT_EQ(r.TaxDeduct, 0);
  EXPECT_LT(r.GrossSal, 0);  // shown as it is
}

TEST(RAExplanation, WorkedLines) {
  SettingsRecord s = standardSetup();
  PackageInput in = package(30000);
  in.rfund = 200;
  PackageResult r = calc(PackageKind::VelmarMonthly, in, s);
  RAExplanation ra = ExplainRA(PackageKind::VelmarMonthly, in, r, s, tax::TaxYear2026());
  EXPECT_EQ(ra.lineA, "ie: R 3 500 - R 2 400.00 = R 1 100.00");
  EXPECT_EQ(ra.lineC, "ie: R 360 000.00 X 15% = R 54 000.00");

  in.rfund = 400;
  r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_EQ(ExplainRA(PackageKind::VelmarMonthly, in, r, s, tax::TaxYear2026()).lineA, "ie: R 3 500 - R 4 800.00 = - R 1 300.00");

  // With a percentage set, line C counts the non-retirement items for a year.
  s.ProvCont = 5;
  in = package(30000);
  in.carValue = 100000;
  in.travelAllowance = 1000;
  in.otherFringe = 500;
  in.expenses[1] = {"Phone", 250, 250};
  r = calc(PackageKind::VelmarMonthly, in, s);
  EXPECT_EQ(ExplainRA(PackageKind::VelmarMonthly, in, r, s, tax::TaxYear2026()).lineC, "ie: R 54 600.00 X 15% = R 8 190.00");

  // Annual: the amounts are already a year's.
  s = standardSetup();
  in = package(360000);
  in.rfund = 3500;
  r = calc(PackageKind::VelmarAnnual, in, s);
  ra = ExplainRA(PackageKind::VelmarAnnual, in, r, s, tax::TaxYear2026());
  EXPECT_EQ(ra.lineA, "ie: R 3 500 - R 3 500.00 = R 0.00");
  EXPECT_EQ(ra.lineC, "ie: R 360 000.00 X 15% = R 54 000.00");
}

TEST(RFundPercentages, SumAboveTwentySevenAndAHalfResetsBoth) {
  SettingsRecord s;
  s.PensionCont = 20;
  s.EmployerPenCont = 10;
  EXPECT_TRUE(ResetExcessRFundPercentages(s, tax::TaxYear2026()));
  EXPECT_EQ(s.PensionCont, 0);
  EXPECT_EQ(s.EmployerPenCont, 0);
  s.PensionCont = 17.5;
  s.EmployerPenCont = 10;  // exactly 27.5 is allowed
  EXPECT_FALSE(ResetExcessRFundPercentages(s, tax::TaxYear2026()));
  EXPECT_EQ(s.PensionCont, 17.5);
  s.EmployerPenCont = 10.001;
  EXPECT_TRUE(ResetExcessRFundPercentages(s, tax::TaxYear2026()));
}

}  // namespace
