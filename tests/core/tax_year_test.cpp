// Tax years as data: the year files against the published figures, the
// 2027 figures through every kind of calculation, the checks that refuse a
// damaged file, and the 2026 file against the built-in fallback year.
#include <gtest/gtest.h>

#include "shipped_years.h"
#include "year_folder.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>

#include "dates.h"
#include "package/net_to_gross.h"
#include "package/salary_package.h"
#include "payperiod/annual_tax.h"
#include "payperiod/payperiod_checks.h"
#include "payperiod/period_tax.h"
#include "shell/session_state.h"
#include "tax/ruravuvo.h"
#include "tax/tax_scale.h"
#include "tax/tax_year_file.h"
#include "vehicle/car_allowance.h"
#include "vehicle/company_car.h"
#include "vehicle/vehicle_cost_scale.h"

using namespace quorin;
using quorin::test::day;
using tax::TaxYear;

namespace {

namespace fs = std::filesystem;


const tax::TaxYearCatalogue& shipped() { return test::shippedYears(); }
const TaxYear& year2027() { return test::shippedYear(2027); }

// A scratch folder with the shipped files, for a test to damage or add to.
using test::YearFolder;

TEST(TaxYearFiles, ShippedYearsAreOfferedAndTheyAreRefusedNothing) {
  EXPECT_TRUE(shipped().refused.empty()) << shipped().refused.front();
  EXPECT_EQ(shipped().offered(), (std::vector<int>{2026, 2027}));
  EXPECT_EQ(shipped().offeredText(), "2026 or 2027");
  const Refusal r = tax::UnknownTaxYear(shipped());
  EXPECT_EQ(r.title, "Incorrect Value");
  EXPECT_EQ(r.message, "Tax year must be 2026 or 2027");
  EXPECT_EQ(r.field, "tax-year");
}

// The 2026 file holds exactly the figures the calculations were built with.
TEST(TaxYearFiles, The2026FileEqualsTheBuiltInYear) {
  const TaxYear& file = *shipped().find(2026);
  const TaxYear& built = tax::TaxYear2026();
  EXPECT_EQ(file.firstDay, kTaxYearStart);
  EXPECT_EQ(file.lastDay, kTaxYearEnd);
  ASSERT_EQ(file.scale.size(), built.scale.size());
  for (std::size_t i = 0; i < file.scale.size(); ++i) {
    EXPECT_EQ(file.scale[i].floor, built.scale[i].floor) << i;
    EXPECT_EQ(file.scale[i].ceiling, built.scale[i].ceiling) << i;
    EXPECT_EQ(file.scale[i].rate, built.scale[i].rate) << i;
    EXPECT_EQ(file.scale[i].baseTax, built.scale[i].baseTax) << i;
  }
  EXPECT_EQ(file.primaryRebate, built.primaryRebate);
  EXPECT_EQ(file.rebateAdditionAt75(), 12589);
  EXPECT_EQ(file.secondaryRebate, built.secondaryRebate);
  EXPECT_EQ(file.medicalCreditForTwoAnnual(), 8736);
  EXPECT_EQ(file.medicalCreditFurther, built.medicalCreditFurther);
  EXPECT_EQ(file.retirementFundRate(), 0.275);
  EXPECT_EQ(file.retirementFundCap, built.retirementFundCap);
  ASSERT_EQ(file.vehicleCostScale.size(), built.vehicleCostScale.size());
  for (std::size_t i = 0; i < file.vehicleCostScale.size(); ++i) {
    const auto& a = file.vehicleCostScale[i];
    const auto& b = built.vehicleCostScale[i];
    EXPECT_EQ(a.band, b.band);
    EXPECT_EQ(a.upTo, b.upTo);
    EXPECT_EQ(a.fixedCost, b.fixedCost);
    EXPECT_EQ(a.fuel, b.fuel);
    EXPECT_EQ(a.maintenance, b.maintenance);
  }
  EXPECT_EQ(file.companyCarPercent, 3.5);
  EXPECT_EQ(file.companyCarPercentWithPlan, 3.25);
  EXPECT_FALSE(file.source.empty());
}

TEST(TaxYear2027, ScaleAgainstItsPublishedBases) {
  const TaxYear& y = year2027();
  EXPECT_EQ(formatDay(y.firstDay), "01/03/2026");
  EXPECT_EQ(formatDay(y.lastDay), "28/02/2027");
  const double floors[] = {0, 245100, 383100, 530200, 695800, 887000, 1878600};
  const double rates[] = {18, 26, 31, 36, 39, 41, 45};
  const double bases[] = {0, 44118, 79998, 125599, 185215, 259783, 666339};
  ASSERT_EQ(y.scale.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(y.scale[i].floor, floors[i]);
    EXPECT_EQ(y.scale[i].rate, rates[i]);
    EXPECT_EQ(y.scale[i].baseTax, bases[i]);
    // The tax on each band's ceiling is the next band's base.
    if (i + 1 < 7) {
      EXPECT_NEAR(tax::ApplyTaxScale(floors[i + 1], y).ScaleTax, bases[i + 1], 1e-6);
    }
  }
  EXPECT_EQ(tax::ApplyTaxScale(245100, y).ScaleRate, 18);
  EXPECT_EQ(tax::ApplyTaxScale(245100.01, y).ScaleRate, 26);
  EXPECT_NEAR(tax::ApplyTaxScale(2000000, y).ScaleTax, 666339 + 121400 * 0.45, 1e-6);
  EXPECT_EQ(tax::RebateForAge(64, y), 17820);
  EXPECT_EQ(tax::RebateForAge(65, y), 27585);
  EXPECT_EQ(tax::RebateForAge(75, y), 30834);
  EXPECT_EQ(y.retirementFundCap, 430000);
  EXPECT_NEAR(y.source.find("1 March 2026") != std::string::npos, true, 0);
}

TEST(TaxYear2027, RuravUvoAtThreeHundredThousand) {
  RuravUvoState s;
  s.TaxableIncome = 300000;
  s.Age = 40;
  NEWCALC(s, year2027());
  EXPECT_EQ(s.TotalTax, 58392);
  EXPECT_EQ(s.Rebate, 17820);
  EXPECT_EQ(s.TaxCommitment, 40572);
}

// Below each threshold no tax is due; a rand above it some is.
TEST(TaxYear2027, NoTaxThresholdsByAge) {
  const std::pair<int, double> thresholds[] = {{40, 99000}, {65, 153250}, {75, 171300}};
  for (auto [age, threshold] : thresholds) {
    const double rebate = tax::RebateForAge(age, year2027());
    EXPECT_EQ(tax::TaxAfterRebate(tax::ApplyTaxScale(threshold, year2027()).ScaleTax, rebate), 0) << age;
    EXPECT_GT(tax::TaxAfterRebate(tax::ApplyTaxScale(threshold + 1, year2027()).ScaleTax, rebate), 0) << age;
  }
}

TEST(TaxYear2027, PayPeriodsAndMedicalCredits) {
  PeriodPayInput in = DefaultPeriodPayInput(PeriodKind::Monthly, year2027());
  EXPECT_EQ(formatDay(in.startDate), "01/03/2026");
  EXPECT_EQ(formatDay(in.endDate), "31/03/2026");
  in.age = 30;
  in.salary = 8250;
  PeriodTaxResult r;
  ASSERT_FALSE(CalculatePeriod(PeriodKind::Monthly, in, SettingsRecord{}, r, year2027()));
  EXPECT_EQ(r.AnnualIncome, 99000);
  EXPECT_EQ(r.TaxLiability, 0);
  // The same pay in 2026 is taxed.
  in = DefaultPeriodPayInput(PeriodKind::Monthly, tax::TaxYear2026());
  in.age = 30;
  in.salary = 8250;
  ASSERT_FALSE(CalculatePeriod(PeriodKind::Monthly, in, SettingsRecord{}, r, tax::TaxYear2026()));
  EXPECT_GT(r.TaxLiability, 0);

  EXPECT_EQ(tax::MedicalSchemeFeesCredit(4, year2027()), 1260);
  EXPECT_EQ(PeriodMedicalCredit(PeriodKind::Weekly, 4, year2027()), 1260.0 / 4);
  EXPECT_EQ(PeriodMedicalCredit(PeriodKind::Fortnightly, 4, year2027()), 1260.0 / 2);
  EXPECT_NEAR(PeriodMedicalCredit(PeriodKind::Daily, 4, year2027()), 1260.0 * 12 / 260, 1e-9);
  EXPECT_EQ(tax::AnnualMedicalSchemeFeesCredit(36, year2027()), 24 * 376 + 12 * 254);

  AnnualPayInput a;
  a.setYear(year2027());
  a.age = 40;
  a.salary = 300000;
  a.employeeMedAid = 1000;
  a.monthBeneficiaries.fill(4);
  AnnualTaxResult ar;
  ASSERT_FALSE(CalculateAnnual(a, SettingsRecord{}, ar, year2027()));
  EXPECT_EQ(ar.Tax, 40572);
  EXPECT_EQ(ar.MedicalCredit, 12 * 1260);
}

// The date limits and their messages follow the year.
TEST(TaxYear2027, DateLimitsFollowTheYear) {
  const TaxYear& y = year2027();
  EXPECT_FALSE(CheckAnnualDates(y.firstDay, y.lastDay, y));
  auto early = CheckAnnualDates(kTaxYearStart, y.lastDay, y);
  ASSERT_TRUE(early);
  EXPECT_NE(early->message.find("01/03/2026 and 28/02/2027"), std::string::npos) << early->message;
  EXPECT_TRUE(CheckAnnualDates(y.firstDay, y.lastDay, tax::TaxYear2026()));  // outside 2026
  auto late = CheckAnnualDates(y.firstDay, y.lastDay + 1, y);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->field, "dtEndDate");
}

