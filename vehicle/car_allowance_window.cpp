#include "vehicle/car_allowance_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "shell/session_state.h"
#include "vehicle/vehicle_fields.h"
#include "vehicle/vehicle_records.h"
#include "widgets/print_frame.h"

namespace quorin {

namespace {

// The inputs of each method; the other method's are disabled.
const char* const kDeemedInputs[] = {"silgEdit1", "dtCarAlStartDate", "dtCarAlEndDate"};
const char* const kActualInputs[] = {"silgEdit6", "silgEdit7", "silgEdit8", "silgEdit9", "silgEdit10", "silgEdit11"};

}  // namespace

CarAllowanceWindow::CarAllowanceWindow(WindowContext& context, QWidget* parent)
    : CalculatorWindow(context, QStringLiteral("frmCarAll1"), tr("Travel Allowance"), parent) {
  TravelAllowanceInput& in = input();
  auto* grid = new QGridLayout;
  body()->addLayout(grid);

  car_ = addField(grid, 0, 0, tr("Car :"), QStringLiteral("Text1"), carAllowanceFieldLimit("Text1"));
  connect(car_, &QLineEdit::textChanged, this, [this](const QString& t) { input().car = t.toStdString(); });

  grid->addWidget(new QLabel(tr("Accurate record kept"), this), 1, 0);
  optNo_ = new QRadioButton(tr("&No"), this);
  optYes_ = new QRadioButton(tr("&Yes"), this);
  optNo_->setObjectName(QStringLiteral("Option3"));
  optYes_->setObjectName(QStringLiteral("Option4"));
  auto* options = new QHBoxLayout;
  options->addWidget(optNo_);
  options->addWidget(optYes_);
  grid->addLayout(options, 1, 1);
  connect(optNo_, &QRadioButton::clicked, this, [this] { chooseMethod(0); });
  connect(optYes_, &QRadioButton::clicked, this, [this] { chooseMethod(1); });

  struct Amount {
    const char* name;
    QString caption;
    double TravelAllowanceInput::*member;
  };
  const Amount amounts[] = {
      {"silgEdit1", tr("Original value of vehicle"), &TravelAllowanceInput::value},
      {"silgEdit2", tr("Allowance received"), &TravelAllowanceInput::allowance},
      {"silgEdit3", tr("Close km reading"), &TravelAllowanceInput::closeKm},
      {"silgEdit4", tr("Open km reading"), &TravelAllowanceInput::openKm},
      {"silgEdit5", tr("Business km (if kept)"), &TravelAllowanceInput::logBookKm},
      {"silgEdit6", tr("Fuel/Oil"), &TravelAllowanceInput::fuel},
      {"silgEdit7", tr("Repairs/Miantenance"), &TravelAllowanceInput::maintenance},
      {"silgEdit8", tr("Insurance/Licence"), &TravelAllowanceInput::insurance},
      {"silgEdit9", tr("Other expenses"), &TravelAllowanceInput::other},
      {"silgEdit10", tr("Wear and tear"), &TravelAllowanceInput::wearAndTear},
      {"silgEdit11", tr("Lease payments"), &TravelAllowanceInput::lease},
  };
  int row = 2;
  for (const Amount& a : amounts) {
    const int column = row < 7 ? 0 : 2;
    EntryField* f = addField(grid, row < 7 ? row : row - 5, column, a.caption, QString::fromLatin1(a.name),
                             carAllowanceFieldLimit(a.name));
    ++row;
    auto member = a.member;
    if (member == &TravelAllowanceInput::wearAndTear) wearAndTear_ = f;
    else if (member == &TravelAllowanceInput::lease) lease_ = f;
    else connect(f, &EntryField::valueChanged, this, [this, member](double v) { input().*member = v; });
  }
  connect(wearAndTear_, &EntryField::valueChanged, this,
          [this](double v) { singlePayment(wearAndTear_, lease_, v, input().wearAndTear); });
  connect(lease_, &EntryField::valueChanged, this,
          [this](double v) { singlePayment(lease_, wearAndTear_, v, input().lease); });

  start_ = addField(grid, 7, 0, tr("Start Date"), QStringLiteral("dtCarAlStartDate"),
                    vehicleStartDateLimit(in.endDate, taxYear()));
  end_ = addField(grid, 8, 0, tr("End Date"), QStringLiteral("dtCarAlEndDate"),
                  vehicleEndDateLimit(in.startDate, taxYear()));
  connect(start_, &EntryField::valueChanged, this, [this](double v) {
    input().startDate = static_cast<std::int32_t>(v);
    datesChanged();
  });
  connect(end_, &EntryField::valueChanged, this, [this](double v) {
    input().endDate = static_cast<std::int32_t>(v);
    datesChanged();
  });
  addResult(grid, 9, 0, tr("Period (number of days)"), QStringLiteral("silgEdit12"), 0);
  // Tab goes down the left column (the dates below the distances), then
  // down the right one.
  QWidget* lastLeft = field<EntryField>(QStringLiteral("silgEdit5"));
  QWidget::setTabOrder(lastLeft, start_);
  QWidget::setTabOrder(start_, end_);
  QWidget::setTabOrder(end_, field<EntryField>(QStringLiteral("silgEdit6")));

  includeFuel_ = new QCheckBox(tr("Include Fuel Costs"), this);
  includeFuel_->setObjectName(QStringLiteral("Check1"));
  includeMaintenance_ = new QCheckBox(tr("Include Maintenance Costs"), this);
  includeMaintenance_->setObjectName(QStringLiteral("Check2"));
  grid->addWidget(includeFuel_, 8, 2, 1, 2);
  grid->addWidget(includeMaintenance_, 9, 2, 1, 2);
  connect(includeFuel_, &QCheckBox::toggled, this, [this](bool on) {
    input().includeFuel = on ? 1 : 0;
    CarAllowanceCalc();
  });
  connect(includeMaintenance_, &QCheckBox::toggled, this, [this](bool on) {
    input().includeMaintenance = on ? 1 : 0;
    CarAllowanceCalc();
  });

  // The two result panes; only the chosen method's shows.
  deemedPane_ = new QGroupBox(tr("Deemed costs"), this);
  deemedPane_->setObjectName(QStringLiteral("fraDeemed"));
  auto* d = new QGridLayout(deemedPane_);
  const std::pair<const char*, QString> deemed[] = {
      {"numDBusKm", tr("Business distance")},  {"numDPrivKm", tr("Private distance")},
      {"numDTotKm", tr("Total distance Kms.")}, {"numDFixedCost", tr("Fixed cost R (over the days / 365 days)")},
      {"numDFixedPerKm", tr("Fixed cost cents/km")}, {"numDFuelPerKm", tr("Fuel costs cents/km")},
      {"numDMaintPerKm", tr("Maintenance costs cents/km")}, {"numDTotalPerKm", tr("Total costs cents/km")},
      {"numDClaim", tr("Deduction claim R")}};
  int r = 0;
  for (const auto& [name, caption] : deemed) {
    const std::string n = name;
    const int decimals = n == "numDTotalPerKm" ? 1 : n.find("PerKm") != std::string::npos ? 4 : 2;
    auto* f = EntryField::display(QString::fromLatin1(name), decimals, deemedPane_);
    auto* label = new QLabel(caption, deemedPane_);
    f->setCaption(label);
    d->addWidget(label, r, 0);
    d->addWidget(f, r++, 1);
  }
  actualPane_ = new QGroupBox(tr("Actual costs"), this);
  actualPane_->setObjectName(QStringLiteral("fraActual"));
  auto* a = new QGridLayout(actualPane_);
  const std::pair<const char*, QString> actual[] = {
      {"numABusKm", tr("Business Km's")},   {"numAPrivKm", tr("Private Km's")},
      {"numATotKm", tr("Total Km's")},      {"numATravelExp", tr("Travel expenses")},
      {"numAPrivUse", tr("Less private use")}, {"numAClaim", tr("Deduction claim")}};
  r = 0;
  for (const auto& [name, caption] : actual) {
    auto* label = new QLabel(caption, actualPane_);
    auto* f = EntryField::display(QString::fromLatin1(name), 2, actualPane_);
    f->setCaption(label);
    a->addWidget(label, r, 0);
    a->addWidget(f, r++, 1);
  }
  auto* claimLabel = new QLabel(tr("Deduction claim"), actualPane_);
  auto* claim2 = EntryField::display(QStringLiteral("numAClaim2"), 2, actualPane_);
  claim2->setCaption(claimLabel);
  a->addWidget(claimLabel, 0, 2);
  a->addWidget(claim2, 0, 3);
  body()->addWidget(deemedPane_);
  body()->addWidget(actualPane_);
  logBookCut_ = new QLabel(tr("The business km of the log book were cut to the total distance travelled."), this);
  logBookCut_->setObjectName(QStringLiteral("lblLogBookCut"));
  logBookCut_->setStyleSheet(QStringLiteral("color: #a00000"));
  body()->addWidget(logBookCut_);

  connect(addButton(QStringLiteral("cmdCalculate"), tr("&Calculate")), &QPushButton::clicked, this, [this] {
    if (!acceptFields()) return;
    CarAllowanceCalc();
  });
  connect(addButton(QStringLiteral("cmdPrint"), tr("&Print")), &QPushButton::clicked, this, [this] {
    if (!acceptFields()) return;
    CarAllowanceCalc();
    showFrame(frame_);
  });
  addWorkingButton();
  ok_ = addButton(QStringLiteral("cmdOk"), tr("&Ok"));
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (!acceptFields()) return;
    CarAllowanceCalc();
    close();
  });
  PrintFrame::Options printOptions;
  printOptions.employeeName = true;
  printOptions.nameField = QStringLiteral("Text3");  // Text1 is the car description here
  printOptions.workingChoice = true;
  frame_ = new PrintFrame(printOptions, this);
  addFrame(frame_);
  connect(frame_, &PrintFrame::viewRequested, this, [this] { PrintCarAll1(0); });
  connect(frame_, &PrintFrame::printRequested, this, [this] { PrintCarAll1(1); });
  connect(frame_, &PrintFrame::cancelled, this, [this] { hideFrame(frame_); });
  // Enter anywhere moves the focus to Ok.
  for (EntryField* f : findChildren<EntryField*>())
    connect(f, &QLineEdit::returnPressed, this, [this] { ok_->setFocus(Qt::OtherFocusReason); });

  // Every opening shows the whole tax year.
  in.startDate = taxYear().firstDay;
  in.endDate = taxYear().lastDay;
  showInputs();
  chooseMethod(in.RecordsKept);
}

