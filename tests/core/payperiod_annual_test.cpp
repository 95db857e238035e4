// The annual calculator: part-year annualising, truncation, the bonus, and
// the medical credit built month by month.
#include <gtest/gtest.h>

#include <stdexcept>

#include "payperiod/annual_tax.h"
#include "common/day_number.h"
#include "dates.h"
#include "tax/tax_scale.h"

using namespace quorin;

namespace {

using quorin::test::day;

AnnualPayInput yearOf(double salary, int age = 40) {
  AnnualPayInput in;
  in.salary = salary;
  in.age = static_cast<std::int16_t>(age);
  return in;
}

AnnualTaxResult calc(const AnnualPayInput& in, double inclusion = 0.8) {
  SettingsRecord s;
  s.TAIncRate8020 = inclusion;
  AnnualTaxResult r;
  auto refusal = CalculateAnnual(in, s, r, tax::TaxYear2026());
  EXPECT_FALSE(refusal) << refusal->message;
  return r;
}

MonthCounts every(int n) {
  MonthCounts c;
  c.fill(static_cast<std::int16_t>(n));
  return c;
}

TEST(AnnualTax, FullYear) {
  AnnualTaxResult r = calc(yearOf(360000));
  EXPECT_EQ(r.Days, 365);
  EXPECT_EQ(r.TaxableIncome, 360000);
  EXPECT_NEAR(r.T1, 57397, 1e-6);
  EXPECT_NEAR(r.T2, 57397, 1e-6);
  EXPECT_EQ(r.BonusTax, 0);
  EXPECT_NEAR(r.Tax, 57397, 1e-6);
  EXPECT_NEAR(r.PAYE, 57397, 1e-6);
  EXPECT_EQ(r.SITE, 0);
  EXPECT_NEAR(r.TaxLiability, 57397, 1e-6);
  EXPECT_NEAR(r.PAYEAfterCredits, 57397, 1e-6);
  EXPECT_EQ(r.Rebate, 17235);
}

TEST(AnnualTax, TruncatedToWholeRandOnlyWithTravelAllowanceOrCommission) {
  AnnualPayInput travel = yearOf(360000);
  travel.travelAllowance = 1;
  AnnualTaxResult r = calc(travel);
  EXPECT_NEAR(r.TaxableIncome, 360000.8, 1e-9);
  EXPECT_EQ(r.T1, 57397);
  EXPECT_EQ(r.T2, 57397);
  EXPECT_EQ(r.Tax, 57397);

  AnnualPayInput commission = yearOf(360000);
  commission.commission = 1;
  EXPECT_EQ(calc(commission).T2, 57397);  // 57 397.26 cut down

  AnnualPayInput cents = yearOf(360001);
  EXPECT_NEAR(calc(cents).T2, 57397.26, 1e-9);  // keeps its cents

  // truncation is towards minus infinity before the clamp at zero
  AnnualPayInput low = yearOf(90000);
  low.commission = 1;
  EXPECT_EQ(calc(low).T2, 0);
}

TEST(AnnualTax, PartYearAnnualisesThenProRatesTheRegularTax) {
  AnnualPayInput in = yearOf(180000);
  in.endDate = day(31, 8, 2025);
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.Days, 184);
  EXPECT_NEAR(r.TaxableIncome, 357065.22, 0.005);
  EXPECT_NEAR(r.T2, tax::ApplyTaxScale(180000.0 * 365 / 184, tax::TaxYear2026()).ScaleTax - 17235, 1e-9);
  EXPECT_NEAR(r.Tax, 28549.72, 0.005);

  // the bonus tax is not pro-rated
  in.bonus = 20000;
  AnnualTaxResult b = calc(in);
  EXPECT_NEAR(b.BonusTax, b.T1 - b.T2, 1e-9);
  EXPECT_NEAR(b.Tax, r.Tax + b.BonusTax, 1e-9);
  EXPECT_NEAR(b.Tax, 34077.98, 0.005);
}

