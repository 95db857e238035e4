// What a printout shows beside its feed record: the run that printed it.
// The feed tables keep their fields; these values reach the layout as
// extra keys (see report_document.h) and the footer of every page.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/working.h"
#include "report/feed_record.h"
#include "settings/settings_record.h"

namespace quorin::tax {
struct TaxYear;
}

namespace quorin {

struct ReportRun {
  // The year of assessment the figures were computed in (tax printouts).
  struct Year {
    int year = 0;
    int firstDay = 0;
    int lastDay = 0;
  };
  std::optional<Year> taxYear;
  std::string printedAt;  // "dd/mm/yyyy hh:mm", local time
  std::string program;    // "Quorin 2026 Ver: 1.00.001"
  std::string settings;   // the settings the figures were computed with, or empty
  int language = 0;       // 0 English, 1 Afrikaans: the footer's words
  // Figures the printout shows beside its rows (the register's totals),
  // offered to the layout like the feed fields.
  std::vector<FeedField> extras;
  // The working of the calculation, printed after the printout on pages of
  // its own (in the print's language) when it is given and has steps.
  std::optional<Working> working;
};

// The run of a print made now by this program.
// year: the year the calculation used (nullptr for the business calculators);
// settings: the Setup values it used, shown for the fields in `fields`;
// overridden: whether they are this call's overrides rather than the stored row.
ReportRun makeReportRun(const tax::TaxYear* year, const SettingsRecord* settings, std::uint32_t fields,
                        bool overridden, int language,
                        std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// "employee UIF 1 %, employer UIF 1 %, UIF ceiling R 17 712.00 a month, ..."
// for the fields asked for, in the order of the Setup row.
std::string settingsSummary(const SettingsRecord& settings, std::uint32_t fields, int language = 0);

}  // namespace quorin
