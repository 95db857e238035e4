// frmMonthly driven through its widgets: worked figures, the date checks
// and the date fields' own limits, the Setup frame and the printout.
#include "payperiod_window_fixture.h"

#include "payperiod/period_tax_window.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

using namespace quorin;

namespace {

struct MonthlyWindowTest : test::PayWindowFixture {
  PeriodTaxWindow* w = nullptr;
  void SetUp() override {
    PayWindowFixture::SetUp();
    w = open<PeriodTaxWindow>(PeriodKind::Monthly);
  }
};

TEST_F(MonthlyWindowTest, OpensWithItsDefaultsCalculatedAndNoMessage) {
  EXPECT_EQ(w->objectName(), "frmMonthly");
  EXPECT_EQ(w->windowTitle(), "Monthly");
  EXPECT_EQ(shown("dtMStartDate"), "01/03/2025");
  EXPECT_EQ(shown("dtMEndDate"), "31/03/2025");
  EXPECT_EQ(shown("numSalRemun"), "0");
  EXPECT_EQ(shown("numMAns"), "0.00");
  EXPECT_EQ(shown("numEmpEUIF"), "1.000");   // the Setup frame shows the store
  EXPECT_EQ(shown("numUIFLimit"), "17712");
  EXPECT_TRUE(window->findChild<QRadioButton*>("optTAIncRate80")->isChecked());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MonthlyWindowTest, TypedInputsGiveTheWorkedFigures) {
  type("numSalRemun", "30000");
  type("silgEdit9", "40");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "4783.08");
  EXPECT_EQ(shown("numTaxLiability"), "4783.08");
  EXPECT_EQ(shown("numMAns1"), "177.12");
  EXPECT_EQ(shown("numMAns2"), "177.12");
  EXPECT_EQ(shown("numMAns3"), "300.00");

  // Age 70 with every input.
  type("silgEdit9", "70");
  type("silgEdit13", "5000");
  type("numEmpRRFundCont", "3000");
  type("numEmpERFundCont", "2250");
  type("numEmpERMedAidCont", "2000");
  type("numEmpEEMedAidCont", "1500");
  type("numMedAidBens", "3");
  click("cmdCalculate");
  EXPECT_EQ(shown("numAllowableRFundDed"), "5250");
  EXPECT_EQ(shown("numMTAAns"), "4000");
  EXPECT_EQ(shown("numMAns"), "5114.83");
  EXPECT_EQ(shown("numTaxCredit"), "974.00");
  EXPECT_EQ(shown("numMTCForContri"), "192.47");
  EXPECT_EQ(shown("numTaxLiability"), "3948.36");
  EXPECT_EQ(shown("numMAns3"), "337.50");

  // Half a month: 15 of 31 days.
  type("silgEdit9", "40");
  for (const char* f : {"silgEdit13", "numEmpRRFundCont", "numEmpERFundCont", "numEmpERMedAidCont",
                        "numEmpEEMedAidCont", "numMedAidBens"})
    type(f, "0");
  type("dtMEndDate", "15/03/2025");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "7645.24");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MonthlyWindowTest, DateChecksShowTheirMessageFocusTheFieldAndChangeNothing) {
  type("numSalRemun", "30000");
  click("cmdCalculate");
  const QString before = shown("numMAns");

  type("dtMStartDate", "15/04/2025");
  type("dtMEndDate", "14/04/2025");
  type("numSalRemun", "8000");
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Incorrect Date");
  EXPECT_EQ(messages.last()->text, "Start date: The Start date entered must be before the End date");
  EXPECT_EQ(messages.last()->icon, MessageIcon::Error);
  EXPECT_EQ(focused(), "dtMStartDate");
  EXPECT_EQ(shown("numMAns"), before);
  EXPECT_EQ(shown("numSalRemun"), "8000");  // nothing typed is lost

  type("dtMStartDate", "30/04/2025");
  type("dtMEndDate", "01/05/2025");
  click("cmdCalculate");
  EXPECT_EQ(messages.last()->text, "End date: The Start and End dates entered must be for the same Month");
  EXPECT_EQ(focused(), "dtMEndDate");
  EXPECT_EQ(shown("numMAns"), before);

  // One day: 10/06/2025 to 10/06/2025 is scaled by 30 x 12.
  type("dtMStartDate", "10/06/2025");
  type("dtMEndDate", "10/06/2025");
  type("numSalRemun", "1000");
  click("cmdCalculate");
  EXPECT_EQ(messages.messages.size(), 2u);
  EXPECT_NE(shown("numMAns"), before);
}