TEST(AnnualTax, BonusOnAFullYear) {
  AnnualPayInput in = yearOf(360000);
  in.bonus = 50000;
  AnnualTaxResult r = calc(in);
  EXPECT_NEAR(r.T1, 72372, 1e-6);
  EXPECT_NEAR(r.T2, 57397, 1e-6);
  EXPECT_NEAR(r.BonusTax, 14975, 1e-6);
  EXPECT_NEAR(r.Tax, 72372, 1e-6);
  EXPECT_NEAR(r.TaxableIncome, 360000, 1e-9);  // without the bonus
}

TEST(AnnualTax, RetirementFundCapIsNotReducedForAPartYear) {
  AnnualPayInput in = yearOf(3000000);
  in.employeeRFund = 500000;
  in.endDate = day(31, 5, 2025);
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.AllowableDeduction, 350000);
  EXPECT_EQ(r.AllowableDeductionShown, 350000);

  AnnualPayInput rate = yearOf(100000);
  rate.employerRFund = 10000;
  rate.employeeRFund = 30000;  // 27.5 % of 110 000 = 30 250
  AnnualTaxResult rr = calc(rate);
  EXPECT_NEAR(rr.AllowableDeduction, 30250, 1e-9);
  EXPECT_NEAR(rr.TaxableIncome, 100000 - 30250 + 10000, 1e-9);
}

TEST(AnnualTax, NoDayInThePeriodIsRefused) {
  AnnualPayInput in = yearOf(100000);
  in.startDate = day(1, 6, 2025);
  in.endDate = day(31, 5, 2025);
  AnnualTaxResult kept;
  kept.Tax = 5;
  auto refusal = CalculateAnnual(in, SettingsRecord{}, kept, tax::TaxYear2026());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->field, "dtEndDate");
  EXPECT_EQ(kept.Tax, 5);
  EXPECT_THROW(CalcAnnualTax(in, SettingsRecord{}, tax::TaxYear2026()), std::invalid_argument);
}

// ---- medical credit by months ---------------------------------------------

TEST(AnnualMedicalCredit, FullYearAndMarchToMay) {
  AnnualPayInput in = yearOf(360000);
  in.employeeMedAid = 24000;
  in.monthBeneficiaries = every(2);
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.MedicalCredit, 8736);
  EXPECT_EQ(r.AdditionalCredit, 0);
  EXPECT_NEAR(r.TaxLiability, 57397 - 8736, 1e-6);
  EXPECT_NEAR(r.PAYEAfterCredits, 57397 - 8736, 1e-6);
  EXPECT_EQ(r.monthBeneficiaries, every(2));

  in.endDate = day(31, 5, 2025);
  AnnualTaxResult spring = calc(in);
  EXPECT_EQ(spring.MedicalCredit, 2184);
  MonthCounts expected{2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(spring.monthBeneficiaries, expected);
}

TEST(AnnualMedicalCredit, FebruaryOnlyAndCountsAboveTwo) {
  AnnualPayInput in = yearOf(50000);
  in.employerMedAid = 100;
  in.monthBeneficiaries = every(4);
  in.startDate = day(1, 2, 2026);
  in.endDate = day(28, 2, 2026);
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.MedicalCredit, 728 + 2 * 246);
  MonthCounts onlyFebruary{};
  onlyFebruary[11] = 4;
  EXPECT_EQ(r.monthBeneficiaries, onlyFebruary);
}

TEST(AnnualMedicalCredit, NoContributionLeavesTheMonthsAsTheyAre) {
  AnnualPayInput in = yearOf(360000, 70);
  in.monthBeneficiaries = every(3);
  in.endDate = day(31, 5, 2025);
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.MedicalCredit, 0);
  EXPECT_EQ(r.AdditionalCredit, 0);
  EXPECT_EQ(r.monthBeneficiaries, every(3));
}

TEST(AnnualMedicalCredit, AdditionalCreditOnAnnualContributions) {
  AnnualPayInput in = yearOf(360000, 70);
  in.employeeMedAid = 30000;
  in.employerMedAid = 6000;
  in.monthBeneficiaries = every(2);
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.Rebate, 26679);
  EXPECT_EQ(r.MedicalCredit, 8736);
  EXPECT_NEAR(r.AdditionalCredit, (36000 - 3 * 8736) * 0.333, 1e-9);
  EXPECT_NEAR(r.TaxLiability, r.Tax - r.MedicalCredit - r.AdditionalCredit, 1e-9);
}

