#include "vehicle/company_car.h"

#include <string>

#include "common/money.h"
#include "vehicle/vehicle_cost_scale.h"

namespace quorin {

namespace {

// The daily value divides by 366 days in every year (rate x 12 / 36 600),
// as the valuation always has; the IRP5 figure takes the year's days.
constexpr double kDailyDivisor = 36600;

// A share of the distance, or nothing when there is no distance to divide by.
bool privateShare(const CompanyCarRecord& car, double& share, double privateDistance) {
  if (car.TotalDistance == 0) return false;
  share = privateDistance / car.TotalDistance;
  return true;
}

// "Vehicle 2 (CA 123 456, Make Model)": whose steps follow.
std::string vehicleSubject(int i, const CompanyCarRecord& car) {
  std::string subject = "Vehicle " + std::to_string(i);
  std::string what = car.CCRegNumber;
  std::string description = car.CCMake;
  if (!car.CCModel.empty()) description += (description.empty() ? "" : " ") + car.CCModel;
  if (!description.empty()) what += (what.empty() ? "" : ", ") + description;
  return what.empty() ? subject : subject + " (" + what + ")";
}

void valueVehicle(CompanyCarRecord& car, CompanyCarFigures& f, double autoSplitDays, const CompanyCarRegister& reg,
                  const tax::TaxYear& year, Working* working) {
  f.PrivateDistance = car.TotalDistance - car.BusDistance;
  if (working)
    working->add("Private distance", f.PrivateDistance, FigureKind::Number, "total distance - business distance")
        .in("total distance", car.TotalDistance, FigureKind::Number)
        .in("business distance", car.BusDistance, FigureKind::Number);

  const bool split = reg.AutoCalc3802 && autoSplitDays != 0;
  if (split) car.FB3802ThisCar = f.CCMonths / autoSplitDays * reg.Actual3802;
  if (working) {
    WorkingStep& step =
        working->add("3802 amount", car.FB3802ThisCar, FigureKind::Money,
                     split ? "the 3802 total x days of use / days of the vehicles valued"
                           : "the vehicle's own, not split by days (a register of one vehicle: the 3802 total)");
    if (split)
      step.in("3802 total", reg.Actual3802)
          .in("days of use", f.CCMonths, FigureKind::Number)
          .in("days of the vehicles valued", autoSplitDays, FigureKind::Number);
  }

  const bool withPlan = car.MaintIncluded == 1;
  const double rate = withPlan ? year.companyCarPercentWithPlan : year.companyCarPercent;
  if (working)
    working
        ->add("Rate of the year", rate, FigureKind::Number,
              withPlan ? "{with plan} % a month of the determined value with a maintenance plan, {year}"
                       : "{without plan} % a month of the determined value, {year}")
        .in("determined value", car.CCPrice)
        .in("maintenance plan", withPlan ? 1 : 0, FigureKind::Plain)
        .by("with plan", year.companyCarPercentWithPlan, FigureKind::Number)
        .by("without plan", year.companyCarPercent, FigureKind::Number);
  const double daily = rate * 12 / kDailyDivisor * car.CCPrice * f.CCMonths;
  double share = 0;
  const bool hasShare = privateShare(car, share, f.PrivateDistance);
  if (car.BussMilage == 1) {
    if (hasShare) f.TrueInclusion = roundHalfEven(daily * share);
  } else {
    f.TrueInclusion = roundHalfEven(daily);
  }
  if (working) {
    const char* rule = car.BussMilage != 1
                           ? "{rate} % x 12 / 36 600 x determined value x days of use, rounded (366 days in every "
                             "year); no log book: all private"
                       : hasShare ? "{rate} % x 12 / 36 600 x determined value x days of use x private share, rounded "
                                    "(366 days in every year)"
                                  : "a log book but no distance: no private share, 0";
    WorkingStep& step = working->add("True inclusion", f.TrueInclusion, FigureKind::Money, rule)
                            .in("determined value", car.CCPrice)
                            .in("days of use", f.CCMonths, FigureKind::Number);
    if (car.BussMilage == 1)
      step.in("private distance", f.PrivateDistance, FigureKind::Number)
          .in("total distance", car.TotalDistance, FigureKind::Number)
          .in("private share", share, FigureKind::Number);
    step.by("rate", rate, FigureKind::Number).by("daily value", daily, FigureKind::Money);
  }

  double fuelPaid = car.ActualExpEmployee;
  if (car.SARSTable == 1) {
    const VehicleCostBand& band = LookupVehicleCostScale(car.CCPrice, year);
    car.FuelComponent = roundHalfEven(car.TotalDistance * band.fuel);
    fuelPaid = car.FuelComponent;
    if (working)
      working
          ->add("Fuel component", car.FuelComponent, FigureKind::Money,
                "total distance x {fuel} rand a km of band {band} of the vehicle cost scale of {year}, rounded")
          .in("total distance", car.TotalDistance, FigureKind::Number)
          .in("determined value", car.CCPrice)
          .by("band", band.band, FigureKind::Plain)
          .by("fuel", band.fuel, FigureKind::Number);
  } else {
    car.FuelComponent = 0;
  }
  if (hasShare) {
    f.Arr_FuelClaim = roundHalfEven((fuelPaid - car.FuelReimbEmployer) * share);
    f.TotAddExpense =
        roundHalfEven((car.EmpPaidInsurance + car.EmpPaidLicence + car.EmpPaidMaintenance) * share);
  }
  if (working) {
    working
        ->add("Fuel claim", f.Arr_FuelClaim, FigureKind::Money,
              !hasShare            ? "no distance: no private share, 0"
              : car.SARSTable == 1 ? "(fuel component - reimbursed by the employer) x private share, rounded"
                                   : "(fuel paid by the employee - reimbursed by the employer) x private share, "
                                     "rounded")
        .in("fuel paid", fuelPaid)
        .in("reimbursed by the employer", car.FuelReimbEmployer)
        .in("private share", share, FigureKind::Number);
    working
        ->add("Other expenses claim", f.TotAddExpense, FigureKind::Money,
              hasShare ? "(insurance + licence + maintenance paid by the employee) x private share, rounded"
                       : "no distance: no private share, 0")
        .in("insurance", car.EmpPaidInsurance)
        .in("licence", car.EmpPaidLicence)
        .in("maintenance", car.EmpPaidMaintenance)
        .in("private share", share, FigureKind::Number);
  }
  f.FuelExp = car.BusDistance > 0 ? roundHalfEven(f.Arr_FuelClaim + f.TotAddExpense) : 0;
  if (working)
    working
        ->add("Fuel and expenses", f.FuelExp, FigureKind::Money,
              car.BusDistance > 0 ? "fuel claim + other expenses claim, rounded" : "no business distance: 0")
        .in("fuel claim", f.Arr_FuelClaim)
        .in("other expenses claim", f.TotAddExpense)
        .in("business distance", car.BusDistance, FigureKind::Number);

  const double adjustment = roundHalfEven(f.TrueInclusion - f.FuelExp - car.FB3802ThisCar);
  car.AdjustTaxableInc = adjustment;
  if (car.AdjustTaxableInc < -reg.Actual3802) car.AdjustTaxableInc = -reg.Actual3802;
  if (working)
    working
        ->add("Adjustment to taxable income", car.AdjustTaxableInc, FigureKind::Money,
              adjustment < -reg.Actual3802 ? "true inclusion - fuel and expenses - 3802 amount ({worked out}), "
                                             "lifted to the floor {floor}"
                                           : "true inclusion - fuel and expenses - 3802 amount, rounded, not below "
                                             "{floor}")
        .in("true inclusion", f.TrueInclusion)
        .in("fuel and expenses", f.FuelExp)
        .in("3802 amount", car.FB3802ThisCar)
        .by("worked out", adjustment, FigureKind::Money)
        .by("floor", -reg.Actual3802, FigureKind::Money);

  const bool deduction = car.BusDistance > 0 && car.TotalDistance > 0 && car.BussMilage != 0;
  if (deduction) f.SARSDeductionClaim = -(car.BusDistance / car.TotalDistance * car.FB3802ThisCar + f.FuelExp);
  if (working)
    working
        ->add("Deduction claimed", f.SARSDeductionClaim, FigureKind::Money,
              deduction ? "-(business distance / total distance x 3802 amount + fuel and expenses)"
                        : "only with a log book and a business distance: 0")
        .in("business distance", car.BusDistance, FigureKind::Number)
        .in("total distance", car.TotalDistance, FigureKind::Number)
        .in("3802 amount", car.FB3802ThisCar)
        .in("fuel and expenses", f.FuelExp);

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
    if (working) {
      working
          ->add("IRP5 3802 figure", f.IRP53802, FigureKind::Money,
                "determined value x {rate} % x 12 x days of use / {year's days} days of {year}, rounded")
          .in("determined value", car.CCPrice)
          .in("days of use", f.CCMonths, FigureKind::Number)
          .by("rate", rate, FigureKind::Number)
          .by("year's days", year.days(), FigureKind::Number);
      const auto monthly = [&](const char* label, double value, const char* rule) {
        working->add(label, value, FigureKind::Money, rule)
            .in("determined value", car.CCPrice)
            .by("rate", rate, FigureKind::Number);
      };
      monthly("Monthly inclusion (80 %)", f.MonFB80, "determined value x {rate} % x 80 %, rounded");
      monthly("Monthly inclusion (20 %)", f.MonFB20, "determined value x {rate} % x 20 %, rounded");
      const auto split8020 = [&](const char* label, double value, const char* name, double whole, const char* rule) {
        working->add(label, value, FigureKind::Money, rule).in(name, whole).by("rate", rate, FigureKind::Number);
      };
      split8020("Fortnightly inclusion (80 %)", f.FortFB80, "fortnightly value", fortnight,
                "fortnightly value (determined value x {rate} % x 12 / 26, rounded) x 80 %");
      split8020("Fortnightly inclusion (20 %)", f.FortFB20, "fortnightly value", fortnight,
                "fortnightly value (determined value x {rate} % x 12 / 26, rounded) x 20 %");
      split8020("Weekly inclusion (80 %)", f.WeekFB80, "weekly value", week,
                "weekly value (determined value x {rate} % x 12 / 52, rounded) x 80 %");
      split8020("Weekly inclusion (20 %)", f.WeekFB20, "weekly value", week,
                "weekly value (determined value x {rate} % x 12 / 52, rounded) x 20 %");
    }
  }

