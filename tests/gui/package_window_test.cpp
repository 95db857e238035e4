// The four salary package windows driven through their widgets: captions
// and held fields, worked figures typed in, the copies into the cost
// column, the warning and the Print button, the 27.5 % reset, the fringe
// refusal, the R/A explanation, settings shared with the pay-period
// windows, and a printout from typing to the SalPackage row.
#include "payperiod_window_fixture.h"

#include "package/package_window.h"
#include "payperiod/period_tax_window.h"

using namespace quorin;

namespace {

struct PackageWindowTest : test::PayWindowFixture {
  PackageWindow* openPackage(PackageKind kind) { return open<PackageWindow>(kind); }
  bool visible(const char* name) const {
    auto* w = window->findChild<QWidget*>(QString::fromLatin1(name));
    return w && w->isVisibleTo(window.get());
  }
  QString label(const char* name) const { return window->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
};

TEST_F(PackageWindowTest, EachWindowHasItsTitleCaptionsAndHeldFields) {
  struct Case {
    PackageKind kind;
    const char* name;
    const char* title;
    const char* amount;
    const char* beneficiaries;
    bool medicalDeductions;
  };
  const Case cases[] = {
      {PackageKind::VelmarMonthly, "frmVelmMon", "Velmar : Monthly Calculation", "Total package amount",
       "Med. aid fund beneficiaries", false},
      {PackageKind::VelmarAnnual, "frmVelmAnn", "Velmar : Annual Calculation", "Total package amount",
       "Medical beneficiaries months", false},
      {PackageKind::QuorinMonthly, "frmQuorinMon", "Quorin : Monthly Calculation", "Net monthly salary required",
       "Med. aid fund beneficiaries", true},
      {PackageKind::QuorinAnnual, "frmQuorinAnn", "Quorin : Annual Calculation", "Net annual salary required",
       "Medical beneficiaries months", true},
  };
  for (const Case& c : cases) {
    openPackage(c.kind);
    EXPECT_EQ(window->objectName(), c.name);
    EXPECT_EQ(window->windowTitle(), c.title);
    EXPECT_EQ(caption("numNetMonSalReq"), c.amount);
    EXPECT_EQ(caption("numPMems"), c.beneficiaries);
    EXPECT_EQ(visible("numMedDeduct"), c.medicalDeductions) << c.name;
    EXPECT_FALSE(visible("numAddBens"));
    EXPECT_FALSE(visible("lblWarning"));
    EXPECT_FALSE(visible("fraOnceOff"));
    EXPECT_EQ(visible("numCCNetMonSalReq"), !c.medicalDeductions) << c.name;
    EXPECT_EQ(shown("numGrossSal"), "0.00");  // nothing calculated on opening
    EXPECT_EQ(shown("numNetMonSalReq"), "0.00");
    EXPECT_EQ(shown("numPenContPerc"), "0.000");  // all eleven settings on the panel
    EXPECT_TRUE(window->findChild<QRadioButton*>("optCompCarMPNo")->isChecked());
    EXPECT_TRUE(window->findChild<QRadioButton*>("optCompCarFBRate80")->isChecked());
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PackageWindowTest, VelmarTypedFiguresCopiesWarningAndPrintButton) {
  openPackage(PackageKind::VelmarMonthly);
  type("numAge", "40");
  type("numNetMonSalReq", "30000");
  type("numTravAll", "0");
  type("numOtherDet_0", "500");
  EXPECT_EQ(shown("numCCNetMonSalReq"), "30000.00");
  EXPECT_EQ(shown("numOtherDetCC_0"), "500.00");
  type("numOtherDet_0", "0");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "4783.08");
  EXPECT_EQ(shown("numUIFCont"), "177.12");
  EXPECT_EQ(shown("numCCSkillLev"), "300.00");
  EXPECT_EQ(shown("numGrossSal"), "25039.80");
  EXPECT_EQ(shown("numTotCostComp"), "30477.12");

  // 20 % each through the panel: the contributions exceed the limit.
  click("cmdSettings");
  EXPECT_FALSE(button("cmdRAExpl")->isEnabled());
  type("numPenContPerc", "20");
  type("numPenPercentage", "20");
  click("cmdSetupOK");
  EXPECT_EQ(shown("numRFundCont"), "6000.00");
  EXPECT_TRUE(visible("lblWarning"));
  EXPECT_EQ(label("lblWarning"), "R/Fund contributions exceed allowable limits!");
  EXPECT_FALSE(button("cmdPrint")->isEnabled());
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());

  click("cmdSettings");
  type("numPenContPerc", "15");
  type("numPenPercentage", "15");
  click("cmdSetupOK");
  EXPECT_FALSE(visible("lblWarning"));
  EXPECT_TRUE(button("cmdPrint")->isEnabled());
  EXPECT_EQ(shown("numMAns"), "2443.08");
  EXPECT_EQ(shown("numGrossSal"), "18379.80");
  EXPECT_EQ(shown("numTotCostComp"), "30387.12");

