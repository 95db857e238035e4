// quorin-cli and the tax year: --tax-year on the calculators that work in a
// year, the refusal of a year that is not offered (before any other check),
// a damaged or added year file, and the tax-year column of a batch.
#include <gtest/gtest.h>

#include <QFile>

#include "cli_fixture.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct TaxYearCliTest : CliFixture {
  CliRun run(QStringList args) { return call(std::move(args)); }
  void writeFile(const char* name, const QByteArray& text) { write(name, text); }
};

void expectUnknownYear(const CliRun& r, const std::string& message) {
  EXPECT_EQ(r.status, 2) << r.out << r.err;
  auto j = r.json();
  EXPECT_EQ(j["error"]["title"], "Incorrect Value");
  EXPECT_EQ(j["error"]["message"], message);
  EXPECT_EQ(j["error"]["field"], "tax-year");
}

TEST_F(TaxYearCliTest, RuravUvoAndMonthlyIn2027) {
  CliRun r = run({"ruravuvo", "--income", "300000", "--age", "40", "--tax-year", "2027"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto w = r.json()["window"]["sidbEdit1"];
  EXPECT_EQ(w[5].get<double>(), 58392);
  EXPECT_EQ(w[6].get<double>(), 17820);
  EXPECT_EQ(w[7].get<double>(), 40572);

  r = run({"monthly", "--salary", "8250", "--age", "30", "--tax-year", "2027", "--start", "01/04/2026", "--end",
           "30/04/2026"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.json()["window"]["numTaxLiability"].get<double>(), 0);

  // 2026's dates are outside 2027, with the message quoting 2027's days.
  r = run({"monthly", "--salary", "8250", "--tax-year", "2027", "--start", "01/04/2025", "--end", "30/04/2025"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.json()["error"]["message"],
            "The date entered is not correct please enter a date between 01/03/2026 and 28/02/2027");
}

TEST_F(TaxYearCliTest, TheDefaultIs2026AndEqualsItGivenExplicitly) {
  const QStringList calls[] = {
      {"ruravuvo", "--income", "912345", "--age", "76"},
      {"weekly", "--salary", "9000", "--age", "70", "--employee-medical", "500", "--beneficiaries", "4"},
      {"annual", "--salary", "420000", "--age", "66", "--start", "01/06/2025"},
      {"quorin-annual", "--net-required", "300000", "--age", "40"},
      {"car-allowance", "--value", "300000", "--close-km", "130000", "--open-km", "100000", "--business-km", "20000"},
  };
  for (const QStringList& call : calls) {
    CliRun byDefault = run(call);
    CliRun explicit2026 = run(QStringList(call) << "--tax-year" << "2026");
    ASSERT_EQ(byDefault.status, 0) << call.join(' ').toStdString() << byDefault.out << byDefault.err;
    EXPECT_EQ(byDefault.out, explicit2026.out) << call.join(' ').toStdString();
    CliRun in2027 = run(QStringList(call) << "--tax-year" << "2027");
    EXPECT_NE(byDefault.out, in2027.out) << call.join(' ').toStdString();
  }
}

TEST_F(TaxYearCliTest, CarAllowanceIn2027UsesTheThirdBand) {
  CliRun r = run({"car-allowance", "--value", "300000", "--close-km", "130000", "--open-km", "100000",
                  "--business-km", "20000", "--tax-year", "2027"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  auto j = r.json();
  EXPECT_EQ(j["detail"]["FixedCost"].get<double>(), 98689) << j.dump();
}

// An unknown year is refused before the other flags are looked at.
TEST_F(TaxYearCliTest, UnknownYearIsRefusedFirst) {
  expectUnknownYear(run({"monthly", "--salary", "lots", "--tax-year", "2025"}), "Tax year must be 2026 or 2027");
  expectUnknownYear(run({"company-car", "--tax-year", "twenty"}), "Tax year must be 2026 or 2027");
  // Calculators that use no year figure take no --tax-year.
  EXPECT_EQ(run({"loans", "--tax-year", "2027"}).status, 64);
}

TEST_F(TaxYearCliTest, DamagedAndAddedYearFiles) {
  QFile f(folder.qfile("tax-years/2027.json"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray text = f.readAll();
  f.close();
  QByteArray damaged = text;
  damaged.replace("\"primary\": 17820", "\"primary\": -17820");
  writeFile("tax-years/2027.json", damaged);
  // The year asked for is refused with its file's reason: file, field, value.
  CliRun refused = run({"ruravuvo", "--income", "1", "--tax-year", "2027"});
  EXPECT_EQ(refused.status, 2) << refused.out;
  EXPECT_EQ(refused.json()["error"]["field"], "tax-year");
  const std::string why = refused.json()["error"]["message"];
  EXPECT_NE(why.find("tax-years/2027.json is refused: rebates.primary is -17820; it must be from 0"), std::string::npos)
      << why;
  EXPECT_NE(refused.err.find(why), std::string::npos);
  EXPECT_EQ(run({"ruravuvo", "--income", "1"}).status, 0);

  QByteArray next = text;
  next.replace("\"year\": 2027", "\"year\": 2028")
      .replace("01/03/2026", "01/03/2027")
      .replace("28/02/2027", "29/02/2028");
  writeFile("tax-years/2028.json", next);
  writeFile("tax-years/2027.json", text);
  CliRun r = run({"ruravuvo", "--income", "300000", "--age", "40", "--tax-year", "2028"});
  ASSERT_EQ(r.status, 0) << r.out;
  expectUnknownYear(run({"ruravuvo", "--tax-year", "2029"}), "Tax year must be 2026, 2027 or 2028");
}

TEST_F(TaxYearCliTest, BatchTaxYearColumn) {
  writeFile("in.csv", "income,age,tax-year\n300000,40,2027\n300000,40,\n300000,40,2026\n300000,40,1999\n");
  CliRun r = run({"batch", "ruravuvo", "--input", folder.qfile("in.csv")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& out = r.out;
  std::vector<std::string> lines;
  for (std::size_t at = 0, next; at < out.size(); at = next + 1) {
    next = out.find('\n', at);
    if (next == std::string::npos) next = out.size();
    lines.push_back(out.substr(at, next - at));
  }
  ASSERT_GE(lines.size(), 5u) << out;
  EXPECT_NE(lines[1].find(",40572,"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find(",41797,"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[2].substr(lines[2].find(',', 10)), lines[3].substr(lines[3].find(',', 10)));
  EXPECT_NE(lines[4].find("Tax year must be 2026 or 2027"), std::string::npos) << lines[4];
}

}  // namespace