TEST(TaxYear2027, CarAllowanceAndCompanyCarUseTheYearsScale) {
  const TaxYear& y = year2027();
  EXPECT_EQ(y.vehicleCostScale.size(), 9u);
  EXPECT_EQ(LookupVehicleCostScale(230000, y).band, 2);
  EXPECT_EQ(LookupVehicleCostScale(230001, y).band, 3);
  EXPECT_EQ(LookupVehicleCostScale(920001, y).maintenance, 1.269);

  TravelAllowanceInput in;
  in.setYear(y);
  in.value = 300000;
  in.closeKm = 130000;
  in.openKm = 100000;
  in.logBookKm = 20000;
  CarAllowanceResult r = CarAllowanceCalc(in, y);
  EXPECT_EQ(r.deemed.band, 3);
  EXPECT_EQ(r.deemed.fixedCost, 98689);
  EXPECT_NEAR(r.deemed.fuelPerKm, 161.2, 1e-9);
  EXPECT_NEAR(r.deemed.maintenancePerKm, 67.8, 1e-9);

  CompanyCarRegister reg;
  ASSERT_TRUE(reg.Add(y));
  CompanyCarRecord& car = reg.vehicle(1);
  EXPECT_EQ(car.CCEndDate, y.lastDay);
  car.CCPrice = 400000;
  car.StartMileage = 0;
  car.EndMileage = 10000;
  car.SARSTable = 1;
  CompCarCalc(reg, y);
  EXPECT_EQ(car.FuelComponent, 10000 * 1.734);
}

