#include "eti/eti_fields.h"

#include "common/day_number.h"
#include "eti/eti.h"

namespace quorin {

namespace {

FieldLimit amount(double maximum) { return FieldLimit{FieldKind::Amount, 0, maximum, 2}; }
FieldLimit whole(double maximum) { return FieldLimit{FieldKind::Whole, 0, maximum, 0}; }

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

EtiFieldLimits EtiLimits(const tax::TaxYear& year) {
  const EtiFieldNames& f = kEtiFields;
  FieldLimit hours = amount(kEtiMaxHours);
  hours.title = "Incorrect Value";
  hours.message = kEtiHoursMessage;
  return {
      {f.remuneration, amount(9999999.99)},
      {f.month, FieldLimit{FieldKind::Text, 0, 0, 0, 7}},
      {f.employmentStart, FieldLimit{FieldKind::Date, static_cast<double>(*dayNumber(1900, 1, 1)),
                                     static_cast<double>(year.lastDay), 0}},
      {f.age, whole(999)},
      {f.birthDate, FieldLimit{FieldKind::Text, 0, 0, 0, 10}},
      {f.hours, hours},
      {f.monthsNotQualifying, whole(999)},
      {f.minimumWage, amount(99999.99)},
      {f.paye, amount(99999999.99)},
      {f.broughtForward, amount(99999999.99)},
  };
}

Refusal EtiMonthRefusal(const tax::TaxYear& year) {
  return Refusal{"Incorrect Date",
                 "The month entered is not correct please enter a month between " + FormatEtiMonth(year.firstDay) +
                     " and " + FormatEtiMonth(year.lastDay),
                 kEtiFields.month};
}

std::optional<Refusal> ReadEtiMonth(std::string_view text, const tax::TaxYear& year, int& month) {
  const std::optional<int> first = ParseEtiMonth(text);
  if (!first || !year.contains(*first)) return EtiMonthRefusal(year);
  month = *first;
  return std::nullopt;
}

std::optional<Refusal> ReadEtiBirthDate(std::string_view text, std::optional<int>& birthDate) {
  if (blank(text)) {
    birthDate.reset();
    return std::nullopt;
  }
  const std::optional<int> day = parseDay(text);
  if (!day)
    return Refusal{"Incorrect Date",
                   "The birth date \"" + std::string(text) + "\" is not a date: type it as dd/mm/yyyy, or leave it "
                   "blank and enter the age",
                   kEtiFields.birthDate};
  birthDate = day;
  return std::nullopt;
}

}  // namespace quorin
