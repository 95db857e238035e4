#include "payperiod/annual_tax_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "widgets/message_sink.h"

namespace quorin {

AnnualTaxWindow::AnnualTaxWindow(WindowContext& context)
    : PayWindow(context, QStringLiteral("frmAnnual"), tr("Annual")) {
  const AnnualFieldNames& f = kAnnualFields;
  const tax::TaxYear& year = taxYear();
  const PayPeriodLimits limits = AnnualFieldLimits(year.firstDay, year.lastDay, year);

  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  int row = addPayItems(grid, f, limits, tr("Travel allowance received")) + 1;
  addLimited(grid, row++, 0, tr("Med Aid contribution deduction"), f.medAidDeduction, limits);
  EntryField* start = addLimited(grid, row++, 0, tr("Start date"), f.startDate, limits);
  EntryField* end = addLimited(grid, row++, 0, tr("End date"), f.endDate, limits);

  int result = 0;
  addResult(grid, result++, 3, tr("Allowable R/Fund deduction"), QStringLiteral("numAllowableRFundDed"), 0);
  addResult(grid, result++, 3, tr("Tax liability"), QStringLiteral("numMAns"));
  addResult(grid, result++, 3, tr("Tax credits for beneficiaries"), QStringLiteral("numTaxCredit"));
  addResult(grid, result++, 3, tr("Tax credits for contributions"), QStringLiteral("numMTCForContri"));
  addResult(grid, result++, 3, tr("Total tax deduction"), QStringLiteral("numTaxLiability"));
  addResult(grid, result++, 3, tr("PAYE"), QStringLiteral("numAns"));
  grid->setColumnMinimumWidth(2, 12);

  // The twelve month fields, named by calendar month, shown March first.
  auto* frame = new QGroupBox(tr("Number of Medical Aid Beneficiaries "), this);
  auto* monthGrid = new QGridLayout(frame);
  static const char* const kMonthLabels[12] = {"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                               "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};
  const FieldLimit& monthLimit = limits.at(f.monthBeneficiaries);
  for (int i = 0; i < 12; ++i) {
    const QString name = QStringLiteral("%1_%2").arg(QLatin1String(f.monthBeneficiaries)).arg(CalendarMonthOfTaxMonth(i));
    auto* label = new QLabel(tr(kMonthLabels[i]), frame);
    monthGrid->addWidget(label, 0, i, Qt::AlignHCenter);
    // As wide as its figures and taking whatever is typed: a count that is
    // not allowed is refused with its message, never cut short.
    months_[i] = new EntryField(name, monthLimit, frame);
    months_[i]->setCaption(label);
    months_[i]->setCaption(frame->title().trimmed() + QLatin1Char(' ') + label->text());
    monthGrid->addWidget(months_[i], 1, i);
    adoptField(months_[i]);
    EntryField* month = months_[i];
    connect(month, &QLineEdit::editingFinished, this, [this, month] { limitMonth(month); });
  }
  auto* duplicate = new QPushButton(tr("Duplicate March to all 12 months "), frame);
  duplicate->setObjectName(QStringLiteral("cmdDuplicate"));
  monthGrid->addWidget(duplicate, 2, 0, 1, 12, Qt::AlignLeft);
  connect(duplicate, &QPushButton::clicked, this, &AnnualTaxWindow::cmdDuplicate_Click);
  body()->addWidget(frame);

  // Each date keeps the other in view: the start runs to the end date, the
  // end from the start date (its message quoting the start).
  start->setDayNumber(year.firstDay);
  end->setDayNumber(year.lastDay);
  connect(start, &EntryField::valueChanged, end, [this, end](double day) {
    end->setLimit(EndDateLimit(static_cast<int>(day), static_cast<int>(day), taxYear()));
  });
  connect(end, &EntryField::valueChanged, start, [this, start](double day) {
    start->setLimit(StartDateLimit(static_cast<int>(day), taxYear()));
  });

  finishWindow();
}

void AnnualTaxWindow::taxYearChosen() {
  // The whole of the year chosen.
  const tax::TaxYear& year = taxYear();
  EntryField* start = entry(kAnnualFields.startDate);
  EntryField* end = entry(kAnnualFields.endDate);
  start->setLimit(StartDateLimit(year.lastDay, year));
  end->setLimit(EndDateLimit(year.firstDay, year.firstDay, year));
  start->setDayNumber(year.firstDay);
  end->setDayNumber(year.lastDay);
}

void AnnualTaxWindow::showBeneficiaryNotice() {
  const Refusal notice = MonthBeneficiaryNotice();
  const QString title = notice.title.empty() ? QStringLiteral("Quorin 2026") : QString::fromStdString(notice.title);
  context().messages.show(MessageIcon::Information, title, QString::fromStdString(notice.message));
}

void AnnualTaxWindow::limitMonth(EntryField* month) {
  if (month->refusal()) return;  // the field's own message is shown
  auto count = static_cast<std::int16_t>(std::nearbyint(month->value()));
  if (!LimitMonthBeneficiaries(count)) return;
  showBeneficiaryNotice();
  month->setValue(count);
}

void AnnualTaxWindow::cmdDuplicate_Click() {
  MonthCounts counts{};
  for (int i = 0; i < 12; ++i) counts[i] = static_cast<std::int16_t>(std::nearbyint(months_[i]->value()));
  for (std::size_t n = DuplicateMarch(counts).size(); n > 0; --n) showBeneficiaryNotice();
  showMonthCounts(counts);
}

void AnnualTaxWindow::showMonthCounts(const MonthCounts& counts) {
  for (int i = 0; i < 12; ++i) months_[i]->setValue(counts[i]);
}

AnnualPayInput AnnualTaxWindow::inputs() const {
  const AnnualFieldNames& f = kAnnualFields;
  AnnualPayInput in;
  readPayItems(f, in);
  in.medAidDeduction = number(f.medAidDeduction);
  for (int i = 0; i < 12; ++i) in.monthBeneficiaries[i] = static_cast<std::int16_t>(std::nearbyint(months_[i]->value()));
  in.startDate = entry(f.startDate)->dayNumber();
  in.endDate = entry(f.endDate)->dayNumber();
  return in;
}

bool AnnualTaxWindow::calculate() {
  if (!acceptFields()) return false;
  const AnnualPayInput in = inputs();
  if (auto refusal = CalculateAnnual(in, setup(), result_, taxYear(), recordWorking())) {
    refuse(*refusal);
    return false;
  }
  calculated_ = in;
  keepWorking();
  for (const NamedFigure& figure : AnnualWindowFigures(result_))
    showFigure(std::string(figure.name).c_str(), figure.value);
  // Months outside the period are cleared on the window too.
  showMonthCounts(result_.monthBeneficiaries);
  return true;
}

FeedRecord AnnualTaxWindow::printRecord(const std::string& employeeName, int printLanguage) const {
  return IRP5Ann(calculated_, result_, employeeName, printLanguage);
}

}  // namespace quorin
