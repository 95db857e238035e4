// quorin-cli car-allowance and company-car.
#include "cli/calculator_command.h"
#include "vehicle/register_file.h"
#include "vehicle/company_car.h"
#include "vehicle/vehicle_fields.h"
#include "vehicle/vehicle_records.h"

namespace quorin::cli {

namespace {

// Taken as text and checked in the run against the other date or a file.
const FieldLimit kCheckedInRun{FieldKind::Text};

Flag carFlag(const char* name, const char* field, const char* help) {
  return amountFlag(name, field, carAllowanceFieldLimit(field), help);
}

Calculator carAllowance() {
  Calculator c;
  c.name = "car-allowance";
  c.description = "Travel allowance: the deductible business use of a car by the deemed or the actual costs";
  c.flags = {
      choiceFlag("records-kept", "Option4", {"no", "yes"}, "accurate records kept: actual costs (yes) or deemed (no)"),
      carFlag("car", "Text1", "car description"),
      carFlag("value", "silgEdit1", "original value of the vehicle incl. VAT"),
      carFlag("allowance", "silgEdit2", "allowance received (0: no limit on the claim)"),
      carFlag("close-km", "silgEdit3", "closing km reading"),
      carFlag("open-km", "silgEdit4", "opening km reading"),
      carFlag("business-km", "silgEdit5", "business km from the log book"),
      carFlag("fuel", "silgEdit6", "fuel and oil"),
      carFlag("maintenance", "silgEdit7", "repairs and maintenance"),
      carFlag("insurance", "silgEdit8", "insurance and licence"),
      carFlag("other", "silgEdit9", "other expenses"),
      carFlag("wear-and-tear", "silgEdit10", "wear and tear"),
      carFlag("lease", "silgEdit11", "lease payments"),
      amountFlag("start", "dtCarAlStartDate", kCheckedInRun, "start date dd/mm/yyyy"),
      amountFlag("end", "dtCarAlEndDate", kCheckedInRun, "end date dd/mm/yyyy"),
      switchFlag("no-fuel", "Check1", "clear \"Include Fuel Costs\""),
      switchFlag("no-maintenance", "Check2", "clear \"Include Maintenance Costs\""),
  };
  c.usesTaxYear = true;
  c.printsName = true;
  c.showsWorking = true;
  c.run = [](const Inputs& in, Context& ctx) {
    const tax::TaxYear& year = ctx.year();
    TravelAllowanceInput& t = ctx.session.vehicles.carAllowance;
    t.car = in.text("car");
    t.RecordsKept = in.text("records-kept", "no") == "yes" ? 1 : 0;
    t.value = in.number("value");
    t.allowance = in.number("allowance");
    t.closeKm = in.number("close-km");
    t.openKm = in.number("open-km");
    t.logBookKm = in.number("business-km");
    t.fuel = in.number("fuel");
    t.maintenance = in.number("maintenance");
    t.insurance = in.number("insurance");
    t.other = in.number("other");
    t.wearAndTear = in.number("wear-and-tear");
    t.lease = in.number("lease");
    t.includeFuel = in.has("no-fuel") ? 0 : 1;
    t.includeMaintenance = in.has("no-maintenance") ? 0 : 1;
    Outcome out;
    int start = year.firstDay;
    int end = year.lastDay;
    if ((out.refusal = readDate(in, "start", "dtCarAlStartDate", year.firstDay, year.lastDay,
                                [&] { return vehicleStartDateLimit(year.lastDay, year); }, start)))
      return out;
    if ((out.refusal = readDate(in, "end", "dtCarAlEndDate", start, year.lastDay,
                                [&] { return vehicleEndDateLimit(start, year); }, end)))
      return out;
    t.startDate = start;
    t.endDate = end;
    if ((out.refusal = checkSinglePayment("silgEdit11", t.lease, t.wearAndTear))) return out;

    const CarAllowanceResult r = CarAllowanceCalc(t, year, ctx.workingOf(out));
    for (const VehicleFigure& f : carAllowanceWindowFigures(r)) putWindow(out, ctx, f.field, f.value);
    if (ctx.windowOnly) return out;
    const DistanceSplit& s = r.split();
    out.detail["Days"] = r.days;
    out.detail["BusinessKm"] = s.business;
    out.detail["PrivateKm"] = s.priv;
    out.detail["TotalKm"] = s.total;
    out.detail["FixedCost"] = r.deemed.fixedCost;
    out.detail["FixedCostPerKm"] = r.deemed.fixedPerKm;
    out.detail["FuelPerKm"] = r.deemed.fuelPerKm;
    out.detail["MaintenancePerKm"] = r.deemed.maintenancePerKm;
    out.detail["TotalPerKm"] = r.deemed.totalPerKm;
    out.detail["TotalCosts"] = r.actual.totalCosts;
    out.detail["PrivateUse"] = r.actual.privateUse;
    out.detail["Claim"] = r.claim();
    out.detail["LogBookCut"] = r.logBookCut();
    out.record = travelDeductionRecord(t, r, ctx.name);
    out.reportFile = carAllowanceReport(t);
    return out;
  };
  return c;
}

nlohmann::ordered_json vehicleJson(const CompanyCarRecord& car, const CompanyCarFigures& f) {
  nlohmann::ordered_json j;
  j["CCMonths"] = f.CCMonths;
  j["TotalDistance"] = car.TotalDistance;
  j["BusDistance"] = car.BusDistance;
  j["PrivateDistance"] = f.PrivateDistance;
  j["FB3802ThisCar"] = car.FB3802ThisCar;
  j["TrueInclusion"] = f.TrueInclusion;
  j["FuelComponent"] = car.FuelComponent;
  j["Arr_FuelClaim"] = f.Arr_FuelClaim;
  j["TotAddExpense"] = f.TotAddExpense;
  j["FuelExp"] = f.FuelExp;
  j["AdjustTaxableInc"] = car.AdjustTaxableInc;
  j["SARSDeductionClaim"] = f.SARSDeductionClaim;
  j["IRP53802"] = f.IRP53802;
  j["MonFB80"] = f.MonFB80;
  j["MonFB20"] = f.MonFB20;
  j["FortFB80"] = f.FortFB80;
  j["FortFB20"] = f.FortFB20;
  j["WeekFB80"] = f.WeekFB80;
  j["WeekFB20"] = f.WeekFB20;
  return j;
}

Calculator companyCar() {
  Calculator c;
  c.name = "company-car";
  c.description = "Company car fringe benefit over a register of vehicles, with the IRP5 code 3802 split";
  c.flags = {
      amountFlag("register", "register", kCheckedInRun, "JSON file: an array of vehicles keyed by the compcar names"),
      amountFlag("actual-3802", "numActual3802", companyCarFieldLimit("numActual3802"),
                 "total code 3802 fringe benefits on the IRP5s"),
      choiceFlag("auto-split", "chkAutoCalc3802", {"on", "off"},
                 "split the 3802 total by days (default: on with more than one vehicle)"),
      amountFlag("current", "current", FieldLimit{FieldKind::Whole, 1, CompanyCarRegister::kMaxVehicles, 0},
                 "the vehicle on screen (default 1)"),
  };
  c.usesTaxYear = true;
  c.showsWorking = true;
  c.run = [](const Inputs& in, Context& ctx) {
    Outcome out;
    const tax::TaxYear& year = ctx.year();
    CompanyCarRegister& reg = ctx.session.vehicles.companyCars;
    if (in.has("register")) {
      auto read = readRegisterFile(in.text("register"), year);
      if (auto* f = std::get_if<RegisterFileFault>(&read)) {
        out.failure = std::move(f->message);
        return out;
      }
      if (auto* r = std::get_if<Refusal>(&read)) {
        out.refusal = std::move(*r);
        return out;
      }
      reg = std::move(std::get<CompanyCarRegister>(read));
    }
    reg.Actual3802 = in.number("actual-3802");
    reg.AutoCalc3802 = in.has("auto-split") ? in.text("auto-split") == "on" : reg.count() > 1;
    if (in.has("current") && !reg.show(in.whole("current"))) {
      out.refusal = Refusal{"Incorrect Value",
                            "--current must name a vehicle of the register, 1 to " + std::to_string(reg.count()),
                            "current"};
      return out;
    }
    const CompanyCarRun run = CompCarCalculate(reg, year, ctx.workingOf(out));
    out.window["numTotAdjustTaxableInc"] = run.TotAdjustTaxableInc;
    out.window["numTotAdjustTaxableIncSARS"] = run.TotAdjustTaxableIncSARS;
    if (ctx.windowOnly) return out;
    nlohmann::ordered_json vehicles = nlohmann::ordered_json::array();
    for (int i = 1; i <= reg.count(); ++i) vehicles.push_back(vehicleJson(reg.vehicle(i), run.of(i)));
    out.detail["vehicles"] = std::move(vehicles);
    if (!reg.empty()) out.rows = compcarRows(reg, run);  // Print needs a vehicle
    out.printExtras = compcarTotals(run);
    out.reportFile = kCompCarReport;
    return out;
  };
  return c;
}

}  // namespace

void addVehicleCalculators(std::vector<Calculator>& list) {
  list.push_back(carAllowance());
  list.push_back(companyCar());
}

}  // namespace quorin::cli
