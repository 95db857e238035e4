// Where the data files (Settings.db, Rudodeza.db, the report files, the
// background picture and the manual) live for this run. One rule for both
// programs:
//   - the program's folder, when it holds the data files and may be written
//     (a run from the build folder, or from a folder a user unpacked);
//   - otherwise a folder per user, $XDG_DATA_HOME/quorin (by default
//     ~/.local/share/quorin): an installed program's folder is read-only.
//     Every shipped file missing there is copied in from the shipped ones
//     (the program's folder if it holds them, else <prefix>/share/quorin);
//     a file already there is never overwritten, so the user's settings and
//     last printouts survive every start and every update.
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
};

DataFolder chooseDataFolder(const std::string& programFolder, const UserDirs& dirs);

// The per-user folder, or empty when neither variable gives one.
std::string userDataFolder(const UserDirs& dirs);

}  // namespace quorin
