// Day numbers, rounding, display masks and field limits.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "common/day_number.h"
#include "common/money.h"
#include "common/field_limits.h"

using namespace quorin;

namespace {

TEST(DayNumbers, KnownSerials) {
  EXPECT_EQ(dayNumber(1899, 12, 30), 0);
  EXPECT_EQ(dayNumber(2025, 3, 1), kTaxYearStart);
  EXPECT_EQ(dayNumber(2026, 2, 28), kTaxYearEnd);
  EXPECT_EQ(dayNumber(1800, 1, 1), kDayNotEntered);
  EXPECT_EQ(formatDay(45717), "01/03/2025");
  EXPECT_EQ(formatDay(-36522), "01/01/1800");
  EXPECT_EQ(parseDay("31/03/2025"), 45747);
  EXPECT_EQ(parseDay("1/3/2025"), 45717);
  EXPECT_FALSE(parseDay("29/02/2026"));
  EXPECT_FALSE(parseDay("31/04/2025"));
  EXPECT_FALSE(parseDay("abc"));
  EXPECT_FALSE(parseDay("01/03/25"));
  EXPECT_TRUE(parseDay("29/02/2024"));
  // Eight digits typed without the slashes.
  EXPECT_EQ(parseDay("01032025"), 45717);
  EXPECT_EQ(parseDay("28022026"), kTaxYearEnd);
  EXPECT_FALSE(parseDay("31062025"));
  EXPECT_FALSE(parseDay("0103202"));
  EXPECT_FALSE(parseDay("010320255"));
}

TEST(FieldLimits, CommaIsRefusedWithTheFieldsOwnMessage) {
  double v = 0;
  const FieldLimit wholeRand{FieldKind::Whole, 0, 99999999, 0};
  const FieldLimit cents{FieldKind::Amount, 0, 9999999.99, 2};
  for (const char* typed : {"30,000.50", "17712,50"}) {
    auto r = checkText("numSalRemun", wholeRand, typed, v);
    ASSERT_TRUE(r) << typed;
    EXPECT_NE(r->message.find("comma"), std::string::npos);
    EXPECT_NE(r->message.find("Please enter a whole number from 0 to 99 999 999"), std::string::npos);
    EXPECT_TRUE(checkText("numSalRemun", cents, typed, v)) << typed;
  }
  auto fraction = checkText("numSalRemun", wholeRand, "30000.50", v);
  ASSERT_TRUE(fraction);
  EXPECT_EQ(fraction->message, "Please enter a whole number from 0 to 99 999 999");
  EXPECT_FALSE(checkText("numSalRemun", wholeRand, "30 000", v));
  EXPECT_EQ(v, 30000);
}

TEST(Rounding, HalfToEvenAndAsShown) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(5249.6), 5250);
  EXPECT_EQ(roundAsShown(177.12, 2), 177.12);
  EXPECT_EQ(roundAsShown(0.125, 2), 0.12);  // binary 0.125 is an exact half
  EXPECT_EQ(truncateDown(-0.5), -1);
}

// The quick way to the cent gives exactly the digits printf shows, near a
// half of a cent (1.005 is stored just below its half) and away from it.
TEST(Rounding, AsShownAgreesWithPrintfEverywhere) {
  std::mt19937_64 random(21);
  std::uniform_int_distribution<long long> millis(-2000000000LL, 2000000000LL);
  for (int i = 0; i < 50000; ++i) {
    const long long m = millis(random);
    for (double v : {m / 1000.0, m / 1000.0 + 0.0005, m * 0.001 / 3, std::ldexp(static_cast<double>(m), -12)}) {
      for (int decimals : {0, 2, 3}) {
        char text[512];
        std::snprintf(text, sizeof text, "%.*f", decimals, v);
        const double printed = std::strtod(text, nullptr);
        ASSERT_EQ(roundAsShown(v, decimals), printed) << text << " from " << v;
        ASSERT_EQ(std::signbit(roundAsShown(v, decimals)), std::signbit(printed)) << v;
      }
    }
  }
  EXPECT_EQ(roundAsShown(1.005, 2), 1.0);
  EXPECT_EQ(roundAsShown(2.675, 2), 2.67);
  EXPECT_EQ(roundAsShown(1e300, 2), 1e300);
}

TEST(DisplayMasks, DotDecimalAndSpaceGrouping) {
  EXPECT_EQ(formatFixed(4783.083333, 2), "4783.08");
  EXPECT_EQ(formatFixed(-0.001, 2), "0.00");
  EXPECT_EQ(formatGrouped(1234567.891, 2), "1 234 567.89");
  EXPECT_EQ(formatGrouped(-1234.5, 2), "-1 234.50");
  EXPECT_EQ(formatGrouped(999, 0), "999");
  EXPECT_EQ(formatGrouped(0, 2), "0.00");
  EXPECT_EQ(formatShortest(4783.083333333333), "4783.083333333333");
  EXPECT_EQ(formatShortest(30000), "30000");
  EXPECT_EQ(formatShortest(300000), "300000");
  EXPECT_EQ(formatShortest(0.1), "0.1");
}

