// Hostile year files: whatever lies in tax-years/, no file stops another
// year or the program. Things that are not regular files, huge files, deep
// nesting, extreme numbers and sections of the wrong kind are refused with
// their reason, quoting at most 80 characters of a value; a fixed-seed
// random run over damaged files refuses or reads each one without a crash.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>

#include "tax/tax_year_file.h"

using namespace quorin;

namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(QUORIN_SOURCE_DIR) / "tax-years";

class HostileFolder : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("quorin-hostile-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(kShipped / "2026.json", dir / "2026.json");
  }
  void TearDown() override { fs::remove_all(dir); }
  nlohmann::json year2027() const {
    std::ifstream in(kShipped / "2027.json");
    return nlohmann::json::parse(in);
  }
  void write(const std::string& name, const std::string& text) const { std::ofstream(dir / name) << text; }
  // The one refusal of the folder; 2026 is still offered beside it.
  std::string refusal() const {
    const tax::TaxYearCatalogue c = tax::LoadTaxYears(dir.string());
    EXPECT_NE(c.find(2026), nullptr);
    EXPECT_EQ(c.refused.size(), 1u);
    return c.refused.empty() ? std::string() : c.refused.front();
  }
};

void expectHas(const std::string& message, const std::string& part) {
  EXPECT_NE(message.find(part), std::string::npos) << "expected \"" << part << "\" in: " << message;
}

TEST_F(HostileFolder, WhatIsNotARegularFileIsSkippedWithItsReason) {
  fs::create_directory(dir / "2029.json");
  expectHas(refusal(), "2029.json could not be read: it is a folder");
  fs::remove(dir / "2029.json");

  ASSERT_EQ(::mkfifo((dir / "2027.json").c_str(), 0600), 0);
  expectHas(refusal(), "2027.json could not be read: it is a pipe");  // read without waiting for a writer
  fs::remove(dir / "2027.json");

  fs::create_symlink("/dev/zero", dir / "2027.json");
  expectHas(refusal(), "2027.json could not be read: it is a device");
  fs::remove(dir / "2027.json");

  fs::create_symlink(dir / "loop.json", dir / "2027.json");
  fs::create_symlink(dir / "2027.json", dir / "loop.json");
  const tax::TaxYearCatalogue loop = tax::LoadTaxYears(dir.string());
  EXPECT_NE(loop.find(2026), nullptr);
  ASSERT_EQ(loop.refused.size(), 2u);
  expectHas(loop.refused.front(), "could not be read: Too many levels of symbolic links");
  fs::remove(dir / "2027.json");
  fs::remove(dir / "loop.json");

  write("2027.json", year2027().dump() + std::string(1100000, ' '));
  expectHas(refusal(), "is larger than 1 MB");

  if (::geteuid() != 0) {  // root reads any file
    write("2027.json", year2027().dump());
    fs::permissions(dir / "2027.json", fs::perms::none);
    expectHas(refusal(), "could not be read: Permission denied");
  }
}

TEST_F(HostileFolder, BadValuesAreRefusedByFieldAndQuotedShort) {
  struct Case {
    const char* what;
    std::function<void(nlohmann::json&)> damage;
    const char* expected;
  };
  const std::string longText(20000, 'x');
  const Case cases[] = {
      {"the smallest int as the year", [](auto& j) { j["year"] = -2147483648LL; }, "year is -2147483648; it must be a year from 1900 to 2200"},
      {"a year that would wrap to 2027", [](auto& j) { j["year"] = 4294969323ULL; }, "year is 4294969323; it must be a year from 1900 to 2200"},
      {"a fraction of a year", [](auto& j) { j["year"] = 2027.5; }, "year is 2027.5; it must be a whole year"},
      {"a huge top rate", [](auto& j) { j["scale"][6]["rate"] = 1e308; }, "scale[6].rate is 1e+308; it must be a percentage"},
      {"a huge car percentage", [](auto& j) { j["company_car"]["percent"] = 1e308; }, "company_car.percent is 1e+308"},
      {"an amount above 10^9", [](auto& j) { j["retirement_fund"]["annual_cap"] = 2e9; }, "retirement_fund.annual_cap is 2000000000.0; it must be from 0 to 1000000000"},
      {"rebates as text", [](auto& j) { j["rebates"] = "text"; }, "rebates is text; it must be a section"},
      {"rebates as a list", [](auto& j) { j["rebates"] = nlohmann::json::array({1, 2}); }, "rebates is a list; it must be a section"},
      {"a scale row as a number", [](auto& j) { j["scale"][2] = 5; }, "scale[2] is 5; it must be a section"},
      {"a date that is not a day", [](auto& j) { j["first_day"] = "31/02/2026"; }, "first_day is 31/02/2026; it must be a date"},
      {"the whole file a list", [](auto& j) { j = nlohmann::json::array({1}); }, "the file is a list; it must be one section"},
  };
  for (const Case& c : cases) {
    nlohmann::json j = year2027();
    c.damage(j);
    write("2027.json", j.dump());
    expectHas(refusal(), c.expected);
  }
  nlohmann::json j = year2027();
  j["year"] = longText;
  write("2027.json", j.dump());
  const std::string quoted = refusal();
  expectHas(quoted, "year is " + std::string(80, 'x') + "...; it must be a whole year");
  EXPECT_LT(quoted.size(), 400u);
}

