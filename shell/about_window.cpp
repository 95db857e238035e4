#include "shell/about_window.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/version.h"

namespace quorin {

namespace {

QLabel* addLabel(QVBoxLayout* layout, const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(tr("About Quorin 2026..."));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->setSpacing(8);

  QLabel* name = addLabel(layout, QStringLiteral("lblProgramName"), tr("Quorin 2026"), this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);

  addLabel(layout, QStringLiteral("lblDescription"),
           tr("Payroll tax and personal finance calculators for the 2026 tax year "
              "(1 March 2025 to 28 February 2026)"),
           this);
  version_ = addLabel(layout, QStringLiteral("lblVersion"),
                      tr("Version: ") + QString::fromStdString(versionText(programVersion())), this);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addWidget(line);

  addLabel(layout, QStringLiteral("lblPublisher"),
           tr("Published by Quorin Payroll Software\n"
              "Unit 7, Bergzicht Office Park, 14 Dorp Street, Stellenbosch 7600, South Africa\n"
              "PO Box 2214, Stellenbosch 7599\n"
              "Telephone: 021 883 4170    Support: support@quorinpayroll.co.za\n"
              "Web: %1")
               .arg(QString::fromLatin1(kPublisherWebSite)),
           this);

  addLabel(layout, QStringLiteral("lblLegal"),
           tr("Copyright (c) 2025 Quorin Payroll Software. All rights reserved.\n"
              "This program is licensed to you for use, not sold. You may not copy, "
              "distribute, modify or reverse-engineer it, in whole or in part, without "
              "the publisher's written consent. The calculations are an aid to checking "
              "tax and financial figures; they are not tax, legal or financial advice."),
           this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  ok_ = new QPushButton(tr("&OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOk"));
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &AboutWindow::closeWindow);
  setMinimumWidth(460);
  const int height = heightForWidth(520);
  resize(520, height > 0 ? height : sizeHint().height());
}

// Inside the main window the frame around this widget is what must close.
void AboutWindow::closeWindow() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->close();
  else
    close();
}

}  // namespace quorin
