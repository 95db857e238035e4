// Day numbers: whole days counted from 30 December 1899 (day 0), so
// 45717 is 1 March 2025 and -36522 is 1 January 1800. Shown as dd/mm/yyyy.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorin {

struct CalendarDate {
  int year = 1899;
  int month = 12;
  int day = 30;
};

inline constexpr int kTaxYearStart = 45717;  // 01/03/2025
inline constexpr int kTaxYearEnd = 46081;    // 28/02/2026
inline constexpr int kDayNotEntered = -36522;  // 01/01/1800

// Day number of a valid calendar date (no range check beyond validity).
std::optional<int> dayNumber(int year, int month, int day);
CalendarDate calendarDate(int dayNumber);

// "dd/mm/yyyy".
std::string formatDay(int dayNumber);

// Reads "dd/mm/yyyy" (also d/m/yyyy, and ddmmyyyy typed without the
// slashes); nullopt for anything that is not a
// real calendar date.
std::optional<int> parseDay(std::string_view text);

}  // namespace quorin
