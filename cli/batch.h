// quorin-cli batch: one calculation per row of a CSV file.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/calculator_command.h"

namespace quorin::cli {

// Reads the rows from in and writes the input columns, one column per
// window figure and an "error" column to out. Returns the exit status.
int runBatch(const Calculator& calc, std::istream& in, std::ostream& out, std::ostream& err,
             const SessionState& session, const SettingsRecord& settings);

}  // namespace quorin::cli
