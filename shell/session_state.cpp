#include "shell/session_state.h"

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
