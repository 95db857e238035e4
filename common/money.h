// Rounding and display of rand amounts, percentages and rates.
// Amounts are doubles throughout; nothing here changes a stored figure,
// it only rounds where a calculation says so or formats for display.
#pragma once

#include <string>

namespace quorin {

// Whole number nearest to v, an exact half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// v rounded to the given number of decimals exactly as printf("%.*f")
// rounds it (half to even on the binary value), read back as a double.
double roundAsShown(double v, int decimals);

// Integer part towards minus infinity.
double truncateDown(double v);

// "0.00"-style text: fixed decimals, dot decimal, no grouping.
std::string formatFixed(double v, int decimals);

// "### ### ##0.00"-style text: fixed decimals, dot decimal, thousands
// grouped with a space, whatever the desktop locale.
std::string formatGrouped(double v, int decimals);

// Shortest text that reads back as the same double ("30000", "0.1"):
// plain decimals from 1e-6 up to 1e16, exponent form outside.
std::string formatShortest(double v);

// The same text written into [first, last) (room for 64 characters);
// returns the end of what was written.
char* writeShortest(char* first, char* last, double v);

}  // namespace quorin
