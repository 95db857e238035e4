// Where the data files live: beside a program run from its build folder;
// when installed, the user's own files per user (seeded from the shipped
// database, never overwritten) and the shipped ones where they are shipped.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "install/data_folder.h"
#include "install/install_layout.h"

using namespace quorin;

namespace {

namespace fs = std::filesystem;

// A scratch tree shaped like an install: root/usr/bin, root/usr/share/quorin.
class Scratch {
 public:
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "quorin-data-folder-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~Scratch() {
    std::error_code ec;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
  }
  fs::path path(const std::string& rel) const { return root_ / rel; }
  fs::path dir(const std::string& rel) const {
    fs::create_directories(root_ / rel);
    return root_ / rel;
  }

 private:
  fs::path root_;
};

void write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::string read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void shipDataFiles(const fs::path& folder) {
  write(folder / "Rudodeza.db", "shipped database");
  write(folder / "Monthly.rpt", "shipped report");
  write(folder / "Qrin.jpg", "picture");
  write(folder / "qr2026Help.pdf", "manual");
  fs::create_directories(folder / "tax-years");
  write(folder / "tax-years" / "2027.json", "a year");
}

TEST(InstallLayout, PartsAreFoundFromTheProgramsFolder) {
  EXPECT_EQ(sharedDataFolder("/usr/bin"), "/usr/share/quorin");
  EXPECT_EQ(sharedDataFolder("/stage/usr/bin/"), "/stage/usr/share/quorin");
  EXPECT_EQ(pdfPrinterPath("/opt/q/bin"), "/opt/q/" QUORIN_PLUGIN_DIR "/libquorin_pdf_printer.so");
}

TEST(DataFolder, ABuildFolderKeepsItsFilesBesideTheProgram) {
  Scratch s;
  const fs::path bin = s.dir("build/bin");
  shipDataFiles(bin);
  DataFolder f = chooseDataFolder(bin.string(), {s.path("xdg").string(), s.path("home").string()});
  EXPECT_FALSE(f.error);
  EXPECT_EQ(f.path, bin.string());
  EXPECT_EQ(f.shipped, bin.string());
  EXPECT_FALSE(fs::exists(s.path("xdg"))) << "nothing is copied for a run beside the program";
}

TEST(DataFolder, AnInstalledProgramKeepsOnlyTheUsersOwnFilesInTheirFolder) {
  Scratch s;
  const fs::path bin = s.dir("root/usr/bin");
  const fs::path share = s.dir("root/usr/share/quorin");
  shipDataFiles(share);
  write(share / "README.txt", "not a data file");
  const UserDirs dirs{s.path("xdg").string(), s.path("home").string()};

  DataFolder first = chooseDataFolder(bin.string(), dirs);
  ASSERT_FALSE(first.error) << *first.error;
  const fs::path user = s.path("xdg/quorin");
  EXPECT_EQ(first.path, user.string());
  EXPECT_EQ(first.shipped, share.string()) << "shipped files are read where they are shipped";
  EXPECT_EQ(read(user / "Rudodeza.db"), "shipped database");
  EXPECT_TRUE(fs::is_directory(user / "tax-years")) << "a place for the user's own year files";
  for (const char* name : {"Monthly.rpt", "Qrin.jpg", "qr2026Help.pdf", "tax-years/2027.json", "README.txt"})
    EXPECT_FALSE(fs::exists(user / name)) << name;
  EXPECT_FALSE(fs::exists(bin / "Rudodeza.db")) << "the program's folder is left alone";

  // The user prints and saves settings and drops in a year of their own;
  // an update ships a new database. The next start keeps the user's files.
  write(user / "Rudodeza.db", "the user's last printouts");
  write(user / "Settings.db", "the user's settings");
  write(user / "tax-years" / "2029.json", "the user's own year");
  write(share / "Rudodeza.db", "updated shipped database");
  DataFolder again = chooseDataFolder(bin.string(), dirs);
  ASSERT_FALSE(again.error) << *again.error;
  EXPECT_EQ(read(user / "Rudodeza.db"), "the user's last printouts");
  EXPECT_EQ(read(user / "Settings.db"), "the user's settings");
  EXPECT_EQ(read(user / "tax-years" / "2029.json"), "the user's own year");
  for (const auto& entry : fs::directory_iterator(user))
    EXPECT_EQ(entry.path().filename().string().find(".partial"), std::string::npos) << "no copy left half done";
}

