#include "package/package_records.h"

#include "common/money.h"

namespace quorin {

namespace {

constexpr PackageReportFile kReports[] = {
    {"Velmrd.rpt", "Velmar2020 Monthly - To export printout click on the suitcase button or goto Help"},
    {"Velmrd.rpt", "Velmar2020 Annual - To export printout click on the suitcase button or goto Help"},
    {"Quorin.rpt", "Quorin2020 Monthly - To export printout click on the suitcase button or goto Help"},
    {"Quorin.rpt", "Quorin2020 Annual - To export printout click on the suitcase button or goto Help"},
};

constexpr const char* kTitles[] = {
    "Velmar Salary Package Calculation : Monthly",
    "Velmar Salary Package Calculation : Annual",
    "Quorin Salary Package Calculation : Monthly",
    "Quorin Salary Package Calculation : Annual",
};

std::int32_t whole(std::int16_t v) { return v; }

}  // namespace

const PackageReportFile& PackageReport(PackageKind kind) { return kReports[static_cast<int>(kind)]; }

std::vector<FeedField> PackagePrintExtras(PackageKind kind) {
  return {{"RADeductShown", std::string(kind != PackageKind::QuorinMonthly ? "yes" : "")}};
}
const char* PackageTitle(PackageKind kind) { return kTitles[static_cast<int>(kind)]; }

FeedRecord SalPackageRecord(PackageKind kind, const PackageInput& in, const PackageResult& r,
                            const std::string& taxpayerName) {
  const bool grossToNet = !isNetToGross(kind);
  const bool writesProvident = kind != PackageKind::QuorinMonthly;
  const bool annual = isAnnual(kind);
  FeedRecord rec{kSalPackageTable, {}};
  rec.set("MonAnn", std::string(PackageTitle(kind)))
      .set("TPName", taxpayerName)
      .set("TPAge", whole(in.age))
      .set("MonAnnSal", std::string(annual ? "Net annual salary required" : "Net monthly salary required"))
      .set("NetMonSal", in.amount);
  if (grossToNet) rec.set("CostToComp", in.amount);  // numCCNetMonSalReq, the package's copy
  rec.set("CompCar", in.carValue)
      .set("CompCarCC", in.employerCarCost)
      .set("TravAll", in.travelAllowance)
      .set("TravAllCC", in.travelAllowance)
      .set("MedAidCont", in.medical)
      .set("MedAidContCC", in.employerMedical)
      .set("PMems", whole(in.beneficiaries))
      .set("AddBens", whole(in.additionalBeneficiaries))
      .set("TaxFreeMedPrint", 0.0)
      .set("OtherTaxFB", in.otherFringe)
      .set("OtherTaxFBCC", in.otherFringe)
      .set("PenDeduct", in.rfund)
      .set("PenDeductCC", in.employerRFund);
  if (writesProvident) rec.set("ProvDeduct", 0.0).set("ProvDeductCC", 0.0);
  rec.set("RADirective", std::string(annual ? "Medical beneficiaries months" : "Med. aid fund beneficiaries"));
  if (writesProvident) rec.set("RADeduct", in.raDeduction);
  rec.set("MedDeduct", in.medicalDeductions)
      .set("UIFCont", r.EmployeeUIF)
      .set("UIFContCC", r.EmployerUIF)
      .set("SkillLevy", r.SkillsLevy)
      .set("TaxDue", r.TaxDue)
      .set("TaxCredit", r.TaxCredit)
      .set("TaxDeduct", r.TaxDeduct)
      .set("PrinMembers", std::string("(R 720pm each)"))
      .set("BenMembers", std::string("(R 440pm each)"));

  const bool anyExpense = in.otherExpensesTotal() > 0;
  rec.set("OEXPTXT", std::string(anyExpense ? "Other Expenses :" : ""));
  for (int i = 0; i < kOtherExpenseRows; ++i) {
    const OtherExpense& e = in.expenses[i];
    const bool filled = anyExpense && e.amount > 0;
    const std::string n = std::to_string(i);
    rec.set("ODedTxt" + n, filled ? e.description : std::string())
        .set("ODedR" + n, std::string(filled ? "R" : ""))
        .set("ODedNum" + n, filled ? e.amount : 0.0)
        .set("ODedNumCC" + n, filled ? e.companyCost : 0.0);
  }
  rec.set("GSal", r.GrossSal).set("TotCostComp", r.TotCostComp);
  const bool onceOff = r.OnceOff > 0;
  rec.set("PlusCompCar1", onceOff ? "(plus a 'once-off' cost of R " + formatShortest(r.OnceOff) : std::string())
      .set("PlusCompCar2",
           std::string(onceOff ? "for the company car and this does not include fuel, maintenance etc)." : ""));
  return rec;
}

}  // namespace quorin
