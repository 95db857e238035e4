// quorin-cli car-allowance and company-car end to end: worked figures,
// the register file and its refusals (naming the vehicle and the key),
// the compcar rows a print leaves, and batch car-allowance.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "cli_fixture.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct VehicleCliTest : CliFixture {
  nlohmann::json run(QStringList args) {
    CliRun r = call(std::move(args));
    EXPECT_EQ(r.status, 0) << r.err << r.out;
    return r.status == 0 ? r.json() : nlohmann::json::object();
  }
  nlohmann::json refused(QStringList args) {
    CliRun r = call(std::move(args));
    EXPECT_EQ(r.status, 2) << r.out << r.err;
    return r.status == 2 ? r.json()["error"] : nlohmann::json::object();
  }
  int rows(const char* table) const { return rowCount(table); }
};

TEST_F(VehicleCliTest, CarAllowanceBothMethods) {
  auto j = run({"car-allowance", "--value", "300000", "--close-km", "130000", "--open-km", "100000",
                "--business-km", "20000", "--end", "16/09/2025", "--working"});
  EXPECT_EQ(j["detail"]["Days"], 200);
  EXPECT_NEAR(j["detail"]["FixedCostPerKm"].get<double>(), 159.8118, 1e-9);
  EXPECT_NEAR(j["detail"]["Claim"].get<double>(), 80622.36, 1e-6);
  EXPECT_EQ(j["working"].back()["label"], "Claim");
  EXPECT_EQ(j["working"].back()["value"], j["detail"]["Claim"]);
  EXPECT_EQ(j["record"]["DateEnd"], "16/09/2025");
  EXPECT_EQ(j["record"]["FCDet"], "Fuel costs");

  j = run({"car-allowance", "--records-kept", "yes", "--fuel", "40000", "--maintenance", "15000", "--insurance",
           "20000", "--other", "10000", "--close-km", "30000", "--business-km", "40000", "--no-fuel"});
  EXPECT_EQ(j["detail"]["Claim"].get<double>(), 85000);
  EXPECT_EQ(j["detail"]["LogBookCut"], true);
  EXPECT_EQ(j["window"]["numAPrivUse"].get<double>(), 0);
  EXPECT_EQ(j["record"]["mta07"].get<double>(), 40000);
  EXPECT_EQ(j["record"]["MBD"].get<double>(), 30000);
  EXPECT_FALSE(j["record"].contains("FCDet"));
}

TEST_F(VehicleCliTest, CarAllowanceRefusals) {
  auto e = refused({"car-allowance", "--wear-and-tear", "5000", "--lease", "800"});
  EXPECT_EQ(e["title"], "Single Payment");
  EXPECT_EQ(e["field"], "silgEdit11");
  e = refused({"car-allowance", "--start", "01/06/2025", "--end", "31/05/2025"});
  EXPECT_EQ(e["title"], "Incorrect Date");
  EXPECT_EQ(e["message"], "The date entered is not correct please enter a date between 01/06/2025 and 28/02/2026");
  e = refused({"car-allowance", "--start", "28/02/2025"});
  EXPECT_EQ(e["message"], "The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026");
  e = refused({"car-allowance", "--value", "300000.50"});
  EXPECT_EQ(e["field"], "silgEdit1");
}

TEST_F(VehicleCliTest, CompanyCarTotalsDoNotDependOnTheCurrentVehicleAndRowsArePrinted) {
  const QString reg = write("reg.json", R"([
    {"CCRegNumber": "A", "CCPrice": 300000},
    {"CCRegNumber": "B", "BussMilage": 1, "TotalDistance": 10000, "BusDistance": 6000, "FB3802ThisCar": 1000}])");
  for (const char* current : {"1", "2"}) {
    auto j = run({"company-car", "--register", reg, "--actual-3802", "5000", "--auto-split", "off", "--current",
                  current, "--pdf", folder.qfile("cc.pdf")});
    EXPECT_EQ(j["window"]["numTotAdjustTaxableInc"].get<double>(), 125056) << current;
    EXPECT_EQ(j["window"]["numTotAdjustTaxableIncSARS"].get<double>(), -600);
    ASSERT_EQ(j["rows"].size(), 2u);
    EXPECT_EQ(j["rows"][1]["AdjustTaxableInc"].get<double>(), -600);
    EXPECT_EQ(j["detail"]["vehicles"][0]["TrueInclusion"].get<double>(), 125656);
  }
  EXPECT_EQ(rows("compcar"), 2);
  EXPECT_GT(QFile(folder.qfile("cc.pdf")).size(), 1000);
}

