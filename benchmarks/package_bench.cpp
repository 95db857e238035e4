// Speed of the salary packages: the net-to-gross search one rand at a time
// and fast (annual, net R 300 000, 2026 default settings), and one
// gross-to-net calculation as the Calculate button runs it.
#include <benchmark/benchmark.h>

#include "package/net_to_gross.h"
#include "package/salary_package.h"

namespace {

using namespace quorin;

NetToGrossModel annualDefaults() {
  const SettingsRecord s;
  NetToGrossModel m(tax::TaxYear2026());
  m.annual = true;
  m.rebate = 17235;
  m.uifCeiling = s.UIFLimit * 12;
  m.employeeUIFPercent = s.EmployeeUIF;
  m.employerUIFPercent = s.EmployerUIF;
  m.skillsLevyPercent = s.SkillLevy;
  return m;
}

void BM_NetToGross(benchmark::State& state, bool fast) {
  const NetToGrossModel m = annualDefaults();
  for (auto _ : state) {
    SearchOutcome out = fast ? SearchFast(m, 300000) : SearchOneRand(m, 300000);
    benchmark::DoNotOptimize(out);
    if (out.candidate != 359355) state.SkipWithError("wrong candidate");
  }
}
BENCHMARK_CAPTURE(BM_NetToGross, OneRand, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NetToGross, Fast, true)->Unit(benchmark::kMicrosecond);

// The whole Calculate of a net-to-gross window: credits, search, results.
void BM_NetToGrossCalculate(benchmark::State& state) {
  const SettingsRecord setup;
  PackageResult result;
  for (auto _ : state) {
    PackageInput in;
    in.age = 40;
    in.amount = 25000;
    in.medical = 2000;
    in.beneficiaries = 3;
    auto refusal = CalculatePackage(PackageKind::QuorinMonthly, in, setup, result, tax::TaxYear2026());
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_NetToGrossCalculate);

// Gross to net over a varied set of packages.
void BM_GrossToNet(benchmark::State& state) {
  std::vector<PackageInput> inputs;
  for (int i = 0; i < 1024; ++i) {
    PackageInput in;
    in.age = static_cast<std::int16_t>(20 + i % 60);
    in.amount = 5000 + (i * 7919) % 150000;
    in.carValue = i % 7 == 0 ? 350000 : 0;
    in.travelAllowance = i % 3 == 0 ? 2500 : 0;
    in.medical = i % 2 == 0 ? 1800 : 0;
    in.beneficiaries = static_cast<std::int16_t>(i % 5);
    in.rfund = i % 4 == 0 ? 1500 : 0;
    inputs.push_back(in);
  }
  const SettingsRecord setup;
  PackageResult result;
  std::size_t i = 0;
  for (auto _ : state) {
    PackageInput in = inputs[i++ & 1023];
    auto refusal = CalculatePackage(PackageKind::VelmarMonthly, in, setup, result, tax::TaxYear2026());
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GrossToNet);

}  // namespace
