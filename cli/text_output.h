// The results of a call for a person at a terminal (--format text): the
// window's results as aligned lines under their captions and, with
// --working, the steps of the calculation.
#pragma once

#include <ostream>
#include <string>

#include "cli/calculator_command.h"

namespace quorin::cli {

void printOutcomeText(std::ostream& out, const std::string& calculator, const Outcome& outcome);

// The "working" array of the JSON object: label, subject (when the step
// has one), inputs by name, the rule as text and the value.
nlohmann::ordered_json workingJson(const Working& working);

}  // namespace quorin::cli
