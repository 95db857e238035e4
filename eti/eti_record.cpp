#include "eti/eti_record.h"

#include "common/day_number.h"
#include "common/money.h"

namespace quorin {

FeedRecord EtiRecord(const EtiInput& in, const EtiResult& r, const tax::TaxYear& year,
                     const std::string& employeeName, int printLanguage) {
  const bool af = printLanguage == 1;
  FeedRecord rec{kEtiTable, {}};
  const auto caption = [&](const char* field, const char* english, const char* afrikaans) {
    rec.set(field, std::string(af ? afrikaans : english));
  };
  const auto optional = [](const auto& value, auto format) { return value ? format(*value) : std::string(); };

  caption("Heading", "Employment Tax Incentive", "Indiensnemingsbelastingaansporing");
  rec.set("Employee", (af ? "Vir : " : " For : ") + employeeName);
  caption("TaxYear", "Tax year", "Belastingjaar");
  rec.set("TaxYearNum", static_cast<std::int16_t>(year.year));

  caption("Rem", "Monthly remuneration", "Maandelikse besoldiging");
  rec.set("RemNum", in.remuneration);
  caption("Month", "Month claimed", "Maand geëis");
  rec.set("MonthText", FormatEtiMonth(in.month));
  caption("EmpStart", "Employment start", "Datum in diens");
  rec.set("EmpStartText", formatDay(in.employmentStart));
  caption("Age", "Age at the end of the month", "Ouderdom aan die einde van die maand");
  rec.set("AgeText", r.AgeAtMonthEnd >= 0 ? std::to_string(r.AgeAtMonthEnd) : std::string());
  caption("BirthDate", "Birth date", "Geboortedatum");
  rec.set("BirthDateText", optional(in.birthDate, formatDay));
  caption("Hours", "Hours employed and paid", "Ure in diens en betaal");
  rec.set("HoursText", in.hours ? formatGrouped(*in.hours, 2) : std::string(af ? "Volle maand" : "Full month"));
  caption("SEZ", "Special economic zone", "Spesiale ekonomiese sone");
  rec.set("SEZText", std::string(in.specialEconomicZone ? (af ? "Ja" : "Yes") : (af ? "Nee" : "No")));
  caption("NotQual", "Months not qualifying", "Maande nie gekwalifiseer nie");
  rec.set("NotQualNum", static_cast<std::int16_t>(in.monthsNotQualifying));
  caption("MinWage", "Minimum wage per hour", "Minimum loon per uur");
  rec.set("MinWageText", in.minimumWage ? formatGrouped(*in.minimumWage, 2)
                                        : std::string(af ? "Nie nagegaan nie" : "Not checked"));

  caption("Qualifies", "Qualifies", "Kwalifiseer");
  rec.set("QualifiesText", std::string(r.Qualifies ? (af ? "Ja" : "Yes") : (af ? "Nee" : "No")));
  caption("Reason", "Reason", "Rede");
  rec.set("ReasonText", EtiReasonText(r, printLanguage));
  caption("QualMonth", "Qualifying month", "Kwalifiserende maand");
  rec.set("QualMonthNum", static_cast<std::int16_t>(r.QualifyingMonth));
  caption("Period", "Period (1: months 1-12, 2: months 13-24)", "Tydperk (1: maande 1-12, 2: maande 13-24)");
  rec.set("PeriodNum", static_cast<std::int16_t>(r.Period));
  caption("GrossedUp", "Remuneration for 160 hours", "Besoldiging vir 160 uur");
  rec.set("GrossedUpNum", r.GrossedUpRemuneration);
  caption("TableFrom", "Table used, from", "Tabel gebruik, vanaf");
  rec.set("TableFromText", r.TableFrom ? formatDay(r.TableFrom) : std::string());
  caption("FullMonth", "ETI for a full month", "Aansporing vir 'n volle maand");
  rec.set("FullMonthNum", r.FullMonthETI);
  caption("HoursFactor", "Hours factor (hours / 160)", "Urefaktor (ure / 160)");
  rec.set("HoursFactorNum", r.HoursFactor);
  caption("ETI", "Employment Tax Incentive", "Indiensnemingsbelastingaansporing");
  rec.set("ETINum", r.ETI);

  // The roll-over heading is empty without the month's PAYE, and the
  // printout leaves the roll-over out.
  rec.set("RollOver", r.RollOver ? std::string(af ? "Oordrag teen LBS" : "Roll-over against PAYE") : std::string());
  caption("PAYE", "PAYE of the month", "LBS van die maand");
  rec.set("PAYENum", in.paye.value_or(0));
  caption("BroughtFwd", "ETI brought forward", "Aansporing oorgebring");
  rec.set("BroughtFwdNum", r.BroughtForward);
  caption("Utilised", "ETI utilised", "Aansporing benut");
  rec.set("UtilisedNum", r.Utilised);
  caption("CarriedFwd", "ETI carried forward", "Aansporing oorgedra");
  rec.set("CarriedFwdNum", r.CarriedForward);
  caption("EOE", "(E.& O.E.)", "(B.& F.W.)");
  return rec;
}

}  // namespace quorin
