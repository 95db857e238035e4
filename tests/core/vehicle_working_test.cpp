// The working of the vehicle calculators: on random inputs the last step
// is the result it explains and the band, rate, claim and inclusion steps
// recompute from the figures they state; one worked example of each
// calculator read as a person reads it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/money.h"
#include "common/working_text.h"
#include "vehicle/car_allowance.h"
#include "vehicle/company_car.h"
#include "working_checks.h"

using namespace quorin;
using quorin::test::figureOf;

namespace {

const tax::TaxYear& year2026() { return tax::TaxYear2026(); }

std::string text(const Working& w) {
  std::string out;
  for (const std::string& line : workingLines(w, 0)) out += line + "\n";
  return out;
}

const WorkingStep& need(const Working& w, const char* label, const std::string& subject = {}) {
  const WorkingStep* step = w.find(label, subject);
  if (!step) ADD_FAILURE() << "no step " << label << " of '" << subject << "'";
  static const WorkingStep none;
  return step ? *step : none;
}

TEST(CarAllowanceWorking, StepsExplainTheClaimOnRandomInputs) {
  std::mt19937 rng(2026);
  const auto upTo = [&rng](int n) { return static_cast<double>(std::uniform_int_distribution<int>(0, n)(rng)); };
  const tax::TaxYear& year = year2026();
  for (int run = 0; run < 400; ++run) {
    TravelAllowanceInput in;
    in.RecordsKept = static_cast<std::int16_t>(run % 2);
    in.value = run % 7 == 0 ? 0 : upTo(900000);
    in.allowance = run % 3 == 0 ? 0 : upTo(150000);
    const bool distances = run % 5 != 0;
    in.openKm = distances ? upTo(100000) : 0;
    in.closeKm = distances ? in.openKm + upTo(60000) : 0;
    in.logBookKm = run % 11 == 0 ? 0 : upTo(distances ? 70000 : 0);
    in.fuel = upTo(40000);
    in.maintenance = upTo(20000);
    in.insurance = upTo(20000);
    in.wearAndTear = upTo(50000);
    in.startDate = year.firstDay + static_cast<int>(upTo(run % 4 == 0 ? 300 : 0));
    in.endDate = year.lastDay - static_cast<int>(upTo(run % 6 == 0 ? 40 : 0));
    in.includeFuel = static_cast<std::int16_t>(run % 9 != 0);
    in.includeMaintenance = static_cast<std::int16_t>(run % 8 != 0);
    SCOPED_TRACE("run " + std::to_string(run));

    Working w;
    w.add("left over", 1);
    const CarAllowanceResult r = CarAllowanceCalc(in, year, &w);
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.taxYear, year.year);
    EXPECT_EQ(w.find("left over"), nullptr);
    const WorkingStep& last = w.steps().back();
    EXPECT_STREQ(last.label, "Claim");
    EXPECT_EQ(last.value, r.claim());
    EXPECT_EQ(need(w, "Days").value, r.days);
    if (r.method == 0 && (in.value == 0 || in.logBookKm == 0)) {
      EXPECT_EQ(w.find("Business distance"), nullptr);  // no claim worked out
      EXPECT_EQ(r.claim(), 0);
      continue;
    }
    const double allowance = figureOf(last, "allowance");
    const double use = figureOf(last, "business use");
    EXPECT_EQ(last.value, allowance != 0 && use > allowance ? allowance : use);
    const WorkingStep& business = need(w, "Business distance");
    EXPECT_EQ(business.value, r.split().business);
    EXPECT_EQ(need(w, "Distance travelled").value, in.closeKm - in.openKm);
    if (r.method == 0) {
      const WorkingStep& band = need(w, "Band of the vehicle cost scale");
      EXPECT_EQ(band.value, r.deemed.band);
      EXPECT_GE(in.value, figureOf(band, "from"));
      if (band.value != year.vehicleCostScale.back().band) {
        EXPECT_LE(in.value, figureOf(band, "to"));
      }
      EXPECT_EQ(figureOf(band, "fixed cost"), r.deemed.fixedCost);
      const WorkingStep& fuel = need(w, "Fuel a km");
      EXPECT_DOUBLE_EQ(fuel.value, figureOf(fuel, "included") * figureOf(band, "fuel") * 100);
      const WorkingStep& maintenance = need(w, "Maintenance a km");
      EXPECT_DOUBLE_EQ(maintenance.value, figureOf(maintenance, "included") * figureOf(band, "maintenance") * 100);
      const WorkingStep& rate = need(w, "Rate a km");
      EXPECT_EQ(rate.value, figureOf(rate, "fixed cost") + figureOf(rate, "fuel") + figureOf(rate, "maintenance"));
      EXPECT_EQ(rate.value, r.deemed.totalPerKm);
      EXPECT_EQ(need(w, "Rate a km shown").value, r.deemed.totalPerKmShown);
      const WorkingStep& businessUse = need(w, "Business use");
      EXPECT_EQ(businessUse.value, figureOf(businessUse, "business distance") * figureOf(businessUse, "rate a km") / 100);
      EXPECT_EQ(businessUse.value, use);
    } else {
      const WorkingStep& costs = need(w, "Total costs");
      EXPECT_EQ(costs.value, r.actual.totalCosts);
      EXPECT_EQ(costs.value, in.fuel + in.maintenance + in.insurance + in.other + in.wearAndTear + in.lease);
      EXPECT_EQ(need(w, "Private use").value, r.actual.privateUse);
      const WorkingStep& businessUse = need(w, "Business use");
      if (distances && in.closeKm - in.openKm > 1) {
        EXPECT_DOUBLE_EQ(businessUse.value, figureOf(businessUse, "total costs") * figureOf(businessUse, "business distance") /
                                                figureOf(businessUse, "distance travelled"));
      }
    }
  }
}

