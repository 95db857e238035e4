#include "report/report_run.h"

#include <ctime>

#include "common/money.h"
#include "shell/version.h"
#include "tax/tax_year.h"

namespace quorin {

namespace {

std::string percent(double v) { return formatShortest(v) + " %"; }
std::string inclusion(double fraction) { return formatShortest(fraction * 100) + " %"; }

std::string localTime(std::chrono::system_clock::time_point now) {
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d/%m/%Y %H:%M", &local);
  return text;
}

}  // namespace

std::string settingsSummary(const SettingsRecord& s, std::uint32_t fields, int language) {
  const bool af = language == 1;
  std::string out;
  const auto add = [&](std::uint32_t field, const char* english, const char* afrikaans, const std::string& value) {
    if (!(fields & field)) return;
    out += (out.empty() ? "" : ", ") + std::string(af ? afrikaans : english) + " " + value;
  };
  add(kPensionCont, "employee retirement fund", "werknemer se aftreefonds", percent(s.PensionCont));
  add(kEmployerPenCont, "employer retirement fund", "werkgewer se aftreefonds", percent(s.EmployerPenCont));
  add(kEmployeeUIF, "employee UIF", "werknemer se WVF", percent(s.EmployeeUIF));
  add(kEmployerUIF, "employer UIF", "werkgewer se WVF", percent(s.EmployerUIF));
  add(kSkillLevy, "skills levy", "vaardigheidsheffing", percent(s.SkillLevy));
  add(kProvCont, "employee provident fund", "werknemer se voorsorgfonds", percent(s.ProvCont));
  add(kEmployerProvCont, "employer provident fund", "werkgewer se voorsorgfonds", percent(s.EmployerProvCont));
  add(kUIFLimit, "UIF ceiling", "WVF-plafon",
      "R " + formatGrouped(s.UIFLimit, 2) + (af ? " per maand" : " a month"));
  add(kTAIncRate8020, "travel allowance inclusion", "insluiting van die reistoelae", inclusion(s.TAIncRate8020));
  add(kCompCarFBRate8020, "company car inclusion", "insluiting van die maatskappymotor",
      inclusion(s.CompCarFBRate8020));
  add(kCompCarMPYesNo, "maintenance plan", "onderhoudsplan",
      s.CompCarMPYesNo ? (af ? "ja" : "yes") : (af ? "nee" : "no"));
  return out;
}

ReportRun makeReportRun(const tax::TaxYear* year, const SettingsRecord* settings, std::uint32_t fields,
                        bool overridden, int language, std::chrono::system_clock::time_point now) {
  ReportRun run;
  if (year) run.taxYear = ReportRun::Year{year->year, year->firstDay, year->lastDay};
  run.printedAt = localTime(now);
  run.program = "Quorin 2026 Ver: " + versionText(programVersion());
  if (settings && fields)
    run.settings = std::string(language == 1 ? (overridden ? "Instellings (vir hierdie drukstuk gegee): "
                                                           : "Instellings (gestoorde opstelling): ")
                                             : (overridden ? "Settings (given for this print): "
                                                           : "Settings (stored Setup): ")) +
                   settingsSummary(*settings, fields, language);
  run.language = language;
  return run;
}

}  // namespace quorin
