#include "payperiod/payperiod_fields.h"

#include "payperiod/payperiod_checks.h"

namespace quorin {

namespace {

constexpr PeriodFieldNames kMonthlyNames{
    "silgEdit9",  "numSalRemun",        "numComm",          "silgEdit12",       "silgEdit13",
    "numEmpRRFundCont", "numEmpERFundCont", "numEmpERMedAidCont", "numEmpEEMedAidCont", "numMedAidBens",
    "dtMStartDate", "dtMEndDate", nullptr, nullptr};
constexpr PeriodFieldNames kWeeklyNames{
    "silgEdit14", "numSalRemun",        "numComm",          "sidbEdit4",        "sidbEdit6",
    "numEmpRRFundCont", "numEmpERFundCont", "numEmpERMedAidCont", "numEmpEEMedAidCont", "numMedAidBens",
    nullptr, nullptr, "silgEdit21", "silgEdit22"};
constexpr PeriodFieldNames kDailyNames{
    "silgEdit23", "numSalRemun",        "numComm",          "sidbEdit4",        "sidbEdit6",
    "numEmpRRFundCont", "numEmpERFundCont", "numEmpERMedAidCont", "numEmpEEMedAidCont", "numMedAidBens",
    nullptr, nullptr, nullptr, nullptr};

FieldLimit whole(double maximum) { return FieldLimit{FieldKind::Whole, 0, maximum, 0}; }
FieldLimit cents(double maximum) { return FieldLimit{FieldKind::Amount, 0, maximum, 2}; }
FieldLimit percent() { return FieldLimit{FieldKind::Amount, 0, 100, 3}; }

constexpr double kAge = 999;
constexpr double kBeneficiaries = 99;
constexpr double kWholeRand = 99999999;
constexpr double kAnnualRand = 999999999;
constexpr double kPeriodCents = 9999999.99;

const std::string kDateMessageStart = "The date entered is not correct please enter a date between ";

// The captions of the pay items every pay-period window shows (the travel
// allowance's differs between them and is the window's own).
template <class Names>
void captionPayItems(PayPeriodLimits& limits, const Names& f) {
  limits[f.age].caption = "Age";
  limits[f.salary].caption = "Salary/remuneration";
  limits[f.employerMedAid].caption = "Employer's med aid contrib.";
  limits[f.employeeMedAid].caption = "Employee's med aid contrib.";
  limits[f.employerRFund].caption = "Employer's R/Fund contributions";
  limits[f.employeeRFund].caption = "Employee's R/Fund contributions";
  limits[f.commission].caption = "Commissions";
  limits[f.bonus].caption = "Bonus";
}

void addSetupAndName(PayPeriodLimits& limits) {
  limits.merge(PayPeriodSetupLimits());
  limits[kEmployeeNameField] = FieldLimit{FieldKind::Text, 0, 0, 0, 50};
}

}  // namespace

const PeriodFieldNames& PeriodFields(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly: return kMonthlyNames;
    case PeriodKind::Weekly:
    case PeriodKind::Fortnightly: return kWeeklyNames;
    case PeriodKind::Daily: break;
  }
  return kDailyNames;
}

FieldLimit StartDateLimit(int latest, const tax::TaxYear& year) {
  return FieldLimit{FieldKind::Date, static_cast<double>(year.firstDay), static_cast<double>(latest), 0, 0,
                    kIncorrectDateTitle,
                    kDateMessageStart + formatDay(year.firstDay) + " and " + formatDay(year.lastDay)};
}

FieldLimit EndDateLimit(int startDate, int earliest, const tax::TaxYear& year) {
  return FieldLimit{FieldKind::Date, static_cast<double>(earliest), static_cast<double>(year.lastDay), 0, 0,
                    kIncorrectDateTitle, kDateMessageStart + formatDay(startDate) + " and " + formatDay(year.lastDay)};
}

PayPeriodLimits PayPeriodSetupLimits() {
  return {{kEmployeeUIFField, percent()},
          {kEmployerUIFField, percent()},
          {kUIFLimitField, whole(999999)},
          {kSkillLevyField, percent()}};
}

PayPeriodLimits PeriodFieldLimits(PeriodKind kind, int startDate, const tax::TaxYear& year) {
  const PeriodFieldNames& f = PeriodFields(kind);
  // Monthly amounts are whole rand; the others take cents, except the two
  // retirement fund contributions.
  const FieldLimit amount = kind == PeriodKind::Monthly ? whole(kWholeRand) : cents(kPeriodCents);
  PayPeriodLimits limits{
      {f.age, whole(kAge)},
      {f.salary, amount},
      {f.commission, amount},
      {f.bonus, amount},
      {f.travelAllowance, amount},
      {f.employerMedAid, amount},
      {f.employeeMedAid, amount},
      {f.employerRFund, whole(kWholeRand)},
      {f.employeeRFund, whole(kWholeRand)},
      {f.beneficiaries, whole(kBeneficiaries)},
  };
  if (kind == PeriodKind::Monthly) {
    limits[f.startDate] = StartDateLimit(year.lastDay, year);
    limits[f.endDate] = EndDateLimit(startDate, year.firstDay, year);
  } else if (kind != PeriodKind::Daily) {
    const double days = kind == PeriodKind::Weekly ? 7 : 14;
    limits[f.normalDays] = whole(days);
    limits[f.daysWorked] = whole(days);
  }
  captionPayItems(limits, f);
  addSetupAndName(limits);
  return limits;
}

PayPeriodLimits AnnualFieldLimits(int startDate, int endDate, const tax::TaxYear& year) {
  const AnnualFieldNames& f = kAnnualFields;
  PayPeriodLimits limits{
      {f.age, whole(kAge)},
      {f.salary, whole(kAnnualRand)},
      {f.commission, whole(kAnnualRand)},
      {f.bonus, whole(kAnnualRand)},
      {f.travelAllowance, whole(kAnnualRand)},
      {f.employerMedAid, whole(kWholeRand)},
      {f.employeeMedAid, whole(kWholeRand)},
      {f.employerRFund, whole(kAnnualRand)},
      {f.employeeRFund, whole(kAnnualRand)},
      {f.monthBeneficiaries, whole(kBeneficiaries)},  // two digits; above 24 is cut back on leaving
      {f.medAidDeduction, whole(kWholeRand)},
      {f.startDate, StartDateLimit(endDate, year)},
      {f.endDate, EndDateLimit(startDate, startDate, year)},
  };
  captionPayItems(limits, f);
  addSetupAndName(limits);
  return limits;
}

}  // namespace quorin
