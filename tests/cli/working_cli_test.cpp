// quorin-cli --working and --format: the steps in the JSON, the text a
// person reads at a terminal, and what stays the same for scripts.
#include <gtest/gtest.h>

#include <QStandardPaths>

#include "cli_support.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct WorkingCliTest : ::testing::Test {
  TestFolder folder;
  QStringList monthly(QStringList extra) const {
    QStringList args{"monthly", "--salary", "30000", "--age", "40", "--tax-year", "2027",
                     "--data-dir", QString::fromStdString(folder.path())};
    return args + extra;
  }
};

TEST_F(WorkingCliTest, WorkingListsTheStepsWithTheirInputsRuleAndValue) {
  CliRun r = runCli(monthly({"--working"}));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = r.json();
  const auto& steps = j["working"];
  ASSERT_TRUE(steps.is_array());
  ASSERT_GT(steps.size(), 10u);
  for (const auto& step : steps) {
    EXPECT_TRUE(step["label"].is_string());
    EXPECT_TRUE(step["inputs"].is_object());
    EXPECT_TRUE(step["rule"].is_string());
    EXPECT_TRUE(step["value"].is_number());
  }
  EXPECT_EQ(steps.back()["label"], "Tax to deduct");
  EXPECT_EQ(steps.back()["value"], j["window"]["numTaxLiability"]);
  bool scale = false;
  for (const auto& step : steps)
    if (step["label"] == "Tax on the scale without the bonus") {
      scale = true;
      EXPECT_EQ(step["rule"], "bracket 245 101 - 383 100 of 2027: 44 118 + 26 % above 245 100");
      EXPECT_EQ(step["inputs"]["taxable income"].get<double>(), 360000);
      EXPECT_EQ(step["value"].get<double>(), 73992);
    }
  EXPECT_TRUE(scale);
}

TEST_F(WorkingCliTest, WithoutWorkingAPipeReadsTheSameJsonAsBefore) {
  CliRun plain = runCli(monthly({}));
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_FALSE(plain.json().contains("working"));
  EXPECT_EQ(runCli(monthly({"--format", "json"})).out, plain.out);
  // A calculator that explains nothing takes no --working.
  EXPECT_EQ(runCli({"inflation", "--working", "--data-dir", QString::fromStdString(folder.path())}).status, 64);
}

TEST_F(WorkingCliTest, TextFormatShowsCaptionsAmountsAndTheSteps) {
  CliRun r = runCli(monthly({"--format", "text", "--working"}));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find('{'), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("monthly, tax year 2027"), std::string::npos);
  EXPECT_NE(r.out.find("Total tax deduction"), std::string::npos);
  EXPECT_NE(r.out.find("4 681.00"), std::string::npos);
  EXPECT_NE(r.out.find("How these figures were worked out"), std::string::npos);
  EXPECT_NE(r.out.find("under 65: primary 17 820 of 2027"), std::string::npos);

  CliRun refused = runCli(monthly({"--format", "text", "--bonus", "lots"}));
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.out.empty()) << refused.out;
  EXPECT_FALSE(refused.err.empty());
}

TEST_F(WorkingCliTest, OnATerminalTheDefaultIsTextAndElsewhereJson) {
  const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
  if (script.isEmpty()) GTEST_SKIP() << "no script(1) to give the program a terminal";
  // script runs the call on a pseudo-terminal of its own.
  QString call = QStringLiteral(QUORIN_CLI);
  for (const QString& arg : monthly({})) call += QStringLiteral(" '") + arg + QLatin1Char('\'');
  const CliRun onTerminal =
      runProgram(script, {QStringLiteral("-qec"), call, QStringLiteral("/dev/null")}, cliEnvironment());
  ASSERT_EQ(onTerminal.status, 0) << onTerminal.err;
  EXPECT_NE(onTerminal.out.find("Total tax deduction"), std::string::npos) << onTerminal.out;
  EXPECT_EQ(onTerminal.out.find('{'), std::string::npos) << onTerminal.out;
  EXPECT_TRUE(runCli(monthly({})).json().contains("window"));
}

}  // namespace