void CarAllowanceWindow::taxYearChosen() {
  input().startDate = taxYear().firstDay;
  input().endDate = taxYear().lastDay;
  showInputs();
  CarAllowanceCalc();
}

TravelAllowanceInput& CarAllowanceWindow::input() { return state().vehicles.carAllowance; }

void CarAllowanceWindow::showInputs() {
  const TravelAllowanceInput& in = input();
  {
    const QSignalBlocker block(car_);
    car_->setText(QString::fromStdString(in.car));
  }
  const std::pair<const char*, double> values[] = {
      {"silgEdit1", in.value},      {"silgEdit2", in.allowance},    {"silgEdit3", in.closeKm},
      {"silgEdit4", in.openKm},     {"silgEdit5", in.logBookKm},    {"silgEdit6", in.fuel},
      {"silgEdit7", in.maintenance}, {"silgEdit8", in.insurance},   {"silgEdit9", in.other},
      {"silgEdit10", in.wearAndTear}, {"silgEdit11", in.lease}};
  for (const auto& [name, value] : values) field<EntryField>(QString::fromLatin1(name))->setValue(value);
  start_->setDayNumber(in.startDate);
  end_->setDayNumber(in.endDate);
  datesChanged();
  const QSignalBlocker blockFuel(includeFuel_);
  const QSignalBlocker blockMaintenance(includeMaintenance_);
  includeFuel_->setChecked(in.includeFuel != 0);
  includeMaintenance_->setChecked(in.includeMaintenance != 0);
}

