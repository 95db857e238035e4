// What the vehicle calculators print: the traveldeduction record of the
// car allowance, the compcar rows of the company car register, their
// report files and preview titles, and the feed tables they fill.
#pragma once

#include <string>
#include <vector>

#include "report/feed_record.h"
#include "report/report_schema.h"
#include "vehicle/car_allowance.h"
#include "vehicle/company_car.h"

namespace quorin {

inline constexpr const char* kDeemedCostReport = "caepnrk.rpt";
inline constexpr const char* kActualCostReport = "caeprk.rpt";
inline constexpr const char* kCarAllowanceTitle =
    "Car Allowance - To export printout click on the suitcase button or goto Help";
inline constexpr const char* kCompCarReport = "compcar.rpt";
inline constexpr const char* kCompCarTitle =
    "Full use of Company Car - To export printout click on the suitcase button or goto Help";

// A result field of a window and the figure it shows.
struct VehicleFigure {
  const char* field;
  double value;
};

// frmCarAll1's result fields: the days (silgEdit12), the deemed-cost pane
// (numD...) and the actual-cost pane (numA..., the claim twice). The pane
// of the method not chosen shows zeros.
std::vector<VehicleFigure> carAllowanceWindowFigures(const CarAllowanceResult& r);

// The report file of the method: deemed cost "caepnrk.rpt", actual cost
// "caeprk.rpt".
const char* carAllowanceReport(const TravelAllowanceInput& in);

// The single row of traveldeduction: the common fields, then those of the
// chosen method (the other method's fields keep what the last print left).
// The log book km are as typed; the business km as used.
FeedRecord travelDeductionRecord(const TravelAllowanceInput& in, const CarAllowanceResult& r,
                                 const std::string& employeeName);

// One compcar row per vehicle, in register order.
FeedRows compcarRows(const CompanyCarRegister& reg, const CompanyCarRun& run);

// The register's totals as the window shows them under the vehicles
// (TotAdjustTaxableInc, TotAdjustTaxableIncSARS), printed below the rows.
std::vector<FeedField> compcarTotals(const CompanyCarRun& run);

// The traveldeduction and compcar tables, made from the records above so
// that the two cannot drift apart.
std::vector<FeedTableSchema> vehicleFeedTables();

}  // namespace quorin
