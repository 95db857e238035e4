// The travel allowance claim: the vehicle cost scale bands, the deemed
// split of the distance, both methods' worked figures, the allowance limit,
// the log book cut to the distance travelled and the private use shown
// without distances.
#include <gtest/gtest.h>

#include "vehicle/car_allowance.h"
#include "vehicle/vehicle_cost_scale.h"
#include "vehicle/vehicle_fields.h"
#include "vehicle/vehicle_records.h"

using namespace quorin;

namespace {

TravelAllowanceInput deemed300k(int days = 365) {
  TravelAllowanceInput in;
  in.value = 300000;
  in.closeKm = 130000;
  in.openKm = 100000;
  in.logBookKm = 20000;
  in.endDate = in.startDate + days - 1;
  return in;
}

TravelAllowanceInput actual85k() {
  TravelAllowanceInput in;
  in.RecordsKept = 1;
  in.fuel = 40000;
  in.maintenance = 15000;
  in.insurance = 20000;
  in.other = 10000;
  in.closeKm = 30000;
  in.logBookKm = 20000;
  return in;
}

TEST(VehicleCostScale, BandBoundsBelongToTheLowerBand) {
  EXPECT_EQ(LookupVehicleCostScale(-5, tax::TaxYear2026()).band, 1);
  EXPECT_EQ(LookupVehicleCostScale(0, tax::TaxYear2026()).band, 1);
  EXPECT_EQ(LookupVehicleCostScale(100000, tax::TaxYear2026()).band, 1);
  EXPECT_EQ(LookupVehicleCostScale(100001, tax::TaxYear2026()).band, 2);
  EXPECT_EQ(LookupVehicleCostScale(300000, tax::TaxYear2026()).band, 3);
  EXPECT_EQ(LookupVehicleCostScale(700000, tax::TaxYear2026()).band, 7);
  EXPECT_EQ(LookupVehicleCostScale(700001, tax::TaxYear2026()).band, 8);
  const VehicleCostBand& top = LookupVehicleCostScale(900000, tax::TaxYear2026());
  EXPECT_EQ(top.band, 8);
  EXPECT_EQ(top.fixedCost, 211121);
  EXPECT_EQ(top.fuel, 2.429);
  EXPECT_EQ(top.maintenance, 1.225);
}

TEST(SplitDistance, DeemedSplitAndTheLogBook) {
  // Under 18 000 km everything is private.
  DistanceSplit s = SplitDistance(17000, 0, 0, 365, 365);
  EXPECT_EQ(s.business, 0);
  EXPECT_EQ(s.priv, 17000);
  // 18 000 private km a year, the rest business.
  s = SplitDistance(30000, 0, 0, 365, 365);
  EXPECT_EQ(s.priv, 18000);
  EXPECT_EQ(s.business, 12000);
  // Above 32 000 km: 14 000 business km a year.
  s = SplitDistance(40000, 0, 0, 365, 365);
  EXPECT_EQ(s.business, 14000);
  EXPECT_EQ(s.priv, 26000);
  // Part of a year: limit 32 000 x 200 / 365 = 17 534.25 km.
  s = SplitDistance(17600, 0, 0, 200, 365);
  EXPECT_DOUBLE_EQ(s.business, 7671.23);
  EXPECT_DOUBLE_EQ(s.priv, 17600 - 7671.23);
  // The log book wins.
  s = SplitDistance(30000, 0, 20000, 365, 365);
  EXPECT_EQ(s.business, 20000);
  EXPECT_EQ(s.priv, 10000);
  EXPECT_FALSE(s.logBookCut);
}

TEST(SplitDistance, LogBookAboveTheDistanceIsCutToIt) {
  DistanceSplit s = SplitDistance(30000, 0, 40000, 365, 365);
  EXPECT_EQ(s.business, 30000);
  EXPECT_EQ(s.priv, 0);
  EXPECT_TRUE(s.logBookCut);
  // No distance travelled: nothing to cut to.
  s = SplitDistance(0, 0, 5000, 365, 365);
  EXPECT_EQ(s.business, 5000);
  EXPECT_FALSE(s.logBookCut);
}

TEST(DeemedCostClaim, WorkedFigures) {
  CarAllowanceResult r = CarAllowanceCalc(deemed300k(), tax::TaxYear2026());
  EXPECT_EQ(r.days, 365);
  EXPECT_EQ(r.deemed.band, 3);
  EXPECT_NEAR(r.deemed.fixedPerKm, 291.6566, 1e-9);
  EXPECT_NEAR(r.deemed.fuelPerKm, 177.9, 1e-9);
  EXPECT_NEAR(r.deemed.maintenancePerKm, 65.4, 1e-9);
  EXPECT_DOUBLE_EQ(r.deemed.totalPerKmShown, 535.0);
  EXPECT_NEAR(r.deemed.claim, 106991.32, 1e-6);

  r = CarAllowanceCalc(deemed300k(200), tax::TaxYear2026());
  EXPECT_EQ(r.days, 200);
  EXPECT_NEAR(r.deemed.fixedPerKm, 159.8118, 1e-9);
  EXPECT_NEAR(r.deemed.claim, 80622.36, 1e-6);

  TravelAllowanceInput limited = deemed300k(200);
  limited.allowance = 50000;
  EXPECT_EQ(CarAllowanceCalc(limited, tax::TaxYear2026()).claim(), 50000);
  limited.allowance = 90000;  // above the claim: no limit
  EXPECT_NEAR(CarAllowanceCalc(limited, tax::TaxYear2026()).claim(), 80622.36, 1e-6);
}

TEST(DeemedCostClaim, FuelAndMaintenanceLeftOutAndNoLogBook) {
  TravelAllowanceInput in = deemed300k();
  in.includeFuel = 0;
  in.includeMaintenance = 0;
  CarAllowanceResult r = CarAllowanceCalc(in, tax::TaxYear2026());
  EXPECT_EQ(r.deemed.fuelPerKm, 0);
  EXPECT_EQ(r.deemed.maintenancePerKm, 0);
  EXPECT_NEAR(r.deemed.claim, 20000 * 2.916566, 1e-6);

  for (auto blank : {&TravelAllowanceInput::logBookKm, &TravelAllowanceInput::value}) {
    TravelAllowanceInput none = deemed300k();
    none.*blank = 0;
    r = CarAllowanceCalc(none, tax::TaxYear2026());
    EXPECT_EQ(r.deemed.claim, 0);
    EXPECT_EQ(r.deemed.split.total, 0);
    EXPECT_EQ(r.deemed.totalPerKm, 0);
    EXPECT_EQ(r.days, 365);
  }
}

TEST(ActualCostClaim, WorkedFiguresAndLimits) {
  CarAllowanceResult r = CarAllowanceCalc(actual85k(), tax::TaxYear2026());
  EXPECT_EQ(r.actual.totalCosts, 85000);
  EXPECT_NEAR(r.actual.claim, 56666.666666, 1e-5);
  EXPECT_NEAR(r.actual.privateUse, 28333.333333, 1e-5);

  TravelAllowanceInput limited = actual85k();
  limited.allowance = 50000;
  r = CarAllowanceCalc(limited, tax::TaxYear2026());
  EXPECT_EQ(r.claim(), 50000);
  EXPECT_NEAR(r.actual.privateUse, 28333.333333, 1e-5);

  // A distance of 1 km or less gives no claim.
  TravelAllowanceInput tiny = actual85k();
  tiny.closeKm = 1;
  tiny.logBookKm = 1;
  r = CarAllowanceCalc(tiny, tax::TaxYear2026());
  EXPECT_EQ(r.claim(), 0);
  EXPECT_EQ(r.actual.privateUse, 85000);
}

TEST(ActualCostClaim, LogBookAboveTheDistanceNeverClaimsMoreThanTheCosts) {
  TravelAllowanceInput in = actual85k();
  in.logBookKm = 40000;
  CarAllowanceResult r = CarAllowanceCalc(in, tax::TaxYear2026());
  EXPECT_TRUE(r.logBookCut());
  EXPECT_EQ(r.claim(), 85000);
  EXPECT_EQ(r.actual.privateUse, 0);
  EXPECT_EQ(r.split().business, 30000);
  const FeedRecord rec = travelDeductionRecord(in, r, "");
  EXPECT_EQ(std::get<double>(*rec.find("mta07")), 40000);  // as typed
  EXPECT_EQ(std::get<double>(*rec.find("MBD")), 30000);    // as used
  EXPECT_EQ(std::get<double>(*rec.find("tadeduction")), 85000);
}

TEST(ActualCostClaim, WithoutDistancesThePrivateUseShownIsAtMostTheCosts) {
  TravelAllowanceInput in;
  in.RecordsKept = 1;
  in.fuel = 10000;
  in.value = 300000;  // private use 300 000 x 2.1 % x 12 = 75 600
  CarAllowanceResult r = CarAllowanceCalc(in, tax::TaxYear2026());
  EXPECT_EQ(r.actual.privateUse, 10000);
  EXPECT_EQ(r.claim(), 0);
  EXPECT_EQ(r.actual.totalCosts - r.actual.privateUse, r.claim());

  in.value = 20000;  // 20 000 x 2.1 % x 12 = 5 040
  r = CarAllowanceCalc(in, tax::TaxYear2026());
  EXPECT_NEAR(r.actual.privateUse, 5040, 1e-9);
  EXPECT_NEAR(r.claim(), 4960, 1e-9);
  in.includeFuel = in.includeMaintenance = 0;  // 20 000 x 2.5 % x 12 = 6 000
  r = CarAllowanceCalc(in, tax::TaxYear2026());
  EXPECT_NEAR(r.actual.privateUse, 6000, 1e-9);
  EXPECT_NEAR(r.claim(), 4000, 1e-9);
  in.allowance = 1000;
  EXPECT_EQ(CarAllowanceCalc(in, tax::TaxYear2026()).claim(), 1000);
}

TEST(TravelDeductionRecord, EachMethodWritesItsFieldsAndItsReport) {
  TravelAllowanceInput in = deemed300k();
  in.car = "Sedan";
  in.includeMaintenance = 0;
  FeedRecord rec = travelDeductionRecord(in, CarAllowanceCalc(in, tax::TaxYear2026()), "J Smith");
  EXPECT_EQ(rec.table, "traveldeduction");
  EXPECT_EQ(std::get<std::string>(*rec.find("TPName")), "J Smith");
  EXPECT_EQ(std::get<std::int16_t>(*rec.find("CARNO")), 1);
  EXPECT_EQ(std::get<std::string>(*rec.find("FCDet")), "Fuel costs");
  EXPECT_EQ(std::get<std::string>(*rec.find("MCDet")), "Maintenance costs not included");
  EXPECT_EQ(std::get<std::string>(*rec.find("DateStart")), "01/03/2025");
  EXPECT_EQ(std::get<std::string>(*rec.find("DateEnd")), "28/02/2026");
  EXPECT_EQ(rec.find("totcost"), nullptr);
  EXPECT_STREQ(carAllowanceReport(in), "caepnrk.rpt");

  in.RecordsKept = 1;
  rec = travelDeductionRecord(in, CarAllowanceCalc(in, tax::TaxYear2026()), "");
  EXPECT_NE(rec.find("pu"), nullptr);
  EXPECT_EQ(rec.find("cv"), nullptr);
  EXPECT_STREQ(carAllowanceReport(in), "caeprk.rpt");

  // Every field either method writes is a column of the table, same type.
  const FeedTableSchema* table = findFeedTable("traveldeduction");
  ASSERT_TRUE(table);
  for (const FeedRecord& r : {travelDeductionRecord(deemed300k(), CarAllowanceCalc(deemed300k(), tax::TaxYear2026()), ""), rec})
    for (const FeedField& f : r.fields) {
      bool found = false;
      for (const FeedColumn& c : table->columns)
        if (c.name == f.name) found = c.type == static_cast<FeedType>(f.value.index());
      EXPECT_TRUE(found) << f.name;
    }
}

TEST(VehicleFields, LimitsDatesAndSinglePayment) {
  EXPECT_TRUE(checkLimit("silgEdit1", carAllowanceFieldLimit("silgEdit1"), 1.5));
  EXPECT_FALSE(checkLimit("silgEdit1", carAllowanceFieldLimit("silgEdit1"), 300000));
  EXPECT_THROW(carAllowanceFieldLimit("silgEdit12"), std::out_of_range);

  EXPECT_FALSE(checkVehicleDates("start", kTaxYearStart, "end", kTaxYearEnd, tax::TaxYear2026()));
  auto r = checkVehicleDates("start", kTaxYearStart - 1, "end", kTaxYearEnd, tax::TaxYear2026());
  ASSERT_TRUE(r);
  EXPECT_EQ(r->title, "Incorrect Date");
  EXPECT_EQ(r->message, "The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
  r = checkVehicleDates("start", kTaxYearStart + 31, "end", kTaxYearStart + 30, tax::TaxYear2026());
  ASSERT_TRUE(r);
  EXPECT_EQ(r->field, "end");
  EXPECT_EQ(r->message, "The date entered is not correct please enter a date between 01/04/2025 and 28/02/2026");

  r = checkSinglePayment("silgEdit10", 500, 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->title, "Single Payment");
  EXPECT_EQ(r->message, "Only one amount for either Wear & Tear or Lease payments will be accepted");
  EXPECT_FALSE(checkSinglePayment("silgEdit10", 500, 0));
  EXPECT_FALSE(checkSinglePayment("silgEdit10", 0, 800));
}

}  // namespace
