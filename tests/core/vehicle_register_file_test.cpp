// Register files as a user may hand them over: numbers where text belongs,
// numbers too large for any field, keys and nesting without end, and files
// that are no files (a folder, a FIFO, a device) or too large. Each is
// refused with its reason, never hangs and never ends the program; a
// fixed-seed stream of mangled registers checks the same at random.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include "common/quoted_text.h"
#include "vehicle/company_car.h"
#include "vehicle/register_file.h"

using namespace quorin;

namespace {

namespace fs = std::filesystem;

std::string refusalOf(const std::string& json) {
  auto read = readRegisterJson(json, tax::TaxYear2026());
  const Refusal* r = std::get_if<Refusal>(&read);
  return r ? r->message : "accepted";
}

TEST(RegisterFile, NumbersWhereTextBelongsAreKeptAsDigitsOrRefused) {
  auto read =
      readRegisterJson(R"([{"CCRegNumber": 12345678901234567890, "YearOfManfact": 2018}])", tax::TaxYear2026());
  ASSERT_TRUE(std::holds_alternative<CompanyCarRegister>(read)) << refusalOf("");
  const CompanyCarRecord& car = std::get<CompanyCarRegister>(read).vehicle(1);
  EXPECT_EQ(car.CCRegNumber, "12345678901234567890");  // above the largest signed 64-bit number
  EXPECT_EQ(car.YearOfManfact, "2018");

  struct Case {
    const char* json;
    const char* message;
  };
  const Case cases[] = {
      {R"([{"YearOfManfact": 18446744073709551615}])",
       "Vehicle 1, YearOfManfact: The text entered may be at most 10 characters long"},
      {R"([{"YearOfManfact": -9223372036854775808}])",
       "Vehicle 1, YearOfManfact: The text entered may be at most 10 characters long"},
      {R"([{"CCPrice": 18446744073709551615}])",
       "Vehicle 1, CCPrice: Please enter a whole number from 0 to 999 999 999"},
      {R"([{"CCPrice": 1e308}])", "Vehicle 1, CCPrice: Please enter a whole number from 0 to 999 999 999"},
      {R"([{"CCPrice": -0.5}])", "Vehicle 1, CCPrice: Please enter a whole number from 0 to 999 999 999"},
      {R"([{"YearOfManfact": 2018.5}])", "Vehicle 1, YearOfManfact: must be a text"},
      {R"([{"MaintIncluded": 1e300}])", "Vehicle 1, MaintIncluded: must be 0 or 1 (or true or false)"},
      {R"([{"CCMake": ["A"]}])", "Vehicle 1, CCMake: must be a text"},
      {R"([{"CCStartDate": 20250301}])", "Vehicle 1, CCStartDate: must be a date dd/mm/yyyy"},
      {R"([[]])", "Vehicle 1 is not an object"},
  };
  for (const Case& c : cases) EXPECT_EQ(refusalOf(c.json), c.message) << c.json;
}

TEST(RegisterFile, HugeKeysAndDeepNestingAreRefusedBriefly) {
  const std::string key(5'000'000, 'K');
  const std::string message = refusalOf("[{\"" + key + "\": 1}]");
  EXPECT_EQ(message, "Vehicle 1, " + std::string(kQuotedCharacters, 'K') + "...: unknown key");

  const std::string deep = std::string(100'000, '[') + std::string(100'000, ']');
  EXPECT_EQ(refusalOf("[{\"CCPrice\": " + deep + "}]"), "Vehicle 1, CCPrice: must be a whole number");
  EXPECT_EQ(refusalOf(deep), "Vehicle 1 is not an object");
  EXPECT_EQ(refusalOf(std::string(100'000, '[')), "The register file is not valid JSON");
  EXPECT_EQ(refusalOf(std::string(100'000, '{')), "The register file is not valid JSON");
}

struct RegisterFileOnDisk : ::testing::Test {
  fs::path dir = fs::temp_directory_path() / ("quorin-register-" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::string faultOf(const fs::path& path) {
    auto read = readRegisterFile(path.string(), tax::TaxYear2026());
    const RegisterFileFault* f = std::get_if<RegisterFileFault>(&read);
    return f ? f->message : "read";
  }
};

TEST_F(RegisterFileOnDisk, OnlyARegularFileWithinTheLimitIsRead) {
  const fs::path fifo = dir / "fifo.json";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path large = dir / "large.json";
  std::ofstream(large) << "[]";
  fs::resize_file(large, kMaxRegisterFileBytes + 1);  // sparse: costs no disk

  struct Case {
    fs::path path;
    std::string reason;
  };
  const Case cases[] = {
      {dir, "it is a folder, not a file"},
      {fifo, "it is a pipe (FIFO), not a regular file"},
      {"/dev/zero", "it is a device, not a regular file"},
      {dir / "none.json", "it does not exist"},
      {large, "it is larger than 32 MB"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(faultOf(c.path), "The register file " + c.path.string() + " cannot be read: " + c.reason);

  const fs::path locked = dir / "locked.json";
  std::ofstream(locked) << "[]";
  fs::permissions(locked, fs::perms::none);
  if (::geteuid() != 0) {  // root reads it all the same
    EXPECT_EQ(faultOf(locked), "The register file " + locked.string() + " cannot be read: Permission denied");
  }

  const fs::path good = dir / "good.json";
  std::ofstream(good) << R"([{"CCRegNumber": "CA 1", "CCPrice": 300000}])";
  auto read = readRegisterFile(good.string(), tax::TaxYear2026());
  ASSERT_TRUE(std::holds_alternative<CompanyCarRegister>(read));
  EXPECT_EQ(std::get<CompanyCarRegister>(read).vehicle(1).CCPrice, 300000);
}

// Mangled registers from a fixed seed: wrong kinds, extreme numbers, deep
// nesting, cut and flipped bytes. Each is refused with a short message or
// read into a register whose valuation stays finite.
TEST(RegisterFile, RandomRegistersAreRefusedOrValuedFinitely) {
  const char* keys[] = {"CCRegNumber", "CCMake",       "CCModel",         "YearOfManfact",    "CCPrice",
                        "MaintIncluded", "CCStartDate", "CCEndDate",      "StartMileage",     "EndMileage",
                        "TotalDistance", "BusDistance", "BussMilage",     "ActualExpEmployee", "SARSTable",
                        "FuelReimbEmployer", "EmpPaidInsurance", "EmpPaidLicence", "EmpPaidMaintenance",
                        "FB3802ThisCar", "Colour"};
  const char* values[] = {"0", "1", "-1", "999999999", "1000000000", "1e308", "-1e308", "4.9e-324", "0.5",
                          "18446744073709551615", "-9223372036854775808", "true", "false", "null", "\"\"",
                          "\"01/03/2025\"", "\"28/02/2026\"", "\"31/02/2026\"", "\"CA 1\"", "\"\\u0000\"",
                          "\"\xC3\xA9t\xC3\xA9\"", "[]", "{}", "[[[[[[[[1]]]]]]]]"};
  std::mt19937 random(20260301);
  const auto pick = [&](auto& list) { return list[random() % std::size(list)]; };
  for (int round = 0; round < 1500; ++round) {
    std::string text = "[";
    const int vehicles = static_cast<int>(random() % 4);
    for (int v = 0; v < vehicles; ++v) {
      text += v ? ",{" : "{";
      const int given = static_cast<int>(random() % 6);
      for (int k = 0; k < given; ++k) {
        text += k ? "," : "";
        text += std::string("\"") + pick(keys) + "\":";
        if (random() % 10 == 0)
          text += std::string(1 + random() % 20000, '[') + "0" + std::string(1 + random() % 20000, ']');
        else
          text += pick(values);
      }
      text += "}";
    }
    text += "]";
    switch (random() % 4) {
      case 0:
        text.resize(random() % (text.size() + 1));
        break;
      case 1:
        text[random() % text.size()] = static_cast<char>(random() % 256);
        break;
      default:
        break;
    }
    auto read = readRegisterJson(text, tax::TaxYear2026());
    if (const Refusal* r = std::get_if<Refusal>(&read)) {
      EXPECT_LT(r->message.size(), 200u) << text.substr(0, 200);
      EXPECT_FALSE(r->message.empty());
      continue;
    }
    CompanyCarRegister& reg = std::get<CompanyCarRegister>(read);
    reg.Actual3802 = 50000;
    const CompanyCarRun run = CompCarCalculate(reg, tax::TaxYear2026());
    EXPECT_TRUE(std::isfinite(run.TotAdjustTaxableInc) && std::isfinite(run.TotAdjustTaxableIncSARS))
        << text.substr(0, 200);
  }
}

}  // namespace
