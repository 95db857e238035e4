// The working of a calculation in the windows and on paper: the "Working
// o&ut" panel shows the steps of the last calculation, its access key is
// free in every window that has it, a print with "Print the workin&g"
// ticked gains the working's pages (numbered on with the printout, in the
// print's language), and the working page escapes what the user typed.
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTextDocument>

#include "package/package_window.h"
#include "payperiod/period_tax_window.h"
#include "payperiod_window_fixture.h"
#include "report/report_document.h"
#include "report/working_page.h"
#include "shell/main_window.h"
#include "vehicle/car_allowance_window.h"
#include "vehicle/company_car_window.h"
#include "vehicle_window_fixture.h"
#include "widgets/working_panel.h"

namespace quorin {
namespace {

struct Printed {
  int pages = 0;
  QString text;
  QString lastFooter;
};

// Direct prints are laid out and kept, not sent to a printer.
void recordPrints(ReportControl& report, std::vector<Printed>& into) {
  report.printDocument = [&into](const ReportPages& pages) -> std::optional<std::string> {
    into.push_back({pages.pageCount(), pages.document().toPlainText(), pages.footerText(pages.pageCount())});
    return std::nullopt;
  };
}

QString panelText(QWidget* window) {
  auto* text = window->findChild<QTextBrowser*>(QStringLiteral("txtWorking"));
  return text ? text->toPlainText() : QString();
}

bool printWith(QWidget* window, bool working) {
  auto* box = window->findChild<QCheckBox*>(QStringLiteral("chkWorking"));
  if (!box) return false;
  box->setChecked(working);
  return true;
}

struct WorkingPayTest : test::PayWindowFixture {
  std::vector<Printed> prints;
  void SetUp() override { recordPrints(report, prints); }
  void printDirect(const char* language, bool working) {
    click("cmdPrint");
    choose(language);
    ASSERT_TRUE(printWith(window.get(), working));
    click("cmdPD");
  }
};

TEST_F(WorkingPayTest, MonthlyWindowShowsTheWorkingOfItsLastCalculation) {
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  type("numSalRemun", "30000");
  type("silgEdit9", "40");
  click("cmdCalculate");
  EXPECT_FALSE(window->findChild<QWidget*>("fraWorking")->isVisible());
  click("cmdWorking");
  EXPECT_TRUE(window->findChild<QWidget*>("fraWorking")->isVisible());
  const QString text = panelText(window.get());
  EXPECT_EQ(window->findChild<QGroupBox*>("fraWorking")->title(), "How these figures were worked out");
  EXPECT_TRUE(text.contains("Tax to deduct"));
  EXPECT_TRUE(text.contains("4 783.08")) << text.toStdString();
  EXPECT_FALSE(button("cmdCalculate")->isEnabled());  // a frame is shown
  click("cmdWorkingView");  // printed on its own through the preview
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->pages().title(), "How these figures were worked out");
  EXPECT_TRUE(report.lastPreview()->pages().document().toPlainText().contains("4 783.08"));

  // A refused calculation keeps the working of the one before.
  click("cmdWorkingClose");
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
  type("numSalRemun", "40000");
  type("dtMStartDate", "30/04/2025");
  type("dtMEndDate", "01/05/2025");  // not one month: refused
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 1u);
  click("cmdWorking");
  EXPECT_TRUE(panelText(window.get()).contains("4 783.08"));
}

TEST_F(WorkingPayTest, PrintTheWorkingAddsItsPagesInThePrintsLanguage) {
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  type("numSalRemun", "30000");
  type("silgEdit9", "40");
  printDirect("Option1", false);
  printDirect("Option1", true);
  printDirect("Option2", true);
  ASSERT_EQ(prints.size(), 3u);
  const int alone = prints[0].pages;
  EXPECT_FALSE(prints[0].text.contains("How these figures were worked out"));
  const int all = prints[1].pages;
  EXPECT_GT(all, alone);
  EXPECT_TRUE(prints[1].text.contains("How these figures were worked out"));
  EXPECT_TRUE(prints[1].text.contains("Tax to deduct"));
  EXPECT_TRUE(prints[1].lastFooter.contains(QString("page %1 of %1").arg(all))) << prints[1].lastFooter.toStdString();
  EXPECT_TRUE(prints[2].text.contains("Hoe hierdie syfers bereken is"));
  EXPECT_FALSE(prints[2].text.contains("How these figures were worked out"));
  EXPECT_TRUE(prints[2].lastFooter.contains(QString("bladsy %1 van %1").arg(prints[2].pages)));
}

TEST_F(WorkingPayTest, PackageWindowShowsAndPrintsItsWorking) {
  open<PackageWindow>(PackageKind::QuorinMonthly);
  type("numAge", "40");
  type("numNetMonSalReq", "25000");
  click("cmdCalculate");
  click("cmdWorking");
  const QString text = panelText(window.get());
  EXPECT_TRUE(text.contains("Value"));
  EXPECT_FALSE(text.contains("press Calculate")) << text.toStdString();
  click("cmdWorkingClose");
  click("cmdPrint");
  ASSERT_TRUE(printWith(window.get(), true));
  click("cmdPD");
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_TRUE(prints[0].text.contains("How these figures were worked out"));
  EXPECT_GE(prints[0].pages, 2);
}