TEST(DataFolder, CopiesOfShippedFilesAnEarlierVersionLeftAreRemoved) {
  Scratch s;
  const fs::path bin = s.dir("usr/bin");
  const fs::path share = s.dir("usr/share/quorin");
  shipDataFiles(share);
  const fs::path user = s.dir("xdg/quorin");
  write(user / "Monthly.rpt", "last version's layout");
  write(user / "Qrin.jpg", "old picture");
  write(user / "qr2026Help.pdf", "old manual");
  write(user / "Rudodeza.db", "the user's last printouts");
  write(user / "Notes.rpt", "a report file the program never shipped");

  DataFolder f = chooseDataFolder(bin.string(), {s.path("xdg").string(), ""});
  ASSERT_FALSE(f.error) << *f.error;
  for (const char* name : {"Monthly.rpt", "Qrin.jpg", "qr2026Help.pdf"}) EXPECT_FALSE(fs::exists(user / name)) << name;
  EXPECT_EQ(read(user / "Rudodeza.db"), "the user's last printouts");
  EXPECT_EQ(read(user / "Notes.rpt"), "a report file the program never shipped");
}

TEST(DataFolder, PerUserFolderFollowsTheBaseDirectoryRules) {
  EXPECT_EQ(userDataFolder({"/x/data", "/home/a"}), "/x/data/quorin");
  EXPECT_EQ(userDataFolder({"", "/home/a"}), "/home/a/.local/share/quorin");
  EXPECT_EQ(userDataFolder({"relative/data", "/home/a"}), "/home/a/.local/share/quorin") << "a relative path is ignored";
  EXPECT_EQ(userDataFolder({"", ""}), "");

  Scratch s;
  const fs::path bin = s.dir("usr/bin");
  shipDataFiles(s.dir("usr/share/quorin"));
  DataFolder f = chooseDataFolder(bin.string(), {"", s.path("home").string()});
  ASSERT_FALSE(f.error) << *f.error;
  EXPECT_EQ(f.path, s.path("home/.local/share/quorin").string());
  EXPECT_TRUE(fs::exists(s.path("home/.local/share/quorin/Rudodeza.db")));
}

TEST(DataFolder, AFolderThatCannotBeMadeIsNamed) {
  Scratch s;
  const fs::path bin = s.dir("usr/bin");
  shipDataFiles(s.dir("usr/share/quorin"));
  write(s.path("home"), "a file where the home folder should be");
  DataFolder f = chooseDataFolder(bin.string(), {"", s.path("home").string()});
  ASSERT_TRUE(f.error);
  EXPECT_NE(f.error->find(s.path("home/.local/share/quorin").string()), std::string::npos) << *f.error;

  DataFolder nowhere = chooseDataFolder(bin.string(), {"", ""});
  ASSERT_TRUE(nowhere.error);
  EXPECT_NE(nowhere.error->find("HOME"), std::string::npos);
}

TEST(DataFolder, AReadOnlyFolderWithTheFilesSeedsThePerUserFolderFromItself) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write any folder";
  Scratch s;
  const fs::path bin = s.dir("unpacked");
  shipDataFiles(bin);
  write(bin / "Settings.db", "settings set up by the administrator");
  fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
  DataFolder f = chooseDataFolder(bin.string(), {s.path("xdg").string(), ""});
  ASSERT_FALSE(f.error) << *f.error;
  EXPECT_EQ(f.path, s.path("xdg/quorin").string());
  EXPECT_EQ(read(s.path("xdg/quorin/Settings.db")), "settings set up by the administrator");
  EXPECT_EQ(read(s.path("xdg/quorin/Rudodeza.db")), "shipped database");
}

}  // namespace
