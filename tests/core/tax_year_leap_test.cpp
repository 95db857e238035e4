// Leap years and the year in force: February's and the year's real length
// in every rule that means "the days of this month" or "a full year", with
// the 2024 year file (test data: 1 March 2023 to 29 February 2024) and a
// synthetic leap year; which year is in force on a day.
#include <gtest/gtest.h>

#include <filesystem>

#include "dates.h"
#include "payperiod/annual_tax.h"
#include "payperiod/period_tax.h"
#include "tax/tax_scale.h"
#include "tax/tax_year_file.h"
#include "vehicle/car_allowance.h"
#include "vehicle/company_car.h"

using namespace quorin;
using quorin::test::day;

namespace {

namespace fs = std::filesystem;

const tax::TaxYearCatalogue& testYears() {
  static const tax::TaxYearCatalogue c = tax::LoadTaxYears((fs::path(QUORIN_SOURCE_DIR) / "tests/year-files").string());
  return c;
}
const tax::TaxYear& year(int number) {
  const tax::TaxYear* y = testYears().find(number);
  if (!y) throw std::runtime_error("test year file missing: " + std::to_string(number));
  return *y;
}

TEST(LeapYears, TheTestYearFilesAreReadAndLong366Days) {
  EXPECT_TRUE(testYears().refused.empty()) << testYears().refused.front();
  EXPECT_EQ(year(2024).days(), 366);
  EXPECT_EQ(year(2028).days(), 366);
  EXPECT_EQ(tax::TaxYear2026().days(), 365);
  EXPECT_EQ(DaysInMonth(day(10, 2, 2024)), 29);
  EXPECT_EQ(DaysInMonth(day(10, 2, 2026)), 28);
  EXPECT_EQ(DaysInMonth(day(10, 2, 2000)), 29);
  EXPECT_EQ(DaysInMonth(day(10, 2, 2100)), 28);  // a century, not a leap year
}

// February 2024 worked in full is a full month: R30 000 at 40 is taxed as
// 360 000 a year, as in any other month.
TEST(LeapYears, MonthlyFebruaryOfALeapYearIsAFullMonth) {
  PeriodPayInput in = DefaultPeriodPayInput(PeriodKind::Monthly, year(2024));
  in.age = 40;
  in.salary = 30000;
  in.startDate = day(1, 2, 2024);
  in.endDate = day(29, 2, 2024);
  PeriodTaxResult r;
  ASSERT_FALSE(CalculatePeriod(PeriodKind::Monthly, in, SettingsRecord{}, r, year(2024)));
  EXPECT_EQ(r.DaysInMonth, 29);
  EXPECT_EQ(r.AnnualIncome, 360000);
  EXPECT_NEAR(r.PeriodTax, 4783.08, 0.005);
  // Half of it: 15 of 29 days, annualised by 29 / 15.
  in.endDate = day(15, 2, 2024);
  ASSERT_FALSE(CalculatePeriod(PeriodKind::Monthly, in, SettingsRecord{}, r, year(2024)));
  EXPECT_NEAR(r.AnnualIncome, 30000.0 * 29 / 15 * 12, 1e-6);
}

// A whole 366-day year is a full year: no part-year scaling; a part year is
// its share of 366 days.
TEST(LeapYears, AnnualFullAndPartLeapYears) {
  for (int number : {2024, 2028}) {
    const tax::TaxYear& y = year(number);
    AnnualPayInput in;
    in.setYear(y);
    in.age = 40;
    in.salary = 360000;
    AnnualTaxResult r;
    ASSERT_FALSE(CalculateAnnual(in, SettingsRecord{}, r, y));
    EXPECT_EQ(r.Days, 366);
    EXPECT_EQ(r.TaxableIncome, 360000) << number;
    const double fullYear = tax::ApplyTaxScale(360000, y).ScaleTax - tax::RebateForAge(40, y);
    EXPECT_NEAR(r.Tax, fullYear, 1e-9) << number;

    in.endDate = y.firstDay + 182;  // 183 days, half of 366
    in.salary = 180000;
    ASSERT_FALSE(CalculateAnnual(in, SettingsRecord{}, r, y));
    EXPECT_NEAR(r.TaxableIncome, 360000, 1e-6) << number;
    EXPECT_NEAR(r.Tax, fullYear / 2, 1e-6) << number;
  }
  // 2024's figures are 2026's: a full 2024 equals a full 2026.
  AnnualPayInput a;
  a.setYear(year(2024));
  a.age = 40;
  a.salary = 360000;
  AnnualTaxResult r;
  ASSERT_FALSE(CalculateAnnual(a, SettingsRecord{}, r, year(2024)));
  EXPECT_EQ(r.Tax, 57397);
}

// The car allowance's deemed km and fixed cost, and the company car's IRP5
// figure, are shares of the year's days: a full leap year claims what a
// full ordinary year does.
TEST(LeapYears, VehicleApportionmentsUseTheYearsLength) {
  TravelAllowanceInput in;
  in.value = 300000;
  in.closeKm = 130000;
  in.openKm = 100000;
  in.logBookKm = 20000;
  in.setYear(tax::TaxYear2026());
  const double full2026 = CarAllowanceCalc(in, tax::TaxYear2026()).claim();
  EXPECT_NEAR(full2026, 106991.32, 0.005);
  in.setYear(year(2024));
  EXPECT_EQ(in.days(), 366);
  EXPECT_EQ(CarAllowanceCalc(in, year(2024)).claim(), full2026);
  // The deemed split without a log book: 18 000 km private over the year.
  const DistanceSplit leap = SplitDistance(130000, 100000, 0, 366, 366);
  const DistanceSplit plain = SplitDistance(130000, 100000, 0, 365, 365);
  EXPECT_EQ(leap.business, plain.business);
  EXPECT_EQ(leap.priv, plain.priv);
  in.RecordsKept = 1;
  in.closeKm = in.openKm = in.logBookKm = 0;
  in.fuel = 90000;
  TravelAllowanceInput ordinary = in;
  ordinary.setYear(tax::TaxYear2026());
  EXPECT_EQ(CarAllowanceCalc(in, year(2024)).claim(), CarAllowanceCalc(ordinary, tax::TaxYear2026()).claim());

  CompanyCarRegister reg;
  ASSERT_TRUE(reg.Add(year(2024)));
  reg.vehicle(1).CCPrice = 300000;
  const CompanyCarRun run = CompCarCalc(reg, year(2024));
  EXPECT_EQ(run.vehicles[0].CCMonths, 366);
  EXPECT_EQ(run.vehicles[0].IRP53802, 126000);  // 3.5 % x 12 of the price: the whole year
  // The daily value keeps its divisor of 366: a full leap year is 366 days of it.
  EXPECT_EQ(run.vehicles[0].TrueInclusion, 126000);
}

TEST(YearInForce, TheYearHoldingTheDayElseTheLatestBefore) {
  const tax::TaxYearCatalogue& c = testYears();  // 2024 and 2028
  EXPECT_EQ(c.inForce(day(29, 2, 2024))->year, 2024);
  EXPECT_EQ(c.inForce(day(1, 3, 2027))->year, 2028);
  EXPECT_EQ(c.inForce(day(9, 12, 2025))->year, 2024);  // no year holds it: the latest before
  EXPECT_EQ(c.inForce(day(1, 1, 2030))->year, 2028);
  EXPECT_EQ(c.inForce(day(1, 1, 2020))->year, 2024);  // before every year: the first
  EXPECT_EQ(tax::TaxYearCatalogue{}.inForce(day(1, 1, 2026)), nullptr);
  EXPECT_EQ(tax::TaxYearOfDay(day(28, 2, 2027)), 2027);
  EXPECT_EQ(tax::TaxYearOfDay(day(1, 3, 2027)), 2028);
}

}  // namespace
