// quorin-cli monthly, weekly, fortnightly, daily and annual run as a
// process: worked figures end to end, refusals with the window's message,
// settings overrides, the printed record and batch files.
#include <gtest/gtest.h>

#include <QFile>

#include "cli_fixture.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct PayPeriodCliTest : CliFixture {
  CliRun run(QStringList args) { return call(std::move(args)); }
};

TEST_F(PayPeriodCliTest, MonthlyAgeSeventyWithEveryInput) {
  CliRun r = run({"monthly", "--age", "70", "--salary", "30000", "--travel-allowance", "5000", "--employer-rfund",
                  "3000", "--employee-rfund", "2250", "--employer-medical", "2000", "--employee-medical", "1500",
                  "--beneficiaries", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["calculator"], "monthly");
  EXPECT_EQ(j["detail"]["RemunerationBase"].get<double>(), 39000);
  EXPECT_EQ(j["detail"]["AllowableDeduction"].get<double>(), 5250);
  EXPECT_EQ(j["detail"]["PeriodTaxableIncome"].get<double>(), 33750);
  EXPECT_EQ(j["detail"]["AnnualIncome"].get<double>(), 405000);
  EXPECT_EQ(j["detail"]["Rebate"].get<double>(), 26679);
  EXPECT_EQ(j["detail"]["DaysInMonth"].get<int>(), 31);
  EXPECT_NEAR(j["window"]["numMAns"].get<double>(), 5114.83, 0.005);
  EXPECT_EQ(j["window"]["numTaxCredit"].get<double>(), 974);
  EXPECT_NEAR(j["window"]["numMTCForContri"].get<double>(), 192.47, 0.005);
  EXPECT_NEAR(j["window"]["numTaxLiability"].get<double>(), 3948.36, 0.005);
  EXPECT_EQ(j["window"]["numMAns1"].get<double>(), 177.12);
  EXPECT_EQ(j["window"]["numMTAAns"].get<double>(), 4000);
  EXPECT_EQ(j["record"]["TypeAM"], "Monthly Check");
  EXPECT_EQ(j["record"]["SDLNum"].get<double>(), 337.5);
  EXPECT_TRUE(j["record"]["AnnCalcBens3num"].is_number_integer());
}

TEST_F(PayPeriodCliTest, WeeklyFortnightlyAndDailyWorkedFigures) {
  auto weekly = run({"weekly", "--age", "40", "--salary", "4200", "--normal-days", "5", "--days-worked", "3"});
  ASSERT_EQ(weekly.status, 0) << weekly.err;
  EXPECT_NEAR(weekly.json()["detail"]["AnnualIncome"].get<double>(), 364000, 1e-6);
  EXPECT_NEAR(weekly.json()["window"]["numMAns"].get<double>(), 674.27, 0.005);
  EXPECT_EQ(weekly.json()["record"]["EDateNum"].get<int>(), 3);

  auto fortnight = run({"fortnightly", "--employee-medical", "500", "--beneficiaries", "4", "--language", "af"});
  ASSERT_EQ(fortnight.status, 0) << fortnight.err;
  EXPECT_EQ(fortnight.json()["window"]["numTaxCredit"].get<double>(), 610);
  EXPECT_EQ(fortnight.json()["record"]["TypeAM"], "Twee Weeklikse Inkomste");
  EXPECT_EQ(fortnight.json()["record"]["SDateNum"].get<int>(), 14);

  auto daily = run({"daily", "--age", "40", "--salary", "300", "--bonus", "5000", "--uif-limit", "17712"});
  ASSERT_EQ(daily.status, 0) << daily.err;
  EXPECT_NEAR(daily.json()["window"]["numMAns"].get<double>(), 887.71, 0.005);
  EXPECT_NEAR(daily.json()["detail"]["UIFCeiling"].get<double>(), 817.48, 0.005);
  EXPECT_FALSE(daily.json()["record"].contains("SDate"));
}

TEST_F(PayPeriodCliTest, AnnualPartYearAndMonthByMonthCredit) {
  auto part = run({"annual", "--age", "40", "--salary", "180000", "--end", "31/08/2025"});
  ASSERT_EQ(part.status, 0) << part.err;
  auto j = part.json();
  EXPECT_EQ(j["detail"]["Days"].get<int>(), 184);
  EXPECT_NEAR(j["detail"]["TaxableIncome"].get<double>(), 357065.22, 0.005);

  auto credit = run({"annual", "--employee-medical", "24000", "--beneficiaries", "2,0,0,0,0,0,0,0,0,0,0,0",
                     "--duplicate-march", "--end", "31/05/2025", "--name", "J. Botha"});
  ASSERT_EQ(credit.status, 0) << credit.err;
  auto c = credit.json();
  EXPECT_EQ(c["window"]["numTaxCredit"].get<double>(), 2184);
  EXPECT_EQ(c["window"]["numAnnCalcBens"], nlohmann::json({2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(c["record"]["AnnCalcBens5num"].get<int>(), 2);
  EXPECT_EQ(c["record"]["AnnCalcBens6num"].get<int>(), 0);
  EXPECT_EQ(c["record"]["Employee"], " For : J. Botha");

  // A count above 24 is cut back to 24, as leaving the month field does.
  auto cut = run({"annual", "--beneficiaries", "30,1,1,1,1,1,1,1,1,1,1,1"});
  ASSERT_EQ(cut.status, 0) << cut.err;
  EXPECT_EQ(cut.json()["window"]["numAnnCalcBens"][0].get<int>(), 24);
}

TEST_F(PayPeriodCliTest, FailedChecksGiveTheWindowsErrorObjectAndStatusTwo) {
  auto days = run({"weekly", "--normal-days", "5", "--days-worked", "6"});
  EXPECT_EQ(days.status, 2);
  auto d = days.json();
  EXPECT_EQ(d["error"]["title"], "Incorrect Number of Days");
  EXPECT_EQ(d["error"]["message"],
            "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.");
  EXPECT_EQ(d["error"]["field"], "cmdCalculate");
  EXPECT_EQ(days.err, "Incorrect Number of Days: " + d["error"]["message"].get<std::string>() + "\n");

  auto zero = run({"fortnightly", "--days-worked", "0"});
  EXPECT_EQ(zero.status, 2);
  EXPECT_EQ(zero.json()["error"]["field"], "silgEdit22");

  auto month = run({"monthly", "--start", "30/04/2025", "--end", "01/05/2025"});
  EXPECT_EQ(month.status, 2);
  EXPECT_EQ(month.json()["error"]["message"], "The Start and End dates entered must be for the same Month");
  EXPECT_EQ(month.json()["error"]["field"], "dtMEndDate");

  // The end date's message quotes the start date, as the window's field does.
  auto end = run({"monthly", "--start", "15/04/2025", "--end", "01/03/2026"});
  EXPECT_EQ(end.status, 2);
  EXPECT_EQ(end.json()["error"]["message"],
            "The date entered is not correct please enter a date between 15/04/2025 and 28/02/2026");
  EXPECT_EQ(end.json()["error"]["title"], "Incorrect Date");

  auto annualEnd = run({"annual", "--start", "01/06/2025", "--end", "31/05/2025"});
  EXPECT_EQ(annualEnd.status, 2);
  EXPECT_EQ(annualEnd.json()["error"]["field"], "dtEndDate");

  EXPECT_EQ(run({"monthly", "--salary", "12.50"}).status, 2);  // whole rand only
  EXPECT_EQ(run({"weekly", "--salary", "12.50"}).status, 0);
  EXPECT_EQ(run({"annual", "--beneficiaries", "1,2,3"}).status, 2);
}

TEST_F(PayPeriodCliTest, PdfPrintsTheRecordThroughTheReportFile) {
  const QString pdf = folder.qfile("weekly.pdf");
  CliRun r = run({"weekly", "--salary", "7000", "--name", "Sipho", "--pdf", pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));
  for (const char* calc : {"monthly", "fortnightly", "daily", "annual"})
    EXPECT_EQ(run({calc, "--pdf", folder.qfile("x.pdf")}).status, 0) << calc;
}

TEST_F(PayPeriodCliTest, BatchCalculatesEveryGoodRowAndNamesTheBadOne) {
  QStringList monthly = batch("monthly",
                              "salary,age,start,end\r\n"
                              "30000,40,,\r\n"
                              "30000,40,30/04/2025,01/05/2025\r\n"
                              "8000,40,,\r\n"
                              "abc,40,,\r\n");
  ASSERT_EQ(monthly.size(), 5);
  EXPECT_TRUE(monthly[0].startsWith("salary,age,start,end,numAllowableRFundDed,numMAns1,"));
  EXPECT_TRUE(monthly[0].endsWith(",error"));
  EXPECT_TRUE(monthly[1].contains(",4783.083333333333,")) << monthly[1].toStdString();
  EXPECT_TRUE(monthly[2].endsWith("The Start and End dates entered must be for the same Month"));
  EXPECT_TRUE(monthly[3].contains(",3.75,")) << monthly[3].toStdString();
  EXPECT_TRUE(monthly[4].contains("is not a number"));

  QStringList annual = batch("annual", "salary,age,beneficiaries,employee-medical\r\n"
                                       "360000,40,\"2,2,2,2,2,2,2,2,2,2,2,2\",24000\r\n");
  ASSERT_EQ(annual.size(), 2);
  EXPECT_TRUE(annual[0].contains("numAnnCalcBens[11]"));
  EXPECT_TRUE(annual[1].contains(",8736,")) << annual[1].toStdString();
}

}  // namespace
