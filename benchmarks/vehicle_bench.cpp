// Speed of the company car valuation over a large register, of reading a
// register file and making its compcar rows, and of one travel allowance
// claim.
#include <benchmark/benchmark.h>

#include "vehicle/car_allowance.h"
#include "vehicle/company_car.h"
#include "vehicle/register_file.h"
#include "vehicle/vehicle_records.h"

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

// A register file as quorin-cli company-car --register reads it.
std::string registerText(int vehicles) {
  std::string text = "[";
  for (int i = 0; i < vehicles; ++i)
    text += std::string(i ? "," : "") + R"({"CCRegNumber": "CA )" + std::to_string(i) +
            R"(", "CCMake": "Make", "CCModel": "Model", "YearOfManfact": 2020, "CCPrice": )" +
            std::to_string(250000 + i) + R"(, "MaintIncluded": )" + std::to_string(i % 2) +
            R"(, "StartMileage": 1000, "EndMileage": 31000, "BusDistance": 20000, "BussMilage": 1,)"
            R"( "SARSTable": 1, "EmpPaidInsurance": 2000, "CCStartDate": "01/04/2025"})";
  return text + "]";
}

void BM_ReadRegisterJson(benchmark::State& state) {
  const std::string text = registerText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto read = readRegisterJson(text, tax::TaxYear2026());
    if (!std::holds_alternative<CompanyCarRegister>(read)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(read);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadRegisterJson)->Arg(1000)->Unit(benchmark::kMillisecond);

// The rows a print of the register writes into the compcar table.
void BM_CompcarRows(benchmark::State& state) {
  CompanyCarRegister reg = largeRegister(static_cast<int>(state.range(0)));
  const CompanyCarRun run = CompCarCalculate(reg, tax::TaxYear2026());
  for (auto _ : state) benchmark::DoNotOptimize(compcarRows(reg, run));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompcarRows)->Arg(1000)->Unit(benchmark::kMillisecond);

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
