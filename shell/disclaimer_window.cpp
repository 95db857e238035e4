#include "shell/disclaimer_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace quorin {

namespace {

QLabel* paragraph(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

DisclaimerWindow::DisclaimerWindow(SessionState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("frmDisclaimerYesNo"));
  setWindowTitle(tr("Quorin 2026 - Disclaimer"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->setSpacing(12);

  auto* first = paragraph(
      tr("Quorin Payroll Software gives no warranty of any kind, express or implied, for this program or for "
         "the results it produces, and is not liable for any loss or damage, direct or indirect, that arises "
         "from using the program or from relying on its results. Checking every calculation before it is used "
         "remains your responsibility. Where the program's results differ from those of another party, "
         "including the South African Revenue Service, Quorin Payroll Software is under no obligation to "
         "explain or defend them."),
      this);
  first->setObjectName(QStringLiteral("lblDisclaimer1"));
  layout->addWidget(first);

  auto* second = paragraph(
      tr("Updates of the program are published regularly and are free of charge. It is your responsibility "
         "to install them, so that your calculations use the latest rates and rules."),
      this);
  second->setObjectName(QStringLiteral("lblDisclaimer2"));
  layout->addWidget(second);

  agree_ = new QCheckBox(
      tr(" I have read this disclaimer and I understand and agree with the contents of this disclaimer"), this);
  agree_->setObjectName(QStringLiteral("chkDisclaimerYesNo"));
  layout->addWidget(agree_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  ok_ = new QPushButton(tr("&OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOk"));
  ok_->setEnabled(false);
  cancel_ = new QPushButton(tr("&Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);

  connect(agree_, &QCheckBox::toggled, ok_, &QPushButton::setEnabled);
  connect(ok_, &QPushButton::clicked, this, &DisclaimerWindow::okClicked);
  connect(cancel_, &QPushButton::clicked, this, &DisclaimerWindow::reject);

  const int width = 560;
  const int height = heightForWidth(width);
  resize(width, height > 0 ? height : sizeHint().height());
}

QPoint DisclaimerWindow::placeOver(const QRect& mainFrame, const QSize& ownFrame) {
  return {mainFrame.left() + (mainFrame.width() - ownFrame.width()) / 2,
          mainFrame.top() + (mainFrame.height() - ownFrame.height()) / 4};
}

void DisclaimerWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (mainWindow_ && !event->spontaneous()) move(placeOver(mainWindow_->frameGeometry(), frameGeometry().size()));
  raise();
  activateWindow();
}

void DisclaimerWindow::okClicked() {
  if (!agree_->isChecked()) {
    reject();
    return;
  }
  state_.DisclaimerAccepted = true;
  accept();
}

void DisclaimerWindow::reject() {
  state_.DisclaimerAccepted = false;
  QDialog::reject();
}

}  // namespace quorin
