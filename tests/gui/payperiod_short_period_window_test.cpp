// frmWeekly, frmFortNight and frmDaily: the day-count checks through the
// windows, worked figures and the shared IRP5Week printout.
#include "payperiod_window_fixture.h"

#include "payperiod/period_tax_window.h"

using namespace quorin;

namespace {

using ShortPeriodWindowTest = test::PayWindowFixture;

TEST_F(ShortPeriodWindowTest, WeeklyDefaultsAndWorkedFigures) {
  open<PeriodTaxWindow>(PeriodKind::Weekly);
  EXPECT_EQ(window->objectName(), "frmWeekly");
  EXPECT_EQ(window->windowTitle(), "Weekly");
  EXPECT_EQ(shown("silgEdit21"), "7");
  EXPECT_EQ(shown("silgEdit22"), "7");
  EXPECT_FALSE(window->findChild<EntryField*>("numMTAAns"));  // no taxable travel allowance here

  type("silgEdit14", "40");
  type("numSalRemun", "4200");
  type("silgEdit21", "5");
  type("silgEdit22", "3");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "674.27");

  // Cents are taken; the weekly UIF ceiling is 17 712 x 12 / 52.
  type("numSalRemun", "5000.50");
  type("silgEdit22", "5");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns1"), "40.87");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ShortPeriodWindowTest, DayChecksRefuseBeforeAnyDivision) {
  open<PeriodTaxWindow>(PeriodKind::Weekly);
  type("numSalRemun", "7000");
  click("cmdCalculate");
  const QString before = shown("numMAns");

  type("silgEdit21", "5");
  type("silgEdit22", "6");
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Incorrect Number of Days");
  EXPECT_EQ(messages.last()->text,
            "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.");
  EXPECT_EQ(messages.last()->icon, MessageIcon::Error);
  EXPECT_EQ(focused(), "cmdCalculate");
  EXPECT_EQ(shown("numMAns"), before);

  type("silgEdit22", "0");
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.last()->title, "Incorrect Number of Days");
  EXPECT_EQ(focused(), "silgEdit22");
  EXPECT_EQ(shown("numMAns"), before);

  // The field's own limit: at most 7 days in a week.
  enter("silgEdit21", "8");
  ASSERT_EQ(messages.messages.size(), 3u);
  EXPECT_EQ(focused(), "silgEdit21");
}

TEST_F(ShortPeriodWindowTest, FortnightlyCaptionsCreditsAndDayCheck) {
  open<PeriodTaxWindow>(PeriodKind::Fortnightly);
  EXPECT_EQ(window->objectName(), "frmFortNight");
  EXPECT_EQ(shown("silgEdit21"), "14");
  EXPECT_EQ(caption("silgEdit21"), "Normal fortnight");
  EXPECT_EQ(caption("silgEdit22"), "This fortnight");
  type("numEmpEEMedAidCont", "500");
  type("numMedAidBens", "4");
  click("cmdCalculate");
  EXPECT_EQ(shown("numTaxCredit"), "610.00");

  type("silgEdit21", "10");
  type("silgEdit22", "11");
  click("cmdCalculate");
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->text,
            "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.");
}

TEST_F(ShortPeriodWindowTest, WeeklyThenFortnightlyPrintLeavesTheFortnightlyFiguresInIRP5Week) {
  open<PeriodTaxWindow>(PeriodKind::Weekly);
  type("numSalRemun", "7000");
  click("cmdPrint");
  click("cmdVR");
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(),
            "Weekly - To export printout click on the suitcase button or goto Help");
  EXPECT_TRUE(report.ReportFileName.endsWith("/Weekly.rpt"));
  EXPECT_EQ(row("IRP5Week")["TypeAM"].toString(), "Weekly Check");

  open<PeriodTaxWindow>(PeriodKind::Fortnightly);
  type("numSalRemun", "14000");
  click("cmdPrint");
  choose("Option2");
  click("cmdPD");
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_NE(printed[0].find("FortNightly.rpt"), std::string::npos);
  int rows = 0;
  auto r = row("IRP5Week", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["TypeAM"].toString(), "Twee Weeklikse Inkomste");
  EXPECT_EQ(r["SDate"].toString(), "Normale twee weke");
  EXPECT_EQ(r["SDateNum"].toInt(), 14);
  EXPECT_EQ(r["SalNum"].toDouble(), 14000);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ShortPeriodWindowTest, DailyFiguresAndPrintout) {
  open<PeriodTaxWindow>(PeriodKind::Daily);
  EXPECT_EQ(window->objectName(), "frmDaily");
  EXPECT_FALSE(window->findChild<EntryField*>("silgEdit21"));
  type("silgEdit23", "40");
  type("numSalRemun", "300");
  type("sidbEdit4", "5000");
  type("numEmpEEMedAidCont", "100");
  type("numMedAidBens", "14");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "887.71");
  EXPECT_EQ(shown("numTaxCredit"), "169.85");
  click("cmdPrint");
  click("cmdVR");
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(), "Daily - To export printout click on the suitcase button or goto Help");
  auto r = row("IRP5Day");
  EXPECT_EQ(r["TypeAM"].toString(), "Daily Check");
  EXPECT_EQ(r["AnnCalcBens3num"].toInt(), 14);
  EXPECT_NEAR(r["Taxcreditnum"].toDouble(), (12.0 * 246 * 12 + 8736) / 260, 1e-9);
}

}  // namespace
