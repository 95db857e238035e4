// quorin-cli batch with files as spreadsheets write them: byte-order mark,
// ragged rows, repeated columns, unclosed quotes, semicolons; the output
// pinned and checked against single calls; long files kept in order.
#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>

#include "cli_support.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct BatchCliTest : ::testing::Test {
  TestFolder folder;
  QString dir() const { return QString::fromStdString(folder.path()); }
  QString write(const char* name, const QByteArray& csv) {
    const QString path = folder.qfile(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(csv);
    return path;
  }
  CliRun batch(const char* calculator, const QByteArray& csv, QStringList extra = {}) {
    QStringList args{"batch", calculator, "--input", write("in.csv", csv), "--data-dir", dir()};
    return runCli(args + extra);
  }
  static QStringList lines(const CliRun& r) { return QString::fromStdString(r.out).split("\r\n", Qt::SkipEmptyParts); }
  // The fields of an output line that holds no quoted field.
  static QStringList fields(const QString& line, char delimiter = ',') { return line.split(QChar(delimiter)); }
};

TEST_F(BatchCliTest, OutputIsPinned) {
  CliRun r = batch("monthly",
                   "salary,age,bonus,employee-medical,beneficiaries,start,end,uif-limit,name\r\n"
                   "30000,40,,,,,,,\r\n"
                   "45000,70,12000,3000,3,16/06/2025,30/06/2025,,\"Smith, J\"\r\n"
                   "8000,40,,,,,,20000,\r\n"
                   "\r\n"
                   "30000,40,,,,30/04/2025,01/05/2025,,\r\n"
                   "-5,40,,,,,,,\r\n"
                   "12000,30,,,,,,abc,\r\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "salary,age,bonus,employee-medical,beneficiaries,start,end,uif-limit,name,numAllowableRFundDed,numMAns1,"
            "numMAns2,numMAns3,numMAns,numTaxCredit,numMTCForContri,numTaxLiability,numMTAAns,error\r\n"
            "30000,40,,,,,,,,0,177.12,177.12,300,4783.083333333333,0,0,4783.083333333333,0,\r\n"
            "45000,70,12000,3000,3,16/06/2025,30/06/2025,,\"Smith, J\",0,177.12,177.12,570,18071.666666666664,974,"
            "25.974,17071.692666666666,0,\r\n"
            "8000,40,,,,,,20000,,0,80,80,80,3.75,0,0,3.75,0,\r\n"
            "30000,40,,,,30/04/2025,01/05/2025,,,,,,,,,,,,The Start and End dates entered must be for the same Month\r\n"
            "-5,40,,,,,,,,,,,,,,,,,Salary/remuneration: Please enter a whole number from 0 to 99 999 999\r\n"
            "12000,30,,,,,,abc,,,,,,,,,,,\"\"\"abc\"\" is not a number: Please enter an amount from 0 to 999 999\"\r\n");
  EXPECT_TRUE(r.err.empty()) << r.err;  // no progress: standard error is no terminal here
}

