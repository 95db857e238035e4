#include "vehicle/vehicle_fields.h"

#include <map>
#include <stdexcept>

#include "payperiod/payperiod_fields.h"

namespace quorin {

namespace {

using Limits = std::map<std::string, FieldLimit, std::less<>>;

constexpr double kLargestWhole = 999999999;

FieldLimit whole() { return FieldLimit{FieldKind::Whole, 0, kLargestWhole, 0}; }
FieldLimit text(int length) { return FieldLimit{FieldKind::Text, 0, 0, 0, length}; }

const FieldLimit& find(const Limits& limits, const char* window, std::string_view field) {
  auto it = limits.find(field);
  if (it == limits.end()) throw std::out_of_range(std::string(window) + " has no field " + std::string(field));
  return it->second;
}

}  // namespace

const FieldLimit& carAllowanceFieldLimit(std::string_view field) {
  static const Limits limits = [] {
    Limits l{{"Text1", text(50)}};
    for (int i = 1; i <= 11; ++i) l["silgEdit" + std::to_string(i)] = whole();
    return l;
  }();
  return find(limits, "frmCarAll1", field);
}

const FieldLimit& companyCarFieldLimit(std::string_view field) {
  static const Limits limits = [] {
    Limits l{{"txtCCRegNumber", text(20)},
             {"txtCCMake", text(30)},
             {"txtCCModel", text(30)},
             {"txtYearOfManfact", text(10)}};
    for (const char* name :
         {"numCCPrice", "numStartMileage", "numEndMileage", "numTotalDistance", "numBusDistance",
          "numActualExpEmployee", "numFuelReimbEmployer", "numEmpPaidInsurance", "numEmpPaidLicence",
          "numEmpPaidMaintenance", "numFB3802ThisCar", "numActual3802"})
      l[name] = whole();
    return l;
  }();
  return find(limits, "frmCompCar", field);
}

const std::vector<RegisterKey>& companyCarInputKeys() {
  using R = CompanyCarRecord;
  using K = RegisterKeyKind;
  const auto text = [](const char* key, const char* field, std::string R::*m) {
    return RegisterKey{key, field, K::Text, m};
  };
  const auto whole = [](const char* key, const char* field, double R::*m) {
    return RegisterKey{key, field, K::Whole, nullptr, m};
  };
  const auto flag = [](const char* key, const char* field, std::int16_t R::*m) {
    return RegisterKey{key, field, K::Flag, nullptr, nullptr, m};
  };
  const auto date = [](const char* key, const char* field, std::int32_t R::*m) {
    return RegisterKey{key, field, K::Date, nullptr, nullptr, nullptr, m};
  };
  static const std::vector<RegisterKey> keys = {
      text("CCRegNumber", "txtCCRegNumber", &R::CCRegNumber),
      text("CCMake", "txtCCMake", &R::CCMake),
      text("CCModel", "txtCCModel", &R::CCModel),
      text("YearOfManfact", "txtYearOfManfact", &R::YearOfManfact),
      whole("CCPrice", "numCCPrice", &R::CCPrice),
      flag("MaintIncluded", "chkMaintIncluded", &R::MaintIncluded),
      date("CCStartDate", "dtCCStartDate", &R::CCStartDate),
      date("CCEndDate", "dtCCEndDate", &R::CCEndDate),
      whole("StartMileage", "numStartMileage", &R::StartMileage),
      whole("EndMileage", "numEndMileage", &R::EndMileage),
      whole("TotalDistance", "numTotalDistance", &R::TotalDistance),
      whole("BusDistance", "numBusDistance", &R::BusDistance),
      flag("BussMilage", "chkBussMilage", &R::BussMilage),
      whole("ActualExpEmployee", "numActualExpEmployee", &R::ActualExpEmployee),
      flag("SARSTable", "chkSARSTable", &R::SARSTable),
      whole("FuelReimbEmployer", "numFuelReimbEmployer", &R::FuelReimbEmployer),
      whole("EmpPaidInsurance", "numEmpPaidInsurance", &R::EmpPaidInsurance),
      whole("EmpPaidLicence", "numEmpPaidLicence", &R::EmpPaidLicence),
      whole("EmpPaidMaintenance", "numEmpPaidMaintenance", &R::EmpPaidMaintenance),
      whole("FB3802ThisCar", "numFB3802ThisCar", &R::FB3802ThisCar),
  };
  return keys;
}

FieldLimit vehicleStartDateLimit(int endDate, const tax::TaxYear& year) { return StartDateLimit(endDate, year); }
FieldLimit vehicleEndDateLimit(int startDate, const tax::TaxYear& year) {
  return EndDateLimit(startDate, startDate, year);
}

std::optional<Refusal> checkVehicleDates(const std::string& startField, int startDate, const std::string& endField,
                                         int endDate, const tax::TaxYear& year) {
  if (auto r = checkLimit(startField, vehicleStartDateLimit(year.lastDay, year), startDate)) return r;
  return checkLimit(endField, vehicleEndDateLimit(startDate, year), endDate);
}

std::string compCarDatesMessage(const tax::TaxYear& year) {
  return "The dates entered are not correct please enter a dates between " + formatDay(year.firstDay) + " and " +
         formatDay(year.lastDay);
}

std::optional<Refusal> checkSinglePayment(const std::string& field, double value, double other) {
  if (value > 0 && other >= 1)
    return Refusal{"Single Payment", "Only one amount for either Wear & Tear or Lease payments will be accepted", field};
  return std::nullopt;
}

}  // namespace quorin
