// The pay-period windows' checks and field limits: what is refused, with
// which title and message, and which field gets the focus.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "payperiod/payperiod_checks.h"
#include "payperiod/payperiod_fields.h"
#include "common/day_number.h"
#include "dates.h"

using namespace quorin;

namespace {

using quorin::test::day;

TEST(MonthlyDates, SameMonthThenStartNotAfterEnd) {
  auto before = CheckMonthlyDates(day(15, 4, 2025), day(14, 4, 2025));
  ASSERT_TRUE(before);
  EXPECT_EQ(before->title, "Incorrect Date");
  EXPECT_EQ(before->message, "The Start date entered must be before the End date");
  EXPECT_EQ(before->field, "dtMStartDate");

  auto month = CheckMonthlyDates(day(30, 4, 2025), day(1, 5, 2025));
  ASSERT_TRUE(month);
  EXPECT_EQ(month->title, "Incorrect Date");
  EXPECT_EQ(month->message, "The Start and End dates entered must be for the same Month");
  EXPECT_EQ(month->field, "dtMEndDate");

  // the month check comes first
  EXPECT_EQ(CheckMonthlyDates(day(20, 5, 2025), day(10, 6, 2025))->field, "dtMEndDate");

  EXPECT_FALSE(CheckMonthlyDates(day(10, 6, 2025), day(10, 6, 2025)));  // one day worked
  EXPECT_FALSE(CheckMonthlyDates(day(1, 2, 2026), day(28, 2, 2026)));
}

TEST(DayCounts, WeeklyAndFortnightlyMessages) {
  auto week = CheckDayCounts(PeriodKind::Weekly, 5, 6);
  ASSERT_TRUE(week);
  EXPECT_EQ(week->title, "Incorrect Number of Days");
  EXPECT_EQ(week->message, "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.");
  EXPECT_EQ(week->field, "cmdCalculate");

  auto fortnight = CheckDayCounts(PeriodKind::Fortnightly, 10, 14);
  ASSERT_TRUE(fortnight);
  EXPECT_EQ(fortnight->message,
            "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.");

  EXPECT_FALSE(CheckDayCounts(PeriodKind::Weekly, 5, 5));
  EXPECT_FALSE(CheckDayCounts(PeriodKind::Weekly, 7, 1));
  EXPECT_FALSE(CheckDayCounts(PeriodKind::Fortnightly, 14, 14));
}

TEST(DayCounts, NoDayWorkedIsRefusedAtThisPeriodsField) {
  for (PeriodKind kind : {PeriodKind::Weekly, PeriodKind::Fortnightly}) {
    for (int normal : {0, 5}) {
      auto zero = CheckDayCounts(kind, normal, 0);
      ASSERT_TRUE(zero);
      EXPECT_EQ(zero->title, "Incorrect Number of Days");
      EXPECT_EQ(zero->field, "silgEdit22");
    }
  }
  EXPECT_NE(CheckDayCounts(PeriodKind::Weekly, 7, 0)->message.find("'This work week'"), std::string::npos);
  EXPECT_NE(CheckDayCounts(PeriodKind::Fortnightly, 14, 0)->message.find("'This fortnight'"), std::string::npos);
}

TEST(PeriodMeasure, ByKind) {
  PeriodPayInput in;
  in.normalDays = 5;
  in.daysWorked = 6;
  in.startDate = day(30, 4, 2025);
  in.endDate = day(1, 5, 2025);
  EXPECT_EQ(CheckPeriodMeasure(PeriodKind::Monthly, in)->field, "dtMEndDate");
  EXPECT_EQ(CheckPeriodMeasure(PeriodKind::Weekly, in)->field, "cmdCalculate");
  EXPECT_FALSE(CheckPeriodMeasure(PeriodKind::Daily, in));
}

TEST(AnnualDates, WithinTheYearAndEndNotBeforeStart) {
  EXPECT_FALSE(CheckAnnualDates(kTaxYearStart, kTaxYearEnd, tax::TaxYear2026()));
  EXPECT_FALSE(CheckAnnualDates(day(1, 2, 2026), day(1, 2, 2026), tax::TaxYear2026()));

  auto early = CheckAnnualDates(day(28, 2, 2025), kTaxYearEnd, tax::TaxYear2026());
  ASSERT_TRUE(early);
  EXPECT_EQ(early->title, "Incorrect Date");
  EXPECT_EQ(early->field, "dtStartDate");
  EXPECT_EQ(early->message,
            "The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");

  auto before = CheckAnnualDates(day(1, 6, 2025), day(31, 5, 2025), tax::TaxYear2026());
  ASSERT_TRUE(before);
  EXPECT_EQ(before->field, "dtEndDate");
  EXPECT_EQ(before->message,
            "The date entered is not correct please enter a date between 01/06/2025 and 28/02/2026");

  EXPECT_EQ(CheckAnnualDates(day(1, 6, 2025), day(1, 3, 2026), tax::TaxYear2026())->field, "dtEndDate");
}

// ---- field limits ---------------------------------------------------------

std::optional<Refusal> typed(const PayPeriodLimits& limits, const std::string& field, const std::string& text) {
  auto it = limits.find(field);
  EXPECT_NE(it, limits.end()) << field;
  if (it == limits.end()) return Refusal{};
  double value = 0;
  return checkText(field, it->second, text, value);
}

std::set<std::string> names(const PayPeriodLimits& limits) {
  std::set<std::string> out;
  for (const auto& [name, limit] : limits) out.insert(name);
  return out;
}

TEST(FieldTables, EveryEntryFieldOfEachWindow) {
  const std::set<std::string> shared{"numSalRemun",      "numComm",          "numEmpRRFundCont",
                                     "numEmpERFundCont", "numEmpERMedAidCont", "numEmpEEMedAidCont",
                                     "numMedAidBens",    "numEmpEUIF",       "numEmpRUIF",
                                     "numUIFLimit",      "numSkillPercent",  "Text1"};
  auto with = [&](std::initializer_list<const char*> extra) {
    std::set<std::string> s = shared;
    s.insert(extra.begin(), extra.end());
    return s;
  };
  EXPECT_EQ(names(PeriodFieldLimits(PeriodKind::Monthly, kTaxYearStart, tax::TaxYear2026())),
            with({"silgEdit9", "silgEdit12", "silgEdit13", "dtMStartDate", "dtMEndDate"}));
  EXPECT_EQ(names(PeriodFieldLimits(PeriodKind::Weekly, kTaxYearStart, tax::TaxYear2026())),
            with({"silgEdit14", "sidbEdit4", "sidbEdit6", "silgEdit21", "silgEdit22"}));
  EXPECT_EQ(names(PeriodFieldLimits(PeriodKind::Fortnightly, kTaxYearStart, tax::TaxYear2026())), names(PeriodFieldLimits(PeriodKind::Weekly, kTaxYearStart, tax::TaxYear2026())));
  EXPECT_EQ(names(PeriodFieldLimits(PeriodKind::Daily, kTaxYearStart, tax::TaxYear2026())), with({"silgEdit23", "sidbEdit4", "sidbEdit6"}));
  EXPECT_EQ(names(AnnualFieldLimits(kTaxYearStart, kTaxYearEnd, tax::TaxYear2026())),
            (std::set<std::string>{"silgEdit1", "silgEdit2", "numEmpERMedAidCont", "numEmpEEMedAidCont",
                                   "numEmpRRFundCont", "numEmpERFundCont", "numDirFees", "silgEdit4", "silgEdit8",
                                   "numAnnCalcBens", "silgEdit15", "dtStartDate", "dtEndDate", "numEmpEUIF",
                                   "numEmpRUIF", "numUIFLimit", "numSkillPercent", "Text1"}));
}

TEST(FieldTables, FieldNamesMatchTheTables) {
  for (PeriodKind kind : {PeriodKind::Monthly, PeriodKind::Weekly, PeriodKind::Daily}) {
    const PeriodFieldNames& f = PeriodFields(kind);
    auto limits = PeriodFieldLimits(kind, kTaxYearStart, tax::TaxYear2026());
    for (const char* name : {f.age, f.salary, f.commission, f.bonus, f.travelAllowance, f.employerRFund,
                             f.employeeRFund, f.employerMedAid, f.employeeMedAid, f.beneficiaries})
      EXPECT_TRUE(limits.count(name)) << name;
  }
  EXPECT_STREQ(PeriodFields(PeriodKind::Fortnightly).daysWorked, "silgEdit22");
  EXPECT_EQ(PeriodFields(PeriodKind::Daily).startDate, nullptr);
}

TEST(FieldLimits, MonthlyWholeRandAndCounts) {
  auto m = PeriodFieldLimits(PeriodKind::Monthly, kTaxYearStart, tax::TaxYear2026());
  EXPECT_FALSE(typed(m, "numSalRemun", "99999999"));
  EXPECT_TRUE(typed(m, "numSalRemun", "100000000"));
  EXPECT_TRUE(typed(m, "numSalRemun", "1500.50"));  // whole rand only
  EXPECT_TRUE(typed(m, "silgEdit12", "-1"));
  EXPECT_FALSE(typed(m, "silgEdit9", "999"));
  EXPECT_TRUE(typed(m, "silgEdit9", "1000"));
  EXPECT_FALSE(typed(m, "numMedAidBens", "99"));
  EXPECT_TRUE(typed(m, "numMedAidBens", "100"));
  EXPECT_TRUE(typed(m, "numComm", "abc"));
}

TEST(FieldLimits, WeeklyAndDailyTakeCents) {
  for (PeriodKind kind : {PeriodKind::Weekly, PeriodKind::Daily}) {
    auto w = PeriodFieldLimits(kind, kTaxYearStart, tax::TaxYear2026());
    for (const char* field : {"numSalRemun", "numComm", "sidbEdit4", "sidbEdit6", "numEmpERMedAidCont"}) {
      EXPECT_FALSE(typed(w, field, "9999999.99")) << field;
      EXPECT_TRUE(typed(w, field, "10000000")) << field;
    }
    EXPECT_TRUE(typed(w, "numEmpRRFundCont", "10.5"));  // whole rand
    EXPECT_FALSE(typed(w, "numEmpRRFundCont", "99999999"));
  }
  auto week = PeriodFieldLimits(PeriodKind::Weekly, kTaxYearStart, tax::TaxYear2026());
  EXPECT_FALSE(typed(week, "silgEdit22", "0"));  // the field takes 0; Calculate refuses it
  EXPECT_FALSE(typed(week, "silgEdit21", "7"));
  EXPECT_TRUE(typed(week, "silgEdit21", "8"));
  auto fortnight = PeriodFieldLimits(PeriodKind::Fortnightly, kTaxYearStart, tax::TaxYear2026());
  EXPECT_FALSE(typed(fortnight, "silgEdit22", "14"));
  EXPECT_TRUE(typed(fortnight, "silgEdit22", "15"));
}

TEST(FieldLimits, MonthlyDatesQuoteTheStartDate) {
  auto m = PeriodFieldLimits(PeriodKind::Monthly, day(15, 4, 2025), tax::TaxYear2026());
  auto refused = typed(m, "dtMEndDate", "01/03/2026");
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->title, "Incorrect Date");
  EXPECT_EQ(refused->field, "dtMEndDate");
  EXPECT_EQ(refused->message,
            "The date entered is not correct please enter a date between 15/04/2025 and 28/02/2026");
  ASSERT_TRUE(typed(m, "dtMEndDate", "29/02/2026"));  // no such day
  EXPECT_EQ(typed(m, "dtMEndDate", "29/02/2026")->message, refused->message);
  EXPECT_FALSE(typed(m, "dtMEndDate", "01/03/2025"));  // the range stays the tax year
  EXPECT_FALSE(typed(m, "dtMEndDate", "28/02/2026"));