using CarAllowanceWorkingTest = test::VehicleWindowFixture<CarAllowanceWindow>;

TEST_F(CarAllowanceWorkingTest, VehicleWindowsShowTheirWorking) {
  type("silgEdit1", "300000");
  type("silgEdit3", "130000");
  type("silgEdit4", "100000");
  type("silgEdit5", "20000");
  click("cmdCalculate");
  click("cmdWorking");
  const QString text = panelText(window.get());
  EXPECT_FALSE(text.contains("press Calculate")) << text.toStdString();
  EXPECT_TRUE(text.contains("106 991.32")) << text.toStdString();  // the claim
}

using CompanyCarWorkingTest = test::VehicleWindowFixture<CompanyCarWindow>;

TEST_F(CompanyCarWorkingTest, ClosingTheWorkingKeepsTheRegistersEnablingRule) {
  click("cmdCalculate");
  click("cmdWorking");
  click("cmdWorkingClose");
  EXPECT_FALSE(enabled("cmdPrint"));  // an empty register prints nothing
  click("cmdAdd");
  type("txtCCRegNumber", "CA 1");
  type("numCCPrice", "300000");
  type("numActual3802", "126000");
  click("cmdCalculate");
  click("cmdWorking");
  EXPECT_FALSE(panelText(window.get()).contains("press Calculate"));
}

// ---------------------------------------------------------------- the page itself

TEST(WorkingPage, EscapesTextAndIsNumberedWithThePrintout) {
  Working working;
  working.taxYear = 2027;
  working.setSubject("<b>Bakkie</b> & trailer");
  working.add("Days of use", 365, FigureKind::Number, "days from {start} to the end").by("start", 0, FigureKind::Date);
  ReportRun run;
  run.working = working;
  ReportPages pages(QStringLiteral("<html><head><title>Car</title></head><body><p>Figures</p></body></html>"), run);
  EXPECT_EQ(pages.pageCount(), 2);
  EXPECT_TRUE(pages.document().toPlainText().contains("<b>Bakkie</b> & trailer: Days of use"));
  EXPECT_TRUE(pages.footerText(1).contains("page 1 of 2"));
  EXPECT_TRUE(pages.footerText(2).contains("page 2 of 2"));
  EXPECT_FALSE(workingTableHtml(working, 0, WorkingLayout::PagesAfter).contains("<b>Bakkie"));

  // A long working runs on over pages, its heading repeated; no working, no page.
  for (int i = 0; i < 150; ++i) working.add("Remuneration", 1000.0 * i).in("salary", 1000.0 * i);
  run.working = working;
  ReportPages longer(QStringLiteral("<p>Figures</p>"), run);
  EXPECT_GE(longer.pageCount(), 4);
  EXPECT_TRUE(longer.footerText(longer.pageCount()).contains(QString("page %1 of %1").arg(longer.pageCount())));
  run.working.reset();
  EXPECT_EQ(ReportPages(QStringLiteral("<p>Figures</p>"), run).pageCount(), 1);
}

TEST(WorkingPage, PanelSaysWhenNothingWasCalculated) {
  WorkingPanel panel;
  panel.setWorking(nullptr);
  EXPECT_TRUE(panel.text()->toPlainText().contains("press Calculate"));
  EXPECT_FALSE(panel.findChild<QWidget*>("cmdWorkingView")->isEnabled());
}

// ---------------------------------------------------------------- access keys

TEST(WorkingAccessKeys, AreFreeInEveryWindowAndTheMenuBar) {
  test::TestFolder folder;
  RecordingMessageSink messages;
  MainWindow main(QString::fromStdString(folder.path()), messages);
  main.show();
  QList<QKeySequence> menus;
  for (QAction* a : main.menuBar()->actions()) menus.push_back(QKeySequence::mnemonic(a->text()));
  for (const char* name : {"frmMonthly", "frmWeekly", "frmFortNight", "frmDaily", "frmAnnual", "frmKwikTax",
                           "frmQuorinMon", "frmQuorinAnn", "frmVelmMon", "frmVelmAnn", "frmCarAll1", "frmCompCar", "frmETI"}) {
    SCOPED_TRACE(name);
    QWidget* w = main.openWindow(QString::fromLatin1(name));
    ASSERT_TRUE(w);
    for (const char* own : {"cmdWorking", "chkWorking"}) {
      auto* mine = w->findChild<QAbstractButton*>(QString::fromLatin1(own));
      ASSERT_TRUE(mine) << own;
      const QKeySequence key = QKeySequence::mnemonic(mine->text());
      ASSERT_FALSE(key.isEmpty()) << own;
      EXPECT_FALSE(menus.contains(key)) << own;
      for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (b != mine) {
          EXPECT_NE(QKeySequence::mnemonic(b->text()), key) << own << " " << b->objectName().toStdString();
        }
      }
    }
    w->close();
  }
}

}  // namespace
}  // namespace quorin
