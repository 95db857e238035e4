#include "package/package_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "package/package_fields.h"
#include "package/package_records.h"
#include "shell/session_state.h"
#include "widgets/print_frame.h"
#include "widgets/setup_panel.h"

namespace quorin {

namespace {

const char* windowName(PackageKind kind) {
  switch (kind) {
    case PackageKind::VelmarMonthly: return "frmVelmMon";
    case PackageKind::VelmarAnnual: return "frmVelmAnn";
    case PackageKind::QuorinMonthly: return "frmQuorinMon";
    case PackageKind::QuorinAnnual: break;
  }
  return "frmQuorinAnn";
}

const char* windowTitleOf(PackageKind kind) {
  switch (kind) {
    case PackageKind::VelmarMonthly: return "Velmar : Monthly Calculation";
    case PackageKind::VelmarAnnual: return "Velmar : Annual Calculation";
    case PackageKind::QuorinMonthly: return "Quorin : Monthly Calculation";
    case PackageKind::QuorinAnnual: break;
  }
  return "Quorin : Annual Calculation";
}

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(const char* s) { return QString::fromLatin1(s); }

QLabel* namedLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

PackageWindow::PackageWindow(WindowContext& context, PackageKind kind)
    : CalculatorWindow(context, q(windowName(kind)), tr(windowTitleOf(kind))), kind_(kind) {
  auto* columns = new QHBoxLayout;
  body()->addLayout(columns);
  auto* employee = new QGridLayout;
  columns->addLayout(employee);
  addEmployeeColumn(employee);

  auto* cost = new QGroupBox(tr("Cost to company"), this);
  cost->setObjectName(QStringLiteral("fraCostToCompany"));
  auto* costGrid = new QGridLayout(cost);
  columns->addWidget(cost, 0, Qt::AlignTop);
  addCostColumn(costGrid);
  addHeldFields();

  warning_ = namedLabel(tr(kRFundWarning), "lblWarning", this);
  warning_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
  body()->addWidget(warning_);
  warning_->hide();

  addPanels();

  // Every kept value starts at 0; the fields show it.
  for (EntryField* e : findChildren<EntryField*>())
    if (!e->isDisplay() && e->limit().kind != FieldKind::Text && e->text().isEmpty()) e->setValue(0);
  SettingsRecord stored = loadSettings().value_or(SettingsRecord{});
  if (isNetToGross(kind_)) ResetExcessRFundPercentages(stored, taxYear());
  setup_->setRecord(stored);
  offerTaxYears(setup_);
}

void PackageWindow::addEmployeeColumn(QGridLayout* grid) {
  const PackageLimits limits = PackageFieldLimits(kind_);
  auto add = [&](int row, const char* caption, const char* name) {
    return addField(grid, row, 0, tr(caption), q(name), limits.at(name));
  };
  int row = 0;
  add(row++, "Taxpayer's age", kPkgAge);
  add(row++, AmountCaption(kind_), kPkgAmount);
  add(row++, "Company car value", kPkgCarValue);
  add(row++, "Travel allowance", kPkgTravel);
  add(row++, "Med. aid fund contributions", kPkgMedical);
  add(row++, BeneficiariesCaption(kind_), kPkgBeneficiaries);
  add(row++, "Other taxable f/benefits", kPkgOtherFringe);
  EntryField* medDeduct = add(row++, "Medical deductions", kPkgMedDeduct);
  if (!isNetToGross(kind_)) {  // held, not shown
    medDeduct->hide();
    for (auto* label : findChildren<QLabel*>())
      if (label->buddy() == medDeduct) label->hide();
  }
  add(row++, "R/Fund (Pension, Prov, R/A)", kPkgRFund);

  grid->addWidget(namedLabel(tr("Other Expenses :"), "lblOtherExpenses", this), row++, 0);
  for (int i = 0; i < kOtherExpenseRows; ++i) {
    // The text takes the caption's column; the row is named by its number.
    auto* text = new EntryField(q(OtherDetText(i)), limits.at(OtherDetText(i)), this);
    text->setCaption(tr("Other expense %1").arg(i + 1));
    grid->addWidget(text, row, 0);
    adoptField(text);
    addField(grid, row++, 0, QString(), q(OtherDetAmount(i)), limits.at(OtherDetAmount(i)))
        ->setCaption(tr("Other expense %1 amount").arg(i + 1));
  }

  addResult(grid, row++, 0, tr("Tax due"), QStringLiteral("numMAns"));
  addResult(grid, row++, 0, tr("Tax credit"), QStringLiteral("numTaxCredit"));
  addResult(grid, row++, 0, tr("Tax deduction"), QStringLiteral("numTaxDeduct"));
  addResult(grid, row++, 0, tr("UIF contribution"), QStringLiteral("numUIFCont"));
  addResult(grid, row++, 0, isNetToGross(kind_) ? tr("Gross salary") : tr("Net salary(take-home)"),
            QStringLiteral("numGrossSal"));
}

void PackageWindow::addCostColumn(QGridLayout* grid) {
  const PackageLimits limits = PackageFieldLimits(kind_);
  int row = 0;
  if (!isNetToGross(kind_)) addResult(grid, row++, 0, tr("Total package amount"), q(kPkgCCAmount));
  addField(grid, row++, 0, tr("Company car cost"), q(kPkgCCCar), limits.at(kPkgCCCar));
  addResult(grid, row++, 0, tr("Travel allowance"), q(kPkgCCTravel));
  addField(grid, row++, 0, tr("Med. aid fund contributions"), q(kPkgCCMedical), limits.at(kPkgCCMedical));
  addResult(grid, row++, 0, tr("Other taxable f/benefits"), q(kPkgCCOtherFringe));
  addField(grid, row++, 0, tr("R/Fund (Pension, Prov, R/A)"), q(kPkgCCRFund), limits.at(kPkgCCRFund));
  for (int i = 0; i < kOtherExpenseRows; ++i)
    addField(grid, row++, 0, i == 0 ? tr("Other Expenses :") : QString(), q(OtherDetCompanyCost(i)),
             limits.at(OtherDetCompanyCost(i)))
        ->setCaption(tr("Other expense %1 cost to company").arg(i + 1));
  addResult(grid, row++, 0, tr("UIF contribution"), QStringLiteral("numCCUIFCont"));
  addResult(grid, row++, 0, isNetToGross(kind_) ? tr("Skills levy") : tr("Skills Development Levy"),
            QStringLiteral("numCCSkillLev"));
  addResult(grid, row++, 0, tr("Total cost to company R"), QStringLiteral("numTotCostComp"));

  // The once-off car note: (plus a "once-off" cost of R ... for the car ...).
  onceOff_ = new QWidget(this);
  onceOff_->setObjectName(QStringLiteral("fraOnceOff"));
  auto* note = new QHBoxLayout(onceOff_);
  note->setContentsMargins(0, 0, 0, 0);
  note->addWidget(namedLabel(tr("(plus a \"once-off\" cost of R"), "lblOnceOff1", onceOff_));
  auto* amount = EntryField::display(QStringLiteral("numOnceOff"), 2, onceOff_);
  amount->setCaption(tr("Once-off cost of the company car"));
  note->addWidget(amount);
  auto* second =
      namedLabel(tr("for the company car and this does not include fuel, maintenance etc)."), "lblOnceOff2", onceOff_);
  second->setWordWrap(true);
  note->addWidget(second, 1);
  grid->addWidget(onceOff_, row++, 0, 1, 2);
  onceOff_->hide();

  if (!isNetToGross(kind_)) copyOnChange(kPkgAmount, kPkgCCAmount);
  copyOnChange(kPkgTravel, kPkgCCTravel);
  copyOnChange(kPkgOtherFringe, kPkgCCOtherFringe);
  for (int i = 0; i < kOtherExpenseRows; ++i) copyOnChange(OtherDetAmount(i), OtherDetCompanyCost(i));
}

// Held by the window but not shown: they stay 0 and go to the printout.
void PackageWindow::addHeldFields() {
  const PackageLimits limits = PackageFieldLimits(kind_);
  auto* addBens = new QGroupBox(tr("Number of additional beneficiaries"), this);
  addBens->setObjectName(QStringLiteral("fraAddBens"));
  auto* layout = new QHBoxLayout(addBens);
  auto* count = new EntryField(q(kPkgAddBens), limits.at(kPkgAddBens), addBens);
  layout->addWidget(count);
  layout->addWidget(new QLabel(tr("(R720pm each)"), addBens));
  layout->addWidget(new QLabel(tr("(R440pm each)"), addBens));
  adoptField(count);
  addBens->hide();
  const bool heldRA = kind_ != PackageKind::QuorinMonthly;
  if (heldRA) {
    auto* ra = new EntryField(q(kPkgRADeduct), limits.at(kPkgRADeduct), this);
    ra->hide();
    adoptField(ra);
  }
  std::vector<const char*> zeros{"numProvFund", "numCCProvFund"};
  if (!isNetToGross(kind_)) {
    zeros.push_back("numPenDeduct");
    zeros.push_back("numCCPenDeduct");
  }
  if (kind_ == PackageKind::QuorinMonthly) zeros.clear();
  for (const char* name : zeros) EntryField::display(q(name), 2, this)->hide();
}

void PackageWindow::addPanels() {
  setup_ = new SetupPanel(QStringLiteral("Frame3"), kAllSettings, this);
  addFrame(setup_);
  for (auto* f : setup_->findChildren<EntryField*>()) adoptField(f);
  connect(setup_, &SetupPanel::confirmed, this, &PackageWindow::cmdSetupOK_Click);
  if (isNetToGross(kind_))
    for (const char* name : {"numPenContPerc", "numPenPercentage"})
      connect(setup_->findChild<EntryField*>(q(name)), &EntryField::valueChanged, this,
              &PackageWindow::checkRFundPercentages);

  PrintFrame::Options options;
  options.name = QStringLiteral("Frame1");
  options.employeeName = true;
  options.nameCaption = tr("Taxpayer's name :(max50Chrs.");
  options.workingChoice = true;
  print_ = new PrintFrame(options, this);
  addFrame(print_);
  connect(print_, &PrintFrame::viewRequested, this, [this] { StartPrintout(0); });
  connect(print_, &PrintFrame::printRequested, this, [this] { StartPrintout(1); });
  connect(print_, &PrintFrame::cancelled, this, [this] { hidePanel(print_); });

  explanation_ = new QGroupBox(tr("R/A Explained(Annual Figures Shown)"), this);
  explanation_->setObjectName(QStringLiteral("Frame4"));
  auto* lines = new QVBoxLayout(explanation_);
  lines->addWidget(new QLabel(q(kRAFixedLines[0]), explanation_));
  lines->addWidget(new QLabel(q(kRAFixedLines[1]), explanation_));
  lineA_ = namedLabel(QString(), "lblRALineA", explanation_);
  lines->addWidget(lineA_);
  lines->addWidget(new QLabel(q(kRAFixedLines[2]), explanation_));
  lines->addWidget(new QLabel(q(kRAFixedLines[3]), explanation_));
  lineC_ = namedLabel(QString(), "lblRALineC", explanation_);
  lines->addWidget(lineC_);
  auto* ok = new QPushButton(tr("&OK"), explanation_);
  ok->setObjectName(QStringLiteral("cmdRAOK"));
  lines->addWidget(ok, 0, Qt::AlignRight);
  addFrame(explanation_);
  // The explanation changes no other button.
  connect(ok, &QPushButton::clicked, this, [this] {
    explanation_->hide();
    fitToContents(Fit::Contents);
  });

  connect(addButton(QStringLiteral("cmdCalculate"), tr("&Calculate")), &QPushButton::clicked, this,
          &PackageWindow::cmdCalculate_Click);
  connect(addButton(QStringLiteral("cmdSettings"), tr("&Settings")), &QPushButton::clicked, this,
          [this] { showFrame(setup_); });
  connect(addButton(QStringLiteral("cmdPrint"), tr("&Print")), &QPushButton::clicked, this,
          &PackageWindow::cmdPrint_Click);
  connect(addButton(QStringLiteral("cmdRAExpl"), tr("&R/A Explained")), &QPushButton::clicked, this,
          &PackageWindow::cmdRAExpl_Click);
  addWorkingButton();
  connect(addButton(QStringLiteral("cmdOk"), tr("&OK")), &QPushButton::clicked, this, &QWidget::close);
}

void PackageWindow::copyOnChange(const std::string& from, const std::string& to) {
  EntryField* target = entry(to);
  connect(entry(from), &EntryField::valueChanged, target, [target](double v) { target->setValue(v); });
}

EntryField* PackageWindow::entry(const std::string& name) const { return field<EntryField>(q(name)); }
double PackageWindow::number(const std::string& name) const {
  EntryField* f = entry(name);
  return f ? f->value() : 0;
}
std::int16_t PackageWindow::whole(const std::string& name) const {
  return static_cast<std::int16_t>(std::nearbyint(number(name)));
}

PackageInput PackageWindow::inputs() const {
  PackageInput in;
  in.age = whole(kPkgAge);
  in.amount = number(kPkgAmount);
  in.carValue = number(kPkgCarValue);
  in.travelAllowance = number(kPkgTravel);
  in.medical = number(kPkgMedical);
  in.beneficiaries = whole(kPkgBeneficiaries);
  in.additionalBeneficiaries = whole(kPkgAddBens);
  in.otherFringe = number(kPkgOtherFringe);
  in.medicalDeductions = number(kPkgMedDeduct);
  in.raDeduction = number(kPkgRADeduct);
  in.rfund = number(kPkgRFund);
  in.employerCarCost = number(kPkgCCCar);
  in.employerMedical = number(kPkgCCMedical);
  in.employerRFund = number(kPkgCCRFund);
  for (int i = 0; i < kOtherExpenseRows; ++i) {
    in.expenses[i].description = entry(OtherDetText(i))->text().toStdString();
    in.expenses[i].amount = number(OtherDetAmount(i));
    in.expenses[i].companyCost = number(OtherDetCompanyCost(i));
  }
  return in;
}

bool PackageWindow::calculate() {
  if (!acceptFields()) return false;
  PackageInput in = inputs();
  std::optional<Refusal> refusal;
  {
    Busy busy;  // the search may take a moment
    refusal = CalculatePackage(kind_, in, setup_->record(), kept_, taxYear(), recordWorking());
  }
  if (!kept_.CalcIncomplete) {
    calculated_ = in;
    keepWorking();
  }
  showResults(in);
  if (refusal) {
    refuse(*refusal);
    return false;
  }
  return true;
}

void PackageWindow::showResults(const PackageInput& in) {
  // The fields the calculation rewrites, then the kept results.
  entry(kPkgRFund)->setValue(in.rfund);
  entry(kPkgCCRFund)->setValue(in.employerRFund);
  entry(kPkgBeneficiaries)->setValue(in.beneficiaries);
  entry(kPkgMedDeduct)->setValue(in.medicalDeductions);
  for (const PackageFigure& f : PackageWindowFigures(calculated_, kept_)) {
    const QString name = QString::fromLatin1(f.name.data(), static_cast<int>(f.name.size()));
    if (name == QLatin1String(kPkgRFund) || name == QLatin1String(kPkgCCRFund) ||
        name == QLatin1String(kPkgBeneficiaries))
      continue;  // shown from the fields above
    if (auto* e = field<EntryField>(name)) e->setValue(f.value);
  }
  onceOff_->setVisible(kept_.OnceOffNote);
  showWarning(kept_.Warning);
}

void PackageWindow::showWarning(bool warning) {
  warning_->setVisible(warning);
  updatePrintButton();
  fitToContents(warning ? Fit::Grow : Fit::Contents);
}

void PackageWindow::updatePrintButton() {
  if (auto* print = field<QPushButton>(QStringLiteral("cmdPrint")))
    if (!setup_->isVisible() && !print_->isVisible()) print->setEnabled(kept_.printEnabled());
}

void PackageWindow::hidePanel(QWidget* panel) {
  hideFrame(panel);
  updatePrintButton();
}

void PackageWindow::checkRFundPercentages() {
  SettingsRecord record = setup_->record();
  if (ResetExcessRFundPercentages(record, taxYear())) setup_->setRecord(record);
}

void PackageWindow::cmdSetupOK_Click() {
  if (isNetToGross(kind_)) checkRFundPercentages();
  // All eleven settings are written; a failed save has been reported and
  // the window goes on with its panel's values.
  saveSettings(setup_->record(), kAllSettings);
  takeTaxYear(setup_);
  hidePanel(setup_);
  QApplication::processEvents();
  calculate();
}

void PackageWindow::cmdPrint_Click() {
  if (!calculate() || !kept_.printEnabled()) return;
  showFrame(print_);
}

void PackageWindow::cmdRAExpl_Click() {
  const RAExplanation ra = ExplainRA(kind_, calculated_, kept_, setup_->record(), taxYear());
  lineA_->setText(QString::fromStdString(ra.lineA));
  lineC_->setText(QString::fromStdString(ra.lineC));
  explanation_->show();
  explanation_->raise();
  fitToContents(Fit::Grow);
}

void PackageWindow::StartPrintout(int choice) {
  state().PrintChoice = static_cast<std::int16_t>(choice);
  {
    Busy busy;
    const PackageReportFile& report = PackageReport(kind_);
    Print p;
    p.record = SalPackageRecord(kind_, calculated_, kept_, print_->employeeName().toStdString());
    p.taxYear = true;
    p.settings = setup_->record();
    p.settingsFields = kAllSettings;
    p.extras = PackagePrintExtras(kind_);
    p.working = workingToPrint(print_->printWorking());
    print(report.file, QString::fromLatin1(report.title), choice, std::move(p));
  }
  hidePanel(print_);
}

}  // namespace quorin
