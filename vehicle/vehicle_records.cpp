#include "vehicle/vehicle_records.h"

#include <type_traits>
#include <variant>

namespace quorin {

namespace {

std::string yesNo(std::int16_t flag) { return flag == 1 ? "Yes" : "No"; }

void commonFields(FeedRecord& rec, const TravelAllowanceInput& in, const CarAllowanceResult& r,
                  const std::string& employeeName) {
  const DistanceSplit& s = r.split();
  rec.set("TPName", employeeName)
      .set("CARNO", std::int16_t{1})
      .set("mta01", in.car)
      .set("mta04", in.allowance)
      .set("mta05", in.closeKm)
      .set("mta06", in.openKm)
      .set("mta07", in.logBookKm)
      .set("tadeduction", r.claim())
      .set("MTD", s.total)
      .set("MBD", s.business)
      .set("mpd", s.priv);
}

void actualFields(FeedRecord& rec, const TravelAllowanceInput& in, const ActualCostClaim& a) {
  rec.set("mta08", in.fuel)
      .set("mta09", in.maintenance)
      .set("mta10", in.insurance)
      .set("mta11", in.other)
      .set("mta12", in.wearAndTear)
      .set("mta13", in.lease)
      .set("totcost", a.totalCosts)
      .set("pu", a.privateUse);
}

void deemedFields(FeedRecord& rec, const TravelAllowanceInput& in, const CarAllowanceResult& r) {
  const DeemedCostClaim& d = r.deemed;
  rec.set("mta03", in.value)
      .set("mta14", static_cast<double>(r.days))
      .set("cv", d.fixedCost)
      .set("fce", d.fixedPerKm)
      .set("fc", d.fuelPerKm)
      .set("mc", d.maintenancePerKm)
      .set("tatc", d.totalPerKmShown)
      .set("FCDet", std::string(in.includeFuel ? "Fuel costs" : "Fuel costs not included"))
      .set("MCDet", std::string(in.includeMaintenance ? "Maintenance costs" : "Maintenance costs not included"));
}

void dateFields(FeedRecord& rec, const TravelAllowanceInput& in) {
  rec.set("DateStart", formatDay(in.startDate)).set("DateEnd", formatDay(in.endDate));
}

FeedTableSchema tableOf(const FeedRecord& record, FeedTableSchema table) {
  table.name = record.table;
  for (const FeedField& f : record.fields) {
    const FeedType type = std::visit(
        [](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, std::int16_t>) return FeedType::Int16;
          else if constexpr (std::is_same_v<V, std::int32_t>) return FeedType::Int32;
          else if constexpr (std::is_same_v<V, float>) return FeedType::Single;
          else if constexpr (std::is_same_v<V, double>) return FeedType::Double;
          else if constexpr (std::is_same_v<V, std::string>) return FeedType::Text;
          else return FeedType::Bool;
        },
        f.value);
    bool known = false;
    for (const FeedColumn& c : table.columns) known = known || c.name == f.name;
    if (!known) table.columns.push_back({f.name, type});
  }
  return table;
}

}  // namespace

std::vector<VehicleFigure> carAllowanceWindowFigures(const CarAllowanceResult& r) {
  const DeemedCostClaim& d = r.deemed;
  const ActualCostClaim& a = r.actual;
  return {{"silgEdit12", static_cast<double>(r.days)},
          {"numDBusKm", d.split.business},
          {"numDPrivKm", d.split.priv},
          {"numDTotKm", d.split.total},
          {"numDFixedCost", d.fixedCost},
          {"numDFixedPerKm", d.fixedPerKm},
          {"numDFuelPerKm", d.fuelPerKm},
          {"numDMaintPerKm", d.maintenancePerKm},
          {"numDTotalPerKm", d.totalPerKmShown},
          {"numDClaim", d.claim},
          {"numABusKm", a.split.business},
          {"numAPrivKm", a.split.priv},
          {"numATotKm", a.split.total},
          {"numATravelExp", a.totalCosts},
          {"numAPrivUse", a.privateUse},
          {"numAClaim", a.claim},
          {"numAClaim2", a.claim}};
}

const char* carAllowanceReport(const TravelAllowanceInput& in) {
  return in.RecordsKept == 1 ? kActualCostReport : kDeemedCostReport;
}

