// Where the data files (Settings.db, Rudodeza.db, the report files, the
// background picture and the manual) live for this run. One rule for both
// programs:
//   - the program's folder, when it holds the data files and may be written
//     (a run from the build folder, or from a folder a user unpacked);
//   - otherwise a folder per user, $XDG_DATA_HOME/quorin (by default
//     ~/.local/share/quorin): an installed program's folder is read-only.
//     It holds what is the user's own: the databases (a shipped one missing
//     there is copied in, one already there is never overwritten, so the
//     user's settings and last printouts survive every start and update)
//     and the user's own year files in tax-years. The files the program
//     ships and nobody edits (report files, year files, the manual, the
//     picture) are read where they are shipped (the program's folder if it
//     holds them, else <prefix>/share/quorin), so an update reaches every
//     user; copies an earlier version left in the user's folder are removed.
// quorin-cli --data-dir names the folder itself and skips this.
#pragma once

#include <optional>
#include <string>

namespace quorin {

// The environment's say in the matter; empty when unset.
struct UserDirs {
  std::string xdgDataHome;
  std::string home;
};
UserDirs userDirsFromEnvironment();

struct DataFolder {
  std::string path;
  std::optional<std::string> error;  // the per-user folder could not be made or filled
  std::string shipped;               // the shipped files; path itself beside the program
};

DataFolder chooseDataFolder(const std::string& programFolder, const UserDirs& dirs);

// The per-user folder, or empty when neither variable gives one.
std::string userDataFolder(const UserDirs& dirs);

}  // namespace quorin
