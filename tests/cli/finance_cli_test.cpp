// quorin-cli's business calculators end to end: a few worked figures, the
// refusals the windows make, records absent when a window would not print,
// and the schedule rows written by --pdf.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "cli_fixture.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct FinanceCliTest : CliFixture {
  nlohmann::json run(QStringList args) {
    CliRun r = call(std::move(args));
    EXPECT_EQ(r.status, 0) << r.err << r.out;
    return r.status == 0 ? r.json() : nlohmann::json::object();
  }
  // Refused: status 2, the window's title and message, the field named.
  void expectRefused(QStringList args, const std::string& title, const std::string& message,
                     const std::string& field) {
    const std::string shown = args.join(' ').toStdString();
    CliRun r = call(std::move(args));
    EXPECT_EQ(r.status, 2) << shown;
    if (r.status != 2) return;
    auto j = r.json();
    EXPECT_EQ(j["error"]["title"], title);
    EXPECT_EQ(j["error"]["message"], message);
    EXPECT_EQ(j["error"]["field"], field);
  }
};

TEST_F(FinanceCliTest, LoansSolveEachWay) {
  auto j = run({"loans", "--principal", "100000", "--period", "60", "--rate", "10", "--fin-charges"});
  EXPECT_NEAR(j["window"]["numMonRePay"].get<double>(), 2124.704471, 1e-6);
  EXPECT_NEAR(j["window"]["numAns2"].get<double>(), 127482.27, 0.005);
  EXPECT_EQ(j["record"]["Heading"], "Monthly repayment");
  EXPECT_EQ(j["record"]["FinText2"], "Total Repayments");
  EXPECT_FALSE(j["record"].contains("YearMon"));

  j = run({"loans", "--mode", "rate", "--principal", "100000", "--period", "60", "--repayment", "2124.70"});
  EXPECT_EQ(j["window"]["numIntRate"].get<double>(), 9.99);
  EXPECT_EQ(j["window"]["ErrorShown"], false);
  EXPECT_FALSE(j["window"].contains("numAns1"));

  j = run({"loans", "--mode", "period", "--principal", "100000", "--rate", "10", "--repayment", "2000"});
  EXPECT_EQ(j["window"]["numPeriod"].get<double>(), 64);
  EXPECT_NEAR(j["window"]["numMonRePay"].get<double>(), 2022.38, 1e-9);

  j = run({"loans", "--mode", "principal", "--period", "60", "--rate", "10", "--repayment", "2124.70"});
  EXPECT_NEAR(j["window"]["numPrinAmount"].get<double>(), 99999.79, 0.005);
}

TEST_F(FinanceCliTest, LoansScheduleRowsAndPdf) {
  const QString pdf = folder.qfile("loan.pdf");
  auto j = run({"loans", "--principal", "100000", "--period", "60", "--rate", "10", "--schedule", "monthly", "--pdf",
                pdf});
  ASSERT_EQ(j["rows"].size(), 60u);
  ASSERT_EQ(j["detail"]["schedule"].size(), 60u);
  EXPECT_NEAR(j["rows"][0]["Capital"].get<double>(), 1291.37, 0.005);
  EXPECT_EQ(j["rows"][59]["Year"], 60);
  EXPECT_EQ(j["record"]["YearMon"], "Month");
  EXPECT_EQ(rowCount("Amort"), 60);
  EXPECT_GT(QFile(pdf).size(), 1000);

  j = run({"loans", "--principal", "100000", "--period", "30", "--rate", "10", "--schedule", "annual", "--pdf", pdf});
  ASSERT_EQ(j["rows"].size(), 3u);  // two full years and the part year
  EXPECT_EQ(j["rows"][2]["Required"].get<double>(), 0);
  EXPECT_EQ(rowCount("Amort"), 3);
}

TEST_F(FinanceCliTest, LoansRefuseWhatTheWindowRefuses) {
  // The window's message, naming the field by its caption.
  expectRefused({"loans", "--rate", "50.5"}, "Incorrect Interest Rate!",
                "Interest rate: The maximum interest rate allowed is 50%", "numIntRate");
  expectRefused({"loans", "--period", "601"}, "Incorrect Period!", "Period: The maximum period  allowed is 600 months",
                "numPeriod");
  expectRefused({"loans", "--period", "-1"}, "Incorrect Period!", "Period: The minimum period allowed is 0 months",
                "numPeriod");
  EXPECT_EQ(runCli({"loans", "--mode", "sideways", "--data-dir", dir()}).status, 2);
  // A zero value: figures, but no record, and --pdf makes nothing.
  auto j = run({"loans", "--principal", "100000", "--period", "60"});
  EXPECT_EQ(j["window"]["numMonRePay"].get<double>(), 0);
  EXPECT_FALSE(j.contains("record"));
  EXPECT_EQ(runCli({"loans", "--pdf", folder.qfile("x.pdf"), "--data-dir", dir()}).status, 1);
}

