// The entry fields of the four salary package windows by field name, with
// their limits, shared by the windows and the command line so that both
// refuse the same values with the same words.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "package/salary_package.h"
#include "common/field_limits.h"

namespace quorin {

using PackageLimits = std::map<std::string, FieldLimit, std::less<>>;

// Employee column.
inline constexpr const char* kPkgAge = "numAge";
inline constexpr const char* kPkgAmount = "numNetMonSalReq";
inline constexpr const char* kPkgCarValue = "numCompCar";
inline constexpr const char* kPkgTravel = "numTravAll";
inline constexpr const char* kPkgMedical = "numMedAidCont";
inline constexpr const char* kPkgBeneficiaries = "numPMems";
inline constexpr const char* kPkgAddBens = "numAddBens";
inline constexpr const char* kPkgOtherFringe = "numOTaxFB";
inline constexpr const char* kPkgMedDeduct = "numMedDeduct";
inline constexpr const char* kPkgRADeduct = "numRADeduct";
inline constexpr const char* kPkgRFund = "numRFundCont";
// Cost-to-company column.
inline constexpr const char* kPkgCCAmount = "numCCNetMonSalReq";
inline constexpr const char* kPkgCCCar = "numCCCompCar";
inline constexpr const char* kPkgCCTravel = "numCCTravAll";
inline constexpr const char* kPkgCCOtherFringe = "numCCOTaxFB";
inline constexpr const char* kPkgCCMedical = "numCCMedAidCont";
inline constexpr const char* kPkgCCRFund = "numCCRFundCont";
// The print frame's taxpayer name.
inline constexpr const char* kPkgNameField = "Text1";

// Row i of the other expenses: txtOtherDet_i, numOtherDet_i, numOtherDetCC_i.
std::string OtherDetText(int row);
std::string OtherDetAmount(int row);
std::string OtherDetCompanyCost(int row);

// Every entry field of the kind's window (the setup panel's and the print
// frame's included).
PackageLimits PackageFieldLimits(PackageKind kind);

// The captions that change with the kind.
const char* AmountCaption(PackageKind kind);         // numNetMonSalReq
const char* BeneficiariesCaption(PackageKind kind);  // numPMems

}  // namespace quorin
