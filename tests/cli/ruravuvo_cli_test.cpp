// quorin-cli: call shape, JSON output, exit codes, settings, batch and PDF,
// shown with the RuravUvo calculator.
#include <gtest/gtest.h>

#include <QFile>

#include "cli_support.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct CliTest : ::testing::Test {
  TestFolder folder;
  QString dir() const { return QString::fromStdString(folder.path()); }
};

TEST_F(CliTest, RuravUvoWindowDetailAndRecord) {
  CliRun r = runCli({"ruravuvo", "--income", "300000", "--age", "40", "--data-dir", dir()});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["calculator"], "ruravuvo");
  ASSERT_EQ(j["window"]["sidbEdit1"].size(), 10u);
  EXPECT_EQ(j["window"]["sidbEdit1"][7].get<double>(), 41797);
  EXPECT_EQ(j["record"]["AGE"].get<int>(), 40);
  EXPECT_TRUE(j["record"]["AGE"].is_number_integer());
  EXPECT_EQ(j["record"]["TAXCOM4/2"].get<double>(), 41797.0 / 12);  // round trip, unrounded
  EXPECT_EQ(j["detail"]["ScaleRate"].get<double>(), 26);
}

TEST_F(CliTest, RefusedInputGivesTheErrorObjectAndStatusTwo) {
  CliRun r = runCli({"ruravuvo", "--income", "lots", "--data-dir", dir()});
  EXPECT_EQ(r.status, 2);
  auto j = r.json();
  EXPECT_EQ(j["error"]["field"], "sidbEdit1_0");
  EXPECT_EQ(r.err.rfind(j["error"]["title"].get<std::string>() + ": ", 0), 0u);
  EXPECT_EQ(runCli({"ruravuvo", "--age", "4.5", "--data-dir", dir()}).status, 2);
}

TEST_F(CliTest, UsageErrorsGiveStatusSixtyFour) {
  EXPECT_EQ(runCli({"no-such-calculator"}).status, 64);
  EXPECT_EQ(runCli({"ruravuvo", "--no-such-flag", "1"}).status, 64);
  EXPECT_EQ(runCli({"ruravuvo", "--language", "fr"}).status, 64);
  EXPECT_EQ(runCli({}).status, 64);
}

TEST_F(CliTest, SettingsPrintAndWriteOnlyTheGivenFields) {
  CliRun fresh = runCli({"settings", "--data-dir", dir()});
  ASSERT_EQ(fresh.status, 0) << fresh.err;
  auto d = fresh.json();  // created with the 2026 defaults
  EXPECT_EQ(d["EmployeeUIF"], 1);
  EXPECT_EQ(d["UIFLimit"], 17712);
  EXPECT_EQ(d["TAIncRate8020"], 0.8);
  EXPECT_EQ(d["CompCarMPYesNo"], false);

  ASSERT_EQ(runCli({"settings", "--uif-limit", "20000", "--maintenance-plan", "yes", "--data-dir", dir()}).status, 0);
  auto w = runCli({"settings", "--data-dir", dir()}).json();
  EXPECT_EQ(w["UIFLimit"], 20000);
  EXPECT_EQ(w["CompCarMPYesNo"], true);
  EXPECT_EQ(w["EmployeeUIF"], 1);
  EXPECT_EQ(w["CompCarFBRate8020"], 0.8);
  EXPECT_EQ(runCli({"settings", "--uif-limit", "abc", "--data-dir", dir()}).status, 2);
}

TEST_F(CliTest, PdfWritesTheRecordAndTheReport) {
  const QString pdf = folder.qfile("kwik.pdf");
  CliRun r = runCli({"ruravuvo", "--income", "300000", "--age", "40", "--pdf", pdf, "--data-dir", dir()});
  ASSERT_EQ(r.status, 0) << r.err;
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));

  QFile::remove(folder.qfile("kwiktep.rpt"));
  CliRun missing = runCli({"ruravuvo", "--pdf", pdf, "--data-dir", dir()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("kwiktep.rpt"), std::string::npos);
}

TEST_F(CliTest, BatchCalculatesEveryGoodRowAndNamesTheBadOne) {
  const QString csv = folder.qfile("in.csv");
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("income,age\r\n300000,40\r\nabc,40\r\n2000000,30\r\n");
  f.close();
  CliRun r = runCli({"batch", "ruravuvo", "--input", csv, "--data-dir", dir()});
  ASSERT_EQ(r.status, 0) << r.err;
  QStringList lines = QString::fromStdString(r.out).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].startsWith("income,age,sidbEdit1[0],"));
  EXPECT_TRUE(lines[0].endsWith(",error"));
  EXPECT_TRUE(lines[1].contains(",41797,"));
  EXPECT_TRUE(lines[2].contains("is not a number"));
  EXPECT_TRUE(lines[3].contains(",709604,"));
  EXPECT_EQ(runCli({"batch", "ruravuvo", "--input", folder.qfile("none.csv"), "--data-dir", dir()}).status, 1);
}

}  // namespace