TEST_F(MonthlyWindowTest, DateFieldsRefuseDatesOutsideTheTaxYearQuotingTheStartDate) {
  type("dtMStartDate", "15/04/2025");
  enter("dtMEndDate", "01/03/2026");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Incorrect Date");
  EXPECT_EQ(messages.last()->text,
            "End date: The date entered is not correct please enter a date between 15/04/2025 and 28/02/2026");
  EXPECT_EQ(focused(), "dtMEndDate");

  enter("dtMStartDate", "28/02/2025");
  EXPECT_EQ(messages.last()->text,
            "Start date: The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
  EXPECT_EQ(focused(), "dtMStartDate");

  // Calculate does not run on a refused date either.
  messages.clear();
  type("dtMStartDate", "01/04/2025");
  type("dtMEndDate", "29/02/2026");
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(focused(), "dtMEndDate");
}

TEST_F(MonthlyWindowTest, SetupOkSavesTheFiveFieldsOnlyAndRecalculates) {
  SettingsRecord stored;
  stored.PensionCont = 7.5;
  stored.EmployerPenCont = 10;
  stored.ProvCont = 2;
  stored.EmployerProvCont = 3;
  stored.CompCarFBRate8020 = 0.2;
  stored.CompCarMPYesNo = true;
  ASSERT_FALSE(SaveSettings(state.SettingsDatabasePath, stored));
  window.reset();
  w = open<PeriodTaxWindow>(PeriodKind::Monthly);

  type("numSalRemun", "30000");
  type("silgEdit13", "1000");
  click("cmdSettings");
  EXPECT_TRUE(window->findChild<QWidget*>("Frame3")->isVisible());
  for (const char* b : {"cmdCalculate", "cmdPrint", "cmdSettings", "cmdOk"}) EXPECT_FALSE(button(b)->isEnabled()) << b;
  type("numEmpEUIF", "2");
  type("numUIFLimit", "20000");
  type("numSkillPercent", "0.5");
  choose("optTAIncRate20");
  click("cmdSetupOK");
  EXPECT_FALSE(window->findChild<QWidget*>("Frame3")->isVisible());
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
  EXPECT_EQ(shown("numMAns1"), "400.00");  // 20 000 x 2 %
  EXPECT_EQ(shown("numMTAAns"), "200");    // 1 000 x 20 %
  EXPECT_EQ(shown("numMAns3"), "151.00");  // (30 000 + 200) x 0.5 %

  SettingsLoad after = LoadSettings(state.SettingsDatabasePath);
  ASSERT_FALSE(after.error);
  EXPECT_EQ(after.record.EmployeeUIF, 2);
  EXPECT_EQ(after.record.UIFLimit, 20000);
  EXPECT_EQ(after.record.SkillLevy, 0.5);
  EXPECT_EQ(after.record.TAIncRate8020, 0.2);
  EXPECT_EQ(after.record.PensionCont, 7.5);
  EXPECT_EQ(after.record.EmployerPenCont, 10);
  EXPECT_EQ(after.record.ProvCont, 2);
  EXPECT_EQ(after.record.EmployerProvCont, 3);
  EXPECT_EQ(after.record.CompCarFBRate8020, 0.2);
  EXPECT_TRUE(after.record.CompCarMPYesNo);
}

TEST_F(MonthlyWindowTest, AStoredRateOfHalfSelectsNeitherOptionAndIsUsed) {
  SettingsRecord stored;
  stored.TAIncRate8020 = 0.5;
  ASSERT_FALSE(SaveSettings(state.SettingsDatabasePath, stored));
  window.reset();
  w = open<PeriodTaxWindow>(PeriodKind::Monthly);
  EXPECT_FALSE(window->findChild<QRadioButton*>("optTAIncRate80")->isChecked());
  EXPECT_FALSE(window->findChild<QRadioButton*>("optTAIncRate20")->isChecked());
  type("silgEdit13", "1000");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMTAAns"), "500");
}

TEST_F(MonthlyWindowTest, AfrikaansPrintWritesOneRowWithAfrikaansCaptionsAndTheSameValues) {
  type("numSalRemun", "30000");
  type("silgEdit9", "40");
  click("cmdPrint");
  EXPECT_TRUE(window->findChild<QWidget*>("fraPrint")->isVisible());
  EXPECT_FALSE(button("cmdCalculate")->isEnabled());
  choose("Option2");
  type("Text1", "Thandi Mokoena");
  click("cmdVR");
  EXPECT_FALSE(window->findChild<QWidget*>("fraPrint")->isVisible());
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
  EXPECT_EQ(state.PrintChoice, 0);
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(),
            "Monthly - To export printout click on the suitcase button or goto Help");
  EXPECT_TRUE(report.ReportFileName.endsWith("/Monthly.rpt"));

  int rows = 0;
  auto r = row("IRP5Mon", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["TypeAM"].toString(), "Maandelikse Inkomste");
  EXPECT_EQ(r["Employee"].toString(), "Vir : Thandi Mokoena");
  EXPECT_EQ(r["Sal"].toString(), "Besoldiging");
  EXPECT_EQ(r["EOE"].toString(), "(B.& F.W.)");
  EXPECT_EQ(r["TOTAL"].toString(), "Totaal belasting");
  EXPECT_EQ(r["SalNum"].toDouble(), 30000);
  EXPECT_EQ(r["AgeNum"].toInt(), 40);
  EXPECT_EQ(r["SDateNum"].toString(), "01/03/2025");
  EXPECT_EQ(r["UIFEMPENum"].toDouble(), 177.12);
  EXPECT_DOUBLE_EQ(r["Taxliabilitynum"].toDouble(), (74632.0 - 17235) / 12);  // unrounded

  // Printing again in English straight to the printer overwrites the row.
  click("cmdPrint");
  choose("Option1");
  click("cmdPD");
  EXPECT_EQ(state.PrintChoice, 1);
  ASSERT_EQ(printed.size(), 1u);
  r = row("IRP5Mon", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["TypeAM"].toString(), "Monthly Check");
  EXPECT_EQ(r["Employee"].toString(), " For : Thandi Mokoena");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MonthlyWindowTest, PrintAfterARefusedCheckPrintsNothing) {
  type("dtMStartDate", "30/04/2025");
  type("dtMEndDate", "01/05/2025");
  click("cmdPrint");
  click("cmdVR");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->text, "End date: The Start and End dates entered must be for the same Month");
  EXPECT_FALSE(report.lastPreview());
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
}

TEST_F(MonthlyWindowTest, InformationFrameShowsTheGeneralInformation) {
  click("cmdInfo");
  auto* info = window->findChild<QWidget*>("fraInfo_One");
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->isVisible());
  EXPECT_FALSE(button("cmdSettings")->isEnabled());
  auto* text = window->findChild<QTextBrowser*>("lblABC");
  ASSERT_TRUE(text);
  EXPECT_TRUE(text->toPlainText().startsWith("The amount entered in the Salary/remuneration field"));
  EXPECT_TRUE(text->toPlainText().endsWith("The deduction is capped at R350,000 per year."));
  // The whole text is in reach: shown at once or by scrolling.
  QApplication::processEvents();
  const QScrollBar* scroll = text->verticalScrollBar();
  EXPECT_TRUE(text->document()->size().height() <= text->viewport()->height() + 1 || scroll->maximum() > 0);
  EXPECT_GE(text->viewport()->width(), 200);
  click("cmdOK_Info_One");
  EXPECT_FALSE(info->isVisible());
  EXPECT_TRUE(button("cmdSettings")->isEnabled());
}

}  // namespace