TEST_F(HostileFolder, DeepNestingIsRefusedWithoutAStackOverflow) {
  std::string deep = year2027().dump();
  const std::string nest = std::string(100000, '[') + std::string(100000, ']');
  deep.replace(deep.find("\"year\":2027") + 7, 4, nest);
  write("2027.json", deep);
  expectHas(refusal(), "nest more than 16 deep");
}

// Random damage of the 2027 file, with a fixed seed: cut, flipped and
// inserted bytes, values replaced by values of other kinds, extreme numbers
// and nesting. Each file is read or refused with a message naming it.
TEST_F(HostileFolder, RandomDamageNeverEndsTheRun) {
  std::mt19937 rng(18027);
  const std::string good = year2027().dump(1);
  const nlohmann::json odd[] = {nullptr, true, -1, 0, 1e308, -1e308, 4294969323ULL, -9223372036854775807LL - 1,
                                "", "x", nlohmann::json::array(), nlohmann::json::object(), 2027.000001,
                                nlohmann::json::parse(std::string(40, '[') + std::string(40, ']'))};
  std::vector<std::string> paths;
  const auto walk = [&paths](const nlohmann::json& j, const std::string& at, auto& self) -> void {
    paths.push_back(at);
    if (j.is_object())
      for (auto it = j.begin(); it != j.end(); ++it) self(it.value(), at + "/" + it.key(), self);
    else if (j.is_array())
      for (std::size_t i = 0; i < j.size(); ++i) self(j[i], at + "/" + std::to_string(i), self);
  };
  walk(year2027(), "", walk);
  int read = 0, refused = 0;
  for (int round = 0; round < 400; ++round) {
    std::string text;
    if (round % 2 == 0) {
      nlohmann::json j = year2027();
      const std::string& path = paths[1 + rng() % (paths.size() - 1)];
      j[nlohmann::json::json_pointer(path)] = odd[rng() % std::size(odd)];
      text = j.dump();
    } else {
      text = good;
      for (int n = 1 + static_cast<int>(rng() % 4); n > 0; --n) {
        const std::size_t at = rng() % text.size();
        switch (rng() % 3) {
          case 0: text[at] = static_cast<char>(rng() % 256); break;
          case 1: text.erase(at, 1 + rng() % 40); break;
          default: text.insert(at, std::string(1 + rng() % 3, "[{\"9e,:-]}"[rng() % 10])); break;
        }
        if (text.empty()) text = "{";
      }
    }
    write("2027.json", text);
    const tax::TaxYearCatalogue c = tax::LoadTaxYears(dir.string());
    ASSERT_NE(c.find(2026), nullptr) << round;
    if (c.find(2027)) {
      ++read;
    } else {
      ++refused;
      ASSERT_EQ(c.refused.size(), 1u) << round;
      expectHas(c.refused.front(), "2027.json");
      EXPECT_LT(c.refused.front().size(), 600u) << round;
    }
  }
  EXPECT_GT(refused, 300);
  EXPECT_EQ(read + refused, 400);
}

}  // namespace
