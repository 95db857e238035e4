#include "vehicle/vehicle_register.h"

namespace quorin {

bool CompanyCarRegister::canAdd() const {
  if (count() >= kMaxVehicles) return false;
  return empty() || !shown().CCRegNumber.empty();
}

bool CompanyCarRegister::Add(const tax::TaxYear& year) {
  if (!canAdd()) return false;
  CompanyCarRecord added;
  if (empty()) {
    added = blank_;  // what was typed before the first Add is not lost
    blank_ = CompanyCarRecord{};
  }
  added.BussMilage = 0;
  added.CCStartDate = year.firstDay;
  added.CCEndDate = year.lastDay;
  vehicles_.push_back(std::move(added));
  current_ = count();
  if (count() > 1) AutoCalc3802 = 1;
  return true;
}

void CompanyCarRegister::Delete() {
  if (empty()) return;
  vehicles_.erase(vehicles_.begin() + (current_ - 1));
  if (empty()) {
    current_ = 0;
    Actual3802 = 0;
    blank_ = CompanyCarRecord{};
  } else {
    current_ = 1;
  }
}

void CompanyCarRegister::Back() {
  if (count() < 2) return;
  current_ = current_ <= 1 ? count() : current_ - 1;
}

void CompanyCarRegister::Forward() {
  if (count() < 2) return;
  current_ = current_ >= count() ? 1 : current_ + 1;
}

bool CompanyCarRegister::show(int i) {
  if (i < 1 || i > count()) return false;
  current_ = i;
  return true;
}

RegisterControls controlsFor(const CompanyCarRegister& reg) {
  RegisterControls c;
  const int n = reg.count();
  c.autoSplitVisible = n > 1;
  if (n == 0) {
    c.add = true;
    return c;
  }
  const bool named = !reg.shown().CCRegNumber.empty();
  c.remove = true;
  c.vehicleFields = named;
  c.print = named;
  c.add = named || n <= 1;
  c.back = c.forward = named && n > 1;
  return c;
}

std::string companyCarTitle(const CompanyCarRegister& reg) {
  return "Full use of Company Car :  Vehicle number " + std::to_string(reg.current()) + " of " +
         std::to_string(reg.count());
}

}  // namespace quorin
