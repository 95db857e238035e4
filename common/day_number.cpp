#include "common/day_number.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace quorin {

namespace {
constexpr std::chrono::sys_days kEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};
}

std::optional<int> dayNumber(int year, int month, int day) {
  using namespace std::chrono;
  year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                     std::chrono::day{static_cast<unsigned>(day)}};
  if (month < 1 || month > 12 || day < 1 || day > 31 || !ymd.ok()) return std::nullopt;
  return static_cast<int>((sys_days{ymd} - kEpoch).count());
}

CalendarDate calendarDate(int n) {
  using namespace std::chrono;
  year_month_day ymd{kEpoch + days{n}};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string formatDay(int n) {
  CalendarDate d = calendarDate(n);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day, d.month, d.year);
  return buf;
}

std::optional<int> parseDay(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  // Eight digits typed without the slashes fill the dd/mm/yyyy mask.
  if (text.size() == 8 && text.find_first_not_of("0123456789") == std::string_view::npos) {
    const auto piece = [text](std::size_t at, std::size_t length) {
      int v = 0;
      std::from_chars(text.data() + at, text.data() + at + length, v);
      return v;
    };
    if (piece(4, 4) < 1000) return std::nullopt;
    return dayNumber(piece(4, 4), piece(2, 2), piece(0, 2));
  }
  int parts[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    auto sep = i < 2 ? text.find('/') : text.size();
    if (sep == std::string_view::npos || sep == 0) return std::nullopt;
    std::string_view piece = text.substr(0, sep);
    if (piece.size() > (i == 2 ? 4u : 2u)) return std::nullopt;
    auto [ptr, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), parts[i]);
    if (ec != std::errc{} || ptr != piece.data() + piece.size()) return std::nullopt;
    text = i < 2 ? text.substr(sep + 1) : std::string_view{};
  }
  if (parts[2] < 1000) return std::nullopt;
  return dayNumber(parts[2], parts[1], parts[0]);
}

}  // namespace quorin
