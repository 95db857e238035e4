// quorin-cli loans, loan-buster, loan-comparison, inflation and daily-balance.
#include "cli/calculator_command.h"

namespace quorin::cli {

void addFinanceCalculators(std::vector<Calculator>&) {}

}  // namespace quorin::cli
