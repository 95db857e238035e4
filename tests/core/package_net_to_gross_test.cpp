// Salary packages from the take-home required back to the gross salary:
// the worked figures, the fringe-benefit refusal with the annual check's
// signs, the bounds of the search, and the fast search against the one-rand
// steps on many random inputs, adversarial settings included.
#include <gtest/gtest.h>

#include <random>

#include "package/net_to_gross.h"
#include "package/salary_package.h"
#include "package_cases.h"

using namespace quorin;

namespace {

using test::kCent;

PackageInput net(double amount, int age = 40) { return test::packageOf(amount, age); }

PackageResult calc(PackageKind kind, PackageInput& in, const SettingsRecord& s = SettingsRecord{}) {
  return test::calculated(kind, in, s);
}

TEST(NetToGross, MonthlyNetOfTwentyFiveThousand) {
  PackageInput in = net(25000);
  PackageResult r = calc(PackageKind::QuorinMonthly, in);
  EXPECT_EQ(r.Candidate, 29947);
  EXPECT_EQ(r.TaxableIncome, 359364);
  EXPECT_NEAR(r.TaxDue, 4769.30, kCent);
  EXPECT_NEAR(r.EmployeeUIF, 177.12, 1e-9);
  EXPECT_NEAR(r.EmployerUIF, 177.12, 1e-9);
  EXPECT_NEAR(r.SkillsLevy, 299.47, kCent);
  EXPECT_NEAR(r.GrossSal, 29946.42, kCent);
  EXPECT_NEAR(r.TotCostComp, 30423.01, kCent);

  // One rand less stops short: its net is 24 999.84.
  PackageInput again = net(25000);
  PackageResult kept;
  ASSERT_FALSE(CalculatePackage(PackageKind::QuorinMonthly, again, SettingsRecord{}, kept, tax::TaxYear2026()));
  NetToGrossModel m(tax::TaxYear2026());
  m.rebate = 17235;
  m.uifCeiling = 17712;
  m.employeeUIFPercent = m.employerUIFPercent = m.skillsLevyPercent = 1;
  EXPECT_NEAR(CandidateNet(m, 29946), 24999.84, kCent);
  EXPECT_GT(CandidateNet(m, 29947), 25000);
}

TEST(NetToGross, FundPercentagesFillTheContributions) {
  SettingsRecord s;
  s.PensionCont = 7.5;
  s.EmployerPenCont = 10;
  PackageInput in = net(25000);
  PackageResult r = calc(PackageKind::QuorinMonthly, in, s);
  EXPECT_EQ(r.Candidate, 32375);
  EXPECT_NEAR(r.EmployeeRFund, 2428.125, 1e-9);
  EXPECT_NEAR(r.EmployerRFund, 3237.50, 1e-9);
  EXPECT_EQ(in.rfund, r.EmployeeRFund);
  EXPECT_EQ(in.employerRFund, r.EmployerRFund);
  EXPECT_NEAR(r.RFundLimit, 5665.625, 1e-9);
  EXPECT_FALSE(r.Warning);
  EXPECT_NEAR(r.GrossSal, 32374.52, kCent);
  EXPECT_NEAR(r.TotCostComp, 36088.60, kCent);

  // A later calculation with the percentages at 0 uses the amounts left.
  s.PensionCont = s.EmployerPenCont = 0;
  PackageResult again = calc(PackageKind::QuorinMonthly, in, s);
  EXPECT_NEAR(again.EmployeeRFund, 2428.125, 1e-9);
  EXPECT_EQ(again.Candidate, 32375);
}

TEST(NetToGross, SmallNetBelowTheRebateAndTheUIFCeiling) {
  PackageInput in = net(7000);
  PackageResult r = calc(PackageKind::QuorinMonthly, in);
  EXPECT_EQ(r.Candidate, 7071);
  EXPECT_EQ(r.TaxDue, 0);
  EXPECT_EQ(r.TaxableIncome, 84852);
  EXPECT_NEAR(r.EmployeeUIF, 70.71, 1e-9);
  EXPECT_NEAR(r.EmployerUIF, 70.71, 1e-9);
  EXPECT_NEAR(r.GrossSal, 7070.71, kCent);
}

TEST(NetToGross, AgeSeventyWithMedicalCredits) {
  PackageInput in = net(30000, 70);
  in.medical = 3000;
  in.beneficiaries = 2;
  PackageResult r = calc(PackageKind::QuorinMonthly, in);
  EXPECT_NEAR(r.MedicalCredit + r.AdditionalCredit, 999.73, kCent);
  EXPECT_EQ(r.Candidate, 36884);
  EXPECT_NEAR(r.TaxableIncome, 466611.26, kCent);
  EXPECT_NEAR(r.TaxDue, 6706.46, kCent);
  EXPECT_NEAR(r.TaxDeduct, 5706.73, kCent);
  EXPECT_NEAR(r.GrossSal, 38883.85, kCent);
}

TEST(NetToGross, AnnualNetOfThreeHundredThousand) {
  PackageInput in = net(300000);
  PackageResult r = calc(PackageKind::QuorinAnnual, in);
  EXPECT_EQ(r.Candidate, 359355);
  EXPECT_NEAR(r.TaxDue, 57229.30, kCent);
  EXPECT_NEAR(r.EmployeeUIF, 2125.44, 1e-9);
  EXPECT_NEAR(r.EmployerUIF, 2125.44, 1e-9);
  EXPECT_NEAR(r.GrossSal, 359354.74, kCent);
}

TEST(NetToGross, FringeBenefitsAboveTheNetAreRefusedAndNothingChanges) {
  PackageInput first = net(25000);
  PackageResult kept = calc(PackageKind::QuorinMonthly, first);

  PackageInput in = net(4000);
  in.travelAllowance = 3000;
  in.otherFringe = 1000;
  in.expenses[0] = {"Gym", 500, 500};
  auto refusal = CalculatePackage(PackageKind::QuorinMonthly, in, SettingsRecord{}, kept, tax::TaxYear2026());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Fringe benefits more than salary required!");
  EXPECT_EQ(refusal->field, "numNetMonSalReq");
  EXPECT_TRUE(kept.CalcIncomplete);
  EXPECT_NEAR(kept.GrossSal, 29946.42, kCent);  // the last complete results stay

  // Equal is not more.
  in.amount = 4500;
  EXPECT_FALSE(CalculatePackage(PackageKind::QuorinMonthly, in, SettingsRecord{}, kept, tax::TaxYear2026()));

  // Annual: the typed employer amount counts against, the employee's for.
  PackageInput annual = net(100000);
  annual.travelAllowance = 90000;
  annual.employerRFund = 20000;
  EXPECT_FALSE(CalculatePackage(PackageKind::QuorinAnnual, annual, SettingsRecord{}, kept, tax::TaxYear2026()));
  annual.employerRFund = 0;
  annual.rfund = 10001;
  EXPECT_TRUE(CalculatePackage(PackageKind::QuorinAnnual, annual, SettingsRecord{}, kept, tax::TaxYear2026()));
}

TEST(NetToGross, NetOfZeroKeepsEverything) {
  PackageResult kept;
  PackageInput in = net(0);
  in.medical = 1500;
  EXPECT_FALSE(CalculatePackage(PackageKind::QuorinMonthly, in, SettingsRecord{}, kept, tax::TaxYear2026()));
  EXPECT_TRUE(kept.CalcIncomplete);
  EXPECT_EQ(kept.GrossSal, 0);
  EXPECT_EQ(kept.TotCostComp, 0);
  EXPECT_EQ(kept.Candidate, 0);
}

TEST(NetToGross, RetirementWarningAboveTheLimit) {
  PackageInput in = net(25000);
  in.rfund = 6000;
  in.employerRFund = 6000;  // more than 27.5 % of the gross
  PackageResult r = calc(PackageKind::QuorinMonthly, in);
  EXPECT_TRUE(r.Warning);
  EXPECT_FALSE(r.printEnabled());
  EXPECT_LT(r.RFundLimit, 12000);
}

// Monthly line C with no percentage set: the gross salary shown, for a year.
TEST(NetToGross, RALineCUsesTheGrossShown) {
  SettingsRecord s;
  PackageInput in = net(25000);
  PackageResult r = calc(PackageKind::QuorinMonthly, in, s);
  RAExplanation ra = ExplainRA(PackageKind::QuorinMonthly, in, r, s, tax::TaxYear2026());
  EXPECT_EQ(ra.lineC, "ie: R 359 357.08 X 15% = R 53 903.56");
  in = net(300000);
  r = calc(PackageKind::QuorinAnnual, in, s);
  EXPECT_EQ(ExplainRA(PackageKind::QuorinAnnual, in, r, s, tax::TaxYear2026()).lineC, "ie: R 359 354.74 X 15% = R 53 903.21");
}

// ---- the search ---------------------------------------------------------

TEST(NetToGrossSearch, UIFOfFiftyPercentStopsWhereTheStepsStop) {
  // Below the UIF ceiling the net falls with the gross here; a bisection
  // over the whole range would find a gross of about 1.2 million.
  SettingsRecord s;
  s.EmployeeUIF = 50;
  s.PensionCont = 27.5;
  s.UIFLimit = 999999;
  PackageInput in = net(4500);
  PackageResult r = calc(PackageKind::QuorinMonthly, in, s);
  EXPECT_EQ(r.Candidate, 40633);
}

TEST(NetToGrossSearch, UIFOfAHundredPercentIsAnsweredExactlyAndFast) {
  SettingsRecord s;
  s.EmployeeUIF = 100;
  PackageInput in = net(1e9);
  PackageResult r = calc(PackageKind::QuorinAnnual, in, s);
  ASSERT_FALSE(r.CalcIncomplete);
  // The net just exceeds the required one at the candidate and not before.
  NetToGrossModel m(tax::TaxYear2026());
  m.annual = true;
  m.rebate = 17235;
  m.uifCeiling = 17712 * 12;
  m.employeeUIFPercent = 100;
  m.employerUIFPercent = m.skillsLevyPercent = 1;
  EXPECT_GT(CandidateNet(m, r.Candidate), 1e9);
  EXPECT_LE(CandidateNet(m, r.Candidate - 1), 1e9);
  EXPECT_LT(SearchFast(m, 1e9).evaluations, 300000);
}

TEST(NetToGrossSearch, BoundsRefuseInsteadOfAnsweringWrongly) {
  // A net that never rises: an employee share of 100 %.
  NetToGrossModel flat(tax::TaxYear2026());
  flat.employeePercent = 100;
  flat.uifCeiling = 17712;
  SearchOutcome out = SearchFast(flat, 1000);
  EXPECT_EQ(out.stop, SearchStop::StepLimit);
  EXPECT_LE(out.evaluations, kMaxOneRandSteps);

  // A net beyond the largest candidate.
  NetToGrossModel plain(tax::TaxYear2026());
  plain.uifCeiling = 17712;
  plain.employeeUIFPercent = 1;
  EXPECT_EQ(SearchFast(plain, 1e13).stop, SearchStop::CandidateLimit);

  // Through the calculation: refused with a message, kept results stay.
  SettingsRecord s;
  s.PensionCont = 100;
  PackageResult kept;
  PackageInput in = net(1000);
  auto refusal = CalculatePackage(PackageKind::QuorinMonthly, in, s, kept, tax::TaxYear2026());
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->message.find("20 000 000"), std::string::npos);
  EXPECT_TRUE(kept.CalcIncomplete);
  EXPECT_EQ(kept.GrossSal, 0);
}