// Every figure of a batch row reads back as the same double as the single
// call's JSON, for each calculator with its own flat figures.
TEST_F(BatchCliTest, RowsMatchTheSingleCalls) {
  struct Case {
    const char* calculator;
    QStringList columns;
    QStringList values;
  };
  const Case cases[] = {
      {"monthly", {"salary", "age", "travel-allowance", "employee-rfund", "employee-medical", "beneficiaries"},
       {"61234", "67", "4500", "3100", "2800", "2"}},
      {"weekly", {"salary", "age", "normal-days", "days-worked", "employee-uif"}, {"9100", "35", "5", "3", "1.5"}},
      {"annual", {"salary", "age", "bonus", "employee-medical", "beneficiaries"},
       {"734567", "45", "50000", "36000", "2,2,2,3,3,3,3,3,3,3,3,3"}},
      {"ruravuvo", {"income", "age"}, {"1234567.89", "66"}},
      {"velmar-monthly", {"package", "age", "car-value", "medical", "beneficiaries", "expense"},
       {"85000", "41", "450000", "3200", "3", "Gym=500:450"}},
      {"quorin-annual", {"net-required", "age", "medical", "beneficiaries"}, {"420000", "52", "30000", "24"}},
      {"car-allowance", {"records-kept", "value", "allowance", "close-km", "open-km", "business-km", "fuel"},
       {"yes", "380000", "96000", "61000", "21000", "18000", "21000"}},
      {"loans", {"principal", "period", "rate", "fin-charges"}, {"250000", "60", "11.5", "1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.calculator);
    QByteArray csv = c.columns.join(',').toUtf8() + "\r\n\"" + c.values.join("\",\"").toUtf8() + "\"\r\n";
    CliRun b = batch(c.calculator, csv);
    ASSERT_EQ(b.status, 0) << b.err;
    QStringList args{c.calculator, "--data-dir", dir()};
    for (int i = 0; i < c.columns.size(); ++i) {
      args << "--" + c.columns[i];
      if (c.columns[i] != "fin-charges") args << c.values[i];  // a switch: any text in its column sets it
    }
    CliRun single = runCli(args);
    ASSERT_EQ(single.status, 0) << single.err;
    const auto window = single.json()["window"];

    // The input values hold no quote or delimiter once unquoted, save the
    // annual counts: take the figures from the end of the line.
    const QStringList head = fields(lines(b)[0]);
    const QStringList row = fields(lines(b)[1]);
    ASSERT_EQ(head.back(), "error");
    EXPECT_EQ(row.back(), "");
    std::size_t checked = 0;
    for (int i = c.columns.size(); i < head.size() - 1; ++i) {
      const std::string name = head[i].toStdString();
      if (name == "tax-year") continue;
      const QString cell = row[row.size() - head.size() + i];
      const auto bracket = name.find('[');
      const auto& v = bracket == std::string::npos
                          ? window[name]
                          : window[name.substr(0, bracket)][std::stoul(name.substr(bracket + 1))];
      if (v.is_boolean()) {
        EXPECT_EQ(cell.toStdString(), v.get<bool>() ? "true" : "false") << name;
      } else {
        ASSERT_TRUE(v.is_number()) << name;
        EXPECT_EQ(cell.toDouble(), v.get<double>()) << name;
        EXPECT_FALSE(cell.endsWith(".0")) << name;  // shortest form
      }
      ++checked;
    }
    EXPECT_GT(checked, 1u);
  }
}

// A row whose windows hold more fields than a fresh window (the loan's
// finance charges) keeps every figure under its own column.
TEST_F(BatchCliTest, FiguresStayUnderTheirOwnColumns) {
  CliRun r = batch("loans", "principal,period,rate,fin-charges\r\n100000,12,10,1\r\n100000,12,10,\r\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const QStringList out = lines(r);
  ASSERT_EQ(out.size(), 3);
  EXPECT_EQ(out[0], "principal,period,rate,fin-charges,numPrinAmount,numPeriod,numIntRate,numMonRePay,ErrorShown,error");
  EXPECT_EQ(fields(out[1])[8], "false");
  EXPECT_EQ(fields(out[2])[8], "false");
}

TEST_F(BatchCliTest, SpreadsheetExportsAreRead) {
  // The byte-order mark of a "CSV UTF-8" export.
  CliRun bom = batch("monthly", "\xEF\xBB\xBFsalary,age\r\n30000,40\r\n");
  ASSERT_EQ(bom.status, 0) << bom.err;
  EXPECT_TRUE(lines(bom)[0].startsWith("salary,age,numAllowableRFundDed,"));
  EXPECT_TRUE(lines(bom)[1].contains(",4783.083333333333,"));

  // Semicolons where the desktop's decimal mark is a comma; fields holding
  // a semicolon are quoted, a comma is then plain text.
  CliRun semi = batch("monthly", "salary;age;name\n30000;40;\"Smith; J\"\n8000;40;Jones, B\n", {"--delimiter", ";"});
  ASSERT_EQ(semi.status, 0) << semi.err;
  const QStringList out = lines(semi);
  ASSERT_EQ(out.size(), 3);
  EXPECT_TRUE(out[0].startsWith("salary;age;name;numAllowableRFundDed;numMAns1;")) << out[0].toStdString();
  EXPECT_TRUE(out[1].startsWith("30000;40;\"Smith; J\";0;177.12;")) << out[1].toStdString();
  EXPECT_TRUE(out[2].startsWith("8000;40;Jones, B;0;80;")) << out[2].toStdString();
  EXPECT_TRUE(out[2].endsWith(";")) << out[2].toStdString();

  EXPECT_EQ(batch("monthly", "salary,age\r\n30000,40\r\n", {"--delimiter", ","}).status, 0);
  for (const char* refused : {"\t", "|", ";;", ""}) {
    CliRun r = batch("monthly", "salary\r\n1\r\n", {"--delimiter", refused});
    EXPECT_EQ(r.status, 64) << refused;
    EXPECT_TRUE(r.out.empty());
  }
}

TEST_F(BatchCliTest, RaggedRowsAreRefusedByRowNumber) {
  // Row numbers count the header as row 1 and blank lines as rows, as a
  // spreadsheet numbers them; a quoted line break stays in its row.
  CliRun r = batch("monthly",
                   "salary,age,name\r\n"
                   "30000,40,A\r\n"
                   "30000,40\r\n"
                   "\r\n"
                   "30000,40,\"two\r\nlines\",extra\r\n"
                   "8000,40,B\r\n"
                   "9000\r\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const QStringList out = lines(r);
  ASSERT_EQ(out.size(), 7);  // the quoted line break splits one output row in two here
  EXPECT_TRUE(out[1].contains(",4783.083333333333,"));
  EXPECT_EQ(out[2].toStdString(), "30000,40,,,,,,,,,,,,\"row 3 has 2 fields, the header has 3\"");
  EXPECT_EQ(out[3].toStdString(), "30000,40,\"two");
  EXPECT_EQ(out[4].toStdString(), "lines\",,,,,,,,,,,\"row 5 has 4 fields, the header has 3\"");
  EXPECT_TRUE(out[5].startsWith("8000,40,B,0,80,80,80,3.75,")) << out[5].toStdString();
  EXPECT_TRUE(out[5].endsWith(",2026,")) << out[5].toStdString();  // the year in force, said in its column
  EXPECT_EQ(out[6].toStdString(), "9000,,,,,,,,,,,,,\"row 7 has 1 field, the header has 3\"");
}

TEST_F(BatchCliTest, BadFilesAreRefusedWithTheirPlace) {
  CliRun twice = batch("monthly", "salary,age,salary\r\n30000,40,8000\r\n");
  EXPECT_EQ(twice.status, 64);
  EXPECT_TRUE(twice.out.empty());
  EXPECT_NE(twice.err.find("\"salary\" appears twice"), std::string::npos) << twice.err;

  CliRun unknown = batch("monthly", "salary,pay\r\n30000,40\r\n");
  EXPECT_EQ(unknown.status, 64);
  EXPECT_NE(unknown.err.find("Unknown column \"pay\""), std::string::npos) << unknown.err;

  // The rows before an unclosed quote are worked out; the rest of the file
  // is not taken as one value.
  CliRun open = batch("monthly",
                      "salary,age,name\r\n"
                      "30000,40,A\r\n"
                      "8000,40,\"Smith\r\n"
                      "9000,40,B\r\n"
                      "9500,40,C\r\n");
  EXPECT_EQ(open.status, 1);
  const QStringList out = lines(open);
  ASSERT_EQ(out.size(), 2);
  EXPECT_TRUE(out[1].startsWith("30000,40,A,"));
  EXPECT_NE(open.err.find("begins on line 3 (row 3) has no closing quote"), std::string::npos) << open.err;

  CliRun header = batch("monthly", "salary,\"age\r\n30000,40\r\n");
  EXPECT_EQ(header.status, 1);
  EXPECT_NE(header.err.find("line 1"), std::string::npos) << header.err;

  CliRun empty = batch("monthly", "\xEF\xBB\xBF");
  EXPECT_EQ(empty.status, 1);
  EXPECT_NE(empty.err.find("empty"), std::string::npos) << empty.err;
}

// Rows are worked out in chunks side by side: the output keeps the file's
// order, each row once.
TEST_F(BatchCliTest, LongFilesKeepTheirOrder) {
  constexpr int kRows = 30000;
  QByteArray csv = "salary,age\n";
  for (int i = 0; i < kRows; ++i) csv += QByteArray::number(1000 + i) + (i % 997 == 0 ? ",x\n" : ",40\n");
  CliRun r = batch("monthly", csv);
  ASSERT_EQ(r.status, 0) << r.err;
  const QStringList out = lines(r);
  ASSERT_EQ(out.size(), kRows + 1);
  for (int i = 0; i < kRows; ++i) {
    const QStringList f = fields(out[i + 1]);
    ASSERT_EQ(f[0].toInt(), 1000 + i) << i;
    ASSERT_EQ(f.back().isEmpty(), i % 997 != 0) << i;
  }
}

// On a terminal the rows are counted on standard error, never in the
// results.
TEST_F(BatchCliTest, ProgressOnlyOnATerminal) {
  const QString script = QStandardPaths::findExecutable("script");
  if (script.isEmpty()) GTEST_SKIP() << "no script program to give a terminal";
  QByteArray csv = "salary,age\n";
  for (int i = 0; i < 100000; ++i) csv += "30000,40\n";
  const QString in = write("big.csv", csv), out = folder.qfile("big-out.csv");
  const QString command = QStringLiteral("'%1' batch monthly --input '%2' --output '%3' --data-dir '%4'")
                              .arg(QStringLiteral(QUORIN_CLI), in, out, dir());
  QProcess p;
  p.start(script, {"-qfec", command, "/dev/null"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_TRUE(p.readAllStandardOutput().contains("100000 rows worked out"));
  QFile results(out);
  ASSERT_TRUE(results.open(QIODevice::ReadOnly));
  const QByteArray text = results.readAll();
  EXPECT_FALSE(text.contains("worked out"));
  EXPECT_EQ(text.count('\n'), 100001);

  CliRun piped = runCli({"batch", "monthly", "--input", in, "--output", out, "--data-dir", dir()});
  EXPECT_EQ(piped.status, 0);
  EXPECT_TRUE(piped.err.empty()) << piped.err;
}

}  // namespace
