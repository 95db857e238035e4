// A folder of year files for one test: a copy of the shipped ones that the
// test may damage, edit or add to, removed when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

namespace quorin::test {

class YearFolder {
 public:
  YearFolder()
      : dir_(std::filesystem::temp_directory_path() / ("quorin-years-" + std::to_string(std::random_device{}()))) {
    const std::filesystem::path shipped = std::filesystem::path(QUORIN_SOURCE_DIR) / "tax-years";
    std::filesystem::create_directories(dir_);
    for (const auto& e : std::filesystem::directory_iterator(shipped))
      std::filesystem::copy_file(e.path(), dir_ / e.path().filename());
  }
  ~YearFolder() { std::filesystem::remove_all(dir_); }
  YearFolder(const YearFolder&) = delete;
  YearFolder& operator=(const YearFolder&) = delete;

  nlohmann::json read(int year) const {
    std::ifstream in(dir_ / (std::to_string(year) + ".json"));
    return nlohmann::json::parse(in);
  }
  void write(int year, const nlohmann::json& j) const {
    std::ofstream(dir_ / (std::to_string(year) + ".json")) << j.dump(2);
  }
  void writeText(const std::string& name, const std::string& text) const { std::ofstream(dir_ / name) << text; }
  std::string path() const { return dir_.string(); }

 private:
  std::filesystem::path dir_;
};

}  // namespace quorin::test
