#include "payperiod/pay_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QTextBrowser>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>

#include "common/money.h"
#include "shell/session_state.h"
#include "widgets/print_frame.h"
#include "widgets/setup_panel.h"

namespace quorin {

namespace {

const char* const kGeneralInformation =
    "The amount entered in the Salary/remuneration field should contain the fringe benefit amounts such as the "
    "code 3802 fringe benefit amount for the use of a company car but must not include any travel allowance in "
    "this Salary/remuneration amount.  Note that both employer\u2019s and employee\u2019s R/Fund contributions "
    "qualify as a tax deduction off taxable income.  Employer\u2019s contributions paid to R/Funds i.r.o. the "
    "employee are taxable in the hands of the employee as a fringe benefit.  Quorin will include the "
    "employer\u2019s R/Fund contributions, that you enter here, in with Salary/Remuneration to determine total "
    "income so enter Salary/Remuneration as being without the employer\u2019s R/Fund contribution fringe "
    "benefit.  A portion of contributions paid by both the employer and the employee to Pension, R/A and "
    "Provident funds may qualify as a deduction from taxable income.  The deduction is limited to the lessor of "
    "contributions paid or 27.5% of remuneration/salary/income.  The deduction is capped at R%1 per year.";

}  // namespace

PayWindow::PayWindow(WindowContext& context, const QString& name, const QString& caption)
    : CalculatorWindow(context, name, caption) {}

void PayWindow::finishWindow() {
  for (EntryField* e : findChildren<EntryField*>())
    if (!e->isDisplay() && e->text().isEmpty()) e->setValue(0);

  setup_ = new SetupPanel(QStringLiteral("Frame3"), kPayPeriodSettings, this);
  addFrame(setup_);
  connect(setup_, &SetupPanel::confirmed, this, &PayWindow::cmdSetupOK_Click);
  for (auto* f : setup_->findChildren<EntryField*>()) adoptField(f);

  PrintFrame::Options options;
  options.languageChoice = true;
  options.employeeName = true;
  options.workingChoice = true;
  print_ = new PrintFrame(options, this);
  addFrame(print_);
  connect(print_, &PrintFrame::viewRequested, this, [this] { StartPrintout(0); });
  connect(print_, &PrintFrame::printRequested, this, [this] { StartPrintout(1); });
  connect(print_, &PrintFrame::cancelled, this, [this] { hideFrame(print_); });

  info_ = new QGroupBox(tr("General Information"), this);
  info_->setObjectName(QStringLiteral("fraInfo_One"));
  auto* infoLayout = new QVBoxLayout(info_);
  // Read-only text that scrolls, so the last sentence is always in reach.
  auto* text = new QTextBrowser(info_);
  text->setObjectName(QStringLiteral("lblABC"));
  // The cap of the tax year in use, written as the text writes amounts.
  text->setPlainText(QString::fromUtf8(kGeneralInformation)
                         .arg(QString::fromStdString(formatGrouped(taxYear().retirementFundCap, 0)).replace(' ', ',')));
  text->setFrameShape(QFrame::NoFrame);
  text->setMinimumHeight(text->fontMetrics().lineSpacing() * 9);
  infoLayout->addWidget(text);
  auto* infoOk = new QPushButton(tr("&OK"), info_);
  infoOk->setObjectName(QStringLiteral("cmdOK_Info_One"));
  infoLayout->addWidget(infoOk, 0, Qt::AlignRight);
  addFrame(info_);
  connect(infoOk, &QPushButton::clicked, this, [this] { hideFrame(info_); });

  connect(addButton(QStringLiteral("cmdCalculate"), tr("&Calculate")), &QPushButton::clicked, this,
          &PayWindow::cmdCalculate_Click);
  connect(addButton(QStringLiteral("cmdPrint"), tr("&Print")), &QPushButton::clicked, this,
          [this] { showFrame(print_); });
  connect(addButton(QStringLiteral("cmdSettings"), tr("&Settings")), &QPushButton::clicked, this,
          [this] { showFrame(setup_); });
  addWorkingButton();
  connect(addButton(QStringLiteral("cmdOk"), tr("&OK")), &QPushButton::clicked, this, &QWidget::close);
  QPushButton* info = addButton(QStringLiteral("cmdInfo"), QString());
  info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  info->setToolTip(tr("General Information"));
  connect(info, &QPushButton::clicked, this, [this] { showFrame(info_); });

  // A store that cannot be read has been reported; the window still works
  // with the 2026 defaults.
  setup_->setRecord(loadSettings().value_or(SettingsRecord{}));
  offerTaxYears(setup_);
  calculate();
}

SettingsRecord PayWindow::setup() const { return setup_->record(); }

void PayWindow::cmdSetupOK_Click() {
  // Only the five pay-period fields are written; the rest of the row stays.
  // A failed save has been reported; the window goes on with the values in
  // its Setup frame, as every window keeps its own copy anyway.
  saveSettings(setup_->record(), kPayPeriodSettings);
  takeTaxYear(setup_);
  hideFrame(setup_);
  QApplication::processEvents();
  calculate();
}

void PayWindow::StartPrintout(int choice) {
  std::optional<Print> p = printFromFrame(print_, choice, [this] { return calculate(); });
  if (!p) return;
  Busy busy;
  p->record = printRecord(print_->employeeName().toStdString(), p->language);
  p->taxYear = true;
  p->settings = setup();
  p->settingsFields = kPayPeriodSettings;
  print(report().file, QString::fromLatin1(report().title), choice, std::move(*p));
}

EntryField* PayWindow::addLimited(QGridLayout* grid, int row, int column, const QString& caption, const char* name,
                                  const PayPeriodLimits& limits) {
  return addField(grid, row, column, caption, QString::fromLatin1(name), limits.at(name));
}

EntryField* PayWindow::entry(const char* name) const { return field<EntryField>(QString::fromLatin1(name)); }

double PayWindow::number(const char* name) const { return entry(name)->value(); }

std::int16_t PayWindow::whole(const char* name) const {
  return static_cast<std::int16_t>(std::nearbyint(entry(name)->value()));
}

void PayWindow::showFigure(const char* name, double value) const {
  if (auto* f = entry(name)) f->setValue(value);
}

}  // namespace quorin
