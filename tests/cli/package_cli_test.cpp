// quorin-cli velmar-* and quorin-* run as a process: worked figures, the
// 27.5 % reset, the fringe-benefit refusal, the bounds of the search, other
// expenses, the printed record and PDF, and batch files.
#include <gtest/gtest.h>

#include <QFile>

#include "cli_fixture.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct PackageCliTest : CliFixture {
  CliRun run(QStringList args) { return call(std::move(args)); }
  // A number of a batch output row by its column name.
  static double cell(const QStringList& lines, int row, const char* column) {
    const int at = static_cast<int>(lines[0].split(',').indexOf(QLatin1String(column)));
    EXPECT_GE(at, 0) << column;
    return lines[row].split(',').value(at).toDouble();
  }
};

TEST_F(PackageCliTest, VelmarMonthlyWithFundPercentages) {
  CliRun r = run({"velmar-monthly", "--package", "30000", "--age", "40", "--employee-rfund-pct", "15",
                  "--employer-rfund-pct", "15"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["calculator"], "velmar-monthly");
  EXPECT_NEAR(j["window"]["numMAns"].get<double>(), 2443.08, 0.005);
  EXPECT_NEAR(j["window"]["numGrossSal"].get<double>(), 18379.80, 0.005);
  EXPECT_NEAR(j["window"]["numTotCostComp"].get<double>(), 30387.12, 0.005);
  EXPECT_EQ(j["window"]["numRFundCont"].get<double>(), 4500);
  EXPECT_EQ(j["window"]["numCCRFundCont"].get<double>(), 4500);
  EXPECT_EQ(j["detail"]["RFundLimit"].get<double>(), 9000);
  EXPECT_EQ(j["detail"]["TaxableIncome"].get<double>(), 252000);
  EXPECT_EQ(j["detail"]["Warning"], false);
  EXPECT_EQ(j["detail"]["PrintEnabled"], true);
  EXPECT_EQ(j["record"]["MonAnn"], "Velmar Salary Package Calculation : Monthly");
  EXPECT_EQ(j["record"]["CostToComp"].get<double>(), 30000);
  EXPECT_TRUE(j["record"]["TPAge"].is_number_integer());
  EXPECT_FALSE(j["detail"].contains("Candidate"));
  // The flags never write the store: a pay-period call still sees 0 %.
  CliRun s = run({"settings"});
  EXPECT_EQ(s.json()["PensionCont"].get<double>(), 0);
}

TEST_F(PackageCliTest, VelmarWarningLeavesNoRecord) {
  CliRun r = run({"velmar-monthly", "--package", "30000", "--employee-rfund-pct", "20", "--employer-rfund-pct", "20"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["detail"]["Warning"], true);
  EXPECT_EQ(j["detail"]["PrintEnabled"], false);
  EXPECT_NEAR(j["detail"]["RFundLimit"].get<double>(), 9900, 1e-9);
  EXPECT_FALSE(j.contains("record"));
}

TEST_F(PackageCliTest, QuorinMonthlyAndAnnualWorkedFigures) {
  CliRun r = run({"quorin-monthly", "--net-required", "25000", "--age", "40"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["detail"]["Candidate"].get<double>(), 29947);
  EXPECT_NEAR(j["window"]["numGrossSal"].get<double>(), 29946.42, 0.005);
  EXPECT_NEAR(j["window"]["numTotCostComp"].get<double>(), 30423.01, 0.005);
  EXPECT_EQ(j["detail"]["RALineC"], "ie: R 359 357.08 X 15% = R 53 903.56");
  EXPECT_FALSE(j["record"].contains("CostToComp"));
  EXPECT_FALSE(j["record"].contains("RADeduct"));

  r = run({"quorin-annual", "--net-required", "300000", "--age", "40", "--ra-deduction", "1200"});
  ASSERT_EQ(r.status, 0) << r.err;
  j = r.json();
  EXPECT_EQ(j["detail"]["Candidate"].get<double>(), 359355);
  EXPECT_NEAR(j["window"]["numMAns"].get<double>(), 57229.30, 0.005);
  EXPECT_NEAR(j["window"]["numGrossSal"].get<double>(), 359354.74, 0.005);
  EXPECT_EQ(j["record"]["RADeduct"].get<double>(), 1200);
  EXPECT_EQ(j["record"]["MonAnnSal"], "Net annual salary required");
}

TEST_F(PackageCliTest, PercentagesAboveTwentySevenAndAHalfAreResetForQuorinOnly) {
  CliRun r = run({"quorin-monthly", "--net-required", "25000", "--employee-rfund-pct", "20", "--employer-rfund-pct",
                  "10"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["detail"]["EmployeeRFund"].get<double>(), 0);
  EXPECT_EQ(j["detail"]["Candidate"].get<double>(), 29947);

  r = run({"quorin-monthly", "--net-required", "25000", "--employee-rfund-pct", "7.5", "--employer-rfund-pct", "10"});
  j = r.json();
  EXPECT_EQ(j["detail"]["Candidate"].get<double>(), 32375);
  EXPECT_NEAR(j["window"]["numTotCostComp"].get<double>(), 36088.60, 0.005);

  r = run({"velmar-monthly", "--package", "30000", "--employee-rfund-pct", "20", "--employer-rfund-pct", "10"});
  EXPECT_EQ(r.json()["detail"]["EmployeeRFund"].get<double>(), 6000);
}

TEST_F(PackageCliTest, AdversarialUIFSettingsAndTheBound) {
  CliRun r = run({"quorin-monthly", "--net-required", "4500", "--employee-uif", "50", "--employee-rfund-pct", "27.5",
                  "--uif-limit", "999999", "--age", "40"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.json()["detail"]["Candidate"].get<double>(), 40633);

  r = run({"quorin-annual", "--net-required", "1000000000", "--employee-uif", "100", "--age", "40"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_GT(r.json()["detail"]["Candidate"].get<double>(), 1e9);

  // A fund share of 100 % is reset with the other at 0 (sum above 27.5),
  // so the take-home always rises above the UIF ceiling.
  r = run({"quorin-annual", "--net-required", "300000", "--employee-rfund-pct", "100"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.json()["detail"]["Candidate"].get<double>(), 359355);
}

TEST_F(PackageCliTest, FringeBenefitRefusalAndExpenses) {
  CliRun r = run({"quorin-monthly", "--net-required", "4000", "--travel-allowance", "3000", "--other-fringe", "1000",
                  "--expense", "Gym=500"});
  EXPECT_EQ(r.status, 2);
  auto e = r.json()["error"];
  EXPECT_EQ(e["message"], "Fringe benefits more than salary required!");
  EXPECT_EQ(r.err, "Quorin 2026: Fringe benefits more than salary required!\n");

  r = run({"velmar-annual", "--package", "360000", "--expense", "Gym=6000:5000", "--expense", "Phone, data=1200"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_NEAR(j["window"]["numGrossSal"].get<double>(), 300477.56 - 7200, 0.005);
  EXPECT_EQ(j["record"]["ODedTxt0"], "Gym");
  EXPECT_EQ(j["record"]["ODedNumCC0"].get<double>(), 5000);
  EXPECT_EQ(j["record"]["ODedTxt1"], "Phone, data");
  EXPECT_EQ(j["record"]["ODedNumCC1"].get<double>(), 1200);

  EXPECT_EQ(run({"velmar-monthly", "--package", "1", "--expense", "no amount"}).status, 2);
  EXPECT_EQ(run({"velmar-monthly", "--package", "1", "--expense", "x=abc"}).status, 2);
  EXPECT_EQ(run({"velmar-monthly", "--package", "-5"}).status, 2);
  EXPECT_EQ(run({"velmar-monthly", "--package", "1", "--expense", "a=1", "--expense", "b=1", "--expense", "c=1",
                 "--expense", "d=1", "--expense", "e=1"})
                .status,
            2);
  EXPECT_EQ(run({"velmar-monthly", "--medical-deductions", "5"}).status, 64);  // Quorin only
}

TEST_F(PackageCliTest, ZeroPackageShowsZeroes) {
  CliRun r = run({"velmar-monthly", "--medical", "1500"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.json()["window"]["numGrossSal"].get<double>(), 0);
  EXPECT_EQ(r.json()["window"]["numTotCostComp"].get<double>(), 0);
}

TEST_F(PackageCliTest, PdfOfBothDirections) {
  for (const char* calc : {"velmar-monthly", "quorin-annual"}) {
    const QString pdf = folder.qfile("out.pdf");
    QFile::remove(pdf);
    CliRun r = run({calc, calc[0] == 'v' ? "--package" : "--net-required", "30000", "--car-value", "300000",
                    "--name", "Thandi", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_GT(QFile(pdf).size(), 1000) << calc;
  }
}

TEST_F(PackageCliTest, BatchOfEveryPackageCalculator) {
  QStringList lines = batch("quorin-monthly",
                            "net-required,age,travel-allowance,employee-uif\n"
                            "25000,40,,\n"
                            "4000,40,5000,\n"
                            "1000,40,,\n");
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].endsWith(",error"));
  EXPECT_TRUE(lines[0].contains("numGrossSal"));
  EXPECT_NEAR(cell(lines, 1, "numGrossSal"), 29946.42, 0.005);
  EXPECT_TRUE(lines[2].endsWith("Fringe benefits more than salary required!")) << lines[2].toStdString();
  EXPECT_TRUE(lines[3].endsWith(",")) << lines[3].toStdString();

  lines = batch("velmar-annual", "package,age\n360000,40\n");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_NEAR(cell(lines, 1, "numGrossSal"), 300477.56, 0.005);
  lines = batch("velmar-monthly", "package\n30000\n");
  EXPECT_NEAR(cell(lines, 1, "numGrossSal"), 25039.80, 0.005);
  lines = batch("quorin-annual", "net-required,employee-rfund-pct\n300000,100\n");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_NEAR(cell(lines, 1, "numGrossSal"), 359354.74, 0.005);  // 100 % alone is reset: above 27.5
}

}  // namespace
