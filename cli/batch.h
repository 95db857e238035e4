// quorin-cli batch: one calculation per row of a CSV file.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/calculator_command.h"

namespace quorin::cli {

struct BatchOptions {
  char delimiter = ',';   // of the input and the output: ',' or ';'
  bool progress = false;  // count the rows on the error stream (a terminal)
  std::string outputName = "standard output";  // where the results go, as a message names it
};

// Reads the rows from in and writes the input columns, one column per
// window figure and an "error" column to out. Returns the exit status: a
// write to out that fails stops the run with exit status 1, naming it.
int runBatch(const Calculator& calc, std::istream& in, std::ostream& out, std::ostream& err,
             const SessionState& session, const SettingsRecord& settings, const BatchOptions& options = {});

}  // namespace quorin::cli
