// The entry fields of the five pay-period windows by field name, with their
// limits and messages, so that the window field kit and the command line
// refuse the same values with the same words.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "payperiod/period_tax.h"
#include "common/day_number.h"
#include "common/field_limits.h"

namespace quorin {

using PayPeriodLimits = std::map<std::string, FieldLimit, std::less<>>;

// Which field of a periodic window holds which input (the names differ
// between the windows).
struct PeriodFieldNames {
  const char* age;
  const char* salary;
  const char* commission;
  const char* bonus;
  const char* travelAllowance;
  const char* employerRFund;
  const char* employeeRFund;
  const char* employerMedAid;
  const char* employeeMedAid;
  const char* beneficiaries;
  const char* startDate;    // monthly only, else nullptr
  const char* endDate;      // monthly only
  const char* normalDays;   // weekly and fortnightly only
  const char* daysWorked;   // weekly and fortnightly only
};
const PeriodFieldNames& PeriodFields(PeriodKind kind);

// The annual window's input fields; numAnnCalcBens is the twelve month
// fields, one limit for each.
struct AnnualFieldNames {
  const char* age = "silgEdit1";
  const char* salary = "silgEdit2";
  const char* commission = "numDirFees";
  const char* bonus = "silgEdit4";
  const char* travelAllowance = "silgEdit8";
  const char* employerRFund = "numEmpRRFundCont";
  const char* employeeRFund = "numEmpERFundCont";
  const char* employerMedAid = "numEmpERMedAidCont";
  const char* employeeMedAid = "numEmpEEMedAidCont";
  const char* monthBeneficiaries = "numAnnCalcBens";
  const char* medAidDeduction = "silgEdit15";
  const char* startDate = "dtStartDate";
  const char* endDate = "dtEndDate";
};
inline constexpr AnnualFieldNames kAnnualFields{};

// The Setup frame's fields, shared by all five windows.
inline constexpr const char* kEmployeeUIFField = "numEmpEUIF";
inline constexpr const char* kEmployerUIFField = "numEmpRUIF";
inline constexpr const char* kUIFLimitField = "numUIFLimit";
inline constexpr const char* kSkillLevyField = "numSkillPercent";
// The print frame's employee name.
inline constexpr const char* kEmployeeNameField = "Text1";

// A start date field: the year's first day to latest, refused with the
// fixed message naming the year's first and last days (2026: 01/03/2025
// and 28/02/2026).
FieldLimit StartDateLimit(int latest, const tax::TaxYear& year);
// An end date field: earliest to the year's last day, refused with a
// message that quotes the start date's text.
FieldLimit EndDateLimit(int startDate, int earliest, const tax::TaxYear& year);

// Every entry field of a window, setup fields and employee name included.
// Monthly: the end date's message quotes startDate (its range stays the tax
// year). Annual: the start date runs to endDate and the end date from
// startDate, as when each field takes the focus.
PayPeriodLimits PeriodFieldLimits(PeriodKind kind, int startDate,
                                  const tax::TaxYear& year);
PayPeriodLimits AnnualFieldLimits(int startDate, int endDate,
                                  const tax::TaxYear& year);

// The four number fields of the Setup frame.
PayPeriodLimits PayPeriodSetupLimits();

}  // namespace quorin