TEST(CarAllowanceWorking, NoClaimSaysWhy) {
  TravelAllowanceInput in;
  in.value = 300000;
  in.closeKm = 30000;
  Working w;
  CarAllowanceCalc(in, year2026(), &w);
  ASSERT_EQ(w.steps().size(), 2u);
  EXPECT_EQ(workingRule(w.steps().back(), w.taxYear, 0), "deemed costs: no business km from the log book, no claim");
}

TEST(CarAllowanceWorking, DeemedCostsWorkedExample) {
  TravelAllowanceInput in;
  in.value = 300000;
  in.closeKm = 130000;
  in.openKm = 100000;
  in.logBookKm = 20000;
  in.allowance = 100000;
  Working w;
  CarAllowanceCalc(in, year2026(), &w);
  EXPECT_EQ(text(w), R"txt(Days                                   365
    start 01/03/2025, end 28/02/2026
    end - start + 1, of the 365 days of 2026
Distance travelled                  30 000
    closing km 130 000, opening km 100 000
    closing km - opening km
Business distance                   20 000
    distance travelled 30 000, log book km 20 000, days 365
    the log book's business km
Private distance                    10 000
    distance travelled 30 000, business distance 20 000
    the rest of the distance travelled, to 0.01 km
Band of the vehicle cost scale           3
    value 300 000
    band 3 of 2026, values 200 001 to 300 000: 87 497 a year, fuel 1.779 and maintenance 0.654 rand a km
Fixed cost a km                   291.6566
    distance travelled 30 000, days 365
    87 497 / distance travelled, in cents, cut to 0.0001
Fuel a km                            177.9
    included 1
    1.779 rand a km, in cents
Maintenance a km                      65.4
    included 1
    0.654 rand a km, in cents
Rate a km                         534.9566
    fixed cost 291.6566, fuel 177.9, maintenance 65.4
    fixed cost + fuel + maintenance, cents a km
Rate a km shown                        535
    rate a km 534.9566
    to one decimal
Business use                    106 991.32
    business distance 20 000, rate a km 534.9566
    business km x rate a km / 100
Claim                           100 000.00
    business use 106 991.32, allowance 100 000.00
    more than the allowance: the allowance
)txt");
}

CompanyCarRecord randomCar(std::mt19937& rng, int i, const tax::TaxYear& year) {
  const auto upTo = [&rng](int n) { return static_cast<double>(std::uniform_int_distribution<int>(0, n)(rng)); };
  CompanyCarRecord c;
  c.CCRegNumber = "CA " + std::to_string(i);
  c.CCPrice = i % 5 == 0 ? 0 : 50000 + upTo(850000);
  c.MaintIncluded = static_cast<std::int16_t>(upTo(1));
  c.CCStartDate = year.firstDay + static_cast<int>(upTo(200));
  c.CCEndDate = year.lastDay - static_cast<int>(upTo(100));
  if (i % 4 != 0) {
    c.StartMileage = upTo(50000);
    c.EndMileage = c.StartMileage + upTo(40000);
  } else {
    c.TotalDistance = i % 8 == 0 ? 0 : upTo(30000);
  }
  c.BusDistance = upTo(35000);
  c.BussMilage = static_cast<std::int16_t>(upTo(1));
  c.SARSTable = static_cast<std::int16_t>(upTo(1));
  c.ActualExpEmployee = upTo(20000);
  c.FuelReimbEmployer = upTo(3000);
  c.EmpPaidInsurance = upTo(8000);
  c.EmpPaidLicence = upTo(800);
  c.EmpPaidMaintenance = upTo(5000);
  c.FB3802ThisCar = upTo(60000);
  return c;
}

