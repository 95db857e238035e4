#include "install/data_folder.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "install/install_layout.h"

namespace quorin {

namespace fs = std::filesystem;

namespace {

// The file that marks a folder as holding the data files: the report
// database is made by the build and shipped with every install.
constexpr const char* kMarker = "Rudodeza.db";

bool holdsDataFiles(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / kMarker, ec);
}

bool writable(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

// The tax years, one file each, in a folder of their own.
constexpr const char* kTaxYearsFolder = "tax-years";

// The user's own files: the databases. Every other shipped file (report
// files, year files, picture, manual) is read where it is shipped.
bool isUsersOwn(const fs::path& file) { return file.extension() == ".db"; }

// What an earlier version copied into the user's folder and this one reads
// where it is shipped: a copy left there would only mislead.
bool isShippedOnly(const fs::path& file) {
  static constexpr std::array<std::string_view, 3> kinds{".rpt", ".jpg", ".pdf"};
  const std::string ext = file.extension().string();
  for (auto kind : kinds)
    if (ext == kind) return true;
  return false;
}

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Copies one file in under a temporary name and renames it, so a copy cut
// short never leaves a half file that later starts would keep.
std::optional<std::string> copyIn(const fs::path& from, const fs::path& to) {
  const fs::path partial = to.parent_path() / ("." + to.filename().string() + ".partial");
  std::error_code ec;
  fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (!ec) fs::rename(partial, to, ec);
  if (ec) {
    fs::remove(partial, ec);
    return "The data file " + from.string() + " could not be copied to " + to.parent_path().string() +
           ". Make room or fix the folder's permissions and start again.";
  }
  return std::nullopt;
}

std::optional<std::string> seed(const fs::path& shipped, const fs::path& user) {
  std::error_code ec;
  fs::create_directories(user / kTaxYearsFolder, ec);
  if (ec || !fs::is_directory(user))
    return "The data folder " + user.string() +
           " could not be made. Check that your home folder may be written and start again.";
  for (fs::directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& file = it->path();
    if (!it->is_regular_file(ec)) continue;
    const fs::path target = user / file.filename();
    if (isShippedOnly(file)) {
      std::error_code ignored;
      fs::remove(target, ignored);
      continue;
    }
    if (!isUsersOwn(file) || fs::exists(target, ec)) continue;  // the user's own copy wins
    if (auto e = copyIn(file, target)) return e;
  }
  return std::nullopt;
}

}  // namespace

UserDirs userDirsFromEnvironment() { return {env("XDG_DATA_HOME"), env("HOME")}; }

std::string userDataFolder(const UserDirs& dirs) {
  // A relative XDG_DATA_HOME is invalid and ignored, as the base directory
  // rules say.
  if (!dirs.xdgDataHome.empty() && fs::path(dirs.xdgDataHome).is_absolute())
    return (fs::path(dirs.xdgDataHome) / "quorin").string();
  if (!dirs.home.empty()) return (fs::path(dirs.home) / ".local/share/quorin").string();
  return {};
}

DataFolder chooseDataFolder(const std::string& programFolder, const UserDirs& dirs) {
  const fs::path program(programFolder);
  const bool besideProgram = holdsDataFiles(program);
  if (besideProgram && writable(program)) return {programFolder, std::nullopt, programFolder};

  const std::string shipped = besideProgram ? programFolder : sharedDataFolder(programFolder);
  const std::string user = userDataFolder(dirs);
  if (user.empty())
    return {programFolder, "Neither XDG_DATA_HOME nor HOME is set, so Quorin 2026 has no folder for your data files.",
            shipped};
  return {user, seed(shipped, user), shipped};
}

}  // namespace quorin
