// The calculation library stays plain C++: no core file (nor the header
// beside it, nor anything it includes from the project) may include Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

void scan(const fs::path& file, std::set<std::string>& seen, std::vector<std::string>& offenders) {
  if (!seen.insert(file.string()).second || !fs::exists(file)) return;
  std::ifstream in(file);
  std::string line;
  static const std::regex include(R"re(^\s*#\s*include\s*[<"]([^>"]+)[>"])re");
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_search(line, m, include)) continue;
    std::string name = m[1];
    if (name.rfind("Q", 0) == 0 || name.rfind("qt", 0) == 0 || name.find("/Q") != std::string::npos)
      offenders.push_back(file.string() + ": " + line);
    fs::path local = fs::path(QUORIN_SOURCE_DIR) / name;
    if (fs::exists(local)) scan(local, seen, offenders);
  }
}

TEST(CoreLayer, NoCoreFileIncludesQt) {
  std::ifstream list(QUORIN_CORE_LIST_FILE);
  std::string rel;
  std::set<std::string> seen;
  std::vector<std::string> offenders;
  int files = 0;
  while (std::getline(list, rel)) {
    if (rel.empty()) continue;
    fs::path source = fs::path(QUORIN_SOURCE_DIR) / rel;
    ++files;
    scan(source, seen, offenders);
    scan(fs::path(source).replace_extension(".h"), seen, offenders);
  }
  EXPECT_GT(files, 3);
  for (const auto& o : offenders) ADD_FAILURE() << "Qt in the core library: " << o;
}

}  // namespace