TEST_F(VehicleCliTest, CompanyCarAutoSplitAndOneVehicle) {
  const QString two = write("two.json", R"([
    {"CCRegNumber": "A", "CCPrice": 200000, "CCEndDate": "16/09/2025"},
    {"CCRegNumber": "B", "CCStartDate": "17/09/2025"}])");
  auto j = run({"company-car", "--register", two, "--actual-3802", "36500", "--working"});
  EXPECT_EQ(j["detail"]["vehicles"][0]["FB3802ThisCar"].get<double>(), 36500);
  EXPECT_EQ(j["working"].back()["label"], "Total adjustment to taxable income");
  EXPECT_EQ(j["working"].back()["value"], j["window"]["numTotAdjustTaxableInc"]);
  EXPECT_EQ(j["detail"]["vehicles"][1]["FB3802ThisCar"].get<double>(), 0);
  EXPECT_EQ(j["detail"]["vehicles"][1]["CCMonths"], 165);

  const QString one = write("one.json", R"([{"CCRegNumber": "A", "CCPrice": 300000, "MaintIncluded": true}])");
  j = run({"company-car", "--register", one, "--actual-3802", "117000"});
  EXPECT_EQ(j["detail"]["vehicles"][0]["FB3802ThisCar"].get<double>(), 117000);
  EXPECT_EQ(j["detail"]["vehicles"][0]["MonFB80"].get<double>(), 7800);

  j = run({"company-car"});  // empty register: nothing to print
  EXPECT_EQ(j["window"]["numTotAdjustTaxableInc"].get<double>(), 0);
  EXPECT_FALSE(j.contains("rows"));
}

TEST_F(VehicleCliTest, RegisterFileRefusalsNameTheVehicleAndTheKey) {
  struct Case {
    const char* json;
    const char* message;
    const char* field;
  };
  const Case cases[] = {
      {R"([{"CCPrice": 1}, {"CCPrice": 250000.5}])",
       "Vehicle 2, CCPrice: Please enter a whole number from 0 to 999 999 999", "numCCPrice"},
      {R"([{"CCRegNumber": "A", "Colour": "red"}])", "Vehicle 1, Colour: unknown key", "register"},
      {R"([{"BussMilage": 2}])", "Vehicle 1, BussMilage: must be 0 or 1 (or true or false)", "chkBussMilage"},
      {R"([{"CCMake": 5.5}])", "Vehicle 1, CCMake: must be a text", "txtCCMake"},
      {R"([{"CCStartDate": "01/10/2025", "CCEndDate": "30/09/2025"}])",
       "Vehicle 1, CCEndDate: The date entered is not correct please enter a date between 01/10/2025 and 28/02/2026",
       "dtCCEndDate"},
      {R"([{"CCEndDate": "31/02/2026"}])", "Vehicle 1, CCEndDate: must be a date dd/mm/yyyy", "dtCCEndDate"},
      {R"([{"CCPrice": 1)", "The register file is not valid JSON", "register"},
      {R"({"CCPrice": 1})", "The register file must hold an array of vehicles", "register"},
  };
  for (const Case& c : cases) {
    auto e = refused({"company-car", "--register", write("bad.json", c.json)});
    EXPECT_EQ(e["message"], c.message) << c.json;
    EXPECT_EQ(e["field"], c.field) << c.json;
  }
  auto e = refused({"company-car", "--register", write("ok.json", R"([{"CCPrice": 1}])"), "--current", "2"});
  EXPECT_EQ(e["field"], "current");
  CliRun missing = call({"company-car", "--register", folder.qfile("none.json")});
  EXPECT_EQ(missing.status, 1);
}

TEST_F(VehicleCliTest, BatchCarAllowance) {
  const QString input = write("in.csv",
                              "records-kept,value,close-km,business-km,fuel,lease,wear-and-tear\n"
                              "no,300000,30000,20000,,,\n"
                              "yes,,30000,20000,85000,,\n"
                              "yes,,30000,20000,85000,100,100\n");
  CliRun r = call({"batch", "car-allowance", "--input", input});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("numDClaim"), std::string::npos);
  EXPECT_NE(r.out.find("106991.32"), std::string::npos);
  EXPECT_NE(r.out.find("56666.66666666"), std::string::npos);
  EXPECT_NE(r.out.find("Only one amount for either Wear & Tear or Lease payments will be accepted"),
            std::string::npos);
}

}  // namespace
