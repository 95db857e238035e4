#include "widgets/print_frame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/entry_field.h"

namespace quorin {

PrintFrame::PrintFrame(const Options& o, QWidget* parent) : QGroupBox(tr("Print"), parent) {
  setObjectName(o.name);
  auto* grid = new QGridLayout(this);
  int row = 0;
  if (o.languageChoice) {
    english_ = new QRadioButton(tr("&English print"), this);
    afrikaans_ = new QRadioButton(tr("&Afrikaans print"), this);
    english_->setObjectName(QStringLiteral("Option1"));
    afrikaans_->setObjectName(QStringLiteral("Option2"));
    english_->setChecked(true);
    grid->addWidget(english_, row, 0);
    grid->addWidget(afrikaans_, row++, 1);
  }
  if (o.employeeName) {
    auto* label = new QLabel(o.nameCaption, this);
    grid->addWidget(label, row, 0);
    name_ = new EntryField(o.nameField, FieldLimit{FieldKind::Text, 0, 0, 0, 50}, this);
    name_->setCaption(label);
    grid->addWidget(name_, row++, 1);
    grid->addWidget(new QLabel(tr("(max.50 chrs.)"), this), row++, 1);
  }
  if (o.workingChoice) {
    working_ = new QCheckBox(tr("Print the workin&g"), this);
    working_->setObjectName(QStringLiteral("chkWorking"));
    working_->setToolTip(tr("Follow the printout with a page showing how its figures were worked out"));
    grid->addWidget(working_, row++, 0, 1, 2);
  }
  view_ = new QPushButton(tr("&View/Export report"), this);
  print_ = new QPushButton(tr("P&rint directly to printer"), this);
  cancel_ = new QPushButton(o.cancelCaption, this);
  view_->setObjectName(QStringLiteral("cmdVR"));
  print_->setObjectName(QStringLiteral("cmdPD"));
  cancel_->setObjectName(o.cancelName);
  grid->addWidget(view_, row, 0);
  grid->addWidget(print_, row, 1);
  grid->addWidget(cancel_, row, 2);
  connect(view_, &QPushButton::clicked, this, &PrintFrame::viewRequested);
  connect(print_, &QPushButton::clicked, this, &PrintFrame::printRequested);
  connect(cancel_, &QPushButton::clicked, this, &PrintFrame::cancelled);
  hide();
}

int PrintFrame::language() const {
  if (!english_) return 0;
  if (english_->isChecked()) return 0;
  if (afrikaans_->isChecked()) return 1;
  return -1;
}

bool PrintFrame::printWorking() const { return working_ && working_->isChecked(); }

QString PrintFrame::employeeName() const { return name_ ? name_->text() : QString(); }

}  // namespace quorin