// The annual net-to-gross search in 2027 lands where the one-rand steps do.
TEST(TaxYear2027, QuorinAnnualSearchEqualsOneRandSteps) {
  std::mt19937 rng(2027);
  std::uniform_real_distribution<double> amount(30000, 900000);
  for (int i = 0; i < 12; ++i) {
    PackageInput in;
    in.amount = std::round(amount(rng));
    in.age = static_cast<std::int16_t>(30 + i * 4);
    in.medical = i % 2 ? 24000 : 0;
    in.beneficiaries = static_cast<std::int16_t>(i % 2 ? 36 : 0);
    PackageResult r;
    ASSERT_FALSE(CalculatePackage(PackageKind::QuorinAnnual, in, SettingsRecord{}, r, year2027()));
    NetToGrossModel m(year2027());
    m.annual = true;
    m.medical = in.medical;
    m.credits = r.MedicalCredit + r.AdditionalCredit;
    m.rebate = r.Rebate;
    m.uifCeiling = SettingsRecord{}.UIFLimit * 12;
    m.employeeUIFPercent = SettingsRecord{}.EmployeeUIF;
    m.employerUIFPercent = SettingsRecord{}.EmployerUIF;
    m.skillsLevyPercent = SettingsRecord{}.SkillLevy;
    const SearchOutcome steps = SearchOneRand(m, in.amount);
    EXPECT_EQ(SearchFast(m, in.amount).candidate, steps.candidate) << in.amount;
    EXPECT_EQ(r.Candidate, steps.candidate) << in.amount;
    EXPECT_EQ(r.Rebate, tax::RebateForAge(in.age, year2027()));
  }
}

