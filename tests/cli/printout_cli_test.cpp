// Printouts made by quorin-cli --pdf, read back with pdftotext: the year
// and the run they state, the figures they must carry, print options they
// cannot honour, parallel prints on one data folder and PDF files that
// cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <vector>

#include "cli_fixture.h"

using namespace quorin::test;

namespace {

// The text of a PDF file (or of one page), as pdftotext lays it out.
QString pdfText(const QString& pdf, int page = 0) {
  QProcess p;
  QStringList args{"-layout"};
  if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
  p.start("pdftotext", args << pdf << "-");
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString& pdf, const QString& key) {
  QProcess p;
  p.start("pdfinfo", {pdf});
  p.waitForFinished(30000);
  const QRegularExpression line("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption);
  return line.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).trimmed();
}

struct PrintoutCliTest : CliFixture {
  // Prints with the arguments and returns the PDF's text.
  QString print(QStringList args, const char* file = "out.pdf") {
    const QString pdf = folder.qfile(file);
    CliRun r = call(args << "--pdf" << pdf);
    EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << "\n" << r.err;
    return pdfText(pdf);
  }
};

TEST_F(PrintoutCliTest, EveryTaxPrintoutStatesTheYearThatComputedItAndTheRun) {
  struct Case {
    const char* name;
    QStringList args;
    QString year;  // as the printout's heading states it
  };
  write("reg.json", R"([{"CCRegNumber":"CA 1","CCPrice":300000,"TotalDistance":20000,"BusDistance":5000}])");
  const std::vector<Case> cases = {
      {"monthly", {"monthly", "--salary", "30000", "--start", "01/03/2026", "--end", "31/03/2026"},
       "Tax year 2027: 01/03/2026 – 28/02/2027"},
      {"annual", {"annual", "--salary", "360000"}, "Tax year 2027: 01/03/2026 – 28/02/2027"},
      {"ruravuvo", {"ruravuvo", "--income", "300000"}, "2027 tax year (01/03/2026 – 28/02/2027)"},
      {"quorin", {"quorin-monthly", "--net-required", "20000"}, "Tax year 2027: 01/03/2026 – 28/02/2027"},
      {"car allowance", {"car-allowance", "--value", "200000", "--close-km", "30000", "--open-km", "10000"},
       "2027 tax year (01/03/2026 – 28/02/2027)"},
      {"company car", {"company-car", "--register", folder.qfile("reg.json")},
       "2027 tax year (01/03/2026 – 28/02/2027)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString text = print(QStringList(c.args) << "--tax-year" << "2027");
    EXPECT_TRUE(text.contains(c.year)) << text.toStdString();
    EXPECT_FALSE(text.contains("2025")) << "a 2026 date on a 2027 printout";
    EXPECT_TRUE(text.contains("2027 tax year 01/03/2026 – 28/02/2027")) << "footer";
    EXPECT_TRUE(text.contains(QRegularExpression(R"(Printed \d\d/\d\d/\d{4} \d\d:\d\d · Quorin 2026 Ver: \d)")));
    EXPECT_TRUE(text.contains("page 1 of 1"));
  }
  // The 2026 year says 2026; the settings are the stored row or the call's.
  QString text = print({"monthly", "--salary", "30000", "--tax-year", "2026"});
  EXPECT_TRUE(text.contains("Tax year 2026: 01/03/2025 – 28/02/2026"));
  EXPECT_TRUE(text.contains("Settings (stored Setup): employee UIF 1 %, employer UIF 1 %, skills levy 1 %, UIF ceiling R 17 712.00"));
  text = print({"monthly", "--salary", "30000", "--uif-limit", "20000", "--skills-levy", "0.5"});
  EXPECT_TRUE(text.contains("Settings (given for this print):")) << text.toStdString();
  EXPECT_TRUE(text.contains("skills levy 0.5 %, UIF ceiling R 20 000.00"));
  // Afrikaans: the heading and the footer in Afrikaans.
  text = print({"fortnightly", "--salary", "15000", "--language", "af", "--tax-year", "2027"});
  EXPECT_TRUE(text.contains("Belastingjaar 2027: 01/03/2026 – 28/02/2027"));
  EXPECT_TRUE(text.contains("bladsy 1 van 1"));
  EXPECT_TRUE(text.contains("Instellings (gestoorde opstelling): werknemer se WVF 1 %")) << text.toStdString();
  // Business printouts: the footer without a year.
  text = print({"inflation", "--present-cost", "1000", "--period", "5", "--rate", "6"});
  EXPECT_TRUE(text.contains("page 1 of 1"));
  EXPECT_FALSE(text.contains("tax year"));
}

TEST_F(PrintoutCliTest, FiguresPrintWithTheirCaptionsAndPlainLetters) {
  // Quorin annual: the R/A deduction it writes; Quorin monthly, which does
  // not write it, never shows the one the last print left.
  QString text = print({"quorin-annual", "--net-required", "400000", "--ra-deduction", "12000"});
  EXPECT_TRUE(text.contains(QRegularExpression(R"(R/A ded\. \(directive\?\)\s+R 12 000\.00)"))) << text.toStdString();
  text = print({"quorin-monthly", "--net-required", "20000"});
  EXPECT_FALSE(text.contains("R/A ded."));
  // Monthly: the taxable part of the travel allowance (80 % of R 5 000).
  text = print({"monthly", "--salary", "30000", "--travel-allowance", "5000"});
  EXPECT_TRUE(text.contains(QRegularExpression(R"(Taxable part of the travel allowance\s+R 4 000\.00)")));
  // Car allowance: the actual-cost period, and the deemed total rate to one
  // decimal so that rate times distance gives the claim.
  const QStringList car{"car-allowance", "--value", "250000", "--close-km", "40000", "--open-km", "10000",
                        "--business-km", "12000", "--start", "01/04/2025", "--end", "30/11/2025"};
  text = print(QStringList(car) << "--records-kept" << "yes" << "--fuel" << "20000");
  EXPECT_TRUE(text.contains(QRegularExpression(R"(Period\s+01/04/2025 to 30/11/2025)"))) << text.toStdString();
  text = print(car);
  const auto rate = QRegularExpression(R"(Total costs\s+([\d ]+\.\d) cents/km)").match(text);
  ASSERT_TRUE(rate.hasMatch()) << text.toStdString();
  // Plain letters, not ligature glyphs: a search finds the words.
  text = print({"annual", "--salary", "360000"});
  EXPECT_TRUE(text.contains("Beneficiaries")) << text.toStdString();
  text = print({"velmar-monthly", "--package", "40000", "--car-value", "300000"});
  EXPECT_TRUE(text.contains("once-off")) << text.toStdString();
  EXPECT_EQ(pdfInfo(folder.qfile("out.pdf"), "Title"), "Velmar Salary Package Calculation : Monthly");
}

TEST_F(PrintoutCliTest, CompanyCarKeepsEachVehicleOnOnePageAndPrintsTheTotals) {
  write("reg.json", R"([
    {"CCRegNumber":"CA 1","CCMake":"Toyota","CCPrice":450000,"MaintIncluded":1,"TotalDistance":30000,"BusDistance":18000,"BussMilage":1},
    {"CCRegNumber":"GP 2","CCMake":"Volkswagen","CCPrice":285000,"TotalDistance":20000,"BusDistance":8000},
    {"CCRegNumber":"ND 3","CCMake":"Ford","CCPrice":780000,"TotalDistance":52000,"BusDistance":40000}])");
  const QString pdf = folder.qfile("cars.pdf");
  CliRun r = call({"company-car", "--register", folder.qfile("reg.json"), "--actual-3802", "150000", "--pdf", pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  const int pages = pdfInfo(pdf, "Pages").toInt();
  EXPECT_GE(pages, 1);
  EXPECT_LE(pages, 2);
  for (int page = 1; page <= pages; ++page) {  // a block's heading and its last line on the same page
    const QString text = pdfText(pdf, page);
    EXPECT_EQ(text.count(QRegularExpression(R"(Vehicle \d of 3)")), text.count("Weekly fringe benefit")) << page;
  }
  const QString text = pdfText(pdf);
  for (const char* label : {"Fuel reimbursed by the employer", "Fortnightly fringe benefit", "Licence fees paid by the employee"})
    EXPECT_TRUE(text.contains(label)) << label;
  const double total = r.json()["window"]["numTotAdjustTaxableInc"].get<double>();
  const auto shown = QRegularExpression(R"(Total adjustment to taxable income\s+R (-?[\d ]+)\n)").match(text);
  ASSERT_TRUE(shown.hasMatch()) << text.toStdString();
  EXPECT_EQ(shown.captured(1).remove(' ').toDouble(), std::nearbyint(total));
}

TEST_F(PrintoutCliTest, APrintOptionThePrintoutCannotHonourIsRefused) {
  struct Case {
    const char* name;
    QStringList args;
    int status;
    const char* says;
  };
  const std::vector<Case> cases = {
      {"no name line", {"ruravuvo", "--name", "Thandi"}, 64, "--name: the ruravuvo printout has no name line"},
      {"no name line, finance", {"inflation", "--name", "Thandi"}, 64, "--name"},
      {"no Afrikaans layout", {"company-car", "--language", "af"}, 64, "--language af: the company-car printout"},
      {"no Afrikaans layout, package", {"velmar-monthly", "--language", "af"}, 64, "no Afrikaans layout"},
      {"name line", {"car-allowance", "--name", "Thandi"}, 0, ""},
      {"Afrikaans layout", {"weekly", "--language", "af", "--name", "Thandi"}, 0, ""},
      {"English anywhere", {"ruravuvo", "--language", "en"}, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CliRun r = call(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
  const std::string help = runCli({"--help"}).out;
  EXPECT_NE(help.find("Printouts with an Afrikaans layout (--language af): monthly, weekly, fortnightly, daily, annual"),
            std::string::npos)
      << help;
  EXPECT_NE(help.find("Printouts with a name line (--name):"), std::string::npos);
}

TEST_F(PrintoutCliTest, ParallelPrintsEachLayOutTheirOwnRecord) {
  constexpr int kPrints = 16;
  std::vector<std::unique_ptr<QProcess>> runs;
  for (int i = 0; i < kPrints; ++i) {
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(QUORIN_CLI),
             {"monthly", "--salary", QString::number(10000 + i * 1111), "--name", QString("Employee%1").arg(i),
              "--pdf", folder.qfile(QString("p%1.pdf").arg(i).toUtf8().constData()), "--data-dir", dir()});
    runs.push_back(std::move(p));
  }
  int printed = 0;
  for (int i = 0; i < kPrints; ++i) {
    QProcess& p = *runs[i];
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitCode() == 1) {  // allowed: a clear refusal, never another's data
      EXPECT_TRUE(err.contains("in use")) << err.toStdString();
      continue;
    }
    ASSERT_EQ(p.exitCode(), 0) << err.toStdString();
    ++printed;
    const QString text = pdfText(folder.qfile(QString("p%1.pdf").arg(i).toUtf8().constData()));
    EXPECT_TRUE(text.contains(QString("For : Employee%1\n").arg(i))) << i << text.toStdString();
    const QString salary = QString("R %1 %2.00").arg((10000 + i * 1111) / 1000).arg((10000 + i * 1111) % 1000, 3, 10, QChar('0'));
    EXPECT_TRUE(text.contains(salary)) << i << salary.toStdString();
    for (int other = 0; other < kPrints; ++other) {
      if (other == i) continue;
      EXPECT_FALSE(text.contains(QString("Employee%1\n").arg(other))) << i << " shows " << other;
    }
  }
  EXPECT_GT(printed, 0);
  // The table keeps one row: the last print's, whole.
  EXPECT_EQ(rowCount("IRP5Mon"), 1);
}

TEST_F(PrintoutCliTest, AFailedPdfWriteLeavesTheOldFileAndSaysSo) {
  // The folder is a file: nothing can be written there.
  write("blocker", "not a folder");
  CliRun r = call({"ruravuvo", "--pdf", folder.qfile("blocker") + "/out.pdf"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("blocker/out.pdf"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");  // nothing reported as done

  // A full disk: a 16 KB file system holding an earlier PDF. The write fails
  // part way; the earlier file stays whole and no temporary file is left.
  QProcess probe;
  probe.start("unshare", {"-rm", "true"});
  if (!probe.waitForFinished(10000) || probe.exitCode() != 0) GTEST_SKIP() << "no mount namespace here";
  const QString full = folder.qfile("full");
  QDir().mkpath(full);
  const QString script = QStringLiteral(
                             "mount -t tmpfs -o size=16k tmpfs '%1' && printf 'earlier' > '%1/out.pdf' && "
                             "'%2' monthly --salary 30000 --data-dir '%3' --pdf '%1/out.pdf'; echo \"status=$?\" >&2; "
                             "echo \"kept=$(cat '%1/out.pdf')\" >&2; echo \"files=$(ls -A '%1' | tr '\\n' ' ')\" >&2")
                             .arg(full, QStringLiteral(QUORIN_CLI), dir());
  QProcess shell;
  shell.start("unshare", {"-rm", "sh", "-c", script});
  ASSERT_TRUE(shell.waitForFinished(60000));
  const QString err = QString::fromUtf8(shell.readAllStandardError());
  const QString out = QString::fromUtf8(shell.readAllStandardOutput());
  EXPECT_TRUE(err.contains("status=1")) << err.toStdString();
  EXPECT_TRUE(err.contains("full/out.pdf could not be written")) << err.toStdString();
  EXPECT_TRUE(err.contains("kept=earlier")) << err.toStdString();
  EXPECT_TRUE(err.contains("files=out.pdf \n")) << err.toStdString();
  EXPECT_EQ(out, "");
}

}  // namespace

// --working with --pdf: the working follows the printout from a new page,
// in the print's language, numbered on with the printout's pages.
TEST_F(PrintoutCliTest, TheWorkingFollowsThePrintoutOnItsOwnPages) {
  const QStringList args{"monthly", "--salary", "30000", "--age", "40"};
  print(args, "plain.pdf");
  const int alone = pdfInfo(folder.qfile("plain.pdf"), "Pages").toInt();
  print(QStringList(args) << "--working", "english.pdf");
  const int pages = pdfInfo(folder.qfile("english.pdf"), "Pages").toInt();
  EXPECT_GT(pages, alone);
  const QString first = pdfText(folder.qfile("english.pdf"), alone + 1);
  EXPECT_TRUE(first.contains("How these figures were worked out")) << first.toStdString();
  EXPECT_TRUE(first.contains("Tax to deduct"));
  EXPECT_TRUE(first.contains(QString("page %1 of %2").arg(alone + 1).arg(pages)));
  EXPECT_FALSE(pdfText(folder.qfile("english.pdf"), alone).contains("How these figures were worked out"));
  const QString af = print(QStringList(args) << "--working" << "--language" << "af", "afrikaans.pdf");
  EXPECT_TRUE(af.contains("Hoe hierdie syfers bereken is"));
}
