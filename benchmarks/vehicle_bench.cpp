// Speed of the company car valuation over a large register, and of one
// travel allowance claim.
#include <benchmark/benchmark.h>

#include "vehicle/car_allowance.h"
#include "vehicle/company_car.h"

namespace {

using namespace quorin;

CompanyCarRegister largeRegister(int vehicles) {
  CompanyCarRegister reg;
  for (int i = 0; i < vehicles; ++i) {
    CompanyCarRecord c;
    c.CCRegNumber = "CA " + std::to_string(i);
    c.CCPrice = 80000 + (i * 7919) % 900000;
    c.MaintIncluded = static_cast<std::int16_t>(i % 2);
    c.CCStartDate = kTaxYearStart + i % 100;
    c.BussMilage = static_cast<std::int16_t>(i % 3 != 0);
    c.StartMileage = 1000 * (i % 40);
    c.EndMileage = c.StartMileage + 5000 + (i * 37) % 40000;
    c.BusDistance = (i * 53) % 30000;
    c.SARSTable = static_cast<std::int16_t>(i % 4 == 0);
    c.ActualExpEmployee = i % 4 == 0 ? 0 : 9000;
    c.EmpPaidInsurance = i % 5 == 0 ? 6000 : 0;
    reg.vehicles().push_back(c);
  }
  reg.show(1);
  reg.Actual3802 = 50000.0 * vehicles;
  reg.AutoCalc3802 = 1;
  return reg;
}

void BM_CompCarCalc(benchmark::State& state) {
  CompanyCarRegister reg = largeRegister(static_cast<int>(state.range(0)));
  CompanyCarRun run;
  for (auto _ : state) {
    CompCarCalc(reg, run, tax::TaxYear2026());
    benchmark::DoNotOptimize(run.TotAdjustTaxableInc);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompCarCalc)->Arg(50)->Arg(1000);

void BM_CarAllowanceCalc(benchmark::State& state) {
  TravelAllowanceInput in;
  in.value = 300000;
  in.closeKm = 30000;
  in.logBookKm = 20000;
  for (auto _ : state) {
    in.RecordsKept = static_cast<std::int16_t>(!in.RecordsKept);
    benchmark::DoNotOptimize(CarAllowanceCalc(in, tax::TaxYear2026()).claim());
  }
}
BENCHMARK(BM_CarAllowanceCalc);

}  // namespace
