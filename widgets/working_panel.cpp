#include "widgets/working_panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "common/working.h"
#include "common/working_text.h"
#include "report/working_page.h"

namespace quorin {

WorkingPanel::WorkingPanel(QWidget* parent) : QGroupBox(QString::fromStdString(workingTitle(0)), parent) {
  setObjectName(QStringLiteral("fraWorking"));
  auto* layout = new QVBoxLayout(this);
  text_ = new QTextBrowser(this);
  text_->setObjectName(QStringLiteral("txtWorking"));
  text_->setOpenLinks(false);
  // Room for a few steps; the rest scrolls.
  text_->setMinimumHeight(text_->fontMetrics().lineSpacing() * 15);
  text_->setMinimumWidth(text_->fontMetrics().averageCharWidth() * 90);
  layout->addWidget(text_);
  auto* buttons = new QHBoxLayout;
  view_ = new QPushButton(tr("&View/Export report"), this);
  view_->setObjectName(QStringLiteral("cmdWorkingView"));
  auto* close = new QPushButton(tr("C&lose"), this);
  close->setObjectName(QStringLiteral("cmdWorkingClose"));
  buttons->addStretch();
  buttons->addWidget(view_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(view_, &QPushButton::clicked, this, &WorkingPanel::viewRequested);
  connect(close, &QPushButton::clicked, this, &WorkingPanel::closeRequested);
  setWorking(nullptr);
}

void WorkingPanel::setWorking(const Working* working) {
  static const Working none;
  text_->setHtml(workingDocumentHtml(working ? *working : none, 0, WorkingLayout::Panel));
  view_->setEnabled(working && !working->empty());
}

}  // namespace quorin
