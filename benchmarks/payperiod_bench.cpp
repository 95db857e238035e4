// Speed of the pay-period method: one monthly calculation (checks and
// calculation, as the Calculate button runs them), and the other kinds.
#include <benchmark/benchmark.h>

#include "payperiod/annual_tax.h"
#include "payperiod/period_tax.h"

namespace {

using namespace quorin;

// A varied payroll so that the scale's brackets and the branches are not
// all the same from one call to the next.
std::vector<PeriodPayInput> payroll(PeriodKind kind) {
  std::vector<PeriodPayInput> list;
  for (int i = 0; i < 1024; ++i) {
    PeriodPayInput in = DefaultPeriodPayInput(kind, tax::TaxYear2026());
    in.age = static_cast<std::int16_t>(20 + i % 60);
    in.salary = 3000 + (i * 7919) % 150000;
    in.bonus = i % 4 == 0 ? 5000 : 0;
    in.travelAllowance = i % 3 == 0 ? 2500 : 0;
    in.employerRFund = i % 5 == 0 ? 1500 : 0;
    in.employeeRFund = i % 5 == 0 ? 1200 : 0;
    in.employeeMedAid = i % 2 == 0 ? 1800 : 0;
    in.beneficiaries = static_cast<std::int16_t>(i % 6);
    if (kind == PeriodKind::Monthly) {
      in.startDate = kTaxYearStart + 92;  // 01/06/2025
      in.endDate = in.startDate + 14 + i % 16;
    }
    list.push_back(in);
  }
  return list;
}

void BM_Period(benchmark::State& state, PeriodKind kind) {
  const std::vector<PeriodPayInput> inputs = payroll(kind);
  const SettingsRecord setup;
  // The year in use, as the windows and the command line hand it over.
  const tax::TaxYear& year = tax::TaxYear2026();
  PeriodTaxResult result;
  std::size_t i = 0;
  for (auto _ : state) {
    auto refusal = CalculatePeriod(kind, inputs[i++ & 1023], setup, result, year);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_Period, Monthly, PeriodKind::Monthly);
BENCHMARK_CAPTURE(BM_Period, Weekly, PeriodKind::Weekly);
BENCHMARK_CAPTURE(BM_Period, Daily, PeriodKind::Daily);

// The same with the working recorded, as a window or --working asks for it.
void BM_PeriodWithWorking(benchmark::State& state) {
  const std::vector<PeriodPayInput> inputs = payroll(PeriodKind::Monthly);
  const SettingsRecord setup;
  const tax::TaxYear& year = tax::TaxYear2026();
  PeriodTaxResult result;
  Working working;
  std::size_t i = 0;
  for (auto _ : state) {
    auto refusal = CalculatePeriod(PeriodKind::Monthly, inputs[i++ & 1023], setup, result, year, &working);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(working);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PeriodWithWorking);

void BM_Annual(benchmark::State& state) {
  AnnualPayInput in;
  in.age = 40;
  in.salary = 360000;
  in.travelAllowance = 12000;
  in.employeeMedAid = 24000;
  in.monthBeneficiaries.fill(3);
  in.endDate = kTaxYearStart + 183;
  const SettingsRecord setup;
  const tax::TaxYear& year = tax::TaxYear2026();
  AnnualTaxResult result;
  for (auto _ : state) {
    auto refusal = CalculateAnnual(in, setup, result, year);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Annual);

}  // namespace