TEST(NetToGrossSearch, SlopeBoundsProveTheRiseUnderRealisticSettings) {
  NetToGrossModel m(tax::TaxYear2026());
  m.employeePercent = 27.5;
  m.employeeUIFPercent = 1;
  NetSlopeBounds b = NetSlopes(m);
  EXPECT_NEAR(b.aboveCeiling, 0.725 * 0.55, 1e-12);
  EXPECT_GT(b.belowCeiling, 0.38);
  m.employeeUIFPercent = 40;
  EXPECT_LT(NetSlopes(m).belowCeiling, 0);
  EXPECT_GT(NetSlopes(m).aboveCeiling, 0.39);
}

// The fast search and the one-rand steps on random inputs: everyday
// settings and adversarial ones (UIF percentages up to 100, fund
// percentages beyond the reset, very large credits and ceilings).
TEST(NetToGrossSearch, FastEqualsOneRandStepsOnRandomInputs) {
  std::mt19937_64 rng(2026);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto chance = [&](double p) { return uniform(0, 1) < p; };
  auto whole = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int compared = 0;
  for (int i = 0; i < 5000; ++i) {
    const bool adversarial = i % 3 == 0;
    NetToGrossModel m(tax::TaxYear2026());
    m.annual = i % 5 == 0;
    const double scale = m.annual ? 12 : 1;
    m.carFringeBenefit = chance(0.2) ? uniform(0, 8000) * scale : 0;
    m.travelAllowance = chance(0.3) ? uniform(0, 6000) * scale : 0;
    m.taxableTravel = m.travelAllowance * (chance(0.5) ? 0.8 : 0.2);
    m.otherFringe = chance(0.2) ? uniform(0, 2000) * scale : 0;
    m.otherExpenses = chance(0.2) ? uniform(0, 1500) * scale : 0;
    m.medicalDeductions = chance(0.1) ? uniform(0, 3000) * scale : 0;
    m.medical = chance(0.5) ? uniform(0, 4000) * scale : 0;
    m.employerMedical = chance(0.3) ? uniform(0, 4000) * scale : 0;
    m.credits = chance(0.5) ? uniform(0, adversarial ? 20000 : 1500) * scale : 0;
    m.rebate = chance(0.8) ? 17235 : (chance(0.5) ? 26679 : 29824);
    m.employeePercent = chance(0.4) ? uniform(0, adversarial ? 95 : 17.5) : 0;
    m.employerPercent = chance(0.4) ? uniform(0, adversarial ? 100 : 10) : 0;
    m.typedEmployee = m.employeePercent == 0 && chance(0.3) ? uniform(0, 3000) * scale : 0;
    m.typedEmployer = m.employerPercent == 0 && chance(0.3) ? uniform(0, 3000) * scale : 0;
    m.uifCeiling = (adversarial && chance(0.5) ? uniform(0, 60000) : 17712) * scale;
    m.employeeUIFPercent = adversarial ? uniform(0, 100) : uniform(0, 2);
    m.employerUIFPercent = uniform(0, 2);
    m.skillsLevyPercent = 1;
    const double required = (chance(0.1) ? whole(-50, 50) : uniform(0, m.annual ? 100000 : 30000));

    const SearchOutcome literal = SearchOneRand(m, required, 400000);
    const SearchOutcome fast = SearchFast(m, required);
    if (literal.stop != SearchStop::Found) {  // beyond the literal run's length here
      if (fast.stop == SearchStop::Found) {
        EXPECT_GT(fast.candidate, 400000) << "case " << i;
      }
      continue;
    }
    ++compared;
    ASSERT_EQ(fast.stop, SearchStop::Found) << "case " << i;
    ASSERT_EQ(fast.candidate, literal.candidate) << "case " << i << " required " << required;
  }
  EXPECT_GT(compared, 4500);
}

}  // namespace
