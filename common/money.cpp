#include "common/money.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorin {

double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  return std::nearbyint(v);  // default rounding mode is to-nearest-even
}

double roundAsShown(double v, int decimals) {
  if (!std::isfinite(v)) return v;
  // Quick and exact away from a half: below 1e9 the product v x 10^d is
  // within 1e-7 of its exact value, so when it lies further than 1e-6 from
  // a half its nearest whole number is that of the exact value, and that
  // number over 10^d is the double its digits read back as.
  static constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  if (decimals >= 0 && decimals <= 6) {
    const double scaled = v * kScale[decimals];
    if (std::fabs(scaled) < 1e9) {
      const double whole = std::nearbyint(scaled);
      if (std::fabs(std::fabs(scaled - whole) - 0.5) > 1e-6) return whole / kScale[decimals];
    }
  }
  // The same digits as printf("%.*f") (both round the exact binary value),
  // without the cost of the locale and stream machinery.
  char buf[512];
  const auto written = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (written.ec != std::errc{}) {
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return std::strtod(buf, nullptr);
  }
  double shown = v;
  std::from_chars(buf, written.ptr, shown);
  return shown;
}

double truncateDown(double v) { return std::floor(v); }

std::string formatFixed(double v, int decimals) {
  if (!std::isfinite(v)) return "0";
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string s(buf);
  if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);  // no "-0.00"
  return s;
}

std::string formatGrouped(double v, int decimals) {
  std::string s = formatFixed(v, decimals);
  bool negative = !s.empty() && s[0] == '-';
  std::string digits = negative ? s.substr(1) : s;
  auto dot = digits.find('.');
  std::string whole = dot == std::string::npos ? digits : digits.substr(0, dot);
  std::string frac = dot == std::string::npos ? "" : digits.substr(dot);
  std::string grouped;
  int count = 0;
  for (auto it = whole.rbegin(); it != whole.rend(); ++it) {
    if (count > 0 && count % 3 == 0) grouped.insert(grouped.begin(), ' ');
    grouped.insert(grouped.begin(), *it);
    ++count;
  }
  return (negative ? "-" : "") + grouped + frac;
}

namespace {

// Amounts are mostly whole or of a few decimals (cents, a tenth of a
// cent): such a value reads back from its digits with those decimals, and
// no shorter text does, since the doubles this small lie far closer
// together than a thousandth. Writing them as a whole number of
// thousandths is exact and several times quicker than the general search.
char* writeFewDecimals(char* first, double v, bool& done) {
  done = false;
  const double a = std::fabs(v);
  if (!(a < 1e12) || v == 0) return first;
  constexpr double kScale[] = {1, 10, 100, 1000};
  for (int decimals = 0; decimals <= 3; ++decimals) {
    const double scaled = std::nearbyint(a * kScale[decimals]);
    if (scaled / kScale[decimals] != a) continue;
    auto n = static_cast<long long>(scaled);
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    auto length = static_cast<int>(end - digits);
    char* out = first;
    if (v < 0) *out++ = '-';
    if (length <= decimals) {  // 0.05: a zero before the point, zeros after it
      *out++ = '0';
      *out++ = '.';
      for (int i = length; i < decimals; ++i) *out++ = '0';
      for (int i = 0; i < length; ++i) *out++ = digits[i];
    } else {
      for (int i = 0; i < length - decimals; ++i) *out++ = digits[i];
      if (decimals > 0) {
        *out++ = '.';
        for (int i = length - decimals; i < length; ++i) *out++ = digits[i];
      }
    }
    done = true;
    return out;
  }
  return first;
}

}  // namespace

char* writeShortest(char* first, char* last, double v) {
  bool done = false;
  char* end = writeFewDecimals(first, v, done);
  if (done) return end;
  const double a = std::fabs(v);
  const bool plain = a == 0 || (a >= 1e-6 && a < 1e16);
  auto res = plain ? std::to_chars(first, last, v, std::chars_format::fixed) : std::to_chars(first, last, v);
  return res.ptr;
}

std::string formatShortest(double v) {
  char buf[64];
  return std::string(buf, writeShortest(buf, buf + sizeof buf, v));
}

}  // namespace quorin
