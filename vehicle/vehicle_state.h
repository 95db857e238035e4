// The vehicle calculators' values, kept in the session so that each window
// shows them again when opened: the travel allowance inputs and the
// company car register.
#pragma once

#include "vehicle/car_allowance.h"
#include "vehicle/vehicle_register.h"

namespace quorin {

struct VehicleState {
  TravelAllowanceInput carAllowance;
  CompanyCarRegister companyCars;

  // "Initialise All": the inputs back to a fresh window's, the register
  // emptied and its 3802 total 0.
  void resetForInitialiseAll() {
    carAllowance = TravelAllowanceInput{};
    companyCars.reset();
  }
};

}  // namespace quorin