// The 2026 file gives what the built-in fallback year gives, through every
// kind of calculation.
TEST(TaxYearFiles, The2026FileCalculatesAsTheBuiltInYear) {
  const TaxYear& y = *shipped().find(2026);
  for (PeriodKind kind : {PeriodKind::Monthly, PeriodKind::Weekly, PeriodKind::Fortnightly, PeriodKind::Daily}) {
    PeriodPayInput in = DefaultPeriodPayInput(kind, y);
    in.age = 70;
    in.salary = 31000;
    in.bonus = 4000;
    in.employeeRFund = 9000;
    in.employeeMedAid = 3000;
    in.beneficiaries = 4;
    const PeriodTaxResult a = CalcPeriodTax(kind, in, SettingsRecord{}, y);
    const PeriodTaxResult b = CalcPeriodTax(kind, in, SettingsRecord{}, tax::TaxYear2026());
    const auto fa = PeriodDetailFigures(kind, a);
    const auto fb = PeriodDetailFigures(kind, b);
    for (std::size_t i = 0; i < fa.size(); ++i) EXPECT_EQ(fa[i].value, fb[i].value) << fa[i].name;
    EXPECT_EQ(a.TaxLiability, b.TaxLiability);
  }
  AnnualPayInput a;
  a.age = 80;
  a.salary = 500000;
  a.employeeMedAid = 40000;
  a.monthBeneficiaries.fill(3);
  EXPECT_EQ(CalcAnnualTax(a, SettingsRecord{}, y).TaxLiability, CalcAnnualTax(a, SettingsRecord{}, tax::TaxYear2026()).TaxLiability);

  for (PackageKind kind : {PackageKind::VelmarMonthly, PackageKind::VelmarAnnual, PackageKind::QuorinMonthly,
                           PackageKind::QuorinAnnual}) {
    PackageInput in;
    in.amount = isAnnual(kind) ? 420000 : 35000;
    in.age = 66;
    in.carValue = 350000;
    in.medical = isAnnual(kind) ? 30000 : 2500;
    in.beneficiaries = 3;
    PackageInput again = in;
    PackageResult ra, rb;
    ASSERT_FALSE(CalculatePackage(kind, in, SettingsRecord{}, ra, y));
    ASSERT_FALSE(CalculatePackage(kind, again, SettingsRecord{}, rb, tax::TaxYear2026()));
    EXPECT_EQ(ra.GrossSal, rb.GrossSal);
    EXPECT_EQ(ra.TaxDeduct, rb.TaxDeduct);
    EXPECT_EQ(ra.CarFringeBenefit, rb.CarFringeBenefit);
  }

  TravelAllowanceInput t;
  t.value = 650000;
  t.closeKm = 40000;
  t.logBookKm = 15000;
  EXPECT_EQ(CarAllowanceCalc(t, y).claim(), CarAllowanceCalc(t, tax::TaxYear2026()).claim());

  RuravUvoState s1, s2;
  s1.TaxableIncome = s2.TaxableIncome = 912345;
  s1.Age = s2.Age = 76;
  NEWCALC(s1, y);
  NEWCALC(s2, tax::TaxYear2026());
  EXPECT_EQ(s1.TaxCommitment, s2.TaxCommitment);
}

// Each check of a year file refuses it with the file, the field and the value.
TEST(TaxYearFiles, DamagedFilesAreRefusedByFileFieldAndValue) {
  struct Damage {
    const char* what;
    std::function<void(nlohmann::json&)> apply;
    const char* field;
    const char* value;
  };
  const Damage damages[] = {
      {"a base off by a rand", [](auto& j) { j["scale"][3]["base"] = 125600; }, "scale[3].base", "125600"},
      {"bands out of order", [](auto& j) { j["scale"][2]["from"] = 200000; }, "scale[2].from", "200000"},
      {"a negative rebate", [](auto& j) { j["rebates"]["primary"] = -17820; }, "rebates.primary", "-17820"},
      {"no credit", [](auto& j) { j["medical_credits"]["each_further"] = 0; }, "medical_credits.each_further", "0"},
      {"two years long", [](auto& j) { j["last_day"] = "28/02/2028"; }, "last_day", "28/02/2028"},
      {"a missing cap", [](auto& j) { j["retirement_fund"].erase("annual_cap"); }, "retirement_fund.annual_cap",
       "nothing"},
      {"vehicle bands out of order", [](auto& j) { j["vehicle_cost_scale"][4]["up_to"] = 100000; },
       "vehicle_cost_scale[4].up_to", "100000"},
      {"a text for a rate", [](auto& j) { j["scale"][0]["rate"] = "18%"; }, "scale[0].rate", "18%"},
  };
  for (const Damage& d : damages) {
    YearFolder folder;
    nlohmann::json j = folder.read(2027);
    d.apply(j);
    folder.write(2027, j);
    const tax::TaxYearCatalogue c = tax::LoadTaxYears(folder.path());
    EXPECT_EQ(c.offered(), std::vector<int>{2026}) << d.what;
    ASSERT_EQ(c.refused.size(), 1u) << d.what;
    const std::string& message = c.refused.front();
    EXPECT_NE(message.find("2027.json"), std::string::npos) << message;
    EXPECT_NE(message.find(std::string(d.field) + " is " + d.value), std::string::npos) << d.what << ": " << message;
    EXPECT_EQ(tax::UnknownTaxYear(c).message, "Tax year must be 2026") << d.what;
  }

  YearFolder folder;
  folder.writeText("2027.json", "{ \"year\": 2027, ");
  const tax::TaxYearCatalogue c = tax::LoadTaxYears(folder.path());
  ASSERT_EQ(c.refused.size(), 1u);
  EXPECT_NE(c.refused.front().find("2027.json is not valid JSON"), std::string::npos) << c.refused.front();
  EXPECT_EQ(c.find(2027), nullptr);
  EXPECT_EQ(tax::RefusedTaxYear(c, 2027).message, c.refused.front());
}

