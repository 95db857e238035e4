// The register of company cars an employee had the use of during the
// year: one CompanyCarRecord per vehicle, numbered 1..n, one of them the
// vehicle on screen. A plain value that the company car window and the
// command line share; it lives in the session for the whole run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/day_number.h"
#include "tax/tax_year.h"

namespace quorin {

// One vehicle, by the names of the compcar table. Amounts and distances
// are whole numbers typed by the user, held as doubles; flags are 0 or 1.
struct CompanyCarRecord {
  std::string CCRegNumber;
  std::string CCMake;
  std::string CCModel;
  std::string YearOfManfact;
  double CCPrice = 0;
  std::int16_t MaintIncluded = 0;
  std::int32_t CCStartDate = kTaxYearStart;
  std::int32_t CCEndDate = kTaxYearEnd;
  double StartMileage = 0;
  double EndMileage = 0;
  double TotalDistance = 0;  // typed, or end - start mileage
  double BusDistance = 0;    // cut to the total distance by a run
  std::int16_t BussMilage = 0;  // a log book was kept
  double ActualExpEmployee = 0;
  std::int16_t SARSTable = 0;   // fuel from the cents/km table
  double FuelReimbEmployer = 0;
  double EmpPaidInsurance = 0;
  double EmpPaidLicence = 0;
  double EmpPaidMaintenance = 0;
  double FB3802ThisCar = 0;  // typed, or the auto split of the 3802 total
  // Results kept with the vehicle between runs.
  double FuelComponent = 0;
  double AdjustTaxableInc = 0;
};

class CompanyCarRegister {
 public:
  static constexpr int kMaxVehicles = 32767;

  int count() const { return static_cast<int>(vehicles_.size()); }
  bool empty() const { return vehicles_.empty(); }
  // The vehicle on screen, 1..n; 0 when the register is empty.
  int current() const { return current_; }

  // Vehicle i, 1..n.
  CompanyCarRecord& vehicle(int i) { return vehicles_[static_cast<std::size_t>(i - 1)]; }
  const CompanyCarRecord& vehicle(int i) const { return vehicles_[static_cast<std::size_t>(i - 1)]; }
  std::vector<CompanyCarRecord>& vehicles() { return vehicles_; }
  const std::vector<CompanyCarRecord>& vehicles() const { return vehicles_; }

  // What the fields show and edit: the current vehicle, or the blank entry
  // while the register is empty.
  CompanyCarRecord& shown() { return current_ == 0 ? blank_ : vehicle(current_); }
  const CompanyCarRecord& shown() const { return current_ == 0 ? blank_ : vehicle(current_); }

  // Add is offered when the register is empty or the vehicle on screen has
  // a registration number, and while the register has room.
  bool canAdd() const;
  // Adds a vehicle after the last and shows it; from the second vehicle on
  // the 3802 total is split automatically. On an empty register the new
  // vehicle keeps what was typed into the blank entry. Its dates are the
  // whole of the year given. False when refused.
  bool Add(const tax::TaxYear& year);
  // Removes the vehicle on screen and shows vehicle 1; the last one gone,
  // the 3802 total is 0.
  void Delete();
  // The previous and the next vehicle, wrapping around the ends.
  void Back();
  void Forward();
  // Shows vehicle i (1..n); false for a number outside the register.
  bool show(int i);

  // The application's reset: no vehicles, 3802 total 0, no auto split.
  void reset() { *this = CompanyCarRegister{}; }

  double Actual3802 = 0;       // the IRP5 code 3802 total over all vehicles
  std::int16_t AutoCalc3802 = 0;  // split the total over the vehicles by days

 private:
  std::vector<CompanyCarRecord> vehicles_;
  CompanyCarRecord blank_;
  int current_ = 0;
};

// Which controls of the company car window are usable.
struct RegisterControls {
  bool vehicleFields = false;  // every field other than the registration number
  bool add = false;
  bool remove = false;  // "&Delete"
  bool back = false;
  bool forward = false;
  bool print = false;
  bool ok = true;
  bool autoSplitVisible = false;
};

// The enabling rule: vehicle data can be typed only once the vehicle on
// screen has a registration number; Back and Forward need two vehicles.
RegisterControls controlsFor(const CompanyCarRegister& reg);

// "Full use of Company Car :  Vehicle number i of n".
std::string companyCarTitle(const CompanyCarRegister& reg);

}  // namespace quorin
