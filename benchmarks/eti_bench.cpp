// Speed of the Employment Tax Incentive: one month of one employee (checks
// and calculation, as the Calculate button runs them), against a year's
// tables as the windows and the command line hand it over.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/day_number.h"
#include "eti/eti.h"
#include "tax/tax_year_file.h"

namespace {

using namespace quorin;

const tax::TaxYear& year2026() {
  static const tax::TaxYearCatalogue years =
      tax::LoadTaxYears((std::filesystem::path(QUORIN_SOURCE_DIR) / "tax-years").string());
  return *years.find(2026);
}

// A varied payroll over the year: both tables, both bands, short months,
// birth dates and zones, some with the roll-over.
std::vector<EtiInput> payroll(const tax::TaxYear& year) {
  std::vector<EtiInput> list;
  for (int i = 0; i < 1024; ++i) {
    EtiInput in = DefaultEtiInput(year);
    in.month = year.eti.back().from + 31 * (i % 11);
    in.month -= calendarDate(in.month).day - 1;
    if (i % 7 == 0) in.month = year.firstDay;
    in.employmentStart = in.month - 30 * (i % 30);
    in.remuneration = 500 + (i * 7919) % 9000;
    if (i % 3 == 0) in.birthDate = in.month - 365 * (17 + i % 14);
    else if (i % 3 == 1) in.age = 18 + i % 13;
    else in.specialEconomicZone = true;
    if (i % 4 == 0) in.hours = 40 + i % 150;
    if (i % 5 == 0) in.minimumWage = 28.79;
    if (i % 2 == 0) {
      in.paye = 800;
      in.broughtForward = 100;
    }
    list.push_back(in);
  }
  return list;
}

void BM_Eti(benchmark::State& state) {
  const tax::TaxYear& year = year2026();
  const std::vector<EtiInput> inputs = payroll(year);
  EtiResult result;
  std::size_t i = 0;
  for (auto _ : state) {
    auto refusal = CalculateEti(inputs[i++ & 1023], year, result);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Eti);

}  // namespace
