// The company car register as a JSON file (quorin-cli company-car
// --register): an array of vehicles, each an object keyed by the compcar
// input names.
#pragma once

#include <cstddef>
#include <string>
#include <variant>

#include "common/field_limits.h"
#include "tax/tax_year.h"
#include "vehicle/vehicle_register.h"

namespace quorin {

// A full register of 32 767 vehicles, every key given, fits in this.
inline constexpr std::size_t kMaxRegisterFileBytes = 32u * 1024 * 1024;

// The register read from the text, or the refusal of the first bad entry:
// a file that is not a JSON array of objects, an unknown key, a value of the
// wrong kind, a fraction where a whole number belongs, a value outside its
// field's limits or a date the window would refuse. The message names the
// vehicle and the key. A whole number where text belongs is taken as its
// digits. A vehicle without dates has the whole of the year; its dates must
// lie in the year.
std::variant<CompanyCarRegister, Refusal> readRegisterJson(const std::string& text, const tax::TaxYear& year);

// A register file that could not be read at all (missing, a folder, a
// FIFO or device, not readable, too large): the message names it.
struct RegisterFileFault {
  std::string message;
};

// The register file at path, read as readRegisterJson reads its text.
std::variant<CompanyCarRegister, Refusal, RegisterFileFault> readRegisterFile(const std::string& path,
                                                                            const tax::TaxYear& year);

}  // namespace quorin
