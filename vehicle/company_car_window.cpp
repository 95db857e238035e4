#include "vehicle/company_car_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "shell/session_state.h"
#include "vehicle/vehicle_fields.h"
#include "vehicle/vehicle_records.h"
#include "widgets/message_sink.h"
#include "widgets/print_frame.h"

namespace quorin {

namespace {

QString captionOf(const char* key) {
  static const std::map<std::string, const char*> captions = {
      {"CCRegNumber", "Vehicle registration number"},
      {"CCMake", "Car Make"},
      {"CCModel", "Car Model"},
      {"YearOfManfact", "Year of manufacture"},
      {"CCPrice", "Price of vehicle (incl VAT)"},
      {"MaintIncluded", "Maint. plan included?"},
      {"CCStartDate", "Start date"},
      {"CCEndDate", "End date"},
      {"StartMileage", "Start mileage"},
      {"EndMileage", "End mileage"},
      {"TotalDistance", "Total distance"},
      {"BusDistance", "Business distance"},
      {"BussMilage", "Did you keep a log book detailing business mileage?"},
      {"ActualExpEmployee", "Actual fuel expenses paid by the employee"},
      {"SARSTable", "Or use SARS's cents/km fuel table?"},
      {"FuelReimbEmployer", "Fuel expenses reimbursement\tby employer"},
      {"EmpPaidInsurance", "Employee paid ALL insurance costs"},
      {"EmpPaidLicence", "Employee paid ALL licensing fees"},
      {"EmpPaidMaintenance", "Employee paid ALL maintenance costs"},
      {"FB3802ThisCar", "Code 3802 f/benefit for this car"},
  };
  return QString::fromUtf8(captions.at(key));
}

struct Result {
  const char* field;
  const char* caption;
  int decimals;
};

// Whole rand, except the 80/20 shares of the fortnight and the week.
constexpr Result kResults[] = {
    {"numCCMonths", "No of days", 0},
    {"numPrivateDistance", "Private distance", 0},
    {"numTrueInclusion", "True inclusion amount", 0},
    {"numFuelComponent", "Fuel component", 0},
    {"numFuelClaim", "Fuel claim (adjusted for mileage)", 0},
    {"numTotAddExpense", "Total additional expenses (adjusted for mileage)", 0},
    {"numTrueInclusion_1", "True inclusion amount", 0},
    {"numFuelExp", "Less fuel & expenses", 0},
    {"numAdjustTaxableInc", "Adjustment to taxable income\n(adjusted for private mileage)", 0},
    {"numAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)", 0},
    {"numIRP53802", "IRP5 code 3802 amount for this car", 0},
    {"numMonFB80", "Monthly f/benefit amount for this car  80%", 0},
    {"numMonFB20", "20%", 0},
    {"numFortFB80", "Fortnightly f/benefit amount for this car  80%", 2},
    {"numFortFB20", "20%", 2},
    {"numWeekFB80", "Weekly f/benefit amount for this car  80%", 2},
    {"numWeekFB20", "20%", 2},
    {"numTotAdjustTaxableInc", "Total Adjustment to taxable income", 0},
    {"numTotAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)", 0},
};

}  // namespace

CompanyCarWindow::CompanyCarWindow(WindowContext& context, QWidget* parent)
    : CalculatorWindow(context, QStringLiteral("frmCompCar"), tr("Full use of Company Car"), parent) {
  auto* columns = new QHBoxLayout;
  body()->addLayout(columns);
  auto* grid = new QGridLayout;
  columns->addLayout(grid);

  int row = 0;
  for (const RegisterKey& k : companyCarInputKeys()) {
    const QString name = QString::fromLatin1(k.field);
    if (k.kind == RegisterKeyKind::Flag) {
      auto* box = new QCheckBox(captionOf(k.key), this);
      box->setObjectName(name);
      grid->addWidget(box, row++, 0, 1, 2);
      const auto member = k.flag;
      connect(box, &QCheckBox::toggled, this, [this, member](bool on) {
        if (!showing_) reg().shown().*member = on ? 1 : 0;
      });
      inputs_[name] = box;
      continue;
    }
    const FieldLimit limit = k.kind == RegisterKeyKind::Date
                                 ? (k.date == &CompanyCarRecord::CCStartDate
                                        ? vehicleStartDateLimit(taxYear().lastDay, taxYear())
                                        : vehicleEndDateLimit(taxYear().firstDay, taxYear()))
                                 : companyCarFieldLimit(k.field);
    EntryField* f = addField(grid, row++, 0, captionOf(k.key), name, limit);
    inputs_[name] = f;
    if (k.kind == RegisterKeyKind::Text) {
      const auto member = k.text;
      connect(f, &QLineEdit::textChanged, this, [this, member](const QString& t) {
        if (!showing_) reg().shown().*member = t.toStdString();
      });
    } else if (k.kind == RegisterKeyKind::Whole) {
      const auto member = k.amount;
      connect(f, &EntryField::valueChanged, this, [this, member](double v) {
        if (!showing_) reg().shown().*member = v;
      });
    } else {
      const auto member = k.date;
      connect(f, &EntryField::valueChanged, this, [this, member](double v) {
        if (showing_) return;
        reg().shown().*member = static_cast<std::int32_t>(v);
        datesChanged();
      });
    }
  }
  regNumber_ = field<EntryField>(QStringLiteral("txtCCRegNumber"));
  start_ = field<EntryField>(QStringLiteral("dtCCStartDate"));
  end_ = field<EntryField>(QStringLiteral("dtCCEndDate"));
  fb3802_ = field<EntryField>(QStringLiteral("numFB3802ThisCar"));
  sarsTable_ = field<QCheckBox>(QStringLiteral("chkSARSTable"));
  connect(regNumber_, &QLineEdit::textChanged, this, [this] {
    if (!showing_) applyControls(false);
  });
  connect(sarsTable_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    if (on) {
      field<EntryField>(QStringLiteral("numActualExpEmployee"))->setValue(0);
      reg().shown().ActualExpEmployee = 0;
    } else {
      reg().shown().FuelComponent = 0;
      field<EntryField>(QStringLiteral("numFuelComponent"))->setValue(0);
    }
  });

