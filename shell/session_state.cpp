#include "shell/session_state.h"

#include "common/clock.h"

namespace quorin {

void SessionState::setProgramFolder(const std::string& folder) {
  ProgramFolder = folder;
  ReportDatabasePath = pathBesideProgram("Rudodeza.db");
  SettingsDatabasePath = pathBesideProgram("Settings.db");
}

namespace {

std::string inFolder(const std::string& folder, const std::string& fileName) {
  if (folder.empty()) return fileName;
  if (folder.back() == '/') return folder + fileName;
  return folder + "/" + fileName;
}

}  // namespace

std::string SessionState::pathBesideProgram(const std::string& fileName) const {
  return inFolder(ProgramFolder, fileName);
}

std::string SessionState::shippedFile(const std::string& fileName) const {
  return ShippedFolder.empty() ? pathBesideProgram(fileName) : inFolder(ShippedFolder, fileName);
}

void SessionState::loadTaxYears() {
  auto catalogue = std::make_shared<tax::TaxYearCatalogue>(tax::LoadTaxYears(shippedFile(tax::kTaxYearFolder)));
  if (!ShippedFolder.empty() && ShippedFolder != ProgramFolder) {
    tax::TaxYearCatalogue own = tax::LoadTaxYears(pathBesideProgram(tax::kTaxYearFolder));
    catalogue->years.merge(own.years);  // a year already shipped stays the shipped one
    catalogue->refused.insert(catalogue->refused.end(), own.refused.begin(), own.refused.end());
  }
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
