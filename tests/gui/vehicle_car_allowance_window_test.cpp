// The travel allowance window driven through its widgets: both methods'
// worked figures, the options enabling their fields and pane, the check
// boxes recalculating, the wear-and-tear/lease rule, the log book cut, the
// date rules and the printout of each method.
#include "vehicle/car_allowance_window.h"
#include "vehicle_window_fixture.h"

using namespace quorin;

namespace {

using CarAllowanceWindowTest = test::VehicleWindowFixture<CarAllowanceWindow>;

TEST_F(CarAllowanceWindowTest, DeemedMethodThroughTheFields) {
  EXPECT_EQ(window->windowTitle(), "Travel Allowance");
  EXPECT_TRUE(widget("fraDeemed")->isVisible());
  EXPECT_FALSE(widget("fraActual")->isVisible());
  EXPECT_FALSE(enabled("silgEdit6"));
  EXPECT_TRUE(enabled("dtCarAlStartDate"));
  EXPECT_EQ(text("dtCarAlStartDate"), "01/03/2025");
  EXPECT_EQ(text("silgEdit12"), "365");

  type("silgEdit1", "300000");
  type("silgEdit3", "130000");
  type("silgEdit4", "100000");
  type("silgEdit5", "20000");
  click("cmdCalculate");
  EXPECT_EQ(text("numDFixedPerKm"), "291.6566");
  EXPECT_EQ(text("numDTotalPerKm"), "535.0");
  EXPECT_EQ(text("numDClaim"), "106991.32");

  typeAndLeave("dtCarAlEndDate", "16/09/2025");
  click("cmdCalculate");
  EXPECT_EQ(text("silgEdit12"), "200");
  EXPECT_EQ(text("numDClaim"), "80622.36");

  // Clearing a box recalculates at once.
  click("Check1");
  EXPECT_EQ(text("numDFuelPerKm"), "0.0000");
  EXPECT_EQ(state.vehicles.carAllowance.includeFuel, 0);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CarAllowanceWindowTest, ActualMethodCutsTheLogBookAndRefusesTwoPayments) {
  click("Option4");
  EXPECT_TRUE(widget("fraActual")->isVisible());
  EXPECT_FALSE(widget("fraDeemed")->isVisible());
  EXPECT_TRUE(enabled("silgEdit6"));
  EXPECT_FALSE(enabled("dtCarAlStartDate"));
  EXPECT_FALSE(enabled("silgEdit1"));

  type("silgEdit6", "85000");
  type("silgEdit3", "30000");
  type("silgEdit5", "20000");
  click("cmdCalculate");
  EXPECT_EQ(text("numAClaim"), "56666.67");
  EXPECT_EQ(text("numAClaim2"), "56666.67");
  EXPECT_EQ(text("numAPrivUse"), "28333.33");
  EXPECT_FALSE(widget("lblLogBookCut")->isVisible());

  type("silgEdit5", "40000");
  click("cmdCalculate");
  EXPECT_EQ(text("numAClaim"), "85000.00");
  EXPECT_EQ(text("numABusKm"), "30000.00");
  EXPECT_EQ(text("silgEdit5"), "40000");
  EXPECT_TRUE(widget("lblLogBookCut")->isVisible());

  type("silgEdit11", "900");
  type("silgEdit10", "5");
  EXPECT_EQ(lastTitle(), "Single Payment");
  EXPECT_EQ(lastMessage(), "Wear and tear: Only one amount for either Wear & Tear or Lease payments will be accepted");
  EXPECT_EQ(text("silgEdit10"), "0");
  EXPECT_EQ(state.vehicles.carAllowance.wearAndTear, 0);
  EXPECT_TRUE(focused("silgEdit10"));
}

TEST_F(CarAllowanceWindowTest, DateRulesQuoteTheStartDate) {
  typeAndLeave("dtCarAlStartDate", "01/06/2025");
  typeAndLeave("dtCarAlEndDate", "31/05/2025");
  EXPECT_EQ(lastTitle(), "Incorrect Date");
  EXPECT_EQ(lastMessage(),
            "End Date: The date entered is not correct please enter a date between 01/06/2025 and 28/02/2026");
  EXPECT_TRUE(focused("dtCarAlEndDate"));
  EXPECT_EQ(state.vehicles.carAllowance.endDate, kTaxYearEnd);
  typeAndLeave("dtCarAlStartDate", "28/02/2025");
  EXPECT_EQ(lastMessage(),
            "Start Date: The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
}

TEST_F(CarAllowanceWindowTest, PrintsEachMethodToItsReportAndKeepsTheInputs) {
  type("Text1", "Sedan");
  type("silgEdit1", "300000");
  type("silgEdit3", "30000");
  type("silgEdit5", "20000");
  click("cmdPrint");
  ASSERT_TRUE(widget("fraPrint")->isVisible());
  type("Text3", "J Smith");
  click("cmdVR");
  EXPECT_FALSE(widget("fraPrint")->isVisible());
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(),
            "Car Allowance - To export printout click on the suitcase button or goto Help");
  EXPECT_TRUE(report.ReportFileName.endsWith("caepnrk.rpt"));
  EXPECT_EQ(column("traveldeduction", "TPName").front().toString(), "J Smith");
  EXPECT_EQ(column("traveldeduction", "mta01").front().toString(), "Sedan");
  EXPECT_NEAR(column("traveldeduction", "tadeduction").front().toDouble(), 106991.32, 1e-6);

  click("Option4");
  type("silgEdit6", "30000");
  click("cmdPrint");
  click("cmdPD");
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(printed.front()).endsWith("caeprk.rpt"));
  EXPECT_EQ(column("traveldeduction", "totcost").front().toDouble(), 30000);
  EXPECT_EQ(state.PrintChoice, 1);

  window->close();
  open();
  EXPECT_EQ(text("Text1"), "Sedan");
  EXPECT_TRUE(widget("fraActual")->isVisible());
  EXPECT_EQ(text("silgEdit6"), "30000");
}

}  // namespace
