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

// The steps are recorded by functions kept out of line and cold, called
// only with a working: the valuation stays as lean as without one.

// "Vehicle 2 (CA 123 456, Make Model)": whose steps follow.
[[gnu::cold, gnu::noinline]] void setVehicleSubject(Working* working, int i, const CompanyCarRecord& car) {
  std::string subject = "Vehicle " + std::to_string(i);
  std::string what = car.CCRegNumber;
  std::string description = car.CCMake;
  if (!car.CCModel.empty()) description += (description.empty() ? "" : " ") + car.CCModel;
  if (!description.empty()) what += (what.empty() ? "" : ", ") + description;
  working->setSubject(what.empty() ? subject : subject + " (" + what + ")");
}

[[gnu::cold, gnu::noinline]] void recordDaysAndDistance(Working* working, const CompanyCarRecord& car,
                                                        const CompanyCarFigures& f, bool fromMileage) {
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
    working
        ->add("Not valued", 0, FigureKind::Money,
              "neither a determined value nor a distance: skipped, no 3802 share, adjustment 0")
        .in("determined value", car.CCPrice);
}

[[gnu::cold, gnu::noinline]] void recordBusinessDistance(Working* working, const CompanyCarRecord& car,
                                                         double entered) {
  working
      ->add("Business distance", car.BusDistance, FigureKind::Number,
            entered > car.TotalDistance ? "more than the total distance: cut to it"
                                        : "as entered, within the total distance")
      .in("business distance entered", entered, FigureKind::Number)
      .in("total distance", car.TotalDistance, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordPrivateAnd3802(Working* working, const CompanyCarRecord& car,
                                                       const CompanyCarFigures& f, const CompanyCarRegister& reg,
                                                       bool split, double autoSplitDays) {
  working->add("Private distance", f.PrivateDistance, FigureKind::Number, "total distance - business distance")
      .in("total distance", car.TotalDistance, FigureKind::Number)
      .in("business distance", car.BusDistance, FigureKind::Number);
  WorkingStep& step =
      working->add("3802 amount", car.FB3802ThisCar, FigureKind::Money,
                   split ? "the 3802 total x days of use / days of the vehicles valued"
                         : "the vehicle's own, not split by days (a register of one vehicle: the 3802 total)");
  if (split)
    step.in("3802 total", reg.Actual3802)
        .in("days of use", f.CCMonths, FigureKind::Number)
        .in("days of the vehicles valued", autoSplitDays, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordInclusion(Working* working, const CompanyCarRecord& car,
                                                  const CompanyCarFigures& f, const tax::TaxYear& year, double rate,
                                                  double daily, double share, bool hasShare) {
  const bool withPlan = car.MaintIncluded == 1;
  working
      ->add("Rate of the year", rate, FigureKind::Number,
            withPlan ? "{with plan} % a month of the determined value with a maintenance plan, {year}"
                     : "{without plan} % a month of the determined value, {year}")
      .in("determined value", car.CCPrice)
      .in("maintenance plan", withPlan ? 1 : 0, FigureKind::Plain)
      .by("with plan", year.companyCarPercentWithPlan, FigureKind::Number)
      .by("without plan", year.companyCarPercent, FigureKind::Number);
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

[[gnu::cold, gnu::noinline]] void recordFuelComponent(Working* working, const CompanyCarRecord& car,
                                                      const VehicleCostBand& band) {
  working
      ->add("Fuel component", car.FuelComponent, FigureKind::Money,
            "total distance x {fuel} rand a km of band {band} of the vehicle cost scale of {year}, rounded")
      .in("total distance", car.TotalDistance, FigureKind::Number)
      .in("determined value", car.CCPrice)
      .by("band", band.band, FigureKind::Plain)
      .by("fuel", band.fuel, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordExpenses(Working* working, const CompanyCarRecord& car,
                                                 const CompanyCarFigures& f, double fuelPaid, double share,
                                                 bool hasShare) {
  working
      ->add("Fuel claim", f.Arr_FuelClaim, FigureKind::Money,
            !hasShare            ? "no distance: no private share, 0"
            : car.SARSTable == 1 ? "(fuel component - reimbursed by the employer) x private share, rounded"
                                 : "(fuel paid by the employee - reimbursed by the employer) x private share, rounded")
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
  working
      ->add("Fuel and expenses", f.FuelExp, FigureKind::Money,
            car.BusDistance > 0 ? "fuel claim + other expenses claim, rounded" : "no business distance: 0")
      .in("fuel claim", f.Arr_FuelClaim)
      .in("other expenses claim", f.TotAddExpense)
      .in("business distance", car.BusDistance, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordAdjustment(Working* working, const CompanyCarRecord& car,
                                                   const CompanyCarFigures& f, const CompanyCarRegister& reg,
                                                   double adjustment, bool deduction) {
  working
      ->add("Adjustment to taxable income", car.AdjustTaxableInc, FigureKind::Money,
            adjustment < -reg.Actual3802
                ? "true inclusion - fuel and expenses - 3802 amount ({worked out}), lifted to the floor {floor}"
                : "true inclusion - fuel and expenses - 3802 amount, rounded, not below {floor}")
      .in("true inclusion", f.TrueInclusion)
      .in("fuel and expenses", f.FuelExp)
      .in("3802 amount", car.FB3802ThisCar)
      .by("worked out", adjustment, FigureKind::Money)
      .by("floor", -reg.Actual3802, FigureKind::Money);
  working
      ->add("Deduction claimed", f.SARSDeductionClaim, FigureKind::Money,
            deduction ? "-(business distance / total distance x 3802 amount + fuel and expenses)"
                      : "only with a log book and a business distance: 0")
      .in("business distance", car.BusDistance, FigureKind::Number)
      .in("total distance", car.TotalDistance, FigureKind::Number)
      .in("3802 amount", car.FB3802ThisCar)
      .in("fuel and expenses", f.FuelExp);
}

[[gnu::cold, gnu::noinline]] void recordPayeInclusions(Working* working, const CompanyCarRecord& car,
                                                       const CompanyCarFigures& f, const tax::TaxYear& year,
                                                       double rate, double fortnight, double week) {
  working
      ->add("IRP5 3802 figure", f.IRP53802, FigureKind::Money,
            "determined value x {rate} % x 12 x days of use / {year's days} days of {year}, rounded")
      .in("determined value", car.CCPrice)
      .in("days of use", f.CCMonths, FigureKind::Number)
      .by("rate", rate, FigureKind::Number)
      .by("year's days", year.days(), FigureKind::Number);
  const auto step = [&](const char* label, double value, const char* name, double whole, const char* rule) {
    working->add(label, value, FigureKind::Money, rule).in(name, whole).by("rate", rate, FigureKind::Number);
  };
  step("Monthly inclusion (80 %)", f.MonFB80, "determined value", car.CCPrice,
       "determined value x {rate} % x 80 %, rounded");
  step("Monthly inclusion (20 %)", f.MonFB20, "determined value", car.CCPrice,
       "determined value x {rate} % x 20 %, rounded");
  step("Fortnightly inclusion (80 %)", f.FortFB80, "fortnightly value", fortnight,
       "fortnightly value (determined value x {rate} % x 12 / 26, rounded) x 80 %");
  step("Fortnightly inclusion (20 %)", f.FortFB20, "fortnightly value", fortnight,
       "fortnightly value (determined value x {rate} % x 12 / 26, rounded) x 20 %");
  step("Weekly inclusion (80 %)", f.WeekFB80, "weekly value", week,
       "weekly value (determined value x {rate} % x 12 / 52, rounded) x 80 %");
  step("Weekly inclusion (20 %)", f.WeekFB20, "weekly value", week,
       "weekly value (determined value x {rate} % x 12 / 52, rounded) x 20 %");
}

[[gnu::cold, gnu::noinline]] void recordUnpriced(Working* working, const CompanyCarRecord& car,
                                                 const CompanyCarFigures& f) {
  working
      ->add("Adjustment to taxable income", car.AdjustTaxableInc, FigureKind::Money,
            "no determined value: the deduction claimed")
      .in("deduction claimed", f.SARSDeductionClaim);
}

[[gnu::cold, gnu::noinline]] void recordTotals(Working* working, const CompanyCarRun& run, int vehicles) {
  working->setSubject({});
  working
      ->add("Total deduction claimed", run.TotAdjustTaxableIncSARS, FigureKind::Money,
            "the sum of the vehicles' deductions claimed")
      .in("vehicles", vehicles, FigureKind::Number);
  working
      ->add("Total adjustment to taxable income", run.TotAdjustTaxableInc, FigureKind::Money,
            "the sum of the vehicles' adjustments to taxable income")
      .in("vehicles", vehicles, FigureKind::Number);
}

// The valuation below is inlined twice by CompCarCalc: once with a working,
// once with none known while compiling, so that the figures alone cost
// what they did before the working was recorded.
[[gnu::always_inline]] inline void valueVehicle(CompanyCarRecord& car, CompanyCarFigures& f, double autoSplitDays,
                                                const CompanyCarRegister& reg, const tax::TaxYear& year,
                                                Working* working) {
  f.PrivateDistance = car.TotalDistance - car.BusDistance;

  const bool split = reg.AutoCalc3802 && autoSplitDays != 0;
  if (split) car.FB3802ThisCar = f.CCMonths / autoSplitDays * reg.Actual3802;
  if (working) recordPrivateAnd3802(working, car, f, reg, split, autoSplitDays);

  const double rate = car.MaintIncluded == 1 ? year.companyCarPercentWithPlan : year.companyCarPercent;
  const double daily = rate * 12 / kDailyDivisor * car.CCPrice * f.CCMonths;
  double share = 0;
  const bool hasShare = privateShare(car, share, f.PrivateDistance);
  if (car.BussMilage == 1) {
    if (hasShare) f.TrueInclusion = roundHalfEven(daily * share);
  } else {
    f.TrueInclusion = roundHalfEven(daily);
  }
  if (working) recordInclusion(working, car, f, year, rate, daily, share, hasShare);

  double fuelPaid = car.ActualExpEmployee;
  if (car.SARSTable == 1) {
    const VehicleCostBand& band = LookupVehicleCostScale(car.CCPrice, year);
    car.FuelComponent = roundHalfEven(car.TotalDistance * band.fuel);
    fuelPaid = car.FuelComponent;
    if (working) recordFuelComponent(working, car, band);
  } else {
    car.FuelComponent = 0;
  }
  if (hasShare) {
    f.Arr_FuelClaim = roundHalfEven((fuelPaid - car.FuelReimbEmployer) * share);
    f.TotAddExpense =
        roundHalfEven((car.EmpPaidInsurance + car.EmpPaidLicence + car.EmpPaidMaintenance) * share);
  }
  f.FuelExp = car.BusDistance > 0 ? roundHalfEven(f.Arr_FuelClaim + f.TotAddExpense) : 0;
  if (working) recordExpenses(working, car, f, fuelPaid, share, hasShare);

  const double adjustment = roundHalfEven(f.TrueInclusion - f.FuelExp - car.FB3802ThisCar);
  car.AdjustTaxableInc = adjustment < -reg.Actual3802 ? -reg.Actual3802 : adjustment;

  const bool deduction = car.BusDistance > 0 && car.TotalDistance > 0 && car.BussMilage != 0;
  if (deduction) f.SARSDeductionClaim = -(car.BusDistance / car.TotalDistance * car.FB3802ThisCar + f.FuelExp);
  if (working) recordAdjustment(working, car, f, reg, adjustment, deduction);

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
    if (working) recordPayeInclusions(working, car, f, year, rate, fortnight, week);
  }

  // A car priced 0 has no true inclusion: its adjustment is the deduction.
  if (car.CCPrice == 0) {
    car.AdjustTaxableInc = f.SARSDeductionClaim;
    if (working) recordUnpriced(working, car, f);
  }
}

[[gnu::always_inline]] inline void valueRegister(CompanyCarRegister& reg, CompanyCarRun& run,
                                                 const tax::TaxYear& year, Working* working) {
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
      setVehicleSubject(working, i, car);
      recordDaysAndDistance(working, car, f, fromMileage);
    }
    if (f.skipped) continue;
    const double entered = car.BusDistance;
    if (car.BusDistance > car.TotalDistance) car.BusDistance = car.TotalDistance;
    if (working) recordBusinessDistance(working, car, entered);
    sharedDays += f.CCMonths;
  }
  if (working && reg.AutoCalc3802) {
    working->setSubject({});
    working
        ->add("Days of the vehicles valued", sharedDays, FigureKind::Number,
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
    if (working) setVehicleSubject(working, i, car);
    valueVehicle(car, f, sharedDays, reg, year, working);
    run.TotAdjustTaxableInc += car.AdjustTaxableInc;
    run.TotAdjustTaxableIncSARS += f.SARSDeductionClaim;
  }
  if (working) recordTotals(working, run, n);
}

}  // namespace

void CompCarCalc(CompanyCarRegister& reg, CompanyCarRun& run, const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    valueRegister(reg, run, year, working);
  else
    valueRegister(reg, run, year, nullptr);
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
