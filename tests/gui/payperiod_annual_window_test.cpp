// frmAnnual driven through its widgets: worked figures, the linked date
// fields, the month fields' limit of 24, "Duplicate March to all 12
// months " and the IRP5Ann printout.
#include "payperiod_window_fixture.h"

#include "payperiod/annual_tax_window.h"

using namespace quorin;

namespace {

struct AnnualWindowTest : test::PayWindowFixture {
  void SetUp() override {
    PayWindowFixture::SetUp();
    open<AnnualTaxWindow>();
  }
  // Month fields by calendar month (3 = March ... 2 = February).
  const char* month(int calendarMonth) {
    names_.push_back("numAnnCalcBens_" + std::to_string(calendarMonth));
    return names_.back().c_str();
  }
  std::deque<std::string> names_;
};

TEST_F(AnnualWindowTest, FullYearPartYearAndBonus) {
  EXPECT_EQ(window->windowTitle(), "Annual");
  EXPECT_EQ(shown("dtStartDate"), "01/03/2025");
  EXPECT_EQ(shown("dtEndDate"), "28/02/2026");
  type("silgEdit1", "40");
  type("silgEdit2", "360000");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "57397.00");
  EXPECT_EQ(shown("numAns"), "57397.00");

  type("silgEdit4", "50000");
  click("cmdCalculate");
  EXPECT_EQ(shown("numMAns"), "72372.00");

  type("silgEdit4", "0");
  type("silgEdit2", "180000");
  type("dtEndDate", "31/08/2025");
  click("cmdCalculate");
  EXPECT_NE(shown("numMAns"), "57397.00");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AnnualWindowTest, DateFieldsKeepStartBeforeEnd) {
  type("dtEndDate", "31/05/2025");
  enter("dtStartDate", "01/06/2025");  // after the end date
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Incorrect Date");
  EXPECT_EQ(messages.last()->text,
            "Start date: The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
  EXPECT_EQ(focused(), "dtStartDate");

  type("dtStartDate", "01/04/2025");
  enter("dtEndDate", "31/03/2025");  // before the start date
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.last()->text,
            "End date: The date entered is not correct please enter a date between 01/04/2025 and 28/02/2026");
  EXPECT_EQ(focused(), "dtEndDate");
}

TEST_F(AnnualWindowTest, MonthCountAboveTwentyFourIsCutBackWithTheNotice) {
  enter(month(6), "30");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->title, "Quorin 2026");
  EXPECT_EQ(messages.last()->text, "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");
  EXPECT_EQ(shown(month(6)), "24");
  EXPECT_EQ(edit(month(6))->value(), 24);

  enter(month(7), "24");  // 24 itself is allowed
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(AnnualWindowTest, DuplicateMarchCutsEveryCountThenCopiesMarch) {
  type(month(3), "30");
  type(month(1), "25");
  type(month(9), "5");
  click("cmdDuplicate");
  EXPECT_EQ(messages.messages.size(), 2u);  // one notice for each count above 24
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(shown(month(m)), "24") << m;
}

TEST_F(AnnualWindowTest, CreditByMonthsClearsMonthsOutsideThePeriodAndPrints) {
  type("numEmpEEMedAidCont", "24000");
  type(month(3), "2");
  click("cmdDuplicate");
  click("cmdCalculate");
  EXPECT_EQ(shown("numTaxCredit"), "8736.00");

  type("dtEndDate", "31/05/2025");
  click("cmdCalculate");
  EXPECT_EQ(shown("numTaxCredit"), "2184.00");
  EXPECT_EQ(shown(month(5)), "2");
  EXPECT_EQ(shown(month(6)), "0");
  EXPECT_EQ(shown(month(2)), "0");

  // A wider period later does not bring the old counts back.
  type("dtEndDate", "28/02/2026");
  click("cmdCalculate");
  EXPECT_EQ(shown("numTaxCredit"), "2184.00");

  type("silgEdit15", "1234");
  click("cmdPrint");
  choose("Option2");
  type("Text1", "Pieter");
  click("cmdVR");
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(), "Annual - To export printout click on the suitcase button or goto Help");
  int rows = 0;
  auto r = row("IRP5Ann", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["TypeAM"].toString(), "Jaarlikse Inkomste");
  EXPECT_EQ(r["Employee"].toString(), "Vir : Pieter");
  EXPECT_EQ(r["AnnCalcBens5"].toString(), "Mei");
  EXPECT_EQ(r["AnnCalcBens5num"].toInt(), 2);
  EXPECT_EQ(r["AnnCalcBens6num"].toInt(), 0);
  EXPECT_EQ(r["MedAidBensnum"].toDouble(), 1234);
  EXPECT_EQ(r["PAYE"].toString(), "LBS");
  EXPECT_EQ(r["Taxcreditnum"].toDouble(), 2184);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