TEST_F(FinanceCliTest, LoanBusterAndComparison) {
  auto j = run({"loan-buster", "--principal", "100000", "--period", "240", "--rate", "12"});
  EXPECT_NEAR(j["window"]["numMonRePay"].get<double>(), 1101.086134, 1e-6);
  EXPECT_EQ(j["window"]["numAns2"], 240);  // no extra: the normal block
  EXPECT_EQ(j["window"]["numAns1"][7].get<double>(), 0);
  EXPECT_EQ(j["record"]["Xper"], 240);

  j = run({"loan-buster", "--principal", "100000", "--period", "600", "--rate", "12", "--extra", "0.001"});
  EXPECT_EQ(j["window"]["NotCleared"], true);
  EXPECT_EQ(j["window"]["numAns1"][7].get<double>(), 0);
  EXPECT_FALSE(run({"loan-buster", "--rate", "12"}).contains("record"));
  expectRefused({"loan-buster", "--period", "700"}, "Incorrect Period!",
                "Period: The maximum period  allowed is 600 months", "numPeriod");

  j = run({"loan-comparison", "--amount", "100000", "--rate", "12"});
  ASSERT_EQ(j["window"]["grdPayments"].size(), 7u);
  EXPECT_EQ(j["window"]["grdPayments"][0][0], " Period ");
  EXPECT_EQ(j["window"]["grdPayments"][1][0], "5 yrs.");
  EXPECT_EQ(j["window"]["grdPayments"][1][1], "2 224.44 ");
  EXPECT_EQ(j["window"]["grdPayments"][4][1], "1 101.09 ");
  EXPECT_EQ(j["window"]["grdPayments"][4][3], "264 260.67 ");
  EXPECT_NEAR(j["record"]["Total4"].get<double>(), 264260.67, 0.005);
  EXPECT_FALSE(run({"loan-comparison", "--amount", "100000"}).contains("record"));
}

TEST_F(FinanceCliTest, InflationAndDailyBalance) {
  auto j = run({"inflation", "--present-cost", "10000", "--period", "10", "--rate", "6"});
  EXPECT_NEAR(j["window"]["numAns1"].get<double>(), 17908.48, 0.005);
  EXPECT_NEAR(j["window"]["numAns2"].get<double>(), 5583.95, 0.005);
  EXPECT_EQ(j["record"]["Period"].get<double>(), 10);
  j = run({"inflation", "--present-cost", "10000000000", "--period", "40", "--rate", "10"});
  EXPECT_EQ(j["window"]["TooLarge"], true);
  EXPECT_FALSE(j.contains("record"));
  expectRefused({"inflation", "--rate", "-5.5"}, "Incorrect Inflation Rate!",
                "The range of the Inflation Rate is between -5% and 40%", "numInflaRate");
  expectRefused({"inflation", "--period", "41"}, "Incorrect Period!", "The maximum period allowed 40 years",
                "numPeriod");

  j = run({"daily-balance", "--capital", "1000", "--rate", "10", "--start", "01/03/2027", "--end", "01/03/2028"});
  EXPECT_EQ(j["window"]["numAnsDB2"], 366);
  EXPECT_NEAR(j["window"]["numAnsDB1"].get<double>(), 100.27, 0.005);
  EXPECT_EQ(j["record"]["StartDate"], 46447);
  j = run({"daily-balance", "--capital", "1000", "--rate", "10"});
  EXPECT_EQ(j["window"]["numAnsDB2"], 0);
  EXPECT_FALSE(j.contains("record"));
  expectRefused({"daily-balance", "--start", "31/02/2025"}, "INVALID DATE",
                "The date entered is invalid please enter a valid date.", "dtStartDate");
  expectRefused({"daily-balance", "--start", "01/03/2025", "--end", "28/02/2025"}, "DATE OUT OF RANGE",
                "The date entered is more than 30 years(360 months) after 01/03/2025.", "dtEndDate");
  expectRefused({"daily-balance", "--rate", "40.5"}, "Incorrect Interest Rate!",
                "The maximum Interest Rate allowed is 40%", "numIntRate");
}

TEST_F(FinanceCliTest, BatchOfLoans) {
  const QString csv = folder.qfile("loans.csv");
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("principal,period,rate\r\n100000,60,10\r\n100000,60,51\r\n");
  f.close();
  CliRun r = runCli({"batch", "loans", "--input", csv, "--data-dir", dir()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("2124.70447"), std::string::npos);
  EXPECT_NE(r.out.find("The maximum interest rate allowed is 50%"), std::string::npos);
}

}  // namespace
