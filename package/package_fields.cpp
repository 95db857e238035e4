#include "package/package_fields.h"

namespace quorin {

namespace {

FieldLimit whole(double maximum) { return FieldLimit{FieldKind::Whole, 0, maximum, 0}; }
FieldLimit cents(double maximum) { return FieldLimit{FieldKind::Amount, 0, maximum, 2}; }
FieldLimit percent() { return FieldLimit{FieldKind::Amount, 0, 100, 3}; }
FieldLimit text(int length) { return FieldLimit{FieldKind::Text, 0, 0, 0, length}; }

constexpr double kAge = 999;
constexpr double kPeople = 99;
constexpr double kBeneficiaryMonths = 999;
constexpr double kMonthlyRand = 999999999.99;
constexpr double kAnnualRand = 9999999999.99;
constexpr double kCarValue = 999999999.99;

}  // namespace

std::string OtherDetText(int row) { return "txtOtherDet_" + std::to_string(row); }
std::string OtherDetAmount(int row) { return "numOtherDet_" + std::to_string(row); }
std::string OtherDetCompanyCost(int row) { return "numOtherDetCC_" + std::to_string(row); }

PackageLimits PackageFieldLimits(PackageKind kind) {
  const FieldLimit amount = cents(isAnnual(kind) ? kAnnualRand : kMonthlyRand);
  PackageLimits limits{
      {kPkgAge, whole(kAge)},
      {kPkgAmount, amount},
      {kPkgCarValue, cents(kCarValue)},
      {kPkgTravel, amount},
      {kPkgMedical, amount},
      {kPkgBeneficiaries, whole(isAnnual(kind) ? kBeneficiaryMonths : kPeople)},
      {kPkgAddBens, whole(kPeople)},
      {kPkgOtherFringe, amount},
      {kPkgMedDeduct, amount},
      {kPkgRADeduct, amount},
      {kPkgRFund, amount},
      {kPkgCCCar, amount},
      {kPkgCCMedical, amount},
      {kPkgCCRFund, amount},
      {"numPenContPerc", percent()},
      {"numPenPercentage", percent()},
      {"numEmpEUIF", percent()},
      {"numEmpRUIF", percent()},
      {"numSkillPercent", percent()},
      {"numUIFLimit", FieldLimit{FieldKind::Amount, 0, 999999, 0}},
      {kPkgNameField, text(50)},
  };
  for (int i = 0; i < kOtherExpenseRows; ++i) {
    limits[OtherDetText(i)] = text(50);
    limits[OtherDetAmount(i)] = amount;
    limits[OtherDetCompanyCost(i)] = amount;
  }
  return limits;
}

const char* AmountCaption(PackageKind kind) {
  switch (kind) {
    case PackageKind::VelmarMonthly:
    case PackageKind::VelmarAnnual: return "Total package amount";
    case PackageKind::QuorinMonthly: return "Net monthly salary required";
    case PackageKind::QuorinAnnual: break;
  }
  return "Net annual salary required";
}

const char* BeneficiariesCaption(PackageKind kind) {
  return isAnnual(kind) ? "Medical beneficiaries months" : "Med. aid fund beneficiaries";
}

}  // namespace quorin