  actual3802_ = addField(grid, row++, 0, tr("Total code 3802 f/benefits on IRP5's"), QStringLiteral("numActual3802"),
                         companyCarFieldLimit("numActual3802"));
  connect(actual3802_, &EntryField::valueChanged, this, [this](double v) {
    if (!showing_) reg().Actual3802 = v;
  });
  autoSplit_ = new QCheckBox(tr("Auto-calculate f/benefit splits"), this);
  autoSplit_->setObjectName(QStringLiteral("chkAutoCalc3802"));
  // Its place is kept while it is hidden, so that the buttons below never
  // move under the pointer as vehicles are added or deleted.
  QSizePolicy keepPlace = autoSplit_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  autoSplit_->setSizePolicy(keepPlace);
  grid->addWidget(autoSplit_, row++, 0, 1, 2);
  connect(autoSplit_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    reg().AutoCalc3802 = on ? 1 : 0;
    applyControls(false);
  });

  auto* results = new QGroupBox(tr("Results"), this);
  results->setObjectName(QStringLiteral("fraResults"));
  auto* resultGrid = new QGridLayout(results);
  int r = 0;
  for (const Result& res : kResults) {
    auto* label = new QLabel(tr(res.caption), results);
    auto* f = EntryField::display(QString::fromLatin1(res.field), res.decimals, results);
    f->setCaption(label);
    resultGrid->addWidget(label, r, 0);
    resultGrid->addWidget(f, r++, 1);
  }
  columns->addWidget(results, 0, Qt::AlignTop);

  add_ = addButton(QStringLiteral("cmdAdd"), tr("&Add"));
  delete_ = addButton(QStringLiteral("cmdDelete"), tr("&Delete"));
  back_ = addButton(QStringLiteral("cmdBack"), tr("&Back"));
  forward_ = addButton(QStringLiteral("cmdForward"), tr("&Forward"));
  calculate_ = addButton(QStringLiteral("cmdCalculate"), tr("&Calculate"));
  print_ = addButton(QStringLiteral("cmdPrint"), tr("&Print"));
  addWorkingButton();
  ok_ = addButton(QStringLiteral("cmdOk"), tr("&Ok"));
  connect(add_, &QPushButton::clicked, this, &CompanyCarWindow::cmdAdd_Click);
  connect(delete_, &QPushButton::clicked, this, &CompanyCarWindow::cmdDelete_Click);
  connect(back_, &QPushButton::clicked, this, &CompanyCarWindow::cmdBack_Click);
  connect(forward_, &QPushButton::clicked, this, &CompanyCarWindow::cmdForward_Click);
  connect(calculate_, &QPushButton::clicked, this, &CompanyCarWindow::cmdCalculate_Click);
  connect(print_, &QPushButton::clicked, this, [this] {
    if (!acceptFields()) return;
    showFrame(frame_);
  });
  connect(ok_, &QPushButton::clicked, this, [this] { close(); });

  PrintFrame::Options printOptions;
  printOptions.workingChoice = true;
  frame_ = new PrintFrame(printOptions, this);
  addFrame(frame_);
  connect(frame_, &PrintFrame::viewRequested, this, [this] { CompCarPrint(0); });
  connect(frame_, &PrintFrame::printRequested, this, [this] { CompCarPrint(1); });
  connect(frame_, &PrintFrame::cancelled, this, [this] {
    hideFrame(frame_);
    applyControls(false);
  });

  if (reg().empty()) reg().AutoCalc3802 = 0;
  else reg().show(1);
  showVehicle();
  CompCarCalc();
}

