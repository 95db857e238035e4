// Day numbers for tests, written the way a clerk reads a date: day, month, year.
#pragma once

#include "common/day_number.h"

namespace quorin::test {

inline int day(int d, int m, int y) { return *dayNumber(y, m, d); }

}  // namespace quorin::test
