#include "eti/eti_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "common/day_number.h"
#include "eti/eti_fields.h"
#include "eti/eti_record.h"
#include "shell/session_state.h"
#include "widgets/print_frame.h"
#include "widgets/setup_panel.h"

namespace quorin {

namespace {

QLineEdit* textResult(QGridLayout* grid, int row, int column, const QString& caption, const char* name,
                      QWidget* parent, int span = 1) {
  auto* label = new QLabel(caption, parent);
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  label->setBuddy(field);
  grid->addWidget(label, row, column);
  grid->addWidget(field, row, column + 1, 1, span);
  return field;
}

}  // namespace

EtiWindow::EtiWindow(WindowContext& context)
    : CalculatorWindow(context, QStringLiteral("frmETI"), tr("Employment Tax Incentive")) {
  const EtiFieldNames& f = kEtiFields;
  const tax::TaxYear& year = taxYear();
  const EtiFieldLimits limits = EtiLimits(year);
  const auto add = [&](QGridLayout* grid, int row, int column, const QString& caption, const char* name) {
    EntryField* e = addField(grid, row, column, caption, QString::fromLatin1(name), limits.at(name));
    return e;
  };

  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  int row = 0;
  add(grid, row++, 0, tr("Monthly remuneration (cash)"), f.remuneration)->setValue(0);
  EntryField* month = add(grid, row++, 0, tr("Month (mm/yyyy)"), f.month);
  month->setText(QString::fromStdString(FormatEtiMonth(year.firstDay)));
  add(grid, row++, 0, tr("Employment start"), f.employmentStart)->setDayNumber(year.firstDay);
  add(grid, row++, 0, tr("Age at the end of the month"), f.age);
  add(grid, row++, 0, tr("or birth date (dd/mm/yyyy)"), f.birthDate);
  add(grid, row++, 0, tr("Hours employed and paid (blank: full month)"), f.hours);
  zone_ = new QCheckBox(tr("Services mainly in a special economic zone"), this);
  zone_->setObjectName(QString::fromLatin1(f.zone));
  grid->addWidget(zone_, row++, 0, 1, 2);
  add(grid, row++, 0, tr("Months not qualifying"), f.monthsNotQualifying)->setValue(0);
  add(grid, row++, 0, tr("Minimum wage per hour (blank: not checked)"), f.minimumWage);

  int result = 0;
  addResult(grid, result++, 3, tr("Qualifying month"), QString::fromLatin1(f.qualifyingMonth), 0);
  addResult(grid, result++, 3, tr("Period (1: months 1-12, 2: 13-24)"), QString::fromLatin1(f.period), 0);
  addResult(grid, result++, 3, tr("Remuneration for 160 hours"), QString::fromLatin1(f.grossedUp));
  tableFrom_ = textResult(grid, result++, 3, tr("Table used, from"), f.tableFrom, this);
  addResult(grid, result++, 3, tr("ETI for a full month"), QString::fromLatin1(f.fullMonthEti));
  addResult(grid, result++, 3, tr("Hours factor (hours / 160)"), QString::fromLatin1(f.hoursFactor), 4);
  addResult(grid, result++, 3, tr("Employment Tax Incentive"), QString::fromLatin1(f.eti));
  reason_ = textResult(grid, row++, 0, tr("Reason"), f.reason, this, 4);
  grid->setColumnMinimumWidth(2, 12);

  auto* rollOver = new QGroupBox(tr("Roll-over against the month's PAYE"), this);
  rollOver->setObjectName(QStringLiteral("fraRollOver"));
  auto* rollGrid = new QGridLayout(rollOver);
  add(rollGrid, 0, 0, tr("PAYE of the month (blank: none)"), f.paye);
  add(rollGrid, 1, 0, tr("ETI brought forward"), f.broughtForward);
  addResult(rollGrid, 0, 3, tr("ETI utilised"), QString::fromLatin1(f.utilised));
  addResult(rollGrid, 1, 3, tr("ETI carried forward"), QString::fromLatin1(f.carriedForward));
  rollGrid->setColumnMinimumWidth(2, 12);
  body()->addWidget(rollOver);

  setup_ = new SetupPanel(QStringLiteral("Frame3"), 0, this);
  addFrame(setup_);
  connect(setup_, &SetupPanel::confirmed, this, &EtiWindow::cmdSetupOK_Click);

  PrintFrame::Options options;
  options.languageChoice = true;
  options.employeeName = true;
  options.workingChoice = true;
  print_ = new PrintFrame(options, this);
  addFrame(print_);
  connect(print_, &PrintFrame::viewRequested, this, [this] { StartPrintout(0); });
  connect(print_, &PrintFrame::printRequested, this, [this] { StartPrintout(1); });
  connect(print_, &PrintFrame::cancelled, this, [this] { hideFrame(print_); });

  connect(addButton(QStringLiteral("cmdCalculate"), tr("&Calculate")), &QPushButton::clicked, this,
          [this] { calculate(); });
  connect(addButton(QStringLiteral("cmdPrint"), tr("&Print")), &QPushButton::clicked, this,
          [this] { showFrame(print_); });
  connect(addButton(QStringLiteral("cmdSettings"), tr("&Settings")), &QPushButton::clicked, this,
          [this] { showFrame(setup_); });
  addWorkingButton();
  connect(addButton(QStringLiteral("cmdOk"), tr("&OK")), &QPushButton::clicked, this, &QWidget::close);
  offerTaxYears(setup_);
  // Nothing is calculated on opening: the age or birth date is needed first.
}

EntryField* EtiWindow::entry(const char* name) const { return field<EntryField>(QString::fromLatin1(name)); }

std::optional<double> EtiWindow::optionalNumber(const char* name) const {
  const EntryField* e = entry(name);
  if (e->text().trimmed().isEmpty()) return std::nullopt;
  return e->value();
}

std::optional<Refusal> EtiWindow::inputs(EtiInput& in) const {
  const EtiFieldNames& f = kEtiFields;
  const tax::TaxYear& year = const_cast<EtiWindow*>(this)->taxYear();
  in = DefaultEtiInput(year);
  in.remuneration = entry(f.remuneration)->value();
  if (auto r = ReadEtiMonth(entry(f.month)->text().trimmed().toStdString(), year, in.month)) return r;
  in.employmentStart = entry(f.employmentStart)->dayNumber();
  if (auto age = optionalNumber(f.age)) in.age = static_cast<int>(std::nearbyint(*age));
  if (auto r = ReadEtiBirthDate(entry(f.birthDate)->text().toStdString(), in.birthDate)) return r;
  in.hours = optionalNumber(f.hours);
  in.specialEconomicZone = zone_->isChecked();
  in.monthsNotQualifying = static_cast<int>(std::nearbyint(entry(f.monthsNotQualifying)->value()));
  in.minimumWage = optionalNumber(f.minimumWage);
  in.paye = optionalNumber(f.paye);
  in.broughtForward = entry(f.broughtForward)->value();
  return std::nullopt;
}

bool EtiWindow::calculate() {
  if (!acceptFields()) return false;
  EtiInput in;
  EtiResult r;
  std::optional<Refusal> refusal = inputs(in);
  if (!refusal) refusal = CalculateEti(in, taxYear(), r, recordWorking());
  if (refusal) {
    refuse(*refusal);
    return false;
  }
  input_ = in;
  result_ = r;
  calculated_ = true;
  keepWorking();
  showResult(r);
  return true;
}

void EtiWindow::showResult(const EtiResult& r) {
  for (const EtiFigure& figure : EtiWindowFigures(r))
    if (auto* e = entry(std::string(figure.name).c_str())) e->setValue(figure.value);
  // The roll-over figures only mean something with the PAYE entered.
  if (!r.RollOver) {
    entry(kEtiFields.utilised)->clear();
    entry(kEtiFields.carriedForward)->clear();
  }
  tableFrom_->setText(QString::fromStdString(formatDay(r.TableFrom)));
  reason_->setText(r.Qualifies ? tr("Qualifies") : QString::fromStdString(EtiReasonText(r, 0)));
}

void EtiWindow::taxYearChosen() {
  // The first month of the year chosen; the employment start within its
  // limits.
  const tax::TaxYear& year = taxYear();
  const EtiFieldLimits limits = EtiLimits(year);
  entry(kEtiFields.month)->setText(QString::fromStdString(FormatEtiMonth(year.firstDay)));
  EntryField* start = entry(kEtiFields.employmentStart);
  start->setLimit(limits.at(kEtiFields.employmentStart));
  if (start->dayNumber() > year.lastDay) start->setDayNumber(year.firstDay);
}

void EtiWindow::cmdSetupOK_Click() {
  takeTaxYear(setup_);
  hideFrame(setup_);
  QApplication::processEvents();
  calculate();
}

void EtiWindow::StartPrintout(int choice) {
  std::optional<Print> p = printFromFrame(print_, choice, [this] { return calculate(); });
  if (!p) return;
  Busy busy;
  p->record = EtiRecord(input_, result_, taxYear(), print_->employeeName().toStdString(), p->language);
  p->taxYear = true;
  print(kEtiReport, QString::fromLatin1(kEtiTitle), choice, std::move(*p));
}

}  // namespace quorin
