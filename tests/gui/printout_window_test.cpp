// Printouts from a window: a window print lays out its own figures while the
// command line prints on the same data folder; the preview shows the pages
// that export and print (headings on every page, no empty last page, the
// same count as the PDF) and proposes the report's title as the file name.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "payperiod/period_tax_window.h"
#include "payperiod_window_fixture.h"
#include "common/day_number.h"
#include "report/report_document.h"

namespace quorin {
namespace {

QString pdfText(const QString& pdf, int page) {
  QProcess p;
  p.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
  QProcess p;
  p.start("pdfinfo", {pdf});
  p.waitForFinished(30000);
  static const QRegularExpression pages(R"(Pages:\s+(\d+))");
  return pages.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).toInt();
}

struct PrintoutWindowTest : test::PayWindowFixture {
  std::vector<QString> printedTexts;  // what each direct print laid out

  void SetUp() override {
    report.printDocument = [this](const ReportPages& pages) -> std::optional<std::string> {
      printedTexts.push_back(pages.document().toPlainText() + pages.footerText(1));
      return std::nullopt;
    };
    open<PeriodTaxWindow>(PeriodKind::Monthly);
  }
  void printDirect(const char* salary, const char* name) {
    type("numSalRemun", salary);
    click("cmdPrint");
    choose("Option1");
    type("Text1", name);
    click("cmdPD");
  }
};

TEST_F(PrintoutWindowTest, AWindowPrintLaysOutItsOwnFiguresWhileTheCommandLinePrints) {
  std::vector<std::unique_ptr<QProcess>> cli;
  for (int i = 0; i < 6; ++i) {
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(QUORIN_CLI), {"monthly", "--salary", "22222", "--name", "Bravo", "--pdf",
                                          folder.qfile(QString("b%1.pdf").arg(i).toUtf8().constData()),
                                          "--data-dir", QString::fromStdString(folder.path())});
    cli.push_back(std::move(p));
  }
  for (int i = 0; i < 6; ++i) printDirect("11111", "Alpha");
  for (auto& p : cli) ASSERT_TRUE(p->waitForFinished(120000));
  for (const auto& m : messages.messages)  // a print may be refused as in use, never show another's figures
    EXPECT_TRUE(m.text.contains("in use")) << m.text.toStdString();
  ASSERT_FALSE(printedTexts.empty());
  for (const QString& text : printedTexts) {
    EXPECT_TRUE(text.contains("For : Alpha")) << text.toStdString();
    EXPECT_TRUE(text.contains("R 11 111.00"));
    EXPECT_FALSE(text.contains("Bravo"));
    EXPECT_TRUE(text.contains(QString("Tax year %1: %2").arg(state.taxYear().year).arg(QString::fromStdString(formatDay(state.taxYear().firstDay)))));
    EXPECT_TRUE(text.contains("Settings (stored Setup): employee UIF 1 %"));
  }
}

TEST_F(PrintoutWindowTest, ThePreviewShowsThePagesThatExportAndProposesTheTitle) {
  type("numSalRemun", "30000");
  click("cmdPrint");
  choose("Option1");
  click("cmdVR");
  ReportPreviewWindow* preview = report.lastPreview();
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->pages().title(), "Monthly Check");
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString folderOfExport = QDir(documents).exists() ? documents : QDir::homePath();
  EXPECT_EQ(preview->suggestedExportPath(), QDir(folderOfExport).filePath("Monthly Check.pdf"));
  EXPECT_EQ(preview->pageCount(), 1);
}

// Amortisation schedules of 60, 97 and 360 months: the preview, the PDF and
// the layout agree on the pages; every page has the column headings and the
// page number, the pages after the first the running title, and the last
// page holds the last month.
TEST_F(PrintoutWindowTest, LongSchedulesPaginateAlikeInPreviewAndPdf) {
  for (int months : {60, 97, 360}) {
    SCOPED_TRACE(months);
    FeedRecord loan{"Loans", {}};
    loan.set("Heading", std::string("Monthly repayment")).set("Num1", 1500000.0).set("Num2", double(months));
    loan.set("Num3", 11.75).set("Num4", 15141.15).set("YearMon", std::string("Month"));
    FeedRows rows{"Amort", {}};
    for (int m = 1; m <= months; ++m) {
      FeedRecord row{"Amort", {}};
      row.set("Year", std::int16_t(m)).set("Capital", 400.0 + m).set("Interest", 14000.0 - m).set("Required", 1e6 - m);
      rows.rows.push_back(std::move(row));
    }
    ReportLayout layout = printReport(folder.file("LonrepaA.rpt"), folder.file("Rudodeza.db"), &loan, &rows,
                                      makeReportRun(nullptr, nullptr, 0, false, 0));
    ASSERT_FALSE(layout.error) << *layout.error;
    auto pages = std::make_unique<ReportPages>(layout.html, ReportRun{});
    const int count = pages->pageCount();
    const QString pdf = folder.qfile("schedule.pdf");
    ASSERT_FALSE(writeReportPdf(*pages, pdf.toStdString()));
    EXPECT_EQ(pdfPages(pdf), count);
    ReportPreviewWindow preview(std::move(pages), "Loans", messages);
    EXPECT_EQ(preview.pageCount(), count);
    for (int page = 1; page <= count; ++page) {
      const QString text = pdfText(pdf, page);
      EXPECT_TRUE(text.contains(QRegularExpression(R"(Month\s+Capital\s+Interest\s+Balance)"))) << page;
      EXPECT_TRUE(text.contains(QString("page %1 of %2").arg(page).arg(count))) << page;
      EXPECT_EQ(text.contains("Loan calculation (continued)"), page > 1) << page;
    }
    EXPECT_TRUE(pdfText(pdf, count).contains(QRegularExpression(QString(R"(\n\s*%1\s+%2\.00)").arg(months).arg(400 + months))));
  }
}

}  // namespace
}  // namespace quorin