CompanyCarRegister& CompanyCarWindow::reg() { return state().vehicles.companyCars; }

void CompanyCarWindow::showVehicle() {
  showing_ = true;
  const CompanyCarRecord& car = reg().shown();
  for (const RegisterKey& k : companyCarInputKeys()) {
    QWidget* w = inputs_.at(QString::fromLatin1(k.field));
    const QSignalBlocker block(w);
    switch (k.kind) {
      case RegisterKeyKind::Text: static_cast<EntryField*>(w)->setText(QString::fromStdString(car.*k.text)); break;
      case RegisterKeyKind::Whole: static_cast<EntryField*>(w)->setValue(car.*k.amount); break;
      case RegisterKeyKind::Date: static_cast<EntryField*>(w)->setDayNumber(car.*k.date); break;
      case RegisterKeyKind::Flag: static_cast<QCheckBox*>(w)->setChecked(car.*k.flag == 1); break;
    }
  }
  actual3802_->setValue(reg().Actual3802);
  autoSplit_->setChecked(reg().AutoCalc3802 != 0);
  showing_ = false;
  datesChanged();
  applyControls(true);
}

void CompanyCarWindow::applyControls(bool focusRegistration) {
  const RegisterControls c = controlsFor(reg());
  for (const auto& [name, w] : inputs_)
    if (w != regNumber_) w->setEnabled(c.vehicleFields);
  fb3802_->setEnabled(c.vehicleFields && !reg().AutoCalc3802);
  actual3802_->setEnabled(c.vehicleFields);
  autoSplit_->setVisible(c.autoSplitVisible);
  autoSplit_->setEnabled(c.vehicleFields);
  regNumber_->setEnabled(true);
  add_->setEnabled(c.add);
  delete_->setEnabled(c.remove);
  back_->setEnabled(c.back);
  forward_->setEnabled(c.forward);
  print_->setEnabled(c.print);
  calculate_->setEnabled(c.vehicleFields);
  ok_->setEnabled(c.ok);
  setWindowTitle(QString::fromStdString(companyCarTitle(reg())));
  if (focusRegistration && !c.vehicleFields) regNumber_->setFocus(Qt::OtherFocusReason);
}

void CompanyCarWindow::datesChanged() {
  const CompanyCarRecord& car = reg().shown();
  start_->setLimit(vehicleStartDateLimit(car.CCEndDate, taxYear()));
  end_->setLimit(vehicleEndDateLimit(car.CCStartDate, taxYear()));
}

void CompanyCarWindow::CompCarCalc() {
  run_ = quorin::CompCarCalc(reg(), taxYear(), recordWorking());
  keepWorking();
  showResults();
}