  auto start = typed(m, "dtMStartDate", "28/02/2025");
  ASSERT_TRUE(start);
  EXPECT_EQ(start->message,
            "The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
  EXPECT_FALSE(typed(m, "dtMStartDate", "01/03/2025"));
}

TEST(FieldLimits, AnnualDatesFollowEachOther) {
  auto a = AnnualFieldLimits(day(1, 6, 2025), day(31, 8, 2025), tax::TaxYear2026());
  EXPECT_FALSE(typed(a, "dtStartDate", "31/08/2025"));
  auto late = typed(a, "dtStartDate", "01/09/2025");
  ASSERT_TRUE(late);
  EXPECT_EQ(late->message,
            "The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
  EXPECT_FALSE(typed(a, "dtEndDate", "01/06/2025"));
  auto early = typed(a, "dtEndDate", "31/05/2025");
  ASSERT_TRUE(early);
  EXPECT_EQ(early->message,
            "The date entered is not correct please enter a date between 01/06/2025 and 28/02/2026");
}

TEST(FieldLimits, AnnualAmountsAndMonthCounts) {
  auto a = AnnualFieldLimits(kTaxYearStart, kTaxYearEnd, tax::TaxYear2026());
  EXPECT_FALSE(typed(a, "silgEdit2", "999999999"));
  EXPECT_TRUE(typed(a, "silgEdit2", "1000000000"));
  EXPECT_TRUE(typed(a, "silgEdit2", "0.5"));
  EXPECT_TRUE(typed(a, "numEmpERMedAidCont", "100000000"));
  EXPECT_FALSE(typed(a, "numEmpRRFundCont", "999999999"));
  EXPECT_FALSE(typed(a, "numAnnCalcBens", "30"));  // two digits; cut back to 24 on leaving
  EXPECT_TRUE(typed(a, "numAnnCalcBens", "100"));
  EXPECT_FALSE(typed(a, "silgEdit15", "99999999"));
}

TEST(FieldLimits, SetupFieldsAndEmployeeName) {
  auto s = PeriodFieldLimits(PeriodKind::Daily, kTaxYearStart, tax::TaxYear2026());
  EXPECT_FALSE(typed(s, "numEmpEUIF", "100"));
  EXPECT_FALSE(typed(s, "numEmpEUIF", "0.875"));
  EXPECT_TRUE(typed(s, "numEmpRUIF", "100.001"));
  EXPECT_TRUE(typed(s, "numSkillPercent", "-1"));
  EXPECT_FALSE(typed(s, "numUIFLimit", "999999"));
  EXPECT_TRUE(typed(s, "numUIFLimit", "1000000"));
  EXPECT_EQ(s.at("numEmpEUIF").decimals, 3);

  EXPECT_FALSE(typed(s, "Text1", std::string(50, 'x')));
  EXPECT_TRUE(typed(s, "Text1", std::string(51, 'x')));
  EXPECT_FALSE(typed(s, "Text1", std::string(25, 'x') + "\xC3\xAB" + std::string(24, 'x')));  // 50 characters
}

}  // namespace
