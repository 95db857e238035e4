#include "payperiod/payperiod_records.h"

#include "common/day_number.h"
#include "common/money.h"

namespace quorin {

namespace {

// Writes a record field by field: captions in the print language, values as
// they are.
class RecordWriter {
 public:
  RecordWriter(const char* table, int printLanguage)
      : record_{table, {}}, afrikaans_(printLanguage == kPrintAfrikaans) {}

  RecordWriter& caption(const char* field, const char* english, const char* afrikaans) {
    record_.set(field, std::string(afrikaans_ ? afrikaans : english));
    return *this;
  }
  RecordWriter& caption(const char* field, const char* both) { return caption(field, both, both); }
  RecordWriter& value(const char* field, FeedValue v) {
    record_.set(field, std::move(v));
    return *this;
  }
  FeedRecord take() { return std::move(record_); }

 private:
  FeedRecord record_;
  bool afrikaans_;
};

// The pay items every record starts with.
struct PayItems {
  std::int16_t age;
  double salary, commission, bonus, travelAllowance, employerRFund, employeeRFund, employerMedAid, employeeMedAid;
};

template <typename Input>
PayItems itemsOf(const Input& in) {
  return {in.age, in.salary, in.commission, in.bonus, in.travelAllowance,
          in.employerRFund, in.employeeRFund, in.employerMedAid, in.employeeMedAid};
}

void writeHead(RecordWriter& w, const char* checkEn, const char* checkAf, const std::string& name,
               const PayItems& p) {
  w.caption("TypeAM", checkEn, checkAf)
      .caption("Employee", (" For : " + name).c_str(), ("Vir : " + name).c_str())
      .caption("Age", "Age : ", "Ouderdom : ")
      .value("AgeNum", p.age)
      .caption("Sal", "Remuneration/salary", "Besoldiging")
      .value("SalNum", p.salary)
      .caption("DirFees", "Commissions", "Kommissie")
      .value("DirFeesNum", p.commission);
}

void writeBonus(RecordWriter& w, const PayItems& p) { w.caption("Bonus", "Bonus").value("BonusNum", p.bonus); }

// Medical expenses (none on these windows) and the two fund contributions.
void writeExpensesAndFunds(RecordWriter& w, const PayItems& p) {
  w.caption("MedExp", "Medical expenses", "Mediese onkoste")
      .value("MedExpNum", 0.0)
      .caption("PenCont", "Employer's R/Fund contributions ", "Toelaatbare pension bydrae")
      .value("PenContNum", p.employerRFund)
      .caption("RACont", "Employee's R/Fund contributions", "Toelaatbare U/T bydrae")
      .value("RAContNum", p.employeeRFund);
}

void writePeriod(RecordWriter& w, const char* startEn, const char* startAf, FeedValue start, const char* endEn,
                 const char* endAf, FeedValue end) {
  w.caption("SDate", startEn, startAf)
      .value("SDateNum", std::move(start))
      .caption("EDate", endEn, endAf)
      .value("EDateNum", std::move(end));
}

void writeLevies(RecordWriter& w, const PeriodTaxResult& r) {
  w.caption("UIFEMPE", "U.I.F. contribution employee", "U.I.F. bydrae werknemer")
      .value("UIFEMPENum", roundAsShown(r.EmployeeUIF, 2))
      .caption("UIFEMPR", "U.I.F. contribution employer", "U.I.F. bydrae werkgewer")
      .value("UIFEMPRNum", roundAsShown(r.EmployerUIF, 2))
      .caption("SDL", "S.D.L.")
      .value("SDLNum", roundAsShown(r.SDL, 2));
}

void writeEOE(RecordWriter& w) { w.caption("EOE", "(E.& O.E.)", "(B.& F.W.)"); }

void writeTaxLiability(RecordWriter& w, double tax) {
  w.caption("Taxliability", "Tax liability", "Belasting verpligting").value("Taxliabilitynum", tax);
}

void writeCredits(RecordWriter& w, double medicalCredit, double additionalCredit) {
  w.caption("TaxCredit", "Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes")
      .value("Taxcreditnum", medicalCredit)
      .caption("TaxCreditCons", "Tax credits for contributions", "Belastingkrediete vir bydraes")
      .value("TaxcreditnumCons", additionalCredit);
}

void writeMedAidContributions(RecordWriter& w, const PayItems& p) {
  w.caption("EmpERMedAidCont", "Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds")
      .value("EmpERMedAidContnum", p.employerMedAid)
      .caption("EmpEEMedAidCont", "Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds")
      .value("EmpEEMedAidContnum", p.employeeMedAid);
}

void writeMedAidDeductionCaption(RecordWriter& w) {
  w.caption("MedAidBens", "Med Aid contribution deduction", "Mediesfondsbydrae afrekking");
}

void writeBeneficiaries(RecordWriter& w, std::int16_t beneficiaries) {
  w.caption("AnnCalcBens3", "Medical aid fund beneficiaries", "Getal mediesefondslede en afhanklikes")
      .value("AnnCalcBens3num", beneficiaries);
  writeMedAidDeductionCaption(w);
}

void writeTotal(RecordWriter& w, const char* afrikaans, double total) {
  w.caption("TOTAL", "Total tax deduction", afrikaans).value("TotalNum", total);
}

// Weekly, fortnightly and daily share everything but the period fields and
// the travel allowance caption.
FeedRecord shortPeriodRecord(PeriodKind kind, const PeriodPayInput& in, const PeriodTaxResult& r,
                             const std::string& name, int printLanguage) {
  const bool daily = kind == PeriodKind::Daily;
  const bool weekly = kind == PeriodKind::Weekly;
  const PayItems p = itemsOf(in);
  RecordWriter w(daily ? kDailyTable : kWeeklyTable, printLanguage);
  if (daily)
    writeHead(w, "Daily Check", "Daaglikse Inkomste", name, p);
  else if (weekly)
    writeHead(w, "Weekly Check", "Weeklikse Inkomste", name, p);
  else
    writeHead(w, "Fortnightly Check", "Twee Weeklikse Inkomste", name, p);
  w.caption("TravAll", "Travel allowance ", daily ? "Reistoelae " : "Reistoelae ontvang")
      .value("RecBefNum", p.travelAllowance);
  writeBonus(w, p);
  writeExpensesAndFunds(w, p);
  if (weekly)
    writePeriod(w, "Normal work week", "Normale werk week", in.normalDays, "This work week", "Hierdie werk week",
                in.daysWorked);
  else if (!daily)
    writePeriod(w, "Normal fortnight", "Normale twee weke", in.normalDays, "This fortnight", "Hierdie twee weke",
                in.daysWorked);
  writeLevies(w, r);
  writeEOE(w);
  writeTaxLiability(w, r.PeriodTax);
  writeMedAidContributions(w, p);
  writeBeneficiaries(w, in.beneficiaries);
  writeCredits(w, r.MedicalCredit, r.AdditionalCredit);
  writeTotal(w, "Totaal belasting", r.TaxLiability);
  return w.take();
}

}  // namespace

FeedRecord IRP5Mon(const PeriodPayInput& in, const PeriodTaxResult& r, const std::string& name, int printLanguage) {
  const PayItems p = itemsOf(in);
  RecordWriter w(kMonthlyTable, printLanguage);
  writeHead(w, "Monthly Check", "Maandelikse Inkomste", name, p);
  w.caption("TravAll", "Travel allowance ", "Reistoelae ")
      .value("TravOne", p.travelAllowance)
      .value("TravTwo", r.TaxableTravelAllowance);
  writeBonus(w, p);
  writeExpensesAndFunds(w, p);
  writePeriod(w, "Start date", "Begin datum", formatDay(in.startDate), "End date", "Eind datum",
              formatDay(in.endDate));
  writeLevies(w, r);
  writeEOE(w);
  writeTaxLiability(w, r.PeriodTax);
  writeCredits(w, r.MedicalCredit, r.AdditionalCredit);
  writeMedAidContributions(w, p);
  writeBeneficiaries(w, in.beneficiaries);
  writeTotal(w, "Totaal belasting", r.TaxLiability);
  return w.take();
}

FeedRecord IRP5Week(PeriodKind kind, const PeriodPayInput& in, const PeriodTaxResult& r, const std::string& name,
                    int printLanguage) {
  return shortPeriodRecord(kind == PeriodKind::Fortnightly ? kind : PeriodKind::Weekly, in, r, name, printLanguage);
}

FeedRecord IRP5Day(const PeriodPayInput& in, const PeriodTaxResult& r, const std::string& name, int printLanguage) {
  return shortPeriodRecord(PeriodKind::Daily, in, r, name, printLanguage);
}

FeedRecord IRP5Ann(const AnnualPayInput& in, const AnnualTaxResult& r, const std::string& name, int printLanguage) {
  const PayItems p = itemsOf(in);
  RecordWriter w(kAnnualTable, printLanguage);
  writeHead(w, "Annual Check", "Jaarlikse Inkomste", name, p);
  writeBonus(w, p);
  w.caption("TravAll", "Travel allowance received", "Reistoelae ontvang").value("RecBefNum", p.travelAllowance);
  writeExpensesAndFunds(w, p);
  writePeriod(w, "Start date", "Begin datum", formatDay(in.startDate), "End date", "Eind datum",
              formatDay(in.endDate));
  w.caption("SITE", "SITE", "SIBW")
      .value("SITENum", r.SITE)
      .caption("PAYE", "PAYE", "LBS")
      .value("PAYENum", r.PAYEAfterCredits);
  writeTaxLiability(w, r.Tax);
  writeCredits(w, r.MedicalCredit, r.AdditionalCredit);
  w.caption("NumOFBens", "Number of Medical Aid Beneficiaries", "Getal mediesefondslede en afhanklikes");
  writeMedAidContributions(w, p);

  // Month captions and counts in tax-year order, March to February; the
  // field number is the calendar month.
  static const char* const kEnglish[12] = {"Mar", "Apr ", "May", "Jun", "Jul", "Aug",
                                           "Sep", "Oct",  "Nov", "Dec", "Jan", "Feb"};
  static const char* const kAfrikaans[12] = {"Mar", "Apr ", "Mei", "Jun", "Jul", "Aug",
                                             "Sep", "Okt",  "Nov", "Dec", "Jan", "Feb"};
  for (int i = 0; i < 12; ++i) {
    const std::string field = "AnnCalcBens" + std::to_string(CalendarMonthOfTaxMonth(i));
    w.caption(field.c_str(), kEnglish[i], kAfrikaans[i]);
  }
  for (int i = 0; i < 12; ++i) {
    const std::string field = "AnnCalcBens" + std::to_string(CalendarMonthOfTaxMonth(i)) + "num";
    w.value(field.c_str(), r.monthBeneficiaries[i]);
  }
  writeMedAidDeductionCaption(w);
  w.value("MedAidBensnum", in.medAidDeduction);
  writeTotal(w, "Totaal", r.TaxLiability);
  writeEOE(w);
  return w.take();
}

FeedRecord PeriodTaxRecord(PeriodKind kind, const PeriodPayInput& in, const PeriodTaxResult& r,
                           const std::string& name, int printLanguage) {
  if (kind == PeriodKind::Monthly) return IRP5Mon(in, r, name, printLanguage);
  return shortPeriodRecord(kind, in, r, name, printLanguage);
}

const PayReportFile& PeriodReport(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly: return kMonthlyReport;
    case PeriodKind::Weekly: return kWeeklyReport;
    case PeriodKind::Fortnightly: return kFortnightlyReport;
    case PeriodKind::Daily: break;
  }
  return kDailyReport;
}

}  // namespace quorin
