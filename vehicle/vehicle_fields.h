// Limits of the vehicle windows' entry fields and their messages, shared
// by the windows' field kit and the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tax/tax_year.h"
#include "vehicle/vehicle_register.h"
#include "common/field_limits.h"

namespace quorin {

// frmCarAll1: Text1 (car), silgEdit1..silgEdit11 (value, allowance, km
// readings, log book km, the six costs). Amounts and distances are whole
// numbers. Throws std::out_of_range for another name.
const FieldLimit& carAllowanceFieldLimit(std::string_view field);

// frmCompCar: txtCCRegNumber, txtCCMake, txtCCModel, txtYearOfManfact and
// every num field a user types (numCCPrice ... numFB3802ThisCar,
// numActual3802), all whole numbers. Throws std::out_of_range otherwise.
const FieldLimit& companyCarFieldLimit(std::string_view field);

// The inputs of a company car, by the compcar name (the register file's
// key) and the window field that edits it, with the member it fills.
enum class RegisterKeyKind { Text, Whole, Flag, Date };
struct RegisterKey {
  const char* key;    // "CCPrice"
  const char* field;  // "numCCPrice"
  RegisterKeyKind kind;
  std::string CompanyCarRecord::*text = nullptr;
  double CompanyCarRecord::*amount = nullptr;
  std::int16_t CompanyCarRecord::*flag = nullptr;
  std::int32_t CompanyCarRecord::*date = nullptr;
};
// In the window's order; the limits of the text and whole-number fields
// are companyCarFieldLimit(field).
const std::vector<RegisterKey>& companyCarInputKeys();

// The date fields of both windows: the start date from the year's first
// day to the end date, the end date from the start date to the year's last
// day, title "Incorrect Date".
FieldLimit vehicleStartDateLimit(int endDate, const tax::TaxYear& year);
FieldLimit vehicleEndDateLimit(int startDate, const tax::TaxYear& year);
std::optional<Refusal> checkVehicleDates(const std::string& startField, int startDate, const std::string& endField,
                                         int endDate, const tax::TaxYear& year);

// Wear and tear and lease payments exclude each other: the refusal of the
// field just changed to value while the other holds other.
std::optional<Refusal> checkSinglePayment(const std::string& field, double value, double other);

// Closing the company car window with a date error on screen.
inline constexpr const char* kCompCarDatesTitle = "Incorrect Date";
inline constexpr const char* kCompCarDatesMessage =
    "The dates entered are not correct please enter a dates between 01/03/2025 and 28/02/2026";
// The same message with the days of the year in use.
std::string compCarDatesMessage(const tax::TaxYear& year);

}  // namespace quorin
