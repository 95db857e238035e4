// The company car register and its valuation: the worked figures of one
// vehicle, the step-skipping rule for a zero distance, the floor of the
// adjustment, the auto split of the 3802 total, totals that do not depend
// on the vehicle on screen, the register's Add/Delete/Back/Forward and the
// compcar rows.
#include <gtest/gtest.h>

#include "vehicle/company_car.h"
#include "vehicle/vehicle_records.h"
#include "vehicle/vehicle_state.h"

using namespace quorin;

namespace {

CompanyCarRecord car(const char* reg, double price) {
  CompanyCarRecord c;
  c.CCRegNumber = reg;
  c.CCPrice = price;
  return c;
}

CompanyCarRegister registerOf(std::initializer_list<CompanyCarRecord> cars, double actual3802 = 0,
                              bool autoSplit = false) {
  CompanyCarRegister reg;
  for (const CompanyCarRecord& c : cars) {
    reg.Add(tax::TaxYear2026());
    CompanyCarRecord& added = reg.vehicle(reg.count());
    added = c;
  }
  reg.Actual3802 = actual3802;
  reg.AutoCalc3802 = autoSplit ? 1 : 0;
  return reg;
}

TEST(CompCarCalc, OneVehicleFullYearWithoutLogBook) {
  CompanyCarRegister reg = registerOf({car("CA 1", 300000)});
  CompanyCarRun run = CompCarCalc(reg, tax::TaxYear2026());
  const CompanyCarFigures& f = run.of(1);
  EXPECT_EQ(f.CCMonths, 365);
  EXPECT_EQ(f.TrueInclusion, 125656);
  EXPECT_EQ(f.IRP53802, 126000);
  EXPECT_EQ(f.MonFB80, 8400);
  EXPECT_EQ(f.MonFB20, 2100);
  EXPECT_DOUBLE_EQ(f.FortFB80, 3876.8);
  EXPECT_DOUBLE_EQ(f.FortFB20, 969.2);
  EXPECT_DOUBLE_EQ(f.WeekFB80, 1938.4);
  EXPECT_DOUBLE_EQ(f.WeekFB20, 484.6);
  EXPECT_EQ(reg.vehicle(1).AdjustTaxableInc, 125656);
  EXPECT_EQ(run.TotAdjustTaxableInc, 125656);

  reg.vehicle(1).MaintIncluded = 1;
  run = CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(run.of(1).MonFB80, 7800);
  EXPECT_EQ(run.of(1).IRP53802, 117000);
}

TEST(CompCarCalc, LogBookDistancesAndCosts) {
  CompanyCarRecord c = car("CA 1", 300000);
  c.BussMilage = 1;
  c.StartMileage = 10000;
  c.EndMileage = 30000;
  c.BusDistance = 15000;
  c.SARSTable = 1;
  c.FuelReimbEmployer = 1000;
  c.EmpPaidInsurance = 8000;
  CompanyCarRegister reg = registerOf({c}, 50000);
  reg.vehicle(1).FB3802ThisCar = 50000;
  CompanyCarRun run = CompCarCalc(reg, tax::TaxYear2026());
  const CompanyCarFigures& f = run.of(1);
  const CompanyCarRecord& v = reg.vehicle(1);
  EXPECT_EQ(v.TotalDistance, 20000);
  EXPECT_EQ(f.PrivateDistance, 5000);
  EXPECT_EQ(f.TrueInclusion, 31414);                 // 125 655.74 x 1/4
  EXPECT_EQ(v.FuelComponent, 35580);                 // 20 000 km x 1.779
  EXPECT_EQ(f.Arr_FuelClaim, 8645);                  // (35 580 - 1 000) / 4
  EXPECT_EQ(f.TotAddExpense, 2000);
  EXPECT_EQ(f.FuelExp, 10645);
  EXPECT_EQ(v.AdjustTaxableInc, 31414 - 10645 - 50000);
  EXPECT_DOUBLE_EQ(f.SARSDeductionClaim, -(0.75 * 50000 + 10645));

  // The whole distance on business: no private use, nothing to claim.
  reg.vehicle(1).BusDistance = 20000;
  run = CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(run.of(1).PrivateDistance, 0);
  EXPECT_EQ(run.of(1).TrueInclusion, 0);
  EXPECT_EQ(run.of(1).Arr_FuelClaim, 0);
  EXPECT_EQ(run.of(1).TotAddExpense, 0);
  EXPECT_EQ(run.of(1).FuelExp, 0);

  // Business distance above the total is cut, and stays cut.
  reg.vehicle(1).BusDistance = 25000;
  CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(reg.vehicle(1).BusDistance, 20000);
}

TEST(CompCarCalc, ZeroDistanceSkipsTheDivisionsAndTheAdjustmentHasAFloor) {
  CompanyCarRecord c = car("CA 1", 300000);
  c.ActualExpEmployee = 5000;
  c.EmpPaidLicence = 700;
  c.BusDistance = 100;  // cut to 0
  CompanyCarRegister reg = registerOf({c}, 1000);
  reg.vehicle(1).FB3802ThisCar = 1000;
  CompanyCarRun run = CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(run.of(1).TrueInclusion, 125656);
  EXPECT_EQ(run.of(1).Arr_FuelClaim, 0);
  EXPECT_EQ(run.of(1).TotAddExpense, 0);
  EXPECT_EQ(reg.vehicle(1).BusDistance, 0);

  // With a log book the true inclusion needs the distance too.
  reg.vehicle(1).BussMilage = 1;
  run = CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(run.of(1).TrueInclusion, 0);
  // 0 - 0 - 1 000 is not below -1 000; a larger share is lifted to it.
  EXPECT_EQ(reg.vehicle(1).AdjustTaxableInc, -1000);
  reg.vehicle(1).FB3802ThisCar = 9000;
  CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(reg.vehicle(1).AdjustTaxableInc, -1000);
}

TEST(CompCarCalc, AutoSplitSharesTheTotalByDaysOfTheValuedVehicles) {
  CompanyCarRecord a = car("A", 200000);
  a.CCEndDate = a.CCStartDate + 199;
  CompanyCarRecord b = car("B", 150000);
  b.CCStartDate = b.CCEndDate - 164;
  CompanyCarRegister reg = registerOf({a, b}, 36500, true);
  CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_DOUBLE_EQ(reg.vehicle(1).FB3802ThisCar, 20000);
  EXPECT_DOUBLE_EQ(reg.vehicle(2).FB3802ThisCar, 16500);

  // The second with neither price nor distance gets no share, and the
  // first gets the whole total.
  reg.vehicle(2).CCPrice = 0;
  CompanyCarRun run = CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_DOUBLE_EQ(reg.vehicle(1).FB3802ThisCar, 36500);
  EXPECT_EQ(reg.vehicle(2).FB3802ThisCar, 0);
  EXPECT_TRUE(run.of(2).skipped);
}

TEST(CompCarCalc, TotalsDoNotDependOnTheVehicleOnScreen) {
  CompanyCarRecord b = car("B", 0);
  b.BussMilage = 1;
  b.TotalDistance = 10000;
  b.BusDistance = 6000;
  b.FB3802ThisCar = 1000;
  CompanyCarRegister reg = registerOf({car("A", 300000), b}, 5000, false);
  for (int shown : {1, 2}) {
    reg.show(shown);
    CompanyCarRun run = CompCarCalc(reg, tax::TaxYear2026());
    EXPECT_EQ(run.TotAdjustTaxableInc, 125056) << "vehicle " << shown << " on screen";
    EXPECT_EQ(reg.vehicle(2).AdjustTaxableInc, -600);
    const FeedRows rows = compcarRows(reg, run);
    EXPECT_EQ(std::get<double>(*rows.rows[1].find("AdjustTaxableInc")), -600);
    EXPECT_EQ(std::get<double>(*rows.rows[1].find("TrueInclusion")), 0);
    EXPECT_EQ(std::get<double>(*rows.rows[1].find("SARSDeductionClaim")), -600);
  }
}

TEST(CompCarCalc, BlankVehicleIsSkippedWhereverItStands) {
  CompanyCarRegister reg = registerOf({car("A", 300000)}, 0);
  const double alone = CompCarCalc(reg, tax::TaxYear2026()).TotAdjustTaxableInc;
  reg.Add(tax::TaxYear2026());  // blank vehicle 2, on screen
  CompanyCarRun run = CompCarCalc(reg, tax::TaxYear2026());
  EXPECT_EQ(run.TotAdjustTaxableInc, alone);
  EXPECT_TRUE(run.of(2).skipped);
  EXPECT_EQ(run.of(2).TrueInclusion, 0);
  // A blank vehicle first does not stop the others being valued.
  std::swap(reg.vehicles()[0], reg.vehicles()[1]);
  reg.show(1);
  EXPECT_EQ(CompCarCalc(reg, tax::TaxYear2026()).TotAdjustTaxableInc, alone);
}

TEST(CompCarCalculate, OneVehicleTakesTheWhole3802Total) {
  CompanyCarRegister reg = registerOf({car("A", 300000)}, 126000);
  CompanyCarRun run = CompCarCalculate(reg, tax::TaxYear2026());
  EXPECT_EQ(reg.vehicle(1).FB3802ThisCar, 126000);
  EXPECT_EQ(run.TotAdjustTaxableInc, -344);
  EXPECT_EQ(run.TotAdjustTaxableIncSARS, 0);
}

TEST(CompanyCarRegister, AddDeleteAndWrapAround) {
  CompanyCarRegister reg;
  EXPECT_EQ(companyCarTitle(reg), "Full use of Company Car :  Vehicle number 0 of 0");
  RegisterControls c = controlsFor(reg);
  EXPECT_TRUE(c.add);
  EXPECT_FALSE(c.remove || c.print || c.back || c.vehicleFields);

  ASSERT_TRUE(reg.Add(tax::TaxYear2026()));
  EXPECT_EQ(companyCarTitle(reg), "Full use of Company Car :  Vehicle number 1 of 1");
  EXPECT_EQ(reg.AutoCalc3802, 0);
  c = controlsFor(reg);
  EXPECT_TRUE(c.add && c.remove && c.ok);
  EXPECT_FALSE(c.vehicleFields || c.back || c.forward || c.print);
  // No registration number yet: Add does nothing.
  EXPECT_FALSE(reg.Add(tax::TaxYear2026()));
  EXPECT_EQ(reg.count(), 1);

  reg.shown().CCRegNumber = "A";
  ASSERT_TRUE(reg.Add(tax::TaxYear2026()));
  reg.shown().CCRegNumber = "B";
  ASSERT_TRUE(reg.Add(tax::TaxYear2026()));
  reg.shown().CCRegNumber = "C";
  EXPECT_EQ(reg.AutoCalc3802, 1);
  EXPECT_EQ(reg.vehicle(3).CCStartDate, kTaxYearStart);
  EXPECT_EQ(reg.vehicle(3).CCEndDate, kTaxYearEnd);
  c = controlsFor(reg);
  EXPECT_TRUE(c.vehicleFields && c.back && c.forward && c.autoSplitVisible && c.print);

  reg.Forward();  // past the last
  EXPECT_EQ(reg.current(), 1);
  reg.Back();  // before the first
  EXPECT_EQ(reg.current(), 3);

  reg.show(2);
  reg.Delete();
  EXPECT_EQ(reg.count(), 2);
  EXPECT_EQ(reg.current(), 1);
  EXPECT_EQ(reg.vehicle(2).CCRegNumber, "C");
  EXPECT_EQ(companyCarTitle(reg), "Full use of Company Car :  Vehicle number 1 of 2");

  reg.Actual3802 = 900;
  reg.Delete();
  EXPECT_FALSE(controlsFor(reg).autoSplitVisible);
  reg.Delete();
  EXPECT_TRUE(reg.empty());
  EXPECT_EQ(reg.current(), 0);
  EXPECT_EQ(reg.Actual3802, 0);
  EXPECT_FALSE(controlsFor(reg).print);
  reg.Delete();  // nothing to delete
  EXPECT_TRUE(reg.empty());
}

TEST(CompanyCarRegister, TypingBeforeTheFirstAddIsKeptAndResetEmptiesIt) {
  VehicleState s;
  s.companyCars.shown().CCRegNumber = "CA 123";
  ASSERT_TRUE(s.companyCars.Add(tax::TaxYear2026()));
  EXPECT_EQ(s.companyCars.vehicle(1).CCRegNumber, "CA 123");
  s.companyCars.Actual3802 = 5000;
  s.carAllowance.includeFuel = 0;
  s.resetForInitialiseAll();
  EXPECT_TRUE(s.companyCars.empty());
  EXPECT_EQ(s.companyCars.Actual3802, 0);
  EXPECT_EQ(s.carAllowance.includeFuel, 1);
}

TEST(CompcarRows, OneRowPerVehicleWithItsTexts) {
  CompanyCarRecord a = car("A", 300000);
  a.MaintIncluded = 1;
  a.CCStartDate = kTaxYearStart + 31;
  CompanyCarRegister reg = registerOf({a, car("B", 100000), car("C", 0)}, 1200, true);
  const FeedRows rows = compcarRows(reg, CompCarCalc(reg, tax::TaxYear2026()));
  ASSERT_EQ(rows.rows.size(), 3u);
  EXPECT_EQ(rows.table, "compcar");
  EXPECT_EQ(std::get<std::int16_t>(*rows.rows[2].find("CarNum")), 3);
  EXPECT_EQ(std::get<std::int16_t>(*rows.rows[0].find("CMVMaxNum")), 3);
  EXPECT_EQ(std::get<std::string>(*rows.rows[0].find("MaintIncluded")), "Yes");
  EXPECT_EQ(std::get<std::string>(*rows.rows[1].find("SARSTable")), "No");
  EXPECT_EQ(std::get<std::string>(*rows.rows[0].find("CCStartDate")), "01/04/2025");
  EXPECT_EQ(std::get<std::int16_t>(*rows.rows[0].find("CCMonths")), 334);
  EXPECT_EQ(std::get<double>(*rows.rows[1].find("Actual3802")), 1200);
  const FeedTableSchema* table = findFeedTable("compcar");
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->multiRow);
  EXPECT_EQ(table->columns.size(), rows.rows[0].fields.size());
}

}  // namespace
