#include "common/clock.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "common/day_number.h"

namespace quorin {

namespace {

std::function<int()>& clock() {
  static std::function<int()> set;
  return set;
}

int machineToday() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return dayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
}

}  // namespace

int today() {
  if (clock()) return clock()();
  if (const char* named = std::getenv("QUORIN_TODAY"))
    if (auto day = parseDay(named)) return *day;
  return machineToday();
}

void setClock(std::function<int()> c) { clock() = std::move(c); }

}  // namespace quorin
