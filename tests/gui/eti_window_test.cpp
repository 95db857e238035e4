// frmETI driven through its widgets: a month typed through to the printout,
// the refusals with their field focused, an answer that is not a
// qualification, and a year without ETI tables.
#include "payperiod_window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <nlohmann/json.hpp>

#include "eti/eti_window.h"
#include "year_file_edit.h"

using namespace quorin;

namespace {

struct EtiWindowTest : test::PayWindowFixture {
  EtiWindow* w = nullptr;
  // The window works in the year the session chose: 2027 here.
  void openIn(int year) {
    state.loadTaxYears();
    ASSERT_TRUE(state.chooseTaxYear(year));
    w = open<EtiWindow>();
  }
  QString text(const char* name) const { return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }
};

TEST_F(EtiWindowTest, AMonthTypedThroughToThePrintout) {
  openIn(2027);
  EXPECT_EQ(w->windowTitle(), "Employment Tax Incentive");
  EXPECT_EQ(shown("txtMonth"), "03/2026");
  EXPECT_EQ(shown("dtEmploymentStart"), "01/03/2026");
  type("numRemuneration", "2000");
  type("txtMonth", "10/2026");
  type("dtEmploymentStart", "15/11/2025");
  type("txtBirthDate", "05/04/2004");
  type("numHours", "80");
  type("numMonthsNotQualifying", "1");
  type("numPAYE", "400");
  type("numBroughtForward", "100");
  click("cmdCalculate");
  EXPECT_TRUE(messages.messages.empty()) << messages.last()->text.toStdString();
  EXPECT_EQ(shown("numQualifyingMonth"), "11");
  EXPECT_EQ(shown("numPeriod"), "1");
  EXPECT_EQ(shown("numGrossedUp"), "4000.00");
  EXPECT_EQ(text("txtTableFrom"), "01/03/2026");
  EXPECT_EQ(shown("numFullMonthETI"), "1500.00");
  EXPECT_EQ(shown("numHoursFactor"), "0.5000");
  EXPECT_EQ(shown("numETI"), "750.00");
  EXPECT_EQ(shown("numUtilised"), "400.00");
  EXPECT_EQ(shown("numCarriedForward"), "450.00");
  EXPECT_EQ(text("txtReason"), "Qualifies");

  click("cmdPrint");
  EXPECT_FALSE(button("cmdCalculate")->isEnabled());
  choose("Option2");
  type("Text1", "Sipho");
  QTest::mouseClick(window->findChild<QPushButton*>("cmdPD"), Qt::LeftButton);
  EXPECT_TRUE(messages.messages.empty()) << messages.last()->text.toStdString();
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(printed[0]).endsWith("/ETI.rpt")) << printed[0];
  int rows = 0;
  auto r = row("ETI", &rows);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(r["Heading"].toString(), "Indiensnemingsbelastingaansporing");
  EXPECT_EQ(r["Employee"].toString(), "Vir : Sipho");
  EXPECT_EQ(r["EOE"].toString(), "(B.& F.W.)");
  EXPECT_EQ(r["ETINum"].toDouble(), 750);
  EXPECT_EQ(r["CarriedFwdNum"].toDouble(), 450);
  EXPECT_EQ(r["MonthText"].toString(), "10/2026");
  EXPECT_TRUE(button("cmdCalculate")->isEnabled());
}

TEST_F(EtiWindowTest, RefusalsShowTheirMessageAndFocusTheField) {
  openIn(2027);
  type("numRemuneration", "3000");
  type("silgAge", "25");
  click("cmdCalculate");
  ASSERT_TRUE(messages.messages.empty());
  EXPECT_EQ(shown("numETI"), "1500.00");
  struct Case {
    const char* name;
    const char* field;  // typed into, and expected to get the focus
    const char* text;
    const char* focus;
    const char* message;  // a part of it
  };
  const Case cases[] = {
      {"a month outside the year", "txtMonth", "02/2026", "txtMonth", "between 03/2026 and 02/2027"},
      {"a month before the start", "dtEmploymentStart", "01/04/2026", "dtEmploymentStart",
       "is after the month claimed (03/2026)"},
      {"no hours", "numHours", "0", "numHours", "above 0 and at most 744"},
      {"months not qualifying", "numMonthsNotQualifying", "1", "numMonthsNotQualifying", "must be fewer than"},
      {"no age without a zone", "silgAge", "", "silgAge", "Enter the age or the birth date"},
      {"a birth date that is none", "txtBirthDate", "31/04/2004", "txtBirthDate", "is not a date"},
  };
  for (const Case& c : cases) {
    const QString before = shown(c.field);
    messages.clear();
    type(c.field, c.text);
    click("cmdCalculate");
    ASSERT_TRUE(messages.last()) << c.name;
    EXPECT_NE(messages.last()->text.toStdString().find(c.message), std::string::npos)
        << c.name << ": " << messages.last()->text.toStdString();
    EXPECT_EQ(focused(), c.focus) << c.name;
    EXPECT_EQ(shown("numETI"), "1500.00") << c.name;
    type(c.field, before.toLatin1().constData());
  }
  // A zone needs no age.
  messages.clear();
  type("silgAge", "");
  window->findChild<QCheckBox*>("chkSEZ")->click();
  type("numRemuneration", "7000");
  click("cmdCalculate");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(shown("numETI"), "375.00");
}

TEST_F(EtiWindowTest, NotQualifyingIsAnAnswerWithItsReason) {
  openIn(2027);
  type("numRemuneration", "4000");
  type("silgAge", "22");
  type("numHours", "80");
  click("cmdCalculate");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(shown("numGrossedUp"), "8000.00");
  EXPECT_EQ(shown("numETI"), "0.00");
  EXPECT_EQ(text("txtReason"), "Monthly remuneration (R 8 000.00 for 160 hours) not below R 7 500.00");
  EXPECT_EQ(shown("numUtilised"), "");
}

TEST_F(EtiWindowTest, AYearWithoutTablesIsRefusedAtTheTaxYearChoice) {
  editYearFile(folder, 2027, [](nlohmann::json& j) { j.erase("eti"); });
  openIn(2027);
  type("numRemuneration", "3000");
  type("silgAge", "25");
  click("cmdCalculate");
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->text, "No ETI table for the 2027 tax year");
  EXPECT_EQ(focused(), "cboTaxYear");
  // Choosing 2026 in the Setup frame puts the year's first month in place.
  auto* years = window->findChild<QComboBox*>("cboTaxYear");
  years->setCurrentIndex(years->findData(2026));
  messages.clear();
  click("cmdSetupOK");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(shown("txtMonth"), "03/2025");
  EXPECT_EQ(shown("numETI"), "1500.00");
}

}  // namespace
