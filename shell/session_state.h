// The values the calculators share for the whole run. Owned by the main
// window (or by one command-line call) and handed to the windows; never
// saved, reset at start-up and by "Initialise All".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "finance/finance_state.h"
#include "tax/ruravuvo.h"
#include "tax/tax_scale.h"
#include "tax/tax_year_file.h"
#include "vehicle/vehicle_state.h"

namespace quorin {

struct SessionState {
  std::string ProgramFolder;
  std::string ReportDatabasePath;
  std::string SettingsDatabasePath;

  RuravUvoState ruravuvo;
  LoansState loans;
  LoanBusterState loanBuster;
  LoanComparisonState loanComparison;
  InflationState inflation;
  DailyBalanceState dailyBalance;
  VehicleState vehicles;

  // The years offered (read once per run from tax-years beside the
  // program) and the one chosen: 0, the default, follows the year in force
  // (common/clock.h); neither is reset.
  std::shared_ptr<const tax::TaxYearCatalogue> taxYears;
  int TaxYearChosen = 0;

  std::int16_t PrintChoice = 0;     // 0 preview window, 1 printer; never reset
  bool DisclaimerAccepted = false;  // never reset

  // The files the program ships and nobody edits (report files, year
  // files, the manual, the picture), read where the program ships them so
  // that an update reaches every user. Empty: they lie in ProgramFolder.
  std::string ShippedFolder;

  // Sets the program folder and the two database paths beside it.
  void setProgramFolder(const std::string& folder);
  std::string pathBesideProgram(const std::string& fileName) const;
  void setShippedFolder(const std::string& folder) { ShippedFolder = folder; }
  std::string shippedFile(const std::string& fileName) const;

  // Reads the shipped year files, then the user's own from tax-years in
  // ProgramFolder: a year the program ships is always the shipped file, the
  // user's files add the other years. No year file at all works in the
  // built-in 2026 year.
  void loadTaxYears();
  // The year in use: the chosen one when offered, else the year in force
  // today; the built-in 2026 year only when no year file could be read.
  const tax::TaxYear& taxYear() const;
  // Chooses an offered year, or 0 (the year in force); false (nothing
  // changed) for any other.
  bool chooseTaxYear(int year);

  // Step 1 of "Initialise All", and start-up: every group back to its
  // defaults, except what the groups themselves keep.
  void reset();
};

}  // namespace quorin