TEST(CompanyCarWorking, StepsExplainTheValuationOnRandomRegisters) {
  std::mt19937 rng(2027);
  const tax::TaxYear& year = year2026();
  int vehicleNumber = 0;
  for (int run = 0; run < 150; ++run) {
    CompanyCarRegister reg;
    const int n = 1 + run % 4;
    for (int i = 0; i < n; ++i) reg.vehicles().push_back(randomCar(rng, ++vehicleNumber, year));
    reg.show(1);
    reg.Actual3802 = std::uniform_int_distribution<int>(0, 150000)(rng);
    reg.AutoCalc3802 = static_cast<std::int16_t>(run % 3 != 0);
    SCOPED_TRACE("run " + std::to_string(run));

    Working w;
    const CompanyCarRun r = CompCarCalculate(reg, year, &w);
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.taxYear, year.year);
    const WorkingStep& last = w.steps().back();
    EXPECT_STREQ(last.label, "Total adjustment to taxable income");
    EXPECT_EQ(last.value, r.TotAdjustTaxableInc);
    EXPECT_EQ(need(w, "Total deduction claimed").value, r.TotAdjustTaxableIncSARS);

    double sum = 0;
    for (int i = 1; i <= n; ++i) {
      const CompanyCarRecord& car = reg.vehicle(i);
      const CompanyCarFigures& f = r.of(i);
      const std::string subject = "Vehicle " + std::to_string(i) + " (" + car.CCRegNumber + ")";
      SCOPED_TRACE(subject);
      EXPECT_EQ(need(w, "Days of use", subject).value, f.CCMonths);
      EXPECT_EQ(need(w, "Total distance", subject).value, car.TotalDistance);
      if (f.skipped) {
        EXPECT_NE(w.find("Not valued", subject), nullptr);
        EXPECT_EQ(w.find("True inclusion", subject), nullptr);
        continue;
      }
      EXPECT_EQ(need(w, "Business distance", subject).value, car.BusDistance);
      EXPECT_LE(car.BusDistance, car.TotalDistance);
      EXPECT_EQ(need(w, "3802 amount", subject).value, car.FB3802ThisCar);

      const WorkingStep& inclusion = need(w, "True inclusion", subject);
      EXPECT_EQ(inclusion.value, f.TrueInclusion);
      const WorkingStep& rate = need(w, "Rate of the year", subject);
      EXPECT_EQ(rate.value, car.MaintIncluded == 1 ? year.companyCarPercentWithPlan : year.companyCarPercent);
      EXPECT_EQ(figureOf(inclusion, "rate"), rate.value);
      const double share = car.BussMilage == 1 ? figureOf(inclusion, "private share") : 1;
      if (car.BussMilage != 1 || car.TotalDistance != 0) {
        EXPECT_EQ(inclusion.value, roundHalfEven(figureOf(inclusion, "rate") * 12 / 36600 *
                                                 figureOf(inclusion, "determined value") *
                                                 figureOf(inclusion, "days of use") * share));
      }
      if (car.SARSTable == 1) {
        const WorkingStep& fuel = need(w, "Fuel component", subject);
        EXPECT_EQ(fuel.value, car.FuelComponent);
        EXPECT_EQ(fuel.value, roundHalfEven(figureOf(fuel, "total distance") * figureOf(fuel, "fuel")));
      } else {
        EXPECT_EQ(w.find("Fuel component", subject), nullptr);
      }
      const WorkingStep& irp5 = need(w, "IRP5 3802 figure", subject);
      EXPECT_EQ(irp5.value, f.IRP53802);
      EXPECT_EQ(need(w, "Monthly inclusion (80 %)", subject).value, f.MonFB80);
      EXPECT_EQ(need(w, "Weekly inclusion (20 %)", subject).value, f.WeekFB20);
      const WorkingStep& adjustment = need(w, "Adjustment to taxable income", subject);
      EXPECT_EQ(adjustment.value, car.AdjustTaxableInc);
      if (car.CCPrice != 0) {
        EXPECT_GE(adjustment.value, -reg.Actual3802);
      }
      EXPECT_EQ(need(w, "Deduction claimed", subject).value, f.SARSDeductionClaim);
      sum += adjustment.value;
    }
    EXPECT_DOUBLE_EQ(last.value, sum);
  }
}

