// The company car window driven through its widgets: the register's
// navigation edge cases, the enabling rule, the title, Calculate's worked
// figures, printing three vehicles after five, and a date error refusing
// the close.
#include <QCheckBox>

#include "vehicle/company_car_window.h"
#include "vehicle_window_fixture.h"

using namespace quorin;

namespace {

struct CompanyCarWindowTest : test::VehicleWindowFixture<CompanyCarWindow> {
  QString title() const { return window->windowTitle(); }
  void addVehicle(const char* reg, const char* price) {
    click("cmdAdd");
    type("txtCCRegNumber", reg);
    type("numCCPrice", price);
  }
};

TEST_F(CompanyCarWindowTest, AddPastTheLastAndWrapAround) {
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 0 of 0");
  EXPECT_FALSE(enabled("cmdPrint"));
  EXPECT_FALSE(enabled("numCCPrice"));

  click("cmdAdd");
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 1 of 1");
  EXPECT_FALSE(enabled("cmdBack"));
  EXPECT_FALSE(enabled("cmdForward"));
  EXPECT_FALSE(enabled("numCCPrice"));
  EXPECT_TRUE(enabled("cmdDelete"));
  EXPECT_TRUE(focused("txtCCRegNumber"));
  click("cmdAdd");  // no registration number yet: nothing happens
  EXPECT_EQ(state.vehicles.companyCars.count(), 1);

  type("txtCCRegNumber", "CA 1");
  EXPECT_TRUE(enabled("numCCPrice"));
  addVehicle("CA 2", "200000");
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 2 of 2");
  EXPECT_TRUE(widget("chkAutoCalc3802")->isVisible());
  EXPECT_TRUE(button("chkAutoCalc3802")->isChecked());
  EXPECT_FALSE(enabled("numFB3802ThisCar"));
  addVehicle("CA 3", "300000");

  click("cmdForward");  // past the last
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 1 of 3");
  EXPECT_EQ(text("txtCCRegNumber"), "CA 1");
  click("cmdBack");  // before the first
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 3 of 3");
  EXPECT_EQ(text("numCCPrice"), "300000");

  click("cmdBack");
  click("cmdDelete");  // vehicle 2 of 3
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 1 of 2");
  EXPECT_EQ(state.vehicles.companyCars.vehicle(2).CCRegNumber, "CA 3");
}

TEST_F(CompanyCarWindowTest, DeletingTheOnlyVehicleEmptiesTheRegister) {
  addVehicle("CA 1", "300000");
  type("numActual3802", "5000");
  click("cmdDelete");
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 0 of 0");
  EXPECT_TRUE(state.vehicles.companyCars.empty());
  EXPECT_EQ(state.vehicles.companyCars.Actual3802, 0);
  EXPECT_FALSE(enabled("cmdPrint"));
  EXPECT_FALSE(enabled("cmdDelete"));
  EXPECT_EQ(text("txtCCRegNumber"), "");
  EXPECT_EQ(text("dtCCStartDate"), "01/03/2025");
}

TEST_F(CompanyCarWindowTest, CalculateShowsTheWorkedFigures) {
  addVehicle("CA 1", "300000");
  type("numActual3802", "126000");
  click("cmdCalculate");
  EXPECT_EQ(text("numCCMonths"), "365");
  EXPECT_EQ(text("numTrueInclusion"), "125656");
  EXPECT_EQ(text("numTrueInclusion_1"), "125656");
  EXPECT_EQ(text("numIRP53802"), "126000");
  EXPECT_EQ(text("numMonFB80"), "8400");
  EXPECT_EQ(text("numFortFB80"), "3876.80");
  EXPECT_EQ(text("numWeekFB20"), "484.60");
  EXPECT_EQ(text("numFB3802ThisCar"), "126000");
  EXPECT_EQ(text("numTotAdjustTaxableInc"), "-344");

  // A blank vehicle added does not change the totals.
  click("cmdAdd");
  EXPECT_EQ(text("numTotAdjustTaxableInc"), "-344");
  EXPECT_EQ(text("numTrueInclusion"), "0");
}

TEST_F(CompanyCarWindowTest, PrintingThreeVehiclesAfterFiveLeavesThreeRows) {
  for (const char* reg : {"A", "B", "C", "D", "E"}) addVehicle(reg, "100000");
  click("cmdPrint");
  click("cmdVR");
  EXPECT_EQ(column("compcar", "CarNum").size(), 5u);
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(),
            "Full use of Company Car - To export printout click on the suitcase button or goto Help");

  click("cmdDelete");
  click("cmdDelete");
  EXPECT_TRUE(enabled("cmdPrint"));
  click("cmdPrint");
  click("cmdVR");
  const auto regs = column("compcar", "CCRegNumber");
  ASSERT_EQ(regs.size(), 3u);
  EXPECT_EQ(regs[0].toString(), "B");  // E, then A (shown after a delete), are gone
  EXPECT_EQ(column("compcar", "CMVMaxNum").front().toInt(), 3);
  EXPECT_TRUE(enabled("cmdBack"));  // the enabling rule holds after the frame closes
}

TEST_F(CompanyCarWindowTest, DateErrorRefusesTheClose) {
  addVehicle("CA 1", "300000");
  typeAndLeave("dtCCStartDate", "01/06/2025");
  typeAndLeave("dtCCEndDate", "31/05/2025");
  EXPECT_EQ(lastTitle(), "Incorrect Date");
  EXPECT_EQ(lastMessage(),
            "End date: The date entered is not correct please enter a date between 01/06/2025 and 28/02/2026");

  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(lastMessage(), "The dates entered are not correct please enter a dates between 01/03/2025 and 28/02/2026");
  EXPECT_TRUE(focused("dtCCEndDate"));

  typeAndLeave("dtCCEndDate", "30/11/2025");
  EXPECT_TRUE(window->close());
  EXPECT_EQ(state.vehicles.companyCars.vehicle(1).CCEndDate, kTaxYearStart + 274);
}

TEST_F(CompanyCarWindowTest, RegisterOutlivesTheWindowUntilInitialiseAll) {
  addVehicle("CA 1", "300000");
  addVehicle("CA 2", "150000");
  window->close();
  open();
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 1 of 2");
  EXPECT_EQ(text("txtCCRegNumber"), "CA 1");
  window->close();
  state.reset();
  open();
  EXPECT_EQ(title(), "Full use of Company Car :  Vehicle number 0 of 0");
}

}  // namespace
