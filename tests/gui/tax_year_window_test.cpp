// The tax year chosen in a window's Setup frame: the choice offers the
// year files with their source, O&K recalculates in the year chosen and
// the session (and the main window's status line) follow it.
#include "payperiod_window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include "common/clock.h"
#include "common/day_number.h"
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
  ASSERT_EQ(years->count(), 3);
  EXPECT_EQ(years->currentText(), "the year in force (2026)");  // the tests' today lies in 2026
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
  EXPECT_EQ(QSettings().value(QStringLiteral("TaxYear")).toInt(), 2027);  // kept for the installation
  QSettings().remove(QStringLiteral("TaxYear"));
}

// The steps of the report: Monthly open, 2027 chosen in Quorin annual's
// Setup, then Monthly's Setup confirmed (say, for the UIF ceiling): 2027
// stays everywhere, and Monthly's choice showed it.
TEST_F(TaxYearWindowTest, AnEarlierOpenedPanelNeverWritesBackAStaleYear) {
  MainWindow main(QString::fromStdString(folder.path()), messages);
  main.show();
  QWidget* monthly = main.openWindow(QStringLiteral("frmMonthly"));
  QWidget* quorin = main.openWindow(QStringLiteral("frmQuorinAnn"));
  ASSERT_TRUE(monthly && quorin);
  monthly->findChild<QPushButton*>("cmdSettings")->click();  // Monthly's Setup up first, showing the year in force
  quorin->findChild<QPushButton*>("cmdSettings")->click();
  auto* years = quorin->findChild<QComboBox*>("cboTaxYear");
  years->setCurrentIndex(years->findText("2027"));
  quorin->findChild<QPushButton*>("cmdSetupOK")->click();
  EXPECT_EQ(main.state().taxYear().year, 2027);

  auto* monthlyYears = monthly->findChild<QComboBox*>("cboTaxYear");
  EXPECT_EQ(monthlyYears->currentText(), "2027");
  monthly->findChild<EntryField*>("numUIFLimit")->setText("17712");
  monthly->findChild<QPushButton*>("cmdSetupOK")->click();
  EXPECT_EQ(main.state().taxYear().year, 2027);
  EXPECT_TRUE(main.taxYearStatus().startsWith("Tax year 2027"));
  EXPECT_EQ(monthly->findChild<EntryField*>("dtMStartDate")->text(), "01/03/2026");
  EXPECT_EQ(QSettings().value(QStringLiteral("TaxYear")).toInt(), 2027);

  // Back to the year in force, from either panel.
  monthly->findChild<QPushButton*>("cmdSettings")->click();
  monthlyYears->setCurrentIndex(0);
  monthly->findChild<QPushButton*>("cmdSetupOK")->click();
  EXPECT_EQ(main.state().TaxYearChosen, 0);
  EXPECT_EQ(main.state().taxYear().year, 2026);
  EXPECT_EQ(quorin->findChild<QComboBox*>("cboTaxYear")->currentIndex(), 0);
  QSettings().remove(QStringLiteral("TaxYear"));
}

TEST_F(TaxYearWindowTest, TheMainWindowShowsTheYearInForce) {
  setClock([] { return *dayNumber(2026, 12, 9); });
  {
    MainWindow main(QString::fromStdString(folder.path()), messages);
    EXPECT_EQ(main.taxYearStatus().toStdString(), "Tax year 2027 (01/03/2026 to 28/02/2027)");
    main.state().chooseTaxYear(2026);
    main.showTaxYear();
    EXPECT_TRUE(main.findChild<QLabel*>("lblTaxYear")->text().startsWith("Tax year 2026 (01/03/2025 to 28/02/2026)"));
    EXPECT_TRUE(main.taxYearStatus().contains("outside")) << main.taxYearStatus().toStdString();
  }
  // No year holds today: the latest before, and the status line says so.
  setClock([] { return *dayNumber(2031, 6, 1); });
  {
    MainWindow main(QString::fromStdString(folder.path()), messages);
    EXPECT_TRUE(main.taxYearStatus().startsWith("Tax year 2027 (01/03/2026 to 28/02/2027) - today's date lies outside"));
  }
  setClock([] { return *dayNumber(2025, 6, 15); });
}

// A refused year file is shown under the choice, with its reason; the other
// years are still offered.
TEST_F(TaxYearWindowTest, TheSetupChoiceShowsARefusedYearFile) {
  QFile f(folder.qfile("tax-years/2027.json"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray text = f.readAll().replace("\"year\": 2027", "\"year\": 4294969323");
  f.close();
  QFile out(folder.qfile("tax-years/2027.json"));
  ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
  out.write(text);
  out.close();
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  click("cmdSettings");
  auto* years = window->findChild<QComboBox*>("cboTaxYear");
  ASSERT_EQ(years->count(), 2);  // the year in force and 2026
  auto* refused = window->findChild<QLabel*>("lblTaxYearRefused");
  ASSERT_TRUE(refused);
  EXPECT_FALSE(refused->isHidden());
  EXPECT_TRUE(refused->text().contains("2027.json is refused: year is 4294969323; it must be a year from 1900 to 2200"))
      << refused->text().toStdString();
}

}  // namespace
