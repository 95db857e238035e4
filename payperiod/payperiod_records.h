// The printout feed records of the pay-period calculators, their report
// files and preview window titles. Caption fields are English for print
// language 0 and Afrikaans for 1; value fields are the same in both. UIF and
// SDL go in as shown (two decimals), every other figure unrounded.
#pragma once

#include <string>

#include "payperiod/annual_tax.h"
#include "payperiod/period_tax.h"
#include "report/feed_record.h"

namespace quorin {

inline constexpr int kPrintEnglish = 0;
inline constexpr int kPrintAfrikaans = 1;

// IRP5Mon: the monthly record.
FeedRecord IRP5Mon(const PeriodPayInput& in, const PeriodTaxResult& r, const std::string& employeeName,
                   int printLanguage);
// IRP5Week: weekly and fortnightly share the table; kind picks the captions.
FeedRecord IRP5Week(PeriodKind kind, const PeriodPayInput& in, const PeriodTaxResult& r,
                    const std::string& employeeName, int printLanguage);
// IRP5Day: the daily record (no period fields).
FeedRecord IRP5Day(const PeriodPayInput& in, const PeriodTaxResult& r, const std::string& employeeName,
                   int printLanguage);
// IRP5Ann: the annual record; the month counts are those after Calculate.
FeedRecord IRP5Ann(const AnnualPayInput& in, const AnnualTaxResult& r, const std::string& employeeName,
                   int printLanguage);

// The record of a periodic window's print, by kind.
FeedRecord PeriodTaxRecord(PeriodKind kind, const PeriodPayInput& in, const PeriodTaxResult& r,
                           const std::string& employeeName, int printLanguage);

// A report file (beside the program) and its preview window title.
struct PayReportFile {
  const char* file;
  const char* title;
};

inline constexpr PayReportFile kMonthlyReport{
    "Monthly.rpt", "Monthly - To export printout click on the suitcase button or goto Help"};
inline constexpr PayReportFile kWeeklyReport{
    "Weekly.rpt", "Weekly - To export printout click on the suitcase button or goto Help"};
inline constexpr PayReportFile kFortnightlyReport{
    "FortNightly.rpt", "FortNightly - To export printout click on the suitcase button or goto Help"};
inline constexpr PayReportFile kDailyReport{
    "Daily.rpt", "Daily - To export printout click on the suitcase button or goto Help"};
inline constexpr PayReportFile kAnnualReport{
    "Annual.rpt", "Annual - To export printout click on the suitcase button or goto Help"};

const PayReportFile& PeriodReport(PeriodKind kind);

// Feed table names.
inline constexpr const char* kMonthlyTable = "IRP5Mon";
inline constexpr const char* kWeeklyTable = "IRP5Week";  // weekly and fortnightly
inline constexpr const char* kDailyTable = "IRP5Day";
inline constexpr const char* kAnnualTable = "IRP5Ann";

}  // namespace quorin
