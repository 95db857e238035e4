#include "common/field_limits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/day_number.h"
#include "common/money.h"

namespace quorin {

std::optional<double> parseNumber(std::string_view text) {
  // Blanks group digits ("30 000"); they are dropped before reading.
  std::string compact;
  if (text.find_first_of(" \t") != std::string_view::npos) {
    for (char c : text)
      if (c != ' ' && c != '\t') compact.push_back(c);
    text = compact;
  }
  if (text.empty()) return 0.0;
  // Whole rands, the usual case: up to 15 digits are exact in a double.
  {
    const bool negative = text.front() == '-';
    const std::size_t from = negative || text.front() == '+';
    if (text.size() > from && text.size() - from <= 15) {
      long long whole = 0;
      std::size_t i = from;
      for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) whole = whole * 10 + (text[i] - '0');
      if (i == text.size()) return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
  }
  bool digits = false;
  bool dot = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '-' || c == '+') && i == 0) continue;
    if (c == '.' && !dot) { dot = true; continue; }
    if (c < '0' || c > '9') return std::nullopt;
    digits = true;
  }
  if (!digits) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars reads no plus sign
  double value = 0;
  // Correctly rounded, as strtod; out of range (hundreds of digits) strtod
  // says what it reads as.
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{})
    return std::strtod(std::string(text).c_str(), nullptr);
  return value;
}

static std::string titleFor(const FieldLimit& limit) {
  if (!limit.title.empty()) return limit.title;
  return limit.kind == FieldKind::Date ? "Incorrect Date" : "Incorrect Value";
}

std::string defaultLimitMessage(const FieldLimit& limit) {
  switch (limit.kind) {
    case FieldKind::Date:
      return "The date entered is not correct please enter a date between " +
             formatDay(static_cast<int>(limit.minimum)) + " and " +
             formatDay(static_cast<int>(limit.maximum));
    case FieldKind::Text:
      return "The text entered may be at most " + std::to_string(limit.maxLength) + " characters long";
    case FieldKind::Whole:
      return "Please enter a whole number from " + formatGrouped(limit.minimum, 0) + " to " +
             formatGrouped(limit.maximum, 0);
    case FieldKind::Amount:
      break;
  }
  return "Please enter an amount from " + formatGrouped(limit.minimum, limit.decimals) + " to " +
         formatGrouped(limit.maximum, limit.decimals);
}

std::string captioned(const FieldLimit& limit, const std::string& message) {
  if (limit.caption.empty() || message.starts_with(limit.caption + ": ")) return message;
  return limit.caption + ": " + message;
}

static std::string ownMessage(const FieldLimit& limit) {
  return limit.message.empty() ? defaultLimitMessage(limit) : limit.message;
}

std::optional<Refusal> checkLimit(const std::string& field, const FieldLimit& limit, double value) {
  bool bad = !std::isfinite(value) || value < limit.minimum || value > limit.maximum;
  if (limit.kind == FieldKind::Whole && value != std::floor(value)) bad = true;
  if (!bad) return std::nullopt;
  const bool belowMinimum = std::isfinite(value) && value < limit.minimum && !limit.minimumMessage.empty();
  return Refusal{titleFor(limit), captioned(limit, belowMinimum ? limit.minimumMessage : ownMessage(limit)), field};
}

std::optional<Refusal> checkText(const std::string& field, const FieldLimit& limit, std::string_view text,
                                 double& value) {
  if (limit.kind == FieldKind::Text) {
    std::size_t characters = 0;  // UTF-8: count lead bytes only
    for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
    if (limit.maxLength > 0 && characters > static_cast<std::size_t>(limit.maxLength))
      return Refusal{titleFor(limit), captioned(limit, ownMessage(limit)), field};
    value = 0;
    return std::nullopt;
  }
  if (limit.kind == FieldKind::Date) {
    auto day = parseDay(text);
    if (!day) return checkLimit(field, limit, NAN);
    value = *day;
    return checkLimit(field, limit, value);
  }
  auto number = parseNumber(text);
  if (!number) {
    const std::string own = ownMessage(limit);
    // A comma is neither dropped nor guessed at: as a decimal mark it would
    // change the amount a hundredfold, as a thousands mark it is ambiguous.
    if (text.find(',') != std::string_view::npos)
      return Refusal{titleFor(limit),
                     captioned(limit, "\"" + std::string(text) + "\" contains a comma: type the decimal mark as a dot " +
                                          "and group digits with blanks (30 000.50). " + own),
                     field};
    return Refusal{titleFor(limit), captioned(limit, "\"" + std::string(text) + "\" is not a number: " + own), field};
  }
  value = *number;
  return checkLimit(field, limit, value);
}

}  // namespace quorin
