// quorin-cli eti run as a process: a worked month with every flag, the
// defaults, refusals with the window's message and field, a year file
// without ETI tables, the printout and batch files.
#include <gtest/gtest.h>

#include <QFile>
#include <nlohmann/json.hpp>

#include "cli_fixture.h"
#include "year_file_edit.h"

using namespace quorin::test;

namespace {

using EtiCliTest = CliFixture;

TEST_F(EtiCliTest, AWorkedMonthWithEveryFlag) {
  CliRun r = call({"eti", "--tax-year", "2027", "--remuneration", "2000", "--month", "10/2026", "--employment-start",
                   "15/11/2025", "--birth-date", "05/04/2004", "--hours", "80", "--sez", "no",
                   "--months-not-qualifying", "1", "--minimum-wage", "20", "--paye", "400", "--brought-forward", "100",
                   "--name", "T. Mokoena", "--language", "af"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = r.json();
  EXPECT_EQ(j["calculator"], "eti");
  EXPECT_EQ(j["taxYear"], 2027);
  const auto& d = j["detail"];
  EXPECT_EQ(d["ETI"].get<double>(), 750);
  EXPECT_EQ(d["Qualifies"], true);
  EXPECT_EQ(d["Reason"], "");
  EXPECT_EQ(d["QualifyingMonth"], 11);
  EXPECT_EQ(d["Period"], 1);
  EXPECT_EQ(d["GrossedUpRemuneration"].get<double>(), 4000);
  EXPECT_EQ(d["HoursFactor"].get<double>(), 0.5);
  EXPECT_EQ(d["FullMonthETI"].get<double>(), 1500);
  EXPECT_EQ(d["TableFrom"], "01/03/2026");
  EXPECT_EQ(d["Utilised"].get<double>(), 400);
  EXPECT_EQ(d["CarriedForward"].get<double>(), 450);
  EXPECT_EQ(j["window"]["numETI"].get<double>(), 750);
  EXPECT_EQ(j["window"]["numCarriedForward"].get<double>(), 450);
  EXPECT_EQ(j["record"]["Heading"], "Indiensnemingsbelastingaansporing");
  EXPECT_EQ(j["record"]["EOE"], "(B.& F.W.)");
  EXPECT_EQ(j["record"]["Employee"], "Vir : T. Mokoena");
  EXPECT_EQ(j["record"]["ETINum"].get<double>(), 750);
  EXPECT_EQ(j["record"]["TaxYearNum"], 2027);
}

TEST_F(EtiCliTest, DefaultsAndAnAnswerThatIsNotAQualification) {
  CliRun r = call({"eti", "--tax-year", "2027", "--age", "25", "--remuneration", "3000"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = r.json();
  EXPECT_EQ(j["record"]["MonthText"], "03/2026");
  EXPECT_EQ(j["record"]["EmpStartText"], "01/03/2026");
  EXPECT_EQ(j["detail"]["QualifyingMonth"], 1);
  EXPECT_EQ(j["detail"]["ETI"].get<double>(), 1500);
  EXPECT_FALSE(j["detail"].contains("Utilised"));
  EXPECT_FALSE(j["window"].contains("numUtilised"));

  r = call({"eti", "--tax-year", "2027", "--age", "30", "--remuneration", "3000"});
  ASSERT_EQ(r.status, 0) << r.err;
  j = r.json();
  EXPECT_EQ(j["detail"]["Qualifies"], false);
  EXPECT_EQ(j["detail"]["ETI"].get<double>(), 0);
  EXPECT_EQ(j["detail"]["Reason"], "30 or older at the end of the month, outside a special economic zone");

  r = call({"eti", "--tax-year", "2026", "--sez", "yes", "--remuneration", "7000", "--month", "04/2025"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.json()["detail"]["ETI"].get<double>(), 375);
  EXPECT_EQ(r.json()["taxYear"], 2026);
}

TEST_F(EtiCliTest, RefusalsCarryTheWindowsMessageAndField) {
  struct Case {
    const char* name;
    QStringList args;
    const char* field;
    const char* message;  // a part of it
  };
  const Case cases[] = {
      {"a month outside the year", {"--age", "25", "--month", "02/2026"}, "txtMonth", "between 03/2026 and 02/2027"},
      {"a month that is none", {"--age", "25", "--month", "2026-05"}, "txtMonth", "between 03/2026 and 02/2027"},
      {"a start after the month", {"--age", "25", "--month", "05/2026", "--employment-start", "01/06/2026"},
       "dtEmploymentStart", "is after the month claimed (05/2026)"},
      {"a start that is no date", {"--age", "25", "--employment-start", "31/02/2026"}, "dtEmploymentStart", ""},
      {"no hours", {"--age", "25", "--hours", "0"}, "numHours", "above 0 and at most 744"},
      {"too many hours", {"--age", "25", "--hours", "745"}, "numHours", "above 0 and at most 744"},
      {"months not qualifying", {"--age", "25", "--months-not-qualifying", "1"}, "numMonthsNotQualifying",
       "must be fewer than the months employed (1"},
      {"no age outside a zone", {"--remuneration", "3000"}, "silgAge", "Enter the age or the birth date"},
      {"a birth date that is none", {"--birth-date", "30/02/2004"}, "txtBirthDate", "is not a date"},
      {"brought forward without PAYE", {"--age", "25", "--brought-forward", "100"}, "numPAYE", "Enter the PAYE"},
      {"a zone that is neither", {"--age", "25", "--sez", "maybe"}, "chkSEZ", "--sez takes one of: yes, no"},
      {"a year not offered", {"--age", "25", "--tax-year", "2031"}, "tax-year", "Tax year must be 2026 or 2027"},
  };
  for (const Case& c : cases) {
    QStringList args{"eti"};
    if (!c.args.contains("--tax-year")) args << "--tax-year" << "2027";
    CliRun r = call(args + c.args);
    EXPECT_EQ(r.status, 2) << c.name << r.out;
    if (r.status != 2) continue;
    const auto e = r.json()["error"];
    EXPECT_EQ(e["field"], c.field) << c.name;
    EXPECT_NE(e["message"].get<std::string>().find(c.message), std::string::npos) << c.name << ": " << e["message"];
  }
}

TEST_F(EtiCliTest, AYearFileWithoutTablesRefusesEtiAndNothingElse) {
  editYearFile(folder, 2027, [](nlohmann::json& j) { j.erase("eti"); });
  CliRun r = call({"eti", "--tax-year", "2027", "--age", "25"});
  ASSERT_EQ(r.status, 2) << r.out;
  EXPECT_EQ(r.json()["error"]["message"], "No ETI table for the 2027 tax year");
  EXPECT_EQ(call({"monthly", "--tax-year", "2027", "--salary", "20000"}).status, 0);
  EXPECT_EQ(call({"eti", "--tax-year", "2026", "--age", "25"}).status, 0);
}

TEST_F(EtiCliTest, PdfPrintsTheRowThroughTheReportFile) {
  const QString pdf = folder.qfile("eti.pdf");
  CliRun r = call({"eti", "--tax-year", "2027", "--age", "25", "--remuneration", "2600", "--paye", "900", "--name",
                   "Sipho", "--pdf", pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));
  EXPECT_EQ(rowCount("ETI"), 1);
}

TEST_F(EtiCliTest, BatchTakesTheFlagNamesAsColumns) {
  const QStringList lines = batch("eti",
                                  "remuneration,month,age,hours,sez,paye,brought-forward,tax-year\r\n"
                                  "3000,02/2027,25,,,,,2027\r\n"
                                  "2000,10/2026,,80,yes,400,100,2027\r\n"
                                  "7000,03/2025,25,,,,,2026\r\n"
                                  "3000,02/2026,25,,,,,2027\r\n");
  ASSERT_EQ(lines.size(), 5);
  EXPECT_TRUE(lines[0].startsWith("remuneration,month,age,hours,sez,paye,brought-forward,tax-year,"));
  EXPECT_TRUE(lines[0].contains("numETI")) << lines[0].toStdString();
  const QStringList header = lines[0].split(',');
  const auto cell = [&](int row, const char* column) { return lines[row].split(',').value(header.indexOf(column)); };
  EXPECT_EQ(cell(1, "numETI"), "1500");
  EXPECT_EQ(cell(2, "numETI"), "750");
  EXPECT_EQ(cell(2, "numCarriedForward"), "450");
  EXPECT_EQ(cell(3, "numETI"), "0");
  EXPECT_TRUE(lines[4].contains("between 03/2026 and 02/2027")) << lines[4].toStdString();
}

}  // namespace
