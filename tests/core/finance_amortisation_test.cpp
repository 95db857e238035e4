// Amortisation schedules, their grid, and the loans printout: records,
// Amort rows, report files and titles, and the print condition.
#include <gtest/gtest.h>

#include <variant>

#include "finance/amortisation.h"
#include "finance/finance_records.h"

using namespace quorin;

namespace {

const LoanTerms kLoan{100000, 60, 10, 2124.70};

double num(const FeedRecord& r, const char* name) { return std::get<double>(*r.find(name)); }
std::string text(const FeedRecord& r, const char* name) { return std::get<std::string>(*r.find(name)); }

TEST(MonthlySchedule, FirstAndLastMonth) {
  MonthlySchedule s = buildMonthlySchedule(kLoan);
  ASSERT_EQ(s.lines.size(), 60u);
  EXPECT_NEAR(s.repayment, 2124.704471, 1e-6);  // from P, n, r, not the field's 2 124.70
  EXPECT_EQ(s.lines[0].number, 1);
  EXPECT_NEAR(s.lines[0].capital, 1291.37, 0.005);
  EXPECT_NEAR(s.lines[0].interest, 833.33, 0.005);
  EXPECT_NEAR(s.lines[0].balance, 98708.63, 0.005);
  EXPECT_NEAR(s.lines[59].capital, 2107.14, 0.005);
  EXPECT_NEAR(s.lines[59].interest, 17.56, 0.005);
  EXPECT_NEAR(s.lines[59].balance, 0, 1e-6);
  EXPECT_GE(s.lines[59].balance, 0);  // absolute value: never a "-0.00"
}

TEST(MonthlySchedule, NotBuiltForImpossibleTerms) {
  EXPECT_TRUE(buildMonthlySchedule({100000, 0, 10, 2000}).lines.empty());
  EXPECT_TRUE(buildMonthlySchedule({100000, 60, 0, 2000}).lines.empty());
  EXPECT_TRUE(buildMonthlySchedule({100000, 1001, 10, 2000}).lines.empty());
  EXPECT_TRUE(buildMonthlySchedule({100000, 60.5, 10, 2000}).lines.empty());
  EXPECT_EQ(buildMonthlySchedule({100000, 600, 10, 2000}).lines.size(), 600u);
}

TEST(AnnualSchedule, FullYears) {
  AnnualSchedule a = CalcAnnAmort(kLoan);
  ASSERT_EQ(a.lastYear(), 5);
  EXPECT_EQ(a.fullYears, 5);
  EXPECT_EQ(a.partYearFlag, 1);
  EXPECT_NEAR(a.lines[0].capital, 16226.81, 0.005);
  EXPECT_NEAR(a.lines[0].interest, 9269.64, 0.005);
  EXPECT_NEAR(a.lines[0].balance, 83773.19, 0.005);
  EXPECT_NEAR(a.lines[4].balance, 0, 1e-6);
}

TEST(AnnualSchedule, PartYearAfterTheFullYears) {
  const LoanTerms t{100000, 30, 10, 3700};
  AnnualSchedule a = CalcAnnAmort(t);
  ASSERT_EQ(a.lastYear(), 3);
  EXPECT_EQ(a.fullYears, 2);
  EXPECT_EQ(a.partYearFlag, 2);
  EXPECT_NEAR(a.lines[0].capital, 37040.88, 0.005);
  EXPECT_NEAR(a.lines[1].capital, 40919.54, 0.005);
  EXPECT_DOUBLE_EQ(a.lines[2].capital, 100000 - a.lines[0].capital - a.lines[1].capital);
  EXPECT_NEAR(a.lines[2].capital, 22039.58, 0.005);
  EXPECT_NEAR(a.lines[2].interest, 647.27, 0.005);  // the six months' own interest
  EXPECT_EQ(a.lines[2].balance, 0);
  EXPECT_EQ(a.lines[2].number, 3);
}

TEST(Schedules, OfferedOnlyForCompleteTerms) {
  EXPECT_TRUE(monthlyScheduleOffered(kLoan));
  EXPECT_FALSE(monthlyScheduleOffered({100000, 60, 10, 0}));
  EXPECT_TRUE(annualScheduleOffered({100000, 13, 10, 2000}));
  EXPECT_FALSE(annualScheduleOffered({100000, 12, 10, 2000}));
  EXPECT_FALSE(annualScheduleOffered({0, 60, 10, 2000}));
}

TEST(Schedules, GridRows) {
  auto monthly = scheduleGrid(ScheduleKind::Monthly, buildMonthlySchedule(kLoan).lines);
  ASSERT_EQ(monthly.size(), 61u);
  EXPECT_EQ(monthly[0], (GridRow{" Month   ", "Capital payment ", "Interest payment", "    Balance    "}));
  EXPECT_EQ(monthly[1], (GridRow{"1", "1 291.37", "833.33", "98 708.63"}));
  EXPECT_EQ(monthly[60][3], "0.00");
  auto annual = scheduleGrid(ScheduleKind::Annual, CalcAnnAmort(kLoan).lines);
  ASSERT_EQ(annual.size(), 6u);
  EXPECT_EQ(annual[0], (GridRow{" Year ", "Capital payments", "Interest payment", "    Balance      "}));
  EXPECT_EQ(annual[1], (GridRow{"1", "16 226.81", "9 269.64", "83 773.19"}));
}

TEST(LoansPrintout, RecordWithFinanceCharges) {
  auto p = PrintLoans(LoanMode::RepaymentPeriod, {100000, 64, 10, 2022.38}, true, ScheduleKind::None);
  ASSERT_TRUE(p);
  const FeedRecord& r = p->loans;
  EXPECT_EQ(r.table, "Loans");
  EXPECT_EQ(text(r, "Heading"), "Repayment period");
  EXPECT_EQ(num(r, "Num1"), 100000);
  EXPECT_EQ(num(r, "Num2"), 64);
  EXPECT_EQ(num(r, "Num3"), 10);
  EXPECT_EQ(num(r, "Num4"), 2022.38);
  EXPECT_EQ(text(r, "FinText1"), "Total Interest");
  EXPECT_EQ(text(r, "FinText1A"), ": R");
  EXPECT_NEAR(num(r, "FinNum1"), 64 * 2022.38 - 100000, 1e-6);
  EXPECT_EQ(text(r, "FinText2"), "Total Repayments");
  EXPECT_NEAR(num(r, "FinNum2"), 64 * 2022.38, 1e-6);
  EXPECT_EQ(r.find("YearMon"), nullptr);  // only with a schedule
  EXPECT_FALSE(p->amort);
  EXPECT_EQ(p->report.file, "LonRPer.rpt");
  EXPECT_EQ(p->report.title, "");
}

TEST(LoansPrintout, HiddenFinanceChargesAreEmpty) {
  auto p = PrintLoans(LoanMode::MonthlyRepayment, kLoan, false, ScheduleKind::None);
  ASSERT_TRUE(p);
  EXPECT_EQ(text(p->loans, "FinText1"), "");
  EXPECT_EQ(text(p->loans, "FinText1A"), "");
  EXPECT_EQ(num(p->loans, "FinNum1"), 0);
  EXPECT_EQ(text(p->loans, "FinText2"), "");
  EXPECT_EQ(num(p->loans, "FinNum2"), 0);
}

TEST(LoansPrintout, ScheduleRows) {
  auto monthly = PrintLoans(LoanMode::MonthlyRepayment, kLoan, false, ScheduleKind::Monthly);
  ASSERT_TRUE(monthly && monthly->amort);
  EXPECT_EQ(text(monthly->loans, "YearMon"), "Month");
  EXPECT_EQ(monthly->amort->table, "Amort");
  ASSERT_EQ(monthly->amort->rows.size(), 60u);
  const FeedRecord& first = monthly->amort->rows[0];
  EXPECT_EQ(std::get<std::int16_t>(*first.find("Year")), 1);
  EXPECT_NEAR(num(first, "Capital"), 1291.37, 0.005);
  EXPECT_NEAR(num(first, "Interest"), 833.33, 0.005);
  EXPECT_NEAR(num(first, "Required"), 98708.63, 0.005);

  auto annual = PrintLoans(LoanMode::MonthlyRepayment, {100000, 30, 10, 3700}, false, ScheduleKind::Annual);
  ASSERT_TRUE(annual && annual->amort);
  EXPECT_EQ(text(annual->loans, "YearMon"), "Year");
  EXPECT_EQ(annual->amort->rows.size(), 3u);  // two full years and the part year
}

TEST(LoansPrintout, RefusedWhenAnyValueIsZero) {
  EXPECT_FALSE(PrintLoans(LoanMode::MonthlyRepayment, {0, 60, 10, 2000}, true, ScheduleKind::None));
  EXPECT_FALSE(PrintLoans(LoanMode::RepaymentPeriod, {100000, 0, 10, 799.99}, true, ScheduleKind::Monthly));
  EXPECT_FALSE(PrintLoans(LoanMode::InterestRate, {100000, 60, 0, 1000}, true, ScheduleKind::Annual));
  EXPECT_FALSE(PrintLoans(LoanMode::MonthlyRepayment, {100000, 60, 10, 0}, true, ScheduleKind::None));
}

TEST(LoansPrintout, ReportFilesAndTitlesByModeAndSchedule) {
  const std::string exportNote = " - To export printout click on the suitcase button or goto Help";
  struct Row { LoanMode mode; const char* plain; const char* scheduled; const char* annual; const char* monthly; };
  const Row rows[] = {
      {LoanMode::MonthlyRepayment, "Lonrepa.rpt", "LonrepaA.rpt", "Annual repayment of Loan with Amortisation",
       "Annual repayment of Loan with Monthly Amortisation"},
      {LoanMode::PrincipalAmount, "LonPrAm.rpt", "LonPrAmA.rpt",
       "Principal calculation of Loan with Annual Amortisation",
       "Principal calculation of Loan with Monthly Amortisation"},
      {LoanMode::RepaymentPeriod, "LonRPer.rpt", "LonRPerA.rpt",
       "Repayment period calculation of Loan with Annual Amortisation",
       "Repayment period calculation of Loan with Monthly Amortisation"},
      {LoanMode::InterestRate, "LonInRt.rpt", "LonInRtA.rpt",
       "Interest rate calculation of Loan with Annual Amortisation",
       "Interest rate calculation of Loan with Monthly Amortisation"},
  };
  for (const Row& r : rows) {
    ReportChoice none = loansReport(r.mode, ScheduleKind::None);
    EXPECT_EQ(none.file, r.plain);
    EXPECT_EQ(none.title, "");
    ReportChoice annual = loansReport(r.mode, ScheduleKind::Annual);
    EXPECT_EQ(annual.file, r.scheduled);
    EXPECT_EQ(annual.title, r.annual + exportNote);
    ReportChoice monthly = loansReport(r.mode, ScheduleKind::Monthly);
    EXPECT_EQ(monthly.file, r.scheduled);
    EXPECT_EQ(monthly.title, r.monthly + exportNote);
  }
}

}  // namespace
