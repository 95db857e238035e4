// The tax year chosen in a window's Setup frame: the choice offers the
// year files with their source, O&K recalculates in the year chosen and
// the session (and the main window's status line) follow it.
#include "payperiod_window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include "payperiod/period_tax_window.h"
#include "shell/main_window.h"

using namespace quorin;

namespace {

struct TaxYearWindowTest : test::PayWindowFixture {};

TEST_F(TaxYearWindowTest, Choosing2027InTheSetupFrameRecalculatesInIt) {
  bool told = false;
  context.taxYearChanged = [&told] { told = true; };
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  type("numSalRemun", "8250");
  type("silgEdit9", "30");
  click("cmdCalculate");
  EXPECT_NE(shown("numTaxLiability"), "0.00");

  click("cmdSettings");
  auto* years = window->findChild<QComboBox*>("cboTaxYear");
  ASSERT_TRUE(years);
  ASSERT_EQ(years->count(), 2);
  EXPECT_EQ(years->currentText(), "2026");
  years->setCurrentIndex(years->findText("2027"));
  auto* source = window->findChild<QLabel*>("lblTaxYearSource");
  ASSERT_TRUE(source);
  EXPECT_TRUE(source->text().contains("1 March 2026")) << source->text().toStdString();
  click("cmdSetupOK");

  EXPECT_TRUE(told);
  EXPECT_EQ(state.taxYear().year, 2027);
  EXPECT_EQ(shown("numTaxLiability"), "0.00");
  EXPECT_TRUE(messages.messages.empty());

  // The dates follow the year: its first month, and its limits quoted.
  EXPECT_EQ(shown("dtMStartDate"), "01/03/2026");
  EXPECT_EQ(shown("dtMEndDate"), "31/03/2026");
  type("dtMStartDate", "15/03/2025");
  emit edit("dtMStartDate")->editingFinished();
  ASSERT_TRUE(messages.last());
  EXPECT_TRUE(messages.last()->text.contains("01/03/2026 and 28/02/2027")) << messages.last()->text.toStdString();
}

TEST_F(TaxYearWindowTest, OpenWindowsFollowAYearChosenInAnother) {
  MainWindow main(QString::fromStdString(folder.path()), messages);
  main.show();
  QWidget* allowance = main.openWindow(QStringLiteral("frmCarAll1"));
  QWidget* annual = main.openWindow(QStringLiteral("frmAnnual"));
  ASSERT_TRUE(allowance && annual);
  EXPECT_EQ(allowance->findChild<EntryField*>("dtCarAlStartDate")->text(), "01/03/2025");
  annual->findChild<QPushButton*>("cmdSettings")->click();
  auto* years = annual->findChild<QComboBox*>("cboTaxYear");
  years->setCurrentIndex(years->findText("2027"));
  annual->findChild<QPushButton*>("cmdSetupOK")->click();
  EXPECT_EQ(annual->findChild<EntryField*>("dtStartDate")->text(), "01/03/2026");
  EXPECT_EQ(annual->findChild<EntryField*>("dtEndDate")->text(), "28/02/2027");
  EXPECT_EQ(allowance->findChild<EntryField*>("dtCarAlStartDate")->text(), "01/03/2026");
  EXPECT_EQ(allowance->findChild<EntryField*>("dtCarAlEndDate")->text(), "28/02/2027");
  main.state().chooseTaxYear(2026);  // the next test's main window starts from the stored choice
  QSettings().remove(QStringLiteral("TaxYear"));
}

TEST_F(TaxYearWindowTest, TheMainWindowShowsTheYearInUse) {
  MainWindow main(QString::fromStdString(folder.path()), messages);
  EXPECT_TRUE(main.taxYearStatus().startsWith("Tax year 2026 (01/03/2025 to 28/02/2026)"));
  // 2026 is over: today lies outside it.
  EXPECT_TRUE(main.taxYearStatus().contains("outside")) << main.taxYearStatus().toStdString();
  main.state().chooseTaxYear(2027);
  main.showTaxYear();
  EXPECT_TRUE(main.findChild<QLabel*>("lblTaxYear")->text().startsWith("Tax year 2027 (01/03/2026 to 28/02/2027)"));
}

}  // namespace
