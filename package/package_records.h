// The SalPackage printout record of the four salary package windows, their
// report files and preview titles.
#pragma once

#include <string>

#include "package/salary_package.h"
#include "report/feed_record.h"

namespace quorin {

inline constexpr const char* kSalPackageTable = "SalPackage";

// The record a print writes, field by field in the table's order; the
// monthly net-to-gross window leaves CostToComp, ProvDeduct, ProvDeductCC
// and RADeduct as the last printout left them, the annual one CostToComp.
// in and r are the inputs and results of the last calculation.
FeedRecord SalPackageRecord(PackageKind kind, const PackageInput& in, const PackageResult& r,
                            const std::string& taxpayerName);

struct PackageReportFile {
  const char* file;
  const char* title;
};
const PackageReportFile& PackageReport(PackageKind kind);

// What the printout shows beside the record: RADeductShown (a text, set
// when the record writes RADeduct, so that a print that does not write it
// never shows another print's figure).
std::vector<FeedField> PackagePrintExtras(PackageKind kind);

// The printout's title (MonAnn).
const char* PackageTitle(PackageKind kind);

}  // namespace quorin