  // A package of 0 keeps every result shown.
  type("numNetMonSalReq", "0");
  click("cmdCalculate");
  EXPECT_EQ(shown("numGrossSal"), "18379.80");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PackageWindowTest, QuorinResetsPercentagesAboveTwentySevenAndAHalfAtOnce) {
  openPackage(PackageKind::QuorinMonthly);
  click("cmdSettings");
  type("numPenContPerc", "10");
  type("numPenPercentage", "20");
  EXPECT_EQ(shown("numPenContPerc"), "0.000");
  EXPECT_EQ(shown("numPenPercentage"), "0.000");
  type("numPenContPerc", "17.5");
  type("numPenPercentage", "10");  // exactly 27.5 stays
  click("cmdSetupOK");
  EXPECT_EQ(LoadSettings(state.SettingsDatabasePath).record.PensionCont, 17.5);
  EXPECT_EQ(LoadSettings(state.SettingsDatabasePath).record.EmployerPenCont, 10);
}

TEST_F(PackageWindowTest, QuorinSearchFringeRefusalAndRAExplanation) {
  openPackage(PackageKind::QuorinMonthly);
  type("numAge", "40");
  type("numNetMonSalReq", "25000");
  click("cmdCalculate");
  EXPECT_EQ(shown("numGrossSal"), "29946.42");
  EXPECT_EQ(shown("numTotCostComp"), "30423.01");
  EXPECT_EQ(shown("numMAns"), "4769.30");

  click("cmdRAExpl");
  EXPECT_TRUE(visible("Frame4"));
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());  // the explanation changes no button
  EXPECT_EQ(label("lblRALineA"), "ie: R 3 500 - R 0.00 = R 3 500.00");
  EXPECT_EQ(label("lblRALineC"), "ie: R 359 357.08 X 15% = R 53 903.56");
  click("cmdRAOK");
  EXPECT_FALSE(visible("Frame4"));

  type("numNetMonSalReq", "4000");
  type("numTravAll", "3000");
  type("numOTaxFB", "1000");
  type("txtOtherDet_0", "Gym");
  type("numOtherDet_0", "500");
  EXPECT_EQ(shown("numCCTravAll"), "3000.00");
  EXPECT_EQ(shown("numCCOTaxFB"), "1000.00");
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.last()->text.endsWith(": Fringe benefits more than salary required!"));
  EXPECT_EQ(focused(), "numNetMonSalReq");
  EXPECT_EQ(shown("numGrossSal"), "29946.42");  // the last results stay
}

TEST_F(PackageWindowTest, SettingsAreSharedWithThePayPeriodWindows) {
  openPackage(PackageKind::VelmarAnnual);
  click("cmdSettings");
  type("numUIFLimit", "20000");
  type("numEmpEUIF", "2");
  choose("optCompCarMPYes");
  click("cmdSetupOK");
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  EXPECT_EQ(shown("numUIFLimit"), "20000");
  EXPECT_EQ(shown("numEmpEUIF"), "2.000");

  click("cmdSettings");
  type("numSkillPercent", "1.5");
  click("cmdSetupOK");
  openPackage(PackageKind::QuorinAnnual);
  EXPECT_EQ(shown("numSkillPercent"), "1.500");
  EXPECT_EQ(shown("numUIFLimit"), "20000");
  EXPECT_TRUE(window->findChild<QRadioButton*>("optCompCarMPYes")->isChecked());  // kept by the pay-period save
}

TEST_F(PackageWindowTest, FromTypingToThePrintedRow) {
  openPackage(PackageKind::VelmarMonthly);
  type("numAge", "40");
  type("numNetMonSalReq", "30000");
  type("numCompCar", "300000");
  type("txtOtherDet_0", "Gym");
  type("numOtherDet_0", "500");
  type("txtOtherDet_2", "Phone");
  type("numOtherDet_2", "200");
  type("numOtherDetCC_2", "150");
  click("cmdPrint");
  EXPECT_TRUE(visible("Frame1"));
  EXPECT_TRUE(visible("fraOnceOff"));
  EXPECT_EQ(shown("numOnceOff"), "300000.00");
  EXPECT_FALSE(button("cmdCalculate")->isEnabled());
  type("Text1", "Thandi Mokoena");
  click("cmdVR");
  EXPECT_FALSE(visible("Frame1"));
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(),
            "Velmar2020 Monthly - To export printout click on the suitcase button or goto Help");
  EXPECT_TRUE(report.ReportFileName.endsWith("/Velmrd.rpt"));

  int rows = 0;
  auto r = row("SalPackage", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["MonAnn"].toString(), "Velmar Salary Package Calculation : Monthly");
  EXPECT_EQ(r["TPName"].toString(), "Thandi Mokoena");
  EXPECT_EQ(r["TPAge"].toInt(), 40);
  EXPECT_EQ(r["NetMonSal"].toDouble(), 30000);
  EXPECT_EQ(r["CostToComp"].toDouble(), 30000);
  EXPECT_EQ(r["OEXPTXT"].toString(), "Other Expenses :");
  EXPECT_EQ(r["ODedTxt0"].toString(), "Gym");
  EXPECT_EQ(r["ODedNumCC0"].toDouble(), 500);
  EXPECT_EQ(r["ODedTxt1"].toString(), "");
  EXPECT_EQ(r["ODedNumCC2"].toDouble(), 150);
  EXPECT_NEAR(r["GSal"].toDouble(), 22479.55 - 700, 0.005);
  EXPECT_EQ(r["PlusCompCar1"].toString(), "(plus a 'once-off' cost of R 300000");
  EXPECT_EQ(r["PrinMembers"].toString(), "(R 720pm each)");

  // Quorin monthly leaves four fields as the last printout left them.
  execSql("UPDATE SalPackage SET CostToComp = 123, RADeduct = 45");
  openPackage(PackageKind::QuorinMonthly);
  type("numNetMonSalReq", "7000");
  click("cmdPrint");
  click("cmdPD");
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(state.PrintChoice, 1);
  r = row("SalPackage", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["MonAnn"].toString(), "Quorin Salary Package Calculation : Monthly");
  EXPECT_NEAR(r["GSal"].toDouble(), 7070.71, 0.005);
  EXPECT_EQ(r["CostToComp"].toDouble(), 123);
  EXPECT_EQ(r["RADeduct"].toDouble(), 45);
  EXPECT_EQ(r["OEXPTXT"].toString(), "");
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
