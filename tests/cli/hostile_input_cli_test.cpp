// quorin-cli given what a user might hand it by mistake: register files
// that are no files, too large or hold numbers no field can take, and
// switch columns and flags written as 1/0, yes/no or true/false.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli_fixture.h"

using namespace quorin::test;

namespace {

struct HostileInputCliTest : CliFixture {
  // The cell of a column in the output lines of a batch run.
  static QString cell(const QStringList& lines, int row, const char* column) {
    const int at = lines[0].split(',').indexOf(column);
    return at < 0 ? QStringLiteral("(no column)") : lines[row].split(',').value(at);
  }
};

TEST_F(HostileInputCliTest, RegisterThatIsNoFileEndsAtOnceNamingIt) {
  const QString fifo = folder.qfile("fifo.json");
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  for (const QString& path : {dir(), fifo, QStringLiteral("/dev/zero"), folder.qfile("none.json")}) {
    CliRun r = call({"company-car", "--register", path});
    EXPECT_EQ(r.status, 1) << path.toStdString() << r.out;
    EXPECT_NE(r.err.find("The register file " + path.toStdString() + " cannot be read: it "), std::string::npos)
        << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

TEST_F(HostileInputCliTest, RegisterNumberTooLargeForItsFieldIsRefusedNamingVehicleAndKey) {
  CliRun r = call({"company-car", "--register",
                   write("reg.json", R"([{"CCPrice": 1}, {"YearOfManfact": 18446744073709551615}])")});
  ASSERT_EQ(r.status, 2) << r.out << r.err;
  EXPECT_EQ(r.json()["error"]["message"], "Vehicle 2, YearOfManfact: The text entered may be at most 10 characters long");
  EXPECT_EQ(r.out.find("-1"), std::string::npos);

  CliRun kept = call({"company-car", "--register", write("reg.json", R"([{"CCPrice": 1, "YearOfManfact": 2018}])")});
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.json()["rows"][0]["YearOfManfact"], "2018");
}

// The claim of the deemed method with fuel (106 991.32), without fuel
// (71 411.32) and without maintenance (93 911.32), by the words of the
// no-fuel and no-maintenance columns; a word that is no switch refuses its
// row only.
TEST_F(HostileInputCliTest, BatchSwitchColumnsReadTheirWords) {
  const QStringList out = batch("car-allowance",
                                "tax-year,value,close-km,business-km,no-fuel,no-maintenance\n"
                                "2026,300000,30000,20000,,\n"
                                "2026,300000,30000,20000,0,no\n"
                                "2026,300000,30000,20000,False,NO\n"
                                "2026,300000,30000,20000,1,\n"
                                "2026,300000,30000,20000,yes,0\n"
                                "2026,300000,30000,20000,TRUE,\n"
                                "2026,300000,30000,20000,,true\n"
                                "2026,300000,30000,20000,maybe,\n"
                                "2026,300000,30000,20000,,2\n"
                                "2026,300000,30000,20000,0,\n");
  ASSERT_EQ(out.size(), 11);
  const char* claims[] = {"106991.32", "106991.32", "106991.32", "71411.32", "71411.32",
                          "71411.32",  "93911.32",  "",          "",         "106991.32"};
  for (int row = 1; row <= 10; ++row) EXPECT_EQ(cell(out, row, "numDClaim"), claims[row - 1]) << row;
  // The message is the last field, quoted as CSV quotes it.
  EXPECT_TRUE(out[8].endsWith(R"(,"--no-fuel takes 1 or 0, yes or no, true or false (any case), not ""maybe""")"))
      << out[8].toStdString();
  EXPECT_TRUE(out[9].endsWith(R"(,"--no-maintenance takes 1 or 0, yes or no, true or false (any case), not ""2""")"))
      << out[9].toStdString();
  EXPECT_EQ(cell(out, 1, "error"), "");
}

// On the command line the same words: a switch given as off is a switch
// not given; a two-way choice takes them too.
TEST_F(HostileInputCliTest, SwitchAndTwoWayChoiceFlagsReadTheSameWords) {
  const QStringList allowance = {"car-allowance", "--value", "300000", "--close-km", "30000", "--business-km", "20000"};
  const QString reg = write("reg.json", R"([{"CCPrice": 300000}, {"CCPrice": 200000}])");
  struct Case {
    QStringList args;
    QStringList same;
  };
  const Case cases[] = {
      {allowance + QStringList{"--no-fuel=0"}, allowance},
      {allowance + QStringList{"--no-fuel=FALSE", "--no-maintenance=no"}, allowance},
      {allowance + QStringList{"--no-fuel=Yes"}, allowance + QStringList{"--no-fuel"}},
      {allowance + QStringList{"--records-kept", "TRUE"}, allowance + QStringList{"--records-kept", "yes"}},
      {allowance + QStringList{"--records-kept", "0"}, allowance + QStringList{"--records-kept", "no"}},
      {{"company-car", "--register", reg, "--actual-3802", "9000", "--auto-split", "No"},
       {"company-car", "--register", reg, "--actual-3802", "9000", "--auto-split", "off"}},
      {{"annual", "--salary", "30000", "--duplicate-march=false"}, {"annual", "--salary", "30000"}},
      {{"loans", "--principal", "100000", "--period", "12", "--rate", "10", "--fin-charges=1"},
       {"loans", "--principal", "100000", "--period", "12", "--rate", "10", "--fin-charges"}},
  };
  for (const Case& c : cases) {
    CliRun a = call(c.args), b = call(c.same);
    EXPECT_EQ(a.status, 0) << c.args.join(' ').toStdString() << a.err;
    EXPECT_EQ(a.out, b.out) << c.args.join(' ').toStdString();
  }
  CliRun yes = call({"settings", "--maintenance-plan", "1"});
  ASSERT_EQ(yes.status, 0) << yes.err;
  EXPECT_EQ(yes.json()["CompCarMPYesNo"], true);

  CliRun refused = call(allowance + QStringList{"--no-fuel=maybe"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.json()["error"]["field"], "Check1");
  EXPECT_EQ(call({"settings", "--maintenance-plan", "perhaps"}).status, 2);
}

}  // namespace