  // A car priced 0 has no true inclusion: its adjustment is the deduction.
  if (car.CCPrice == 0) {
    car.AdjustTaxableInc = f.SARSDeductionClaim;
    if (working)
      working
          ->add("Adjustment to taxable income", car.AdjustTaxableInc, FigureKind::Money,
                "no determined value: the deduction claimed")
          .in("deduction claimed", f.SARSDeductionClaim);
  }
}

}  // namespace

void CompCarCalc(CompanyCarRegister& reg, CompanyCarRun& run, const tax::TaxYear& year, Working* working) {
  const int n = reg.count();
  run.vehicles.assign(static_cast<std::size_t>(n), CompanyCarFigures{});
  run.TotAdjustTaxableInc = 0;
  run.TotAdjustTaxableIncSARS = 0;
  if (working) {
    working->clear();
    working->taxYear = year.year;
  }

  // Days and distances first: the auto split shares the 3802 total by the
  // days of the vehicles that are valued.
  double sharedDays = 0;
  for (int i = 1; i <= n; ++i) {
    CompanyCarRecord& car = reg.vehicle(i);
    CompanyCarFigures& f = run.vehicles[static_cast<std::size_t>(i - 1)];
    f.CCMonths = static_cast<std::int16_t>(car.CCEndDate - car.CCStartDate + 1);
    const bool fromMileage = car.EndMileage > 0;
    if (fromMileage) car.TotalDistance = car.EndMileage - car.StartMileage;
    f.skipped = car.TotalDistance == 0 && car.CCPrice == 0;
    if (working) {
      working->setSubject(vehicleSubject(i, car));
      working->add("Days of use", f.CCMonths, FigureKind::Number, "end - start + 1")
          .in("start", car.CCStartDate, FigureKind::Date)
          .in("end", car.CCEndDate, FigureKind::Date);
      WorkingStep& step =
          working->add("Total distance", car.TotalDistance, FigureKind::Number,
                       fromMileage ? "end mileage - start mileage" : "as entered, without an end mileage");
      if (fromMileage)
        step.in("start mileage", car.StartMileage, FigureKind::Number)
            .in("end mileage", car.EndMileage, FigureKind::Number);
      if (f.skipped)
        working->add("Not valued", 0, FigureKind::Money,
                     "neither a determined value nor a distance: skipped, no 3802 share, adjustment 0")
            .in("determined value", car.CCPrice);
    }
    if (f.skipped) continue;
    const double business = car.BusDistance;
    if (car.BusDistance > car.TotalDistance) car.BusDistance = car.TotalDistance;
    if (working)
      working
          ->add("Business distance", car.BusDistance, FigureKind::Number,
                business > car.TotalDistance ? "more than the total distance: cut to it"
                                             : "as entered, within the total distance")
          .in("business distance entered", business, FigureKind::Number)
          .in("total distance", car.TotalDistance, FigureKind::Number);
    sharedDays += f.CCMonths;
  }
  if (working && reg.AutoCalc3802) {
    working->setSubject({});
    working->add("Days of the vehicles valued", sharedDays, FigureKind::Number,
                 "the days of use of every vehicle valued, to split the 3802 total by")
        .in("3802 total", reg.Actual3802);
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
    if (working) working->setSubject(vehicleSubject(i, car));
    valueVehicle(car, f, sharedDays, reg, year, working);
    run.TotAdjustTaxableInc += car.AdjustTaxableInc;
    run.TotAdjustTaxableIncSARS += f.SARSDeductionClaim;
  }
  if (working) {
    working->setSubject({});
    working->add("Total deduction claimed", run.TotAdjustTaxableIncSARS, FigureKind::Money,
                 "the sum of the vehicles' deductions claimed")
        .in("vehicles", n, FigureKind::Number);
    working->add("Total adjustment to taxable income", run.TotAdjustTaxableInc, FigureKind::Money,
                 "the sum of the vehicles' adjustments to taxable income")
        .in("vehicles", n, FigureKind::Number);
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
