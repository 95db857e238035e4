// Today's date as the whole program sees it: the year in force of the
// windows and of the command line is chosen by this one clock. The
// machine's local date, unless the environment names another day
// (QUORIN_TODAY=dd/mm/yyyy, for scripted checks) or a test sets the clock.
#pragma once

#include <functional>

namespace quorin {

// Today as a day number (common/day_number.h).
int today();

// Replaces the clock; an empty function gives the machine's date back.
void setClock(std::function<int()> clock);

}  // namespace quorin
