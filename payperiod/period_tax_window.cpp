#include "payperiod/period_tax_window.h"

#include <QGridLayout>

#include "payperiod/payperiod_fields.h"
#include "shell/session_state.h"

namespace quorin {

namespace {

struct KindWindow {
  const char* name;
  const char* caption;
  const char* normalDays;  // caption of the normal period's days
  const char* daysWorked;
};

KindWindow kindWindow(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly: return {"frmMonthly", "Monthly", nullptr, nullptr};
    case PeriodKind::Weekly: return {"frmWeekly", "Weekly", "Normal work week", "This work week"};
    case PeriodKind::Fortnightly: return {"frmFortNight", "Fortnightly", "Normal fortnight", "This fortnight"};
    case PeriodKind::Daily: break;
  }
  return {"frmDaily", "Daily", nullptr, nullptr};
}

}  // namespace

PeriodTaxWindow::PeriodTaxWindow(WindowContext& context, PeriodKind kind)
    : PayWindow(context, QString::fromLatin1(kindWindow(kind).name), tr(kindWindow(kind).caption)), kind_(kind) {
  const PeriodFieldNames& f = PeriodFields(kind);
  const tax::TaxYear& year = taxYear();
  const PayPeriodLimits limits = PeriodFieldLimits(kind, year.firstDay, year);
  const KindWindow k = kindWindow(kind);
  const bool monthly = kind == PeriodKind::Monthly;

  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  int row = addPayItems(grid, f, limits, monthly ? tr("Travel Allowance R") : tr("Travel allowance received"));
  if (monthly) addResult(grid, row, 2, QString(), QStringLiteral("numMTAAns"), 0)->setCaption(tr("Taxable travel allowance"));
  ++row;
  addLimited(grid, row++, 0, tr("Medical aid fund beneficiaries"), f.beneficiaries, limits);

  const PeriodPayInput defaults = DefaultPeriodPayInput(kind, year);
  if (monthly) {
    EntryField* start = addLimited(grid, row++, 0, tr("Start date"), f.startDate, limits);
    EntryField* end = addLimited(grid, row++, 0, tr("End date"), f.endDate, limits);
    start->setDayNumber(defaults.startDate);
    end->setDayNumber(defaults.endDate);
    // The end date's message quotes the start date.
    connect(start, &EntryField::valueChanged, end, [this, end](double day) {
      end->setLimit(EndDateLimit(static_cast<int>(day), taxYear().firstDay, taxYear()));
    });
  } else if (k.normalDays) {
    addLimited(grid, row++, 0, tr(k.normalDays), f.normalDays, limits)->setValue(defaults.normalDays);
    addLimited(grid, row++, 0, tr(k.daysWorked), f.daysWorked, limits)->setValue(defaults.daysWorked);
  }

  int result = 0;
  addResult(grid, result++, 3, tr("Allowable R/Fund deduction"), QStringLiteral("numAllowableRFundDed"), 0);
  addResult(grid, result++, 3, tr("UIF contribution Employee"), QStringLiteral("numMAns1"));
  addResult(grid, result++, 3, tr("UIF contribution Employer"), QStringLiteral("numMAns2"));
  addResult(grid, result++, 3, tr("S.D.L."), QStringLiteral("numMAns3"));
  addResult(grid, result++, 3, tr("Tax liability"), QStringLiteral("numMAns"));
  addResult(grid, result++, 3, tr("Tax credits for beneficiaries"), QStringLiteral("numTaxCredit"));
  addResult(grid, result++, 3, tr("Tax credits for contributions"), QStringLiteral("numMTCForContri"));
  addResult(grid, result++, 3, tr("Total tax deduction"), QStringLiteral("numTaxLiability"));
  grid->setColumnMinimumWidth(2, 12);

  finishWindow();
}

void PeriodTaxWindow::taxYearChosen() {
  const PeriodFieldNames& f = PeriodFields(kind_);
  if (!f.startDate) return;
  // The first month of the year chosen, within its limits.
  const tax::TaxYear& year = taxYear();
  const PeriodPayInput defaults = DefaultPeriodPayInput(kind_, year);
  EntryField* start = entry(f.startDate);
  EntryField* end = entry(f.endDate);
  start->setLimit(StartDateLimit(year.lastDay, year));
  start->setDayNumber(defaults.startDate);
  end->setLimit(EndDateLimit(defaults.startDate, year.firstDay, year));
  end->setDayNumber(defaults.endDate);
}

PeriodPayInput PeriodTaxWindow::inputs() const {
  const PeriodFieldNames& f = PeriodFields(kind_);
  PeriodPayInput in = DefaultPeriodPayInput(kind_, state().taxYear());
  readPayItems(f, in);
  in.beneficiaries = whole(f.beneficiaries);
  if (f.startDate) {
    in.startDate = entry(f.startDate)->dayNumber();
    in.endDate = entry(f.endDate)->dayNumber();
  }
  if (f.normalDays) {
    in.normalDays = whole(f.normalDays);
    in.daysWorked = whole(f.daysWorked);
  }
  return in;
}

bool PeriodTaxWindow::calculate() {
  if (!acceptFields()) return false;
  const PeriodPayInput in = inputs();
  if (auto refusal = CalculatePeriod(kind_, in, setup(), result_, taxYear(), recordWorking())) {
    refuse(*refusal);
    return false;
  }
  calculated_ = in;
  keepWorking();
  for (const NamedFigure& figure : PeriodWindowFigures(kind_, result_))
    showFigure(std::string(figure.name).c_str(), figure.value);
  return true;
}

FeedRecord PeriodTaxWindow::printRecord(const std::string& employeeName, int printLanguage) const {
  return PeriodTaxRecord(kind_, calculated_, result_, employeeName, printLanguage);
}

const PayReportFile& PeriodTaxWindow::report() const { return PeriodReport(kind_); }

}  // namespace quorin
