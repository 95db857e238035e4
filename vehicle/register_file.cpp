#include "vehicle/register_file.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "common/day_number.h"
#include "common/quoted_text.h"
#include "common/regular_file.h"
#include "vehicle/vehicle_fields.h"

namespace quorin {

namespace {

using nlohmann::json;

Refusal named(Refusal r, int vehicle, const std::string& key) {
  r.message = "Vehicle " + std::to_string(vehicle) + ", " + key + ": " + r.message;
  return r;
}

Refusal wrongKind(int vehicle, const RegisterKey& k, const char* wanted) {
  return named(Refusal{"Incorrect Value", std::string("must be ") + wanted, k.field}, vehicle, k.key);
}

// One key of one vehicle into the record; the refusal when its value does not fit.
std::optional<Refusal> readKey(const RegisterKey& k, const json& v, int vehicle, CompanyCarRecord& car) {
  switch (k.kind) {
    case RegisterKeyKind::Text: {
      std::string text;
      if (v.is_string())
        text = v.get<std::string>();
      else if (v.is_number_unsigned())  // kept as its digits, however large
        text = std::to_string(v.get<std::uint64_t>());
      else if (v.is_number_integer())
        text = std::to_string(v.get<std::int64_t>());
      else
        return wrongKind(vehicle, k, "a text");
      double unused = 0;
      if (auto r = checkText(k.field, companyCarFieldLimit(k.field), text, unused)) return named(*r, vehicle, k.key);
      car.*k.text = text;
      return std::nullopt;
    }
    case RegisterKeyKind::Whole: {
      if (!v.is_number()) return wrongKind(vehicle, k, "a whole number");
      const double value = v.get<double>();
      if (auto r = checkLimit(k.field, companyCarFieldLimit(k.field), value)) return named(*r, vehicle, k.key);
      car.*k.amount = value;
      return std::nullopt;
    }
    case RegisterKeyKind::Flag: {
      if (v.is_boolean()) {
        car.*k.flag = v.get<bool>() ? 1 : 0;
        return std::nullopt;
      }
      if (!v.is_number() || (v.get<double>() != 0 && v.get<double>() != 1))
        return wrongKind(vehicle, k, "0 or 1 (or true or false)");
      car.*k.flag = static_cast<std::int16_t>(v.get<double>());
      return std::nullopt;
    }
    case RegisterKeyKind::Date: {
      if (!v.is_string()) return wrongKind(vehicle, k, "a date dd/mm/yyyy");
      auto day = parseDay(v.get<std::string>());
      if (!day) return wrongKind(vehicle, k, "a date dd/mm/yyyy");
      car.*k.date = *day;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

std::variant<CompanyCarRegister, Refusal> readRegisterJson(const std::string& text, const tax::TaxYear& year) {
  json doc = json::parse(text, nullptr, false);
  if (doc.is_discarded())
    return Refusal{"Incorrect Value", "The register file is not valid JSON", "register"};
  if (!doc.is_array())
    return Refusal{"Incorrect Value", "The register file must hold an array of vehicles", "register"};
  if (doc.size() > static_cast<std::size_t>(CompanyCarRegister::kMaxVehicles))
    return Refusal{"Incorrect Value", "The register holds at most 32767 vehicles", "register"};

  CompanyCarRegister reg;
  const auto& keys = companyCarInputKeys();
  int vehicle = 0;
  for (const json& entry : doc) {
    ++vehicle;
    if (!entry.is_object())
      return Refusal{"Incorrect Value", "Vehicle " + std::to_string(vehicle) + " is not an object", "register"};
    CompanyCarRecord car;
    car.CCStartDate = year.firstDay;
    car.CCEndDate = year.lastDay;
    for (const auto& [key, value] : entry.items()) {
      const RegisterKey* k = nullptr;
      for (const RegisterKey& candidate : keys)
        if (key == candidate.key) k = &candidate;
      if (!k)
        return Refusal{"Incorrect Value",
                       "Vehicle " + std::to_string(vehicle) + ", " + shortenedText(key) + ": unknown key", "register"};
      if (auto r = readKey(*k, value, vehicle, car)) return *r;
    }
    if (auto r = checkVehicleDates("dtCCStartDate", car.CCStartDate, "dtCCEndDate", car.CCEndDate, year))
      return named(*r, vehicle, r->field == "dtCCStartDate" ? "CCStartDate" : "CCEndDate");
    reg.vehicles().push_back(std::move(car));
  }
  if (!reg.empty()) reg.show(1);
  return reg;
}

std::variant<CompanyCarRegister, Refusal, RegisterFileFault> readRegisterFile(const std::string& path,
                                                                            const tax::TaxYear& year) {
  RegularFileRead file = readRegularFile(path, kMaxRegisterFileBytes);
  if (file.problem) return RegisterFileFault{"The register file " + path + " cannot be read: " + *file.problem};
  auto read = readRegisterJson(file.text, year);
  if (auto* r = std::get_if<Refusal>(&read)) return std::move(*r);
  return std::move(std::get<CompanyCarRegister>(read));
}

}  // namespace quorin