// Next year is a file: a valid 2028.json is offered beside the others, its
// leap day accepted as the last day.
TEST(TaxYearFiles, ANewYearFileIsOffered) {
  YearFolder folder;
  nlohmann::json j = folder.read(2027);
  j["year"] = 2028;
  j["first_day"] = "01/03/2027";
  j["last_day"] = "29/02/2028";
  j["source"] = "made up for a test";
  j.erase("eti");  // its periods are the months of 2027
  folder.write(2028, j);
  const tax::TaxYearCatalogue c = tax::LoadTaxYears(folder.path());
  EXPECT_TRUE(c.refused.empty());
  EXPECT_EQ(c.offeredText(), "2026, 2027 or 2028");
  EXPECT_EQ(c.find(2028)->lastDay - c.find(2028)->firstDay + 1, 366);

  j["last_day"] = "28/02/2028";
  folder.write(2028, j);
  const tax::TaxYearCatalogue short_ = tax::LoadTaxYears(folder.path());
  ASSERT_EQ(short_.refused.size(), 1u);
  EXPECT_NE(short_.refused.front().find("last_day is 28/02/2028"), std::string::npos);

  // A file named for another year than it holds.
  j["last_day"] = "29/02/2028";
  folder.write(2029, j);
  EXPECT_EQ(tax::LoadTaxYears(folder.path()).refused.size(), 2u);
  EXPECT_TRUE(tax::LoadTaxYears("/nonexistent/tax-years").years.empty());
}

// Installed, the years come from two places: the shipped folder, which an
// update replaces, and the user's own tax-years. A year the program ships
// is always the shipped file, even where an earlier version left a copy
// with older figures in the user's folder; the user's other years are
// offered beside it.
TEST(TaxYearFiles, AUsersOwnYearIsAddedAndAShippedYearStaysTheShippedFile) {
  YearFolder shippedYears;
  YearFolder own;
  nlohmann::json old2027 = own.read(2027);
  old2027["rebates"]["primary"] = 1;
  own.write(2027, old2027);
  nlohmann::json j = own.read(2027);
  j["year"] = 2028;
  j["first_day"] = "01/03/2027";
  j["last_day"] = "29/02/2028";
  j.erase("eti");  // 2027's periods
  own.write(2028, j);
  fs::remove(fs::path(own.path()) / "2026.json");
  // SessionState reads "tax-years" below each folder.
  const fs::path shippedRoot = fs::path(shippedYears.path()).parent_path() / (fs::path(shippedYears.path()).filename().string() + "-root");
  const fs::path ownRoot = fs::path(own.path()).parent_path() / (fs::path(own.path()).filename().string() + "-root");
  fs::create_directories(shippedRoot);
  fs::create_directories(ownRoot);
  fs::create_directory_symlink(shippedYears.path(), shippedRoot / tax::kTaxYearFolder);
  fs::create_directory_symlink(own.path(), ownRoot / tax::kTaxYearFolder);

  SessionState session;
  session.setProgramFolder(ownRoot.string());
  session.setShippedFolder(shippedRoot.string());
  session.loadTaxYears();
  EXPECT_EQ(session.taxYears->offeredText(), "2026, 2027 or 2028");
  EXPECT_TRUE(session.taxYears->refused.empty());
  EXPECT_EQ(session.taxYears->find(2027)->primaryRebate, year2027().primaryRebate);
  fs::remove_all(shippedRoot);
  fs::remove_all(ownRoot);
}

}  // namespace