FeedRecord travelDeductionRecord(const TravelAllowanceInput& in, const CarAllowanceResult& r,
                                 const std::string& employeeName) {
  FeedRecord rec{"traveldeduction", {}};
  commonFields(rec, in, r, employeeName);
  if (r.method == 1)
    actualFields(rec, in, r.actual);
  else
    deemedFields(rec, in, r);
  dateFields(rec, in);
  return rec;
}

std::vector<FeedField> compcarTotals(const CompanyCarRun& run) {
  return {{"TotAdjustTaxableInc", run.TotAdjustTaxableInc}, {"TotAdjustTaxableIncSARS", run.TotAdjustTaxableIncSARS}};
}

FeedRows compcarRows(const CompanyCarRegister& reg, const CompanyCarRun& run) {
  FeedRows rows{"compcar", {}};
  const int n = reg.count();
  rows.rows.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    const CompanyCarRecord& c = reg.vehicle(i);
    const CompanyCarFigures& f = run.of(i);
    FeedRecord row{"compcar", {}};
    row.fields.reserve(44);
    row.set("CarNum", static_cast<std::int16_t>(i))
        .set("CMVMaxNum", static_cast<std::int16_t>(n))
        .set("CCRegNumber", c.CCRegNumber)
        .set("CCMake", c.CCMake)
        .set("CCModel", c.CCModel)
        .set("CCPrice", c.CCPrice)
        .set("MaintIncluded", yesNo(c.MaintIncluded))
        .set("CCMonths", f.CCMonths)
        .set("EndMileage", c.EndMileage)
        .set("StartMileage", c.StartMileage)
        .set("TotalDistance", c.TotalDistance)
        .set("BusDistance", c.BusDistance)
        .set("ActualExpEmployee", c.ActualExpEmployee)
        .set("SARSTable", yesNo(c.SARSTable))
        .set("FuelReimbEmployer", c.FuelReimbEmployer)
        .set("EmpPaidInsurance", c.EmpPaidInsurance)
        .set("EmpPaidLicence", c.EmpPaidLicence)
        .set("EmpPaidMaintenance", c.EmpPaidMaintenance)
        .set("Actual3802", reg.Actual3802)
        .set("FB3802ThisCar", c.FB3802ThisCar)
        .set("AdjustTaxableInc", c.AdjustTaxableInc)
        .set("SARSDeductionClaim", f.SARSDeductionClaim)
        .set("TrueInclusion", c.CCPrice == 0 ? 0.0 : f.TrueInclusion)
        .set("PrivateDistance", f.PrivateDistance)
        .set("FuelComponent", c.FuelComponent)
        .set("Arr_FuelClaim", f.Arr_FuelClaim)
        .set("TotAddExpense", f.TotAddExpense)
        .set("FuelExp", f.FuelExp)
        .set("BussMilage", yesNo(c.BussMilage))
        .set("YearOfManfact", c.YearOfManfact)
        .set("CCStartDate", formatDay(c.CCStartDate))
        .set("CCEndDate", formatDay(c.CCEndDate))
        .set("IRP53802", f.IRP53802)
        .set("MonFB80", f.MonFB80)
        .set("MonFB20", f.MonFB20)
        .set("FortFB80", f.FortFB80)
        .set("FortFB20", f.FortFB20)
        .set("WeekFB80", f.WeekFB80)
        .set("WeekFB20", f.WeekFB20);
    rows.rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<FeedTableSchema> vehicleFeedTables() {
  const TravelAllowanceInput in;
  CarAllowanceResult deemed;
  CarAllowanceResult actual;
  actual.method = 1;
  FeedTableSchema travel = tableOf(travelDeductionRecord(in, deemed, ""), {});
  travel = tableOf(travelDeductionRecord(in, actual, ""), travel);

  // The rows have the same fields in every year.
  const tax::TaxYear& anyYear = tax::TaxYear2026();
  CompanyCarRegister one;
  one.Add(anyYear);
  const CompanyCarRun run = CompCarCalc(one, anyYear);
  FeedTableSchema compcar = tableOf(compcarRows(one, run).rows.front(), {});
  compcar.multiRow = true;
  return {travel, compcar};
}

}  // namespace quorin