TEST(CompanyCarWorking, LogBookWorkedExample) {
  CompanyCarRegister reg;
  CompanyCarRecord c;
  c.CCRegNumber = "CA 1";
  c.CCMake = "Toyota";
  c.CCModel = "Corolla";
  c.CCPrice = 300000;
  c.BussMilage = 1;
  c.StartMileage = 10000;
  c.EndMileage = 30000;
  c.BusDistance = 15000;
  c.SARSTable = 1;
  c.FuelReimbEmployer = 1000;
  c.EmpPaidInsurance = 8000;
  reg.vehicles().push_back(c);
  reg.show(1);
  reg.Actual3802 = 50000;
  Working w;
  CompCarCalculate(reg, year2026(), &w);
  EXPECT_EQ(text(w), R"txt(Vehicle 1 (CA 1, Toyota Corolla): Days of use                          365
    start 01/03/2025, end 28/02/2026
    end - start + 1
Vehicle 1 (CA 1, Toyota Corolla): Total distance                    20 000
    start mileage 10 000, end mileage 30 000
    end mileage - start mileage
Vehicle 1 (CA 1, Toyota Corolla): Business distance                 15 000
    business distance entered 15 000, total distance 20 000
    as entered, within the total distance
Vehicle 1 (CA 1, Toyota Corolla): Private distance                   5 000
    total distance 20 000, business distance 15 000
    total distance - business distance
Vehicle 1 (CA 1, Toyota Corolla): 3802 amount                    50 000.00
    the vehicle's own, not split by days (a register of one vehicle: the 3802 total)
Vehicle 1 (CA 1, Toyota Corolla): Rate of the year                     3.5
    determined value 300 000.00, maintenance plan 0
    3.5 % a month of the determined value, 2026
Vehicle 1 (CA 1, Toyota Corolla): True inclusion                 31 414.00
    determined value 300 000.00, days of use 365, private distance 5 000, total distance 20 000, private share 0.25
    3.5 % x 12 / 36 600 x determined value x days of use x private share, rounded (366 days in every year)
Vehicle 1 (CA 1, Toyota Corolla): Fuel component                 35 580.00
    total distance 20 000, determined value 300 000.00
    total distance x 1.779 rand a km of band 3 of the vehicle cost scale of 2026, rounded
Vehicle 1 (CA 1, Toyota Corolla): Fuel claim                      8 645.00
    fuel paid 35 580.00, reimbursed by the employer 1 000.00, private share 0.25
    (fuel component - reimbursed by the employer) x private share, rounded
Vehicle 1 (CA 1, Toyota Corolla): Other expenses claim            2 000.00
    insurance 8 000.00, private share 0.25
    (insurance + licence + maintenance paid by the employee) x private share, rounded
Vehicle 1 (CA 1, Toyota Corolla): Fuel and expenses              10 645.00
    fuel claim 8 645.00, other expenses claim 2 000.00, business distance 15 000
    fuel claim + other expenses claim, rounded
Vehicle 1 (CA 1, Toyota Corolla): Adjustment to taxable income  -29 231.00
    true inclusion 31 414.00, fuel and expenses 10 645.00, 3802 amount 50 000.00
    true inclusion - fuel and expenses - 3802 amount, rounded, not below -50 000.00
Vehicle 1 (CA 1, Toyota Corolla): Deduction claimed             -48 145.00
    business distance 15 000, total distance 20 000, 3802 amount 50 000.00, fuel and expenses 10 645.00
    -(business distance / total distance x 3802 amount + fuel and expenses)
Vehicle 1 (CA 1, Toyota Corolla): IRP5 3802 figure              126 000.00
    determined value 300 000.00, days of use 365
    determined value x 3.5 % x 12 x days of use / 365 days of 2026, rounded
Vehicle 1 (CA 1, Toyota Corolla): Monthly inclusion (80 %)        8 400.00
    determined value 300 000.00
    determined value x 3.5 % x 80 %, rounded
Vehicle 1 (CA 1, Toyota Corolla): Monthly inclusion (20 %)        2 100.00
    determined value 300 000.00
    determined value x 3.5 % x 20 %, rounded
Vehicle 1 (CA 1, Toyota Corolla): Fortnightly inclusion (80 %)    3 876.80
    fortnightly value 4 846.00
    fortnightly value (determined value x 3.5 % x 12 / 26, rounded) x 80 %
Vehicle 1 (CA 1, Toyota Corolla): Fortnightly inclusion (20 %)      969.20
    fortnightly value 4 846.00
    fortnightly value (determined value x 3.5 % x 12 / 26, rounded) x 20 %
Vehicle 1 (CA 1, Toyota Corolla): Weekly inclusion (80 %)         1 938.40
    weekly value 2 423.00
    weekly value (determined value x 3.5 % x 12 / 52, rounded) x 80 %
Vehicle 1 (CA 1, Toyota Corolla): Weekly inclusion (20 %)           484.60
    weekly value 2 423.00
    weekly value (determined value x 3.5 % x 12 / 52, rounded) x 20 %
Total deduction claimed                                         -48 145.00
    vehicles 1
    the sum of the vehicles' deductions claimed
Total adjustment to taxable income                              -29 231.00
    vehicles 1
    the sum of the vehicles' adjustments to taxable income
)txt");
}

}  // namespace