void CarAllowanceWindow::chooseMethod(int recordsKept) {
  input().RecordsKept = static_cast<std::int16_t>(recordsKept);
  (recordsKept == 1 ? optYes_ : optNo_)->setChecked(true);
  deemedPane_->setVisible(recordsKept == 0);
  actualPane_->setVisible(recordsKept == 1);
  for (const char* name : kDeemedInputs) field(QString::fromLatin1(name))->setEnabled(recordsKept == 0);
  for (const char* name : kActualInputs) field(QString::fromLatin1(name))->setEnabled(recordsKept == 1);
  CarAllowanceCalc();
}

void CarAllowanceWindow::datesChanged() {
  const TravelAllowanceInput& in = input();
  start_->setLimit(vehicleStartDateLimit(in.endDate, taxYear()));
  end_->setLimit(vehicleEndDateLimit(in.startDate, taxYear()));
}

void CarAllowanceWindow::singlePayment(EntryField* changed, EntryField* other, double value, double& stored) {
  if (auto r = checkSinglePayment(changed->objectName().toStdString(), value, other->value())) {
    changed->setValue(0);
    stored = 0;
    refuse(*r);
    return;
  }
  stored = value;
}

void CarAllowanceWindow::CarAllowanceCalc() {
  result_ = quorin::CarAllowanceCalc(input(), taxYear(), recordWorking());
  keepWorking();
  for (const VehicleFigure& f : carAllowanceWindowFigures(result_))
    if (auto* shown = field<EntryField>(QString::fromLatin1(f.field))) shown->setValue(f.value);
  logBookCut_->setVisible(result_.logBookCut());
}

void CarAllowanceWindow::PrintCarAll1(int choice) {
  state().PrintChoice = static_cast<std::int16_t>(choice);
  {
    Busy busy;
    CarAllowanceCalc();
    Print p;
    p.record = travelDeductionRecord(input(), result_, frame_->employeeName().toStdString());
    p.taxYear = true;
    p.working = workingToPrint(frame_->printWorking());
    print(carAllowanceReport(input()), QString::fromLatin1(kCarAllowanceTitle), choice, std::move(p));
  }
  hideFrame(frame_);
}

}  // namespace quorin
