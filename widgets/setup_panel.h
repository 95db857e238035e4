// The "Setup" frame of the tax calculators: the settings of the Setup row
// that a window uses, shown in their fields and option pairs, kept in the
// window until "O&K" saves them.
#pragma once

#include <QGroupBox>
#include <cstdint>

#include "settings/settings_record.h"
#include "common/field_limits.h"
#include "tax/tax_year_file.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorin {

class EntryField;

class SetupPanel : public QGroupBox {
  Q_OBJECT
 public:
  // fields: the SettingsField bits to show (kPayPeriodSettings, kAllSettings).
  SetupPanel(const QString& name, std::uint32_t fields, QWidget* parent = nullptr);

  // Shows the record: numbers in their fields, the 80 % or 20 % option when
  // a rate is exactly 0.8 or 0.2 (neither otherwise; the value is kept).
  void setRecord(const SettingsRecord& record);
  // The kept values: the fields' numbers and the options' rates.
  SettingsRecord record() const;
  std::uint32_t fields() const { return fields_; }
  QPushButton* okButton() const { return ok_; }

  // The "Tax year" choice (cboTaxYear): "the year in force" (0, the
  // default) or a fixed year, with the source of the year it gives beside it
  // (lblTaxYearSource) and every refused year file's reason below
  // (lblTaxYearRefused); not part of the Setup row.
  void offerTaxYears(const tax::TaxYearCatalogue& years, int chosen, int inForce);
  int taxYear() const;
  // Whether the user changed the choice since it was offered.
  bool taxYearChanged() const { return taxYear_ && taxYear() != offeredYear_; }

 signals:
  void confirmed();  // "O&K"

 private:
  EntryField* addPercent(const QString& name, const QString& caption, int row, const FieldLimit& limit);
  std::uint32_t fields_;
  SettingsRecord kept_;
  QPushButton* ok_;
  QComboBox* taxYear_ = nullptr;
  QLabel* taxYearSource_ = nullptr;
  QLabel* taxYearRefused_ = nullptr;
  int offeredYear_ = 0;
  int inForce_ = 0;
  const tax::TaxYearCatalogue* years_ = nullptr;
  QRadioButton* ta80_ = nullptr;
  QRadioButton* ta20_ = nullptr;
  QRadioButton* car80_ = nullptr;
  QRadioButton* car20_ = nullptr;
  QRadioButton* mpYes_ = nullptr;
  QRadioButton* mpNo_ = nullptr;
};

}  // namespace quorin
