// The pay-period method against worked figures: monthly, weekly,
// fortnightly and daily, with credits, UIF, SDL and the bonus rules.
#include <gtest/gtest.h>

#include <stdexcept>

#include "payperiod/period_tax.h"
#include "common/day_number.h"
#include "dates.h"
#include "shipped_years.h"

using namespace quorin;

namespace {

constexpr double kCent = 0.005;

SettingsRecord standardSetup() { return test::standardPaySetup(); }

using quorin::test::day;

PeriodPayInput pay(PeriodKind kind, double salary, int age = 40) {
  PeriodPayInput in = DefaultPeriodPayInput(kind, tax::TaxYear2026());
  in.salary = salary;
  in.age = static_cast<std::int16_t>(age);
  return in;
}

PeriodTaxResult calc(PeriodKind kind, const PeriodPayInput& in, const SettingsRecord& s = standardSetup()) {
  PeriodTaxResult r;
  auto refusal = CalculatePeriod(kind, in, s, r, tax::TaxYear2026());
  EXPECT_FALSE(refusal) << refusal->message;
  return r;
}

// ---- worked answers -----------------------------------------------------

struct Answer {
  const char* name;
  PeriodKind kind;
  PeriodPayInput in;
  double annualIncome;
  double periodTax;
  double liability;
  double employeeUIF;
  double sdl;
};

// Test lists show the case by its name.
void PrintTo(const Answer& c, std::ostream* os) { *os << c.name; }

PeriodPayInput monthlyDays(double salary, int firstDay, int lastDay) {
  PeriodPayInput in = pay(PeriodKind::Monthly, salary);
  in.startDate = day(firstDay, 3, 2025);
  in.endDate = day(lastDay, 3, 2025);
  return in;
}

PeriodPayInput withBonus(PeriodPayInput in, double bonus) {
  in.bonus = bonus;
  return in;
}

PeriodPayInput weekDays(double salary, int normal, int worked) {
  PeriodPayInput in = pay(PeriodKind::Weekly, salary);
  in.normalDays = static_cast<std::int16_t>(normal);
  in.daysWorked = static_cast<std::int16_t>(worked);
  return in;
}

class WorkedAnswers : public ::testing::TestWithParam<Answer> {};

TEST_P(WorkedAnswers, PeriodTaxUIFAndSDL) {
  const Answer& a = GetParam();
  PeriodTaxResult r = calc(a.kind, a.in);
  EXPECT_NEAR(r.AnnualIncome, a.annualIncome, 1e-6);
  EXPECT_NEAR(r.PeriodTax, a.periodTax, kCent);
  EXPECT_NEAR(r.TaxLiability, a.liability, kCent);
  EXPECT_NEAR(r.EmployeeUIF, a.employeeUIF, kCent);
  EXPECT_NEAR(r.EmployerUIF, a.employeeUIF, kCent);
  EXPECT_NEAR(r.SDL, a.sdl, kCent);
}

INSTANTIATE_TEST_SUITE_P(
    PayPeriod, WorkedAnswers,
    ::testing::Values(
        Answer{"monthlyFullMonth", PeriodKind::Monthly, monthlyDays(30000, 1, 31), 360000, 4783.08, 4783.08, 177.12, 300},
        Answer{"monthlyFifteenOf31Days", PeriodKind::Monthly, monthlyDays(30000, 1, 15), 744000, 7645.24, 7645.24,
               177.12, 300},
        Answer{"monthlyBonus", PeriodKind::Monthly, withBonus(monthlyDays(30000, 1, 31), 10000), 370000, 7383.08,
               7383.08, 177.12, 400},
        Answer{"monthlySalary8000", PeriodKind::Monthly, monthlyDays(8000, 1, 31), 96000, 3.75, 3.75, 80, 80},
        // The monthly form clamps each scale result after the rebate, so a
        // regular part below the threshold does not reduce the bonus tax.
        Answer{"monthlyBonusOnLowSalary", PeriodKind::Monthly, withBonus(monthlyDays(5000, 1, 31), 50000), 110000,
               2565, 2565, 177.12, 550},
        Answer{"weeklySevenOfSeven", PeriodKind::Weekly, weekDays(7000, 7, 7), 364000, 1123.79, 1123.79, 40.87, 70},
        Answer{"weeklyFiveOfFive", PeriodKind::Weekly, weekDays(7000, 5, 5), 364000, 1123.79, 1123.79, 40.87, 70},
        Answer{"weeklyThreeOfFive", PeriodKind::Weekly, weekDays(4200, 5, 3), 364000, 674.27, 674.27, 40.87, 42},
        Answer{"daily1400", PeriodKind::Daily, pay(PeriodKind::Daily, 1400), 364000, 224.76, 224.76, 8.17, 14},
        Answer{"daily300BelowThreshold", PeriodKind::Daily, pay(PeriodKind::Daily, 300), 78000, 0, 0, 3, 3},
        // Below the threshold the regular part reduces the bonus tax.
        Answer{"daily300Bonus5000", PeriodKind::Daily, withBonus(pay(PeriodKind::Daily, 300), 5000), 83000, 887.71,
               887.71, 8.17, 53}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonthlyTax, ScaleResultsAndDays) {
  PeriodTaxResult full = calc(PeriodKind::Monthly, monthlyDays(30000, 1, 31));
  EXPECT_NEAR(full.ScaleTaxWithBonus, 74632, 1e-6);
  EXPECT_NEAR(full.ScaleTaxWithoutBonus, 74632, 1e-6);
  EXPECT_EQ(full.Rebate, 17235);
  EXPECT_EQ(full.DaysInMonth, 31);
  EXPECT_EQ(full.DaysWorked, 31);

  PeriodTaxResult bonus = calc(PeriodKind::Monthly, withBonus(monthlyDays(30000, 1, 31), 10000));
  EXPECT_NEAR(bonus.ScaleTaxWithBonus, 77232, 1e-6);
  EXPECT_NEAR(bonus.ScaleTaxWithoutBonus, 74632, 1e-6);
  EXPECT_NEAR(bonus.PeriodTax - full.PeriodTax, 2600, 1e-6);  // the bonus tax is not pro-rated
}

TEST(MonthlyTax, OneDayInJuneScalesByThirtyDaysAndTwelveMonths) {
  PeriodPayInput in = pay(PeriodKind::Monthly, 1000);
  in.startDate = in.endDate = day(10, 6, 2025);
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  EXPECT_EQ(r.DaysInMonth, 30);
  EXPECT_EQ(r.DaysWorked, 1);
  EXPECT_NEAR(r.AnnualIncome, 360000, 1e-6);
  EXPECT_NEAR(r.PeriodTax, 57397.0 / 12 / 30, 1e-9);
}

TEST(MonthlyTax, DaysInMonthFollowsTheStartMonth) {
  EXPECT_EQ(DaysInMonth(day(1, 3, 2025)), 31);
  EXPECT_EQ(DaysInMonth(day(30, 4, 2025)), 30);
  EXPECT_EQ(DaysInMonth(day(15, 9, 2025)), 30);
  EXPECT_EQ(DaysInMonth(day(31, 12, 2025)), 31);
  EXPECT_EQ(DaysInMonth(day(1, 2, 2026)), 28);
  EXPECT_EQ(DaysInMonth(day(1, 2, 2024)), 29);  // a leap year
}

// Age 70 with every input: the figures of the worked example.
TEST(MonthlyTax, SeventyYearOldWithEveryInput) {
  PeriodPayInput in = monthlyDays(30000, 1, 31);
  in.age = 70;
  in.travelAllowance = 5000;
  in.employerRFund = 3000;
  in.employeeRFund = 2250;
  in.employerMedAid = 2000;
  in.employeeMedAid = 1500;
  in.beneficiaries = 3;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  EXPECT_NEAR(r.RemunerationBase, 39000, 1e-9);
  EXPECT_NEAR(r.AllowableDeduction, 5250, 1e-9);
  EXPECT_EQ(r.AllowableDeductionShown, 5250);
  EXPECT_NEAR(r.TaxableTravelAllowance, 4000, 1e-9);
  EXPECT_EQ(r.TaxableTravelAllowanceShown, 4000);
  EXPECT_NEAR(r.PeriodTaxableIncome, 33750, 1e-9);
  EXPECT_NEAR(r.AnnualIncome, 405000, 1e-6);
  EXPECT_EQ(r.Rebate, 26679);
  EXPECT_NEAR(r.PeriodTax, 5114.83, kCent);
  EXPECT_EQ(r.MedicalCredit, 974);
  EXPECT_NEAR(r.AdditionalCredit, 192.47, kCent);
  EXPECT_NEAR(r.TaxLiability, 3948.36, kCent);
  EXPECT_NEAR(r.UIFBase, 39000, 1e-9);
  EXPECT_EQ(r.UIFCeiling, 17712);
  EXPECT_NEAR(r.EmployeeUIF, 177.12, 1e-9);
  EXPECT_NEAR(r.EmployerUIF, 177.12, 1e-9);
  EXPECT_NEAR(r.SDL, 337.50, 1e-9);
}

TEST(MonthlyTax, CreditsAboveTheTaxLeaveNoLiability) {
  PeriodPayInput in = monthlyDays(8000, 1, 31);
  in.employeeMedAid = 1000;
  in.beneficiaries = 2;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  EXPECT_NEAR(r.PeriodTax, 3.75, 1e-9);
  EXPECT_EQ(r.MedicalCredit, 728);
  EXPECT_EQ(r.TaxLiability, 0);
}

// ---- retirement fund deduction and travel allowance ---------------------

TEST(RetirementFundDeduction, ExactlyTheRateAndTheCapPerPeriod) {
  PeriodPayInput at = monthlyDays(40000, 1, 31);
  at.employeeRFund = 11000;  // 27.5 % of 40 000
  EXPECT_EQ(calc(PeriodKind::Monthly, at).AllowableDeduction, 11000);
  at.employeeRFund = 11001;
  EXPECT_EQ(calc(PeriodKind::Monthly, at).AllowableDeduction, 0.275 * 40000);

  PeriodPayInput big = monthlyDays(200000, 1, 31);
  big.employeeRFund = 60000;
  PeriodTaxResult monthly = calc(PeriodKind::Monthly, big);
  EXPECT_DOUBLE_EQ(monthly.AllowableDeduction, 350000.0 / 12);
  EXPECT_EQ(monthly.AllowableDeductionShown, 29167);

  PeriodPayInput weekly = weekDays(50000, 5, 5);
  weekly.employerRFund = 15000;
  EXPECT_DOUBLE_EQ(calc(PeriodKind::Weekly, weekly).AllowableDeduction, 350000.0 / 52);
  PeriodPayInput daily = pay(PeriodKind::Daily, 10000);
  daily.employeeRFund = 2000;
  EXPECT_DOUBLE_EQ(calc(PeriodKind::Daily, daily).AllowableDeduction, 350000.0 / 260);
}

TEST(RetirementFundDeduction, BonusCountsInTheBaseAndTheDeductionLowersSDL) {
  PeriodPayInput in = withBonus(monthlyDays(10000, 1, 31), 10000);
  in.employeeRFund = 5000;  // 27.5 % of 20 000 is 5 500
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  EXPECT_EQ(r.AllowableDeduction, 5000);
  EXPECT_NEAR(r.PeriodTaxableIncome, 5000, 1e-9);
  EXPECT_NEAR(r.SDL, (20000 - 5000) * 0.01, 1e-9);
}

TEST(TravelAllowance, InclusionRateAndWholeRandDisplay) {
  SettingsRecord half = standardSetup();
  half.TAIncRate8020 = 0.5;  // neither option: used as stored
  PeriodPayInput in = monthlyDays(10000, 1, 31);
  in.travelAllowance = 5;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in, half);
  EXPECT_EQ(r.TaxableTravelAllowance, 2.5);
  EXPECT_EQ(r.TaxableTravelAllowanceShown, 2);  // half to even
  in.travelAllowance = 7;
  EXPECT_EQ(calc(PeriodKind::Monthly, in, half).TaxableTravelAllowanceShown, 4);

  SettingsRecord twenty = standardSetup();
  twenty.TAIncRate8020 = 0.2;
  in.travelAllowance = 5000;
  EXPECT_NEAR(calc(PeriodKind::Monthly, in, twenty).PeriodTaxableIncome, 11000, 1e-9);
}

TEST(TravelAllowance, AllowableDeductionShownHalfToEven) {
  PeriodPayInput in = monthlyDays(10000, 1, 31);
  in.employeeRFund = 2.5;
  EXPECT_EQ(calc(PeriodKind::Monthly, in).AllowableDeductionShown, 2);
  in.employeeRFund = 3.5;
  EXPECT_EQ(calc(PeriodKind::Monthly, in).AllowableDeductionShown, 4);
}

// ---- medical credits per period -----------------------------------------

struct CreditCase {
  const char* name;
  PeriodKind kind;
  int beneficiaries;
  double credit;
};

// Test lists show the case by its name.
void PrintTo(const CreditCase& c, std::ostream* os) { *os << c.name; }

class PeriodCredits : public ::testing::TestWithParam<CreditCase> {};

TEST_P(PeriodCredits, GivenAContribution) {
  const CreditCase& c = GetParam();
  PeriodPayInput in = DefaultPeriodPayInput(c.kind, tax::TaxYear2026());
  in.salary = 1000;
  in.employerMedAid = 100;
  in.beneficiaries = static_cast<std::int16_t>(c.beneficiaries);
  EXPECT_NEAR(calc(c.kind, in).MedicalCredit, c.credit, 1e-9);
  EXPECT_NEAR(PeriodMedicalCredit(c.kind, c.beneficiaries, tax::TaxYear2026()), c.credit, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    PayPeriod, PeriodCredits,
    ::testing::Values(CreditCase{"monthlyOne", PeriodKind::Monthly, 1, 364},
                      CreditCase{"monthlyThree", PeriodKind::Monthly, 3, 974},
                      CreditCase{"weeklyTwo", PeriodKind::Weekly, 2, 182},
                      CreditCase{"weeklyThree", PeriodKind::Weekly, 3, 243.5},
                      CreditCase{"fortnightlyTwo", PeriodKind::Fortnightly, 2, 364},
                      CreditCase{"fortnightlyFour", PeriodKind::Fortnightly, 4, 610},
                      CreditCase{"dailyTwo", PeriodKind::Daily, 2, 728.0 * 12 / 260},
                      CreditCase{"dailyThree", PeriodKind::Daily, 3, 44.953846153846},
                      CreditCase{"dailyFourteen", PeriodKind::Daily, 14, 169.846153846154},
                      CreditCase{"dailyNinetyNine", PeriodKind::Daily, 99, 1134.923076923077}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MedicalCredit, NoContributionNoCreditsWhateverTheCount) {
  PeriodPayInput in = pay(PeriodKind::Monthly, 30000, 70);
  in.beneficiaries = 4;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  EXPECT_EQ(r.MedicalCredit, 0);
  EXPECT_EQ(r.AdditionalCredit, 0);
}

TEST(MedicalCredit, AdditionalCreditOnlyFrom65AndNeverNegative) {
  PeriodPayInput in = pay(PeriodKind::Monthly, 30000, 64);
  in.employeeMedAid = 3000;
  in.beneficiaries = 2;
  EXPECT_EQ(calc(PeriodKind::Monthly, in).AdditionalCredit, 0);
  in.age = 65;
  EXPECT_NEAR(calc(PeriodKind::Monthly, in).AdditionalCredit, (3000 - 2184) * 0.333, 1e-9);
  in.employeeMedAid = 2000;
  EXPECT_EQ(calc(PeriodKind::Monthly, in).AdditionalCredit, 0);
  // weekly: contributions and credit of the week, no scaling
  PeriodPayInput week = pay(PeriodKind::Weekly, 7000, 75);
  week.employeeMedAid = 1000;
  week.beneficiaries = 2;
  PeriodTaxResult r = calc(PeriodKind::Weekly, week);
  EXPECT_EQ(r.Rebate, 29824);
  EXPECT_NEAR(r.AdditionalCredit, (1000 - 3 * 182) * 0.333, 1e-9);
}

// ---- UIF ceilings -------------------------------------------------------

TEST(UIF, CeilingPerPeriodAndCommissionLeftOut) {
  EXPECT_NEAR(PeriodUIFCeiling(PeriodKind::Weekly, 17712), 4087.38, kCent);
  EXPECT_NEAR(PeriodUIFCeiling(PeriodKind::Fortnightly, 17712), 8174.77, kCent);
  EXPECT_NEAR(PeriodUIFCeiling(PeriodKind::Daily, 17712), 817.48, kCent);

  PeriodTaxResult week = calc(PeriodKind::Weekly, weekDays(5000, 5, 5));
  EXPECT_NEAR(week.EmployeeUIF, 40.87, kCent);
  EXPECT_NEAR(week.EmployerUIF, 40.87, kCent);

  PeriodPayInput in = monthlyDays(10000, 1, 31);
  in.commission = 20000;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  EXPECT_EQ(r.UIFBase, 10000);
  EXPECT_NEAR(r.EmployeeUIF, 100, 1e-9);
  EXPECT_NEAR(r.SDL, 300, 1e-9);  // SDL counts the commission, with no ceiling

  SettingsRecord rates = standardSetup();
  rates.EmployerUIF = 2;
  rates.SkillLevy = 0;
  r = calc(PeriodKind::Monthly, in, rates);
  EXPECT_NEAR(r.EmployerUIF, 200, 1e-9);
  EXPECT_EQ(r.SDL, 0);
}

// ---- part periods, and days that cannot be divided by -------------------

TEST(PartPeriods, FortnightlyAnnualisesByNormalOverWorkedDays) {
  PeriodPayInput in = pay(PeriodKind::Fortnightly, 14000);
  PeriodTaxResult full = calc(PeriodKind::Fortnightly, in);
  EXPECT_NEAR(full.AnnualIncome, 364000, 1e-6);
  EXPECT_NEAR(full.PeriodTax, (75672 - 17235) / 26.0, 1e-9);
  in.salary = 7000;
  in.daysWorked = 7;
  PeriodTaxResult half = calc(PeriodKind::Fortnightly, in);
  EXPECT_NEAR(half.AnnualIncome, 364000, 1e-6);
  EXPECT_NEAR(half.PeriodTax, full.PeriodTax / 2, 1e-9);
}

TEST(PartPeriods, NoDayWorkedIsRefusedBeforeAnyDivision) {
  SettingsRecord s = standardSetup();
  PeriodPayInput in = weekDays(7000, 7, 0);
  PeriodTaxResult kept;
  kept.PeriodTax = 123;
  auto refusal = CalculatePeriod(PeriodKind::Weekly, in, s, kept, tax::TaxYear2026());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->field, "silgEdit22");
  EXPECT_EQ(kept.PeriodTax, 123);  // previous results stay
  EXPECT_THROW(CalcPeriodTax(PeriodKind::Weekly, in, s, tax::TaxYear2026()), std::invalid_argument);
  in = pay(PeriodKind::Fortnightly, 1000);
  in.normalDays = in.daysWorked = 0;
  EXPECT_TRUE(CalculatePeriod(PeriodKind::Fortnightly, in, s, kept, tax::TaxYear2026()));
  // an end before the start would give a negative month fraction
  PeriodPayInput month = pay(PeriodKind::Monthly, 1000);
  month.endDate = month.startDate - 1;
  EXPECT_THROW(CalcPeriodTax(PeriodKind::Monthly, month, s, tax::TaxYear2026()), std::invalid_argument);
}

TEST(Defaults, FreshWindows) {
  PeriodPayInput m = DefaultPeriodPayInput(PeriodKind::Monthly, tax::TaxYear2026());
  EXPECT_EQ(formatDay(m.startDate), "01/03/2025");
  EXPECT_EQ(formatDay(m.endDate), "31/03/2025");
  EXPECT_EQ(m.salary, 0);
  EXPECT_EQ(m.age, 0);
  EXPECT_EQ(DefaultPeriodPayInput(PeriodKind::Weekly, tax::TaxYear2026()).normalDays, 7);
  EXPECT_EQ(DefaultPeriodPayInput(PeriodKind::Weekly, tax::TaxYear2026()).daysWorked, 7);
  EXPECT_EQ(DefaultPeriodPayInput(PeriodKind::Fortnightly, tax::TaxYear2026()).normalDays, 14);
  EXPECT_EQ(DefaultPeriodPayInput(PeriodKind::Fortnightly, tax::TaxYear2026()).daysWorked, 14);

  // A fresh window calculates once with empty inputs: everything 0.
  for (PeriodKind k : {PeriodKind::Monthly, PeriodKind::Weekly, PeriodKind::Fortnightly, PeriodKind::Daily}) {
    PeriodTaxResult r = calc(k, DefaultPeriodPayInput(k, tax::TaxYear2026()));
    EXPECT_EQ(r.PeriodTax, 0);
    EXPECT_EQ(r.TaxLiability, 0);
    EXPECT_EQ(r.SDL, 0);
  }
}

TEST(NamedFigures, WindowFieldsByKind) {
  PeriodPayInput in = monthlyDays(30000, 1, 15);
  in.travelAllowance = 1001;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  auto monthly = PeriodWindowFigures(PeriodKind::Monthly, r);
  ASSERT_EQ(monthly.size(), 9u);
  EXPECT_EQ(monthly.back().name, "numMTAAns");
  EXPECT_EQ(monthly.back().value, 801);  // 800.8 shown as whole rand
  EXPECT_EQ(monthly[4].name, "numMAns");
  EXPECT_EQ(monthly[4].value, r.PeriodTax);
  EXPECT_EQ(PeriodWindowFigures(PeriodKind::Daily, r).size(), 8u);

  auto detail = PeriodDetailFigures(PeriodKind::Monthly, r);
  EXPECT_EQ(detail[detail.size() - 2].name, "DaysInMonth");
  EXPECT_EQ(detail[detail.size() - 2].value, 31);
  EXPECT_EQ(detail.back().value, 15);
  EXPECT_EQ(PeriodDetailFigures(PeriodKind::Weekly, r).size(), 13u);
}

}  // namespace
