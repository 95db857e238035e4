#include "shell/session_state.h"

#include "common/clock.h"

namespace quorin {

void SessionState::setProgramFolder(const std::string& folder) {
  ProgramFolder = folder;
  ReportDatabasePath = pathBesideProgram("Rudodeza.db");
  SettingsDatabasePath = pathBesideProgram("Settings.db");
}

std::string SessionState::pathBesideProgram(const std::string& fileName) const {
  if (ProgramFolder.empty()) return fileName;
  if (ProgramFolder.back() == '/') return ProgramFolder + fileName;
  return ProgramFolder + "/" + fileName;
}

void SessionState::loadTaxYears() {
  auto catalogue = std::make_shared<tax::TaxYearCatalogue>(tax::LoadTaxYears(pathBesideProgram(tax::kTaxYearFolder)));
  if (catalogue->years.empty() && catalogue->refused.empty())
    catalogue->years.emplace(tax::TaxYear2026().year, tax::TaxYear2026());
  taxYears = std::move(catalogue);
}

const tax::TaxYear& SessionState::taxYear() const {
  if (!taxYears) return tax::TaxYear2026();
  if (TaxYearChosen != 0)
    if (const tax::TaxYear* y = taxYears->find(TaxYearChosen)) return *y;
  if (const tax::TaxYear* y = taxYears->inForce(today())) return *y;
  return tax::TaxYear2026();
}

bool SessionState::chooseTaxYear(int year) {
  if (year != 0 && (!taxYears || !taxYears->find(year))) return false;
  TaxYearChosen = year;
  return true;
}

void SessionState::reset() {
  ruravuvo.clearForInitialiseAll();
  loans.resetForInitialiseAll();
  loanBuster.resetForInitialiseAll();
  loanComparison.resetForInitialiseAll();
  inflation.resetForInitialiseAll();
  dailyBalance.resetForInitialiseAll();
  vehicles.resetForInitialiseAll();
}

}  // namespace quorin
