// Limits of the entry fields, shared by the windows' field kit and the
// command line so that both refuse the same values with the same message.
// Plain C++: no window code here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorin {

// A refused input or failed check: the message box title and text, and the
// name of the field that gets the focus back.
struct Refusal {
  std::string title;
  std::string message;
  std::string field;
};

enum class FieldKind { Amount, Whole, Date, Text };

struct FieldLimit {
  FieldKind kind = FieldKind::Amount;
  double minimum = 0;
  double maximum = 99999999999.0;
  int decimals = 2;      // shown decimals of an amount field
  int maxLength = 0;     // text fields; 0 = no limit
  std::string title;     // empty: "Incorrect Value" / "Incorrect Date"
  std::string message;   // empty: a message built from the limits
  // A value below the minimum, when message speaks of the maximum only.
  std::string minimumMessage;
  // The field's caption as the window shows it; a refusal's message begins
  // with it ("Salary/remuneration: ...") so that it says which field.
  std::string caption;
};

// Numbers as typed: optional sign, digits with optional space grouping and a
// dot decimal. Empty text reads as 0; anything else that is not a number is
// nullopt (the windows count it as 0, the command line refuses it).
std::optional<double> parseNumber(std::string_view text);

// Checks a value against a field's limits; whole-number fields also refuse
// fractions. Dates are day numbers.
std::optional<Refusal> checkLimit(const std::string& field, const FieldLimit& limit, double value);

// Checks typed text: numbers and dates must parse, then the limits apply.
// On success, value receives the number (day number for dates).
std::optional<Refusal> checkText(const std::string& field, const FieldLimit& limit,
                                 std::string_view text, double& value);

std::string defaultLimitMessage(const FieldLimit& limit);

// The message with the field's caption in front, when the limit has one.
std::string captioned(const FieldLimit& limit, const std::string& message);

}  // namespace quorin
