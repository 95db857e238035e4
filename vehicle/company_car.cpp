#include "vehicle/company_car.h"

#include "common/money.h"
#include "vehicle/vehicle_cost_scale.h"

namespace quorin {

namespace {

// A share of the distance, or nothing when there is no distance to divide by.
bool privateShare(const CompanyCarRecord& car, double& share, double privateDistance) {
  if (car.TotalDistance == 0) return false;
  share = privateDistance / car.TotalDistance;
  return true;
}

void valueVehicle(CompanyCarRecord& car, CompanyCarFigures& f, double autoSplitDays, const CompanyCarRegister& reg,
                  const tax::TaxYear& year) {
  f.PrivateDistance = car.TotalDistance - car.BusDistance;

  if (reg.AutoCalc3802 && autoSplitDays != 0) car.FB3802ThisCar = f.CCMonths / autoSplitDays * reg.Actual3802;

  const double rate = car.MaintIncluded == 1 ? year.companyCarPercentWithPlan : year.companyCarPercent;
  const double daily = rate * 12 / 36600 * car.CCPrice * f.CCMonths;
  double share = 0;
  const bool hasShare = privateShare(car, share, f.PrivateDistance);
  if (car.BussMilage == 1) {
    if (hasShare) f.TrueInclusion = roundHalfEven(daily * share);
  } else {
    f.TrueInclusion = roundHalfEven(daily);
  }

  double fuelPaid = car.ActualExpEmployee;
  if (car.SARSTable == 1) {
    car.FuelComponent = roundHalfEven(car.TotalDistance * LookupVehicleCostScale(car.CCPrice, year).fuel);
    fuelPaid = car.FuelComponent;
  } else {
    car.FuelComponent = 0;
  }
  if (hasShare) {
    f.Arr_FuelClaim = roundHalfEven((fuelPaid - car.FuelReimbEmployer) * share);
    f.TotAddExpense =
        roundHalfEven((car.EmpPaidInsurance + car.EmpPaidLicence + car.EmpPaidMaintenance) * share);
  }
  f.FuelExp = car.BusDistance > 0 ? roundHalfEven(f.Arr_FuelClaim + f.TotAddExpense) : 0;

  car.AdjustTaxableInc = roundHalfEven(f.TrueInclusion - f.FuelExp - car.FB3802ThisCar);
  if (car.AdjustTaxableInc < -reg.Actual3802) car.AdjustTaxableInc = -reg.Actual3802;

  if (car.BusDistance > 0 && car.TotalDistance > 0 && car.BussMilage != 0)
    f.SARSDeductionClaim = -(car.BusDistance / car.TotalDistance * car.FB3802ThisCar + f.FuelExp);

  if (car.MaintIncluded == 0 || car.MaintIncluded == 1) {
    const double m = rate / 100;
    // The days held of the year's days; the daily value above keeps 366.
    f.IRP53802 = roundHalfEven(car.CCPrice * m * 12 * (f.CCMonths / static_cast<double>(year.days())));
    f.MonFB80 = roundHalfEven(car.CCPrice * m * 0.8);
    f.MonFB20 = roundHalfEven(car.CCPrice * m * 0.2);
    const double fortnight = roundHalfEven(car.CCPrice * m * 12 / 26);
    f.FortFB80 = fortnight * 0.8;
    f.FortFB20 = fortnight * 0.2;
    const double week = roundHalfEven(car.CCPrice * m * 12 / 52);
    f.WeekFB80 = week * 0.8;
    f.WeekFB20 = week * 0.2;
  }

  // A car priced 0 has no true inclusion: its adjustment is the deduction.
  if (car.CCPrice == 0) car.AdjustTaxableInc = f.SARSDeductionClaim;
}

}  // namespace

void CompCarCalc(CompanyCarRegister& reg, CompanyCarRun& run, const tax::TaxYear& year, Working* working) {
  (void)working;
  const int n = reg.count();
  run.vehicles.assign(static_cast<std::size_t>(n), CompanyCarFigures{});
  run.TotAdjustTaxableInc = 0;
  run.TotAdjustTaxableIncSARS = 0;

  // Days and distances first: the auto split shares the 3802 total by the
  // days of the vehicles that are valued.
  double sharedDays = 0;
  for (int i = 1; i <= n; ++i) {
    CompanyCarRecord& car = reg.vehicle(i);
    CompanyCarFigures& f = run.vehicles[static_cast<std::size_t>(i - 1)];
    f.CCMonths = static_cast<std::int16_t>(car.CCEndDate - car.CCStartDate + 1);
    if (car.EndMileage > 0) car.TotalDistance = car.EndMileage - car.StartMileage;
    f.skipped = car.TotalDistance == 0 && car.CCPrice == 0;
    if (f.skipped) continue;
    if (car.BusDistance > car.TotalDistance) car.BusDistance = car.TotalDistance;
    sharedDays += f.CCMonths;
  }

  for (int i = 1; i <= n; ++i) {
    CompanyCarRecord& car = reg.vehicle(i);
    CompanyCarFigures& f = run.vehicles[static_cast<std::size_t>(i - 1)];
    if (f.skipped) {
      if (reg.AutoCalc3802) car.FB3802ThisCar = 0;
      car.FuelComponent = 0;
      car.AdjustTaxableInc = 0;
      continue;
    }
    valueVehicle(car, f, sharedDays, reg, year);
    run.TotAdjustTaxableInc += car.AdjustTaxableInc;
    run.TotAdjustTaxableIncSARS += f.SARSDeductionClaim;
  }
}

CompanyCarRun CompCarCalc(CompanyCarRegister& reg, const tax::TaxYear& year, Working* working) {
  CompanyCarRun run;
  CompCarCalc(reg, run, year, working);
  return run;
}

CompanyCarRun CompCarCalculate(CompanyCarRegister& reg, const tax::TaxYear& year, Working* working) {
  if (reg.count() == 1) reg.vehicle(1).FB3802ThisCar = roundHalfEven(reg.Actual3802);
  CompanyCarRun run;
  CompCarCalc(reg, run, year);
  CompCarCalc(reg, run, year, working);
  return run;
}

}  // namespace quorin
