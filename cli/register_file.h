// The company car register as a JSON file for quorin-cli company-car: an
// array of vehicles, each an object keyed by the compcar input names.
#pragma once

#include <string>
#include <variant>

#include "tax/tax_year.h"
#include "vehicle/vehicle_register.h"
#include "common/field_limits.h"

namespace quorin::cli {

// The register read from the text, or the refusal of the first bad entry:
// a file that is not a JSON array of objects, an unknown key, a value of the
// wrong kind, a fraction where a whole number belongs, a value outside its
// field's limits or a date the window would refuse. The message names the
// vehicle and the key. A vehicle without dates has the whole of the year;
// its dates must lie in the year.
std::variant<CompanyCarRegister, Refusal> readRegisterJson(const std::string& text,
                                                           const tax::TaxYear& year);

}  // namespace quorin::cli
