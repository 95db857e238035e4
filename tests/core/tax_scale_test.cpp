// The 2026 scale, rebates and credits against the published figures.
#include <gtest/gtest.h>

#include "tax/tax_scale.h"

using namespace quorin::tax;

namespace {

struct ScaleCase {
  const char* name;
  double income;
  double rate, floor, base, portion, tax;
};

// Test lists show the case by its name.
void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class ScaleTable : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleTable, KnownAnswers) {
  const ScaleCase& c = GetParam();
  ScaleResult r = ApplyTaxScale(c.income, TaxYear2026());
  EXPECT_EQ(r.ScaleRate, c.rate);
  EXPECT_EQ(r.ScaleFloor, c.floor);
  EXPECT_EQ(r.ScaleBaseTax, c.base);
  EXPECT_NEAR(r.ScalePortionTax, c.portion, 1e-9);
  EXPECT_NEAR(r.ScaleTax, c.tax, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Brackets, ScaleTable,
    ::testing::Values(ScaleCase{"zero", 0, 18, 0, 0, 0, 0},
                      ScaleCase{"firstCeiling", 237100, 18, 0, 0, 42678, 42678},
                      ScaleCase{"oneCentAbove", 237100.01, 26, 237100, 42678, 0.0026, 42678.0026},
                      ScaleCase{"secondBracket", 300000, 26, 237100, 42678, 16354, 59032},
                      ScaleCase{"thirdFloor", 370500.5, 31, 370500, 77362, 0.155, 77362.155},
                      ScaleCase{"sixthCeiling", 1817000, 41, 857900, 251258, 393231, 644489},
                      ScaleCase{"top", 2000000, 45, 1817000, 644489, 82350, 726839},
                      ScaleCase{"negative", -1000, 18, 0, 0, -180, -180},
                      ScaleCase{"rebateOnly", 95750, 18, 0, 0, 17235, 17235}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScaleTable, EachBaseTaxIsThePreviousRowApplied) {
  const auto& scale = TaxYear2026().scale;
  for (std::size_t i = 1; i < scale.size(); ++i) {
    const auto& prev = scale[i - 1];
    EXPECT_DOUBLE_EQ(scale[i].baseTax, prev.baseTax + (prev.ceiling - prev.floor) * prev.rate / 100);
  }
}

TEST(Rebates, ByAge) {
  EXPECT_EQ(RebateForAge(0, TaxYear2026()), 17235);
  EXPECT_EQ(RebateForAge(64, TaxYear2026()), 17235);
  EXPECT_EQ(RebateForAge(65, TaxYear2026()), 26679);
  EXPECT_EQ(RebateForAge(74, TaxYear2026()), 26679);
  EXPECT_EQ(RebateForAge(75, TaxYear2026()), 29824);
  EXPECT_EQ(TaxAfterRebate(17235, RebateForAge(40, TaxYear2026())), 0);
  EXPECT_EQ(TaxAfterRebate(10000, RebateForAge(40, TaxYear2026())), 0);
}

TEST(MedicalCredits, MonthlyAndAnnual) {
  EXPECT_EQ(MedicalSchemeFeesCredit(0, TaxYear2026()), 0);
  EXPECT_EQ(MedicalSchemeFeesCredit(1, TaxYear2026()), 364);
  EXPECT_EQ(MedicalSchemeFeesCredit(2, TaxYear2026()), 728);
  EXPECT_EQ(MedicalSchemeFeesCredit(3, TaxYear2026()), 974);
  EXPECT_EQ(MedicalSchemeFeesCredit(5, TaxYear2026()), 1466);
  EXPECT_EQ(AnnualMedicalSchemeFeesCredit(24, TaxYear2026()), 8736);
  EXPECT_EQ(AnnualMedicalSchemeFeesCredit(36, TaxYear2026()), 11688);
}

TEST(MedicalCredits, AdditionalCreditForSeventyYearOld) {
  EXPECT_NEAR(AdditionalMedicalCredit(70, 3000, 0, 728), 271.728, 1e-9);
  EXPECT_EQ(AdditionalMedicalCredit(70, 2000, 0, 728), 0);
  EXPECT_EQ(AdditionalMedicalCredit(64, 3000, 0, 728), 0);
  EXPECT_EQ(AdditionalMedicalCredit(70, 3000, 0, 0), 0);
  // the factor is the double nearest 0.333, not a third
  EXPECT_EQ(AdditionalMedicalCredit(65, 1000, 0, 0.0001), (1000 - 3 * 0.0001) * 0.333);
}

TEST(RetirementFund, SmallerOfContributionsAndRateCappedPerPeriod) {
  EXPECT_EQ(RetirementFundDeduction(5250, 39000, 12, TaxYear2026()), 5250);
  EXPECT_EQ(RetirementFundDeduction(0.275 * 40000, 40000, 12, TaxYear2026()), 0.275 * 40000);   // exactly 27.5 %
  EXPECT_EQ(RetirementFundDeduction(20000, 40000, 12, TaxYear2026()), 0.275 * 40000);
  EXPECT_EQ(RetirementFundDeduction(100000, 1000000, 12, TaxYear2026()), 350000.0 / 12);
  EXPECT_EQ(RetirementFundDeduction(100000, 1000000, 52, TaxYear2026()), 350000.0 / 52);
}

}  // namespace
