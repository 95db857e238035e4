// The fringe benefit of the company cars of the register: for every
// vehicle the days of use, the distances, the true inclusion for the
// private use, the fuel and other costs the employee bore, the adjustment
// to taxable income against the IRP5 code 3802 amount, the deduction
// awarded, and the 80 % / 20 % PAYE inclusions; totals over the register.
#pragma once

#include <cstdint>
#include <vector>

#include "common/working.h"
#include "tax/tax_year.h"
#include "vehicle/vehicle_register.h"

namespace quorin {

// The figures of one vehicle that every run works out afresh.
struct CompanyCarFigures {
  std::int16_t CCMonths = 0;  // days of use
  double PrivateDistance = 0;
  double TrueInclusion = 0;
  double Arr_FuelClaim = 0;
  double TotAddExpense = 0;
  double FuelExp = 0;
  double SARSDeductionClaim = 0;
  double IRP53802 = 0;
  double MonFB80 = 0;
  double MonFB20 = 0;
  double FortFB80 = 0;
  double FortFB20 = 0;
  double WeekFB80 = 0;
  double WeekFB20 = 0;
  // Neither price nor distance: nothing is valued for this vehicle.
  bool skipped = false;
};

struct CompanyCarRun {
  std::vector<CompanyCarFigures> vehicles;  // index 0 is vehicle 1
  double TotAdjustTaxableInc = 0;
  double TotAdjustTaxableIncSARS = 0;

  const CompanyCarFigures& of(int vehicle) const { return vehicles[static_cast<std::size_t>(vehicle - 1)]; }
};

// Values every vehicle of the register. Writes the fields the register
// keeps: the total distance from the mileages, the business distance cut
// to the total, the auto split of the 3802 total, the fuel component and
// the adjustment (for a vehicle priced 0, the awarded deduction). A step
// that would divide by a zero distance sets nothing. The figures do not
// depend on the vehicle on screen. The rates and the fuel figure are the
// year's. A working given is cleared and gets, vehicle by vehicle (each
// step's subject "Vehicle i (registration, make model)"), the days and
// distances, then each valued vehicle's figures, then the register's
// totals; the last step is the total adjustment to taxable income.
CompanyCarRun CompCarCalc(CompanyCarRegister& reg, const tax::TaxYear& year, Working* working = nullptr);
// The same into a run whose vectors are reused (no allocation once sized).
void CompCarCalc(CompanyCarRegister& reg, CompanyCarRun& run, const tax::TaxYear& year, Working* working = nullptr);

// "&Calculate": with exactly one vehicle the 3802 total is first its
// share, then the register is valued (twice, so that a share worked out by
// the first run is the one the second run shows).
// With a working, the steps of the run that is shown are recorded.
CompanyCarRun CompCarCalculate(CompanyCarRegister& reg, const tax::TaxYear& year, Working* working = nullptr);

// The printout's recomputation of every vehicle.
inline CompanyCarRun PrintCalc(CompanyCarRegister& reg, const tax::TaxYear& year, Working* working = nullptr) {
  return CompCarCalc(reg, year, working);
}

}  // namespace quorin