struct MonthCase {
  const char* name;
  int startMonth, endMonth;
  const char* inPeriod;  // Mar..Feb, '1' when the month counts
};

// Test lists show the case by its name.
void PrintTo(const MonthCase& c, std::ostream* os) { *os << c.name; }

class MonthsInPeriod : public ::testing::TestWithParam<MonthCase> {};

TEST_P(MonthsInPeriod, ComparingMonthsOnly) {
  const MonthCase& c = GetParam();
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(MonthInPeriod(CalendarMonthOfTaxMonth(i), c.startMonth, c.endMonth), c.inPeriod[i] == '1')
        << "tax month " << i;
}

INSTANTIATE_TEST_SUITE_P(
    AnnualMedicalCredit, MonthsInPeriod,
    ::testing::Values(MonthCase{"wholeYear", 3, 2, "111111111111"}, MonthCase{"marchToMay", 3, 5, "111000000000"},
                      MonthCase{"juneToDecember", 6, 12, "000111111100"},
                      MonthCase{"novemberToJanuary", 11, 1, "000000001110"},
                      MonthCase{"januaryToFebruary", 1, 2, "000000000011"},
                      MonthCase{"februaryOnly", 2, 2, "000000000001"}, MonthCase{"julyOnly", 7, 7, "000010000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualMedicalCredit, TaxMonthsRunMarchToFebruary) {
  EXPECT_EQ(CalendarMonthOfTaxMonth(0), 3);
  EXPECT_EQ(CalendarMonthOfTaxMonth(9), 12);
  EXPECT_EQ(CalendarMonthOfTaxMonth(10), 1);
  EXPECT_EQ(CalendarMonthOfTaxMonth(11), 2);
}

// ---- beneficiary limit and duplicating March ------------------------------

TEST(MonthBeneficiaries, AboveTwentyFourIsCutBackWithTheNotice) {
  std::int16_t n = 30;
  EXPECT_TRUE(LimitMonthBeneficiaries(n));
  EXPECT_EQ(n, 24);
  n = 24;
  EXPECT_FALSE(LimitMonthBeneficiaries(n));
  EXPECT_EQ(n, 24);
  Refusal notice = MonthBeneficiaryNotice();
  EXPECT_EQ(notice.message, "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");
  EXPECT_EQ(notice.field, "numAnnCalcBens");
}

TEST(MonthBeneficiaries, DuplicateMarchCutsEveryMonthThenCopiesMarch) {
  MonthCounts counts{30, 1, 2, 3, 4, 5, 6, 7, 8, 9, 40, 50};
  std::vector<int> cut = DuplicateMarch(counts);
  EXPECT_EQ(counts, every(24));
  // the notice comes once for each month cut, January to December
  EXPECT_EQ(cut, (std::vector<int>{10, 11, 0}));

  MonthCounts plain{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(DuplicateMarch(plain).empty());
  EXPECT_EQ(plain, every(3));
}

TEST(AnnualTax, FreshWindowDefaultsAndFigures) {
  AnnualPayInput in;
  EXPECT_EQ(formatDay(in.startDate), "01/03/2025");
  EXPECT_EQ(formatDay(in.endDate), "28/02/2026");
  AnnualTaxResult r = calc(in);
  EXPECT_EQ(r.Tax, 0);
  EXPECT_EQ(r.PAYEAfterCredits, 0);

  auto window = AnnualWindowFigures(calc(yearOf(360000)));
  ASSERT_EQ(window.size(), 6u);
  EXPECT_EQ(window.back().name, "numAns");
  EXPECT_NEAR(window.back().value, 57397, 1e-6);
  auto detail = AnnualDetailFigures(calc(yearOf(360000)));
  EXPECT_EQ(detail.front().name, "Days");
  EXPECT_EQ(detail.front().value, 365);
}

}  // namespace