void CompanyCarWindow::showResults() {
  const auto show = [this](const char* name, double v) { field<EntryField>(QString::fromLatin1(name))->setValue(v); };
  const CompanyCarRecord& car = reg().shown();
  const CompanyCarFigures f = reg().current() == 0 ? CompanyCarFigures{} : run_.of(reg().current());
  {
    showing_ = true;
    for (const char* name : {"numTotalDistance", "numBusDistance", "numFB3802ThisCar"}) {
      const double v = std::string(name) == "numTotalDistance" ? car.TotalDistance
                       : std::string(name) == "numBusDistance" ? car.BusDistance
                                                               : car.FB3802ThisCar;
      show(name, v);
    }
    showing_ = false;
  }
  show("numCCMonths", reg().current() == 0 ? 0 : f.CCMonths);
  show("numPrivateDistance", car.TotalDistance - car.BusDistance);
  show("numTrueInclusion", f.TrueInclusion);
  show("numTrueInclusion_1", f.TrueInclusion);
  show("numFuelComponent", car.FuelComponent);
  show("numFuelClaim", f.Arr_FuelClaim);
  show("numTotAddExpense", f.TotAddExpense);
  show("numFuelExp", f.FuelExp);
  show("numAdjustTaxableInc", reg().current() == 0 ? 0 : car.AdjustTaxableInc);
  show("numAdjustTaxableIncSARS", f.SARSDeductionClaim);
  show("numIRP53802", f.IRP53802);
  show("numMonFB80", f.MonFB80);
  show("numMonFB20", f.MonFB20);
  show("numFortFB80", f.FortFB80);
  show("numFortFB20", f.FortFB20);
  show("numWeekFB80", f.WeekFB80);
  show("numWeekFB20", f.WeekFB20);
  show("numTotAdjustTaxableInc", run_.TotAdjustTaxableInc);
  show("numTotAdjustTaxableIncSARS", run_.TotAdjustTaxableIncSARS);
}

void CompanyCarWindow::cmdCalculate_Click() {
  if (!acceptFields()) return;
  Busy busy;
  run_ = CompCarCalculate(reg(), taxYear(), recordWorking());
  keepWorking();
  showResults();
}

void CompanyCarWindow::cmdAdd_Click() {
  if (!reg().canAdd()) return;
  if (!acceptFields()) return;
  reg().Add(taxYear());
  showVehicle();
  CompCarCalc();
}

void CompanyCarWindow::cmdDelete_Click() {
  reg().Delete();
  showVehicle();
  CompCarCalc();
}

void CompanyCarWindow::cmdBack_Click() {
  if (!acceptFields()) return;
  reg().Back();
  showVehicle();
  CompCarCalc();
}

void CompanyCarWindow::cmdForward_Click() {
  if (!acceptFields()) return;
  reg().Forward();
  showVehicle();
  CompCarCalc();
}

void CompanyCarWindow::CompCarPrint(int choice) {
  state().PrintChoice = static_cast<std::int16_t>(choice);
  {
    Busy busy;
    run_ = PrintCalc(reg(), taxYear(), recordWorking());
    keepWorking();
    showResults();
    Print p;
    p.rows = compcarRows(reg(), run_);
    p.taxYear = true;
    p.extras = compcarTotals(run_);
    p.working = workingToPrint(frame_->printWorking());
    print(kCompCarReport, QString::fromLatin1(kCompCarTitle), choice, std::move(p));
  }
  hideFrame(frame_);
  applyControls(false);
}

void CompanyCarWindow::closeEvent(QCloseEvent* event) {
  // A date refused on screen (an end date before the start, a date outside
  // the tax year) blocks closing.
  const bool dateError = start_->refusal().has_value() || end_->refusal().has_value();
  if (dateError) {
    event->ignore();
    context().messages.show(MessageIcon::Error, QString::fromLatin1(kCompCarDatesTitle),
                            QString::fromStdString(compCarDatesMessage(taxYear())));
    end_->setFocus(Qt::OtherFocusReason);
    return;
  }
  CompCarCalc();
  CalculatorWindow::closeEvent(event);
}

}  // namespace quorin
