// quorin-cli in the year in force: without --tax-year the year whose dates
// hold today (set through the clock's QUORIN_TODAY), every tax result naming
// its year, a leap-year February, the tax-years listing, and refused or
// hostile year files that never stop another year.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "cli_fixture.h"

using namespace quorin::test;

namespace {

struct YearInForceCliTest : CliFixture {
  // A call on this test's folder with today set.
  CliRun on(const QString& today, QStringList args) {
    args << "--data-dir" << dir();
    return runProgram(QStringLiteral(QUORIN_CLI), args, cliEnvironment(today));
  }
  void addYearFile(const char* name) {
    QFile::copy(QStringLiteral(QUORIN_SOURCE_DIR "/tests/year-files/") + name,
                folder.qfile((std::string("tax-years/") + name).c_str()));
  }
  void damage2027() {
    QFile f(folder.qfile("tax-years/2027.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll().replace("\"annual_cap\": 430000", "\"annual_cap\": \"much\"");
    f.close();
    write("tax-years/2027.json", text);
  }
};

TEST_F(YearInForceCliTest, TheDefaultIsTheYearInForceAndEveryTaxResultNamesIt) {
  const QStringList call{"monthly", "--salary", "30000", "--age", "40"};
  CliRun now = on("09/12/2026", call);
  ASSERT_EQ(now.status, 0) << now.err;
  EXPECT_EQ(now.json()["taxYear"], 2027);
  EXPECT_EQ(now.out, on("09/12/2026", QStringList(call) << "--tax-year" << "2027").out);
  EXPECT_EQ(now.json()["record"]["SDateNum"], "01/03/2026");  // the year's first month
  EXPECT_EQ(on("15/06/2025", call).json()["taxYear"], 2026);
  EXPECT_EQ(on("28/02/2027", call).json()["taxYear"], 2027);
  EXPECT_EQ(on("01/06/2031", call).json()["taxYear"], 2027);  // no year holds it: the latest before
  // --tax-year still wins.
  EXPECT_EQ(on("09/12/2026", QStringList(call) << "--tax-year" << "2026").json()["taxYear"], 2026);

  const QStringList taxCalls[] = {{"ruravuvo"},       {"weekly"},        {"fortnightly"},  {"daily"},
                                  {"annual"},         {"velmar-monthly", "--package", "30000"},
                                  {"velmar-annual", "--package", "360000"},
                                  {"quorin-monthly", "--net-required", "20000"},
                                  {"quorin-annual", "--net-required", "240000"},
                                  {"car-allowance"},  {"company-car"}};
  for (const QStringList& c : taxCalls) {
    CliRun r = on("09/12/2026", c);
    ASSERT_EQ(r.status, 0) << c.join(' ').toStdString() << r.out << r.err;
    EXPECT_EQ(r.json()["taxYear"], 2027) << c.join(' ').toStdString();
  }
  EXPECT_FALSE(on("09/12/2026", {"loans"}).json().contains("taxYear"));
}

// February 2024 worked in full is a full month of 29 days.
TEST_F(YearInForceCliTest, LeapFebruaryIsAFullMonth) {
  addYearFile("2024.json");
  CliRun r = call({"monthly", "--salary", "30000", "--age", "40", "--tax-year", "2024", "--start", "01/02/2024",
                   "--end", "29/02/2024"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  auto j = r.json();
  EXPECT_EQ(j["detail"]["DaysInMonth"], 29);
  EXPECT_EQ(j["detail"]["AnnualIncome"], 360000);
  EXPECT_NEAR(j["window"]["numMAns"].get<double>(), 4783.08, 0.005);
  EXPECT_EQ(j["taxYear"], 2024);
  r = call({"annual", "--salary", "360000", "--age", "40", "--tax-year", "2024"});
  EXPECT_EQ(r.json()["detail"]["Days"], 366);
  EXPECT_EQ(r.json()["window"]["numMAns"], 57397);
}

TEST_F(YearInForceCliTest, TaxYearsListsTheYearsAndEveryRefusedFile) {
  CliRun r = on("09/12/2026", {"tax-years"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["inForce"], 2027);
  ASSERT_EQ(j["taxYears"].size(), 2u);
  EXPECT_EQ(j["taxYears"][1]["year"], 2027);
  EXPECT_EQ(j["taxYears"][1]["firstDay"], "01/03/2026");
  EXPECT_EQ(j["taxYears"][1]["lastDay"], "28/02/2027");
  EXPECT_NE(j["taxYears"][1]["source"].get<std::string>().find("2027 tax year"), std::string::npos);
  EXPECT_TRUE(j["refused"].empty());

  damage2027();
  QDir(dir()).mkpath("tax-years/2029.json");
  j = on("09/12/2026", {"tax-years"}).json();
  EXPECT_EQ(j["taxYears"].size(), 1u);
  EXPECT_EQ(j["inForce"], 2026);
  ASSERT_EQ(j["refused"].size(), 2u);
  const std::string first = j["refused"][0]["reason"], second = j["refused"][1]["reason"];
  EXPECT_NE(first.find("2027.json is refused: retirement_fund.annual_cap is much; it must be a number"),
            std::string::npos)
      << first;
  EXPECT_NE(second.find("2029.json could not be read: it is a folder"), std::string::npos) << second;
}

// Today in 2027 with the 2027 file refused: a call without a year gives the
// file's reason rather than last year's figures; 2026 still works.
TEST_F(YearInForceCliTest, ARefusedYearInForceIsExplainedAndStopsNoOtherYear) {
  damage2027();
  CliRun r = on("09/12/2026", {"ruravuvo", "--income", "300000"});
  EXPECT_EQ(r.status, 2) << r.out;
  EXPECT_NE(r.json()["error"]["message"].get<std::string>().find("2027.json is refused"), std::string::npos);
  EXPECT_EQ(on("09/12/2026", {"ruravuvo", "--income", "300000", "--tax-year", "2026"}).status, 0);
  EXPECT_EQ(on("15/06/2025", {"ruravuvo", "--income", "300000"}).status, 0);
}

// A pipe or a folder among the year files: every call still ends at once.
TEST_F(YearInForceCliTest, HostileEntriesInTheFolderNeverStopACall) {
  ASSERT_TRUE(QFile::remove(folder.qfile("tax-years/2027.json")));
  ASSERT_EQ(::mkfifo(folder.file("tax-years/2027.json").c_str(), 0600), 0);
  QElapsedTimer clock;
  clock.start();
  CliRun r = on("09/12/2026", {"monthly", "--salary", "30000", "--tax-year", "2026"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_LT(clock.elapsed(), 30000);
  r = on("09/12/2026", {"monthly", "--salary", "30000", "--tax-year", "2027"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.json()["error"]["message"].get<std::string>().find("2027.json could not be read: it is a pipe"), std::string::npos);
}

TEST_F(YearInForceCliTest, BatchWritesTheYearOfEachRowWhenTheFileGivesNone) {
  write("in.csv", "income,age\n300000,40\n");
  CliRun r = on("09/12/2026", {"batch", "ruravuvo", "--input", folder.qfile("in.csv")});
  ASSERT_EQ(r.status, 0) << r.err;
  const QStringList out = QString::fromStdString(r.out).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(out.size(), 2);
  EXPECT_TRUE(out[0].endsWith(",tax-year,error")) << out[0].toStdString();
  EXPECT_TRUE(out[1].endsWith(",2027,")) << out[1].toStdString();
  EXPECT_TRUE(out[1].contains(",40572,")) << out[1].toStdString();
}

}  // namespace