// The quick writing of whole and few-decimal amounts gives the very text
// of the general shortest form, on either side of its limits.
TEST(DisplayMasks, ShortestFormOfEveryKindOfAmount) {
  const auto general = [](double v) {
    char buf[64];
    const double a = std::fabs(v);
    const bool plain = a == 0 || (a >= 1e-6 && a < 1e16);
    auto res = plain ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed)
                     : std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
  };
  std::mt19937_64 random(2026);
  std::uniform_int_distribution<long long> whole(-3000000000000LL, 3000000000000LL);
  std::uniform_real_distribution<double> any(-1e7, 1e7);
  for (int i = 0; i < 50000; ++i) {
    const long long n = whole(random);
    for (double v : {double(n), n / 10.0, n / 100.0, n / 1000.0, n / 10000.0, (n % 100000) / 12.0,
                     (n % 1000) / 1000.0, (n % 100000) * 0.01, any(random), any(random) * 1e-9,
                     std::ldexp(any(random), int(n % 50))})
      ASSERT_EQ(formatShortest(v), general(v)) << v;
  }
  for (double v : {0.0, -0.0, 0.5, -0.05, 0.001, 0.0005, 1e-6, 999999999999.999, 1e12, -1e12, 9007199254740993.0,
                   1e16, 1e-7, 177.12, 1062.204, 1.005})
    EXPECT_EQ(formatShortest(v), general(v)) << v;
  EXPECT_EQ(formatShortest(-0.0), "-0");
  EXPECT_EQ(formatShortest(0.05), "0.05");
  EXPECT_EQ(formatShortest(-1062.204), "-1062.204");
}

TEST(FieldLimits, NumbersReadAsStrtodReadsThem) {
  EXPECT_EQ(parseNumber("+250"), 250.0);
  EXPECT_EQ(parseNumber(".5"), 0.5);
  EXPECT_EQ(parseNumber("5."), 5.0);
  EXPECT_TRUE(std::signbit(*parseNumber("-0")));
  EXPECT_EQ(parseNumber("999999999999999"), 999999999999999.0);
  EXPECT_EQ(parseNumber("12345678901234567"), 12345678901234568.0);
  EXPECT_EQ(parseNumber("0.1"), 0.1);
  EXPECT_EQ(parseNumber(" 30 000.55 "), 30000.55);
  EXPECT_FALSE(parseNumber("1e3"));
  EXPECT_FALSE(parseNumber("+"));
  EXPECT_FALSE(parseNumber("+-5"));
  // Hundreds of digits: no double holds it, and no limit lets it through.
  EXPECT_TRUE(std::isinf(*parseNumber(std::string(400, '9'))));
  EXPECT_EQ(*parseNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(FieldLimits, NumbersDatesAndText) {
  EXPECT_EQ(parseNumber(""), 0.0);
  EXPECT_EQ(parseNumber("1 234.5"), 1234.5);
  EXPECT_EQ(parseNumber("-5"), -5.0);
  EXPECT_FALSE(parseNumber("12a"));
  EXPECT_FALSE(parseNumber("1.2.3"));
  EXPECT_FALSE(parseNumber("-"));

  FieldLimit whole{FieldKind::Whole, 0, 999};
  double v = 0;
  EXPECT_FALSE(checkText("silgEdit9", whole, "40", v));
  EXPECT_EQ(v, 40);
  auto r = checkText("silgEdit9", whole, "1000", v);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->field, "silgEdit9");
  EXPECT_EQ(r->title, "Incorrect Value");
  EXPECT_TRUE(checkText("silgEdit9", whole, "4.5", v));
  EXPECT_TRUE(checkText("silgEdit9", whole, "forty", v));

  FieldLimit date{FieldKind::Date, kTaxYearStart, kTaxYearEnd};
  date.message = "The date entered is not correct please enter a date between 01/03/2025 and 28/02/2026";
  EXPECT_FALSE(checkText("dtMStartDate", date, "28/02/2026", v));
  auto d = checkText("dtMStartDate", date, "01/03/2026", v);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->title, "Incorrect Date");
  EXPECT_EQ(d->message, date.message);

  FieldLimit name{FieldKind::Text};
  name.maxLength = 3;
  EXPECT_FALSE(checkText("Text1", name, "\xC3\xA9\xC3\xA9\xC3\xA9", v));  // three characters
  EXPECT_TRUE(checkText("Text1", name, "abcd", v));
}

}  // namespace

#include "shell/version.h"

namespace {

TEST(Version, CaptionAndDisclaimerNumber) {
  EXPECT_EQ(versionText({1, 2, 5}), "1.02.005");
  EXPECT_EQ(disclaimerNumber({1, 2, 5}), 125);
  EXPECT_EQ(versionText({1, 0, 12}), "1.00.012");
  EXPECT_EQ(disclaimerNumber({1, 0, 12}), 1012);
  EXPECT_GT(disclaimerNumber({1, 0, 13}), disclaimerNumber({1, 0, 12}));
  EXPECT_EQ(mainCaption({1, 0, 12}).rfind("Quorin 2026 Ver: 1.00.012  ", 0), 0u);
}

}  // namespace
