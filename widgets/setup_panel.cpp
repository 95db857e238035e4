#include "widgets/setup_panel.h"

#include <QSignalBlocker>

#include <QComboBox>

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "settings/settings_limits.h"
#include "widgets/entry_field.h"

namespace quorin {

namespace {

// The limits the stored settings are checked against too.
FieldLimit limitOf(std::uint32_t bit) {
  std::size_t count = 0;
  const SettingLimit* limits = settingLimits(count);
  for (std::size_t i = 0; i < count; ++i)
    if (limits[i].bit == bit) return limits[i].limit;
  return FieldLimit{};
}

struct Percent {
  std::uint32_t bit;
  const char* name;
  const char* caption;
  double SettingsRecord::*member;
};

// In the order the panel shows them.
const Percent kPercents[] = {
    {kPensionCont, "numPenContPerc", "Employee R/Fund contributions", &SettingsRecord::PensionCont},
    {kEmployerPenCont, "numPenPercentage", "Employer R/Fund contributions", &SettingsRecord::EmployerPenCont},
    {kEmployeeUIF, "numEmpEUIF", "Employee UIF portion", &SettingsRecord::EmployeeUIF},
    {kEmployerUIF, "numEmpRUIF", "Employer UIF portion", &SettingsRecord::EmployerUIF},
    {kSkillLevy, "numSkillPercent", "Skills levy", &SettingsRecord::SkillLevy},
};

QRadioButton* option(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QRadioButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace

SetupPanel::SetupPanel(const QString& name, std::uint32_t fields, QWidget* parent)
    : QGroupBox(tr("Setup"), parent), fields_(fields) {
  setObjectName(name);
  auto* grid = new QGridLayout(this);
  int row = 0;
  for (const auto& p : kPercents)
    if (fields & p.bit) {
      auto* f = addPercent(QString::fromLatin1(p.name), QString::fromLatin1(p.caption), row++, limitOf(p.bit));
      auto member = p.member;
      connect(f, &EntryField::valueChanged, this, [this, member](double v) { kept_.*member = v; });
    }
  if (fields & kUIFLimit) {
    auto* label = new QLabel(tr("UIF monthly limit"), this);
    grid->addWidget(label, row, 0);
    auto* f = new EntryField(QStringLiteral("numUIFLimit"), limitOf(kUIFLimit), this);
    f->setCaption(label);
    grid->addWidget(new QLabel(tr("R"), this), row, 1, Qt::AlignRight);
    grid->addWidget(f, row++, 2);
    connect(f, &EntryField::valueChanged, this, [this](double v) { kept_.UIFLimit = v; });
  }
  // Provident fund percentages travel with the row unchanged: no place in
  // the layout, so the user cannot change them.
  if (fields & kProvCont) {
    auto* a = new EntryField(QStringLiteral("numProvContPerc"), limitOf(kProvCont), this);
    auto* b = new EntryField(QStringLiteral("numCCProvContPerc"), limitOf(kEmployerProvCont), this);
    a->hide();
    b->hide();
  }
  auto addPair = [&](const char* caption, QRadioButton*& first, QRadioButton*& second, const char* n1, const char* c1,
                     const char* n2, const char* c2) {
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
    first = option(this, n1, c1);
    second = option(this, n2, c2);
    auto* group = new QButtonGroup(this);
    group->addButton(first);
    group->addButton(second);
    grid->addWidget(first, row, 1);
    grid->addWidget(second, row++, 2);
  };
  if (fields & kTAIncRate8020) {
    addPair("Travel allowance inclusion rate :", ta80_, ta20_, "optTAIncRate80", "80%", "optTAIncRate20", "20%");
    connect(ta80_, &QRadioButton::clicked, this, [this] { kept_.TAIncRate8020 = 0.8; });
    connect(ta20_, &QRadioButton::clicked, this, [this] { kept_.TAIncRate8020 = 0.2; });
  }
  if (fields & kCompCarFBRate8020) {
    addPair("Company car fringe benefit rate", car80_, car20_, "optCompCarFBRate80", "80%", "optCompCarFBRate20",
            "20%");
    connect(car80_, &QRadioButton::clicked, this, [this] { kept_.CompCarFBRate8020 = 0.8; });
    connect(car20_, &QRadioButton::clicked, this, [this] { kept_.CompCarFBRate8020 = 0.2; });
  }
  if (fields & kCompCarMPYesNo) {
    addPair("Company car has maintenance plan", mpYes_, mpNo_, "optCompCarMPYes", "Yes", "optCompCarMPNo", "No");
    connect(mpYes_, &QRadioButton::clicked, this, [this] { kept_.CompCarMPYesNo = true; });
    connect(mpNo_, &QRadioButton::clicked, this, [this] { kept_.CompCarMPYesNo = false; });
  }
  ok_ = new QPushButton(tr("O&K"), this);
  ok_->setObjectName(QStringLiteral("cmdSetupOK"));
  grid->addWidget(ok_, row, 2);
  connect(ok_, &QPushButton::clicked, this, &SetupPanel::confirmed);
  hide();
}

EntryField* SetupPanel::addPercent(const QString& name, const QString& caption, int row, const FieldLimit& limit) {
  auto* grid = static_cast<QGridLayout*>(layout());
  auto* f = new EntryField(name, limit, this);
  auto* label = new QLabel(caption, this);
  f->setCaption(label);
  grid->addWidget(label, row, 0);
  grid->addWidget(new QLabel(QStringLiteral("%"), this), row, 1, Qt::AlignRight);
  grid->addWidget(f, row, 2);
  return f;
}

void SetupPanel::setRecord(const SettingsRecord& r) {
  kept_ = r;
  for (const auto& p : kPercents)
    if (auto* f = findChild<EntryField*>(QString::fromLatin1(p.name))) f->setValue(r.*(p.member));
  if (auto* f = findChild<EntryField*>(QStringLiteral("numUIFLimit"))) f->setValue(r.UIFLimit);
  if (auto* f = findChild<EntryField*>(QStringLiteral("numProvContPerc"))) f->setValue(r.ProvCont);
  if (auto* f = findChild<EntryField*>(QStringLiteral("numCCProvContPerc"))) f->setValue(r.EmployerProvCont);
  auto showRate = [](QRadioButton* a, QRadioButton* b, double rate) {
    if (!a) return;
    auto* group = a->group();
    group->setExclusive(false);
    a->setChecked(rate == 0.8);
    b->setChecked(rate == 0.2);
    group->setExclusive(true);
  };
  showRate(ta80_, ta20_, r.TAIncRate8020);
  showRate(car80_, car20_, r.CompCarFBRate8020);
  if (mpYes_) {
    mpYes_->setChecked(r.CompCarMPYesNo);
    mpNo_->setChecked(!r.CompCarMPYesNo);
  }
}

SettingsRecord SetupPanel::record() const { return kept_; }

void SetupPanel::offerTaxYears(const tax::TaxYearCatalogue& years, int chosen, int inForce) {
  years_ = &years;
  inForce_ = inForce;
  if (!taxYear_) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    auto* caption = new QLabel(tr("Tax year"), this);
    taxYear_ = new QComboBox(this);
    taxYear_->setObjectName(QStringLiteral("cboTaxYear"));
    caption->setBuddy(taxYear_);
    taxYearSource_ = new QLabel(this);
    taxYearSource_->setObjectName(QStringLiteral("lblTaxYearSource"));
    taxYearSource_->setWordWrap(true);
    taxYearRefused_ = new QLabel(this);
    taxYearRefused_->setObjectName(QStringLiteral("lblTaxYearRefused"));
    taxYearRefused_->setWordWrap(true);
    taxYearRefused_->setStyleSheet(QStringLiteral("color: darkred"));
    grid->addWidget(caption, row, 0);
    grid->addWidget(taxYear_, row, 1, 1, 2);
    grid->addWidget(taxYearSource_, row + 1, 0, 1, 3);
    grid->addWidget(taxYearRefused_, row + 2, 0, 1, 3);
    connect(taxYear_, &QComboBox::currentIndexChanged, this, [this] {
      const int year = taxYear();
      const tax::TaxYear* y = years_ ? years_->find(year == 0 ? inForce_ : year) : nullptr;
      taxYearSource_->setText(y ? QString::fromStdString(y->source) : QString());
    });
    // O&K stays last.
    grid->removeWidget(ok_);
    grid->addWidget(ok_, row + 3, 2);
  }
  {
    QSignalBlocker block(taxYear_);
    taxYear_->clear();
    taxYear_->addItem(tr("the year in force (%1)").arg(inForce), 0);
    for (int year : years.offered()) taxYear_->addItem(QString::number(year), year);
    taxYear_->setCurrentIndex(std::max(0, taxYear_->findData(chosen)));
  }
  offeredYear_ = taxYear();
  const tax::TaxYear* y = years.find(offeredYear_ == 0 ? inForce : offeredYear_);
  taxYearSource_->setText(y ? QString::fromStdString(y->source) : QString());
  QStringList refused;
  for (const std::string& why : years.refused) refused << QString::fromStdString(why);
  taxYearRefused_->setText(refused.join(QLatin1Char('\n')));
  taxYearRefused_->setVisible(!refused.isEmpty());
}

int SetupPanel::taxYear() const {
  return taxYear_ && taxYear_->currentIndex() >= 0 ? taxYear_->currentData().toInt() : 0;
}

}  // namespace quorin
