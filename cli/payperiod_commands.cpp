// quorin-cli monthly, weekly, fortnightly, daily and annual.
#include "cli/calculator_command.h"

namespace quorin::cli {

void addPayPeriodCalculators(std::vector<Calculator>&) {}

}  // namespace quorin::cli
