#include "widgets/calculator_window.h"

#include "shell/session_state.h"
#include "widgets/print_frame.h"
#include "widgets/setup_panel.h"
#include "common/clock.h"

#include <QApplication>
#include <algorithm>
#include <QDateTime>
#include <QGridLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "common/working_text.h"
#include "report/report_control.h"
#include "report/report_document.h"
#include "report/report_store.h"
#include "report/working_page.h"
#include "settings/settings_store.h"
#include "shell/session_state.h"
#include "tax/tax_year.h"
#include "widgets/message_sink.h"
#include "widgets/working_panel.h"

namespace quorin {

CalculatorWindow::CalculatorWindow(WindowContext& context, const QString& name, const QString& caption,
                                   QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName(name);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* outer = new QVBoxLayout(this);
  // Never squeezed below what the fields and buttons need, or below the
  // room the main window's area leaves: the fields and frames then scroll
  // inside the window, the buttons below them stay in view.
  outer->setSizeConstraint(QLayout::SetMinimumSize);
  scroll_ = new BodyScrollArea(this);
  auto* contents = new QWidget(scroll_);
  contents->setObjectName(QStringLiteral("wgtBody"));
  body_ = new QVBoxLayout(contents);
  body_->setContentsMargins(0, 0, 0, 0);
  scroll_->setWidget(contents);
  buttons_ = new QHBoxLayout;
  outer->addWidget(scroll_, 1);
  outer->addLayout(buttons_);
}

CalculatorWindow::~CalculatorWindow() {
  // Fields lose the focus while the window is taken down; their refusals
  // must not reach a window that is half gone.
  for (auto* f : findChildren<EntryField*>()) f->disconnect(this);
}

SessionState& CalculatorWindow::state() { return context_.state; }
const SessionState& CalculatorWindow::state() const { return context_.state; }

EntryField* CalculatorWindow::addField(QGridLayout* grid, int row, int column, const QString& caption,
                                       const QString& name, const FieldLimit& limit) {
  auto* field = new EntryField(name, limit, this);
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption, this);
    field->setCaption(label);
    grid->addWidget(label, row, column);
  }
  grid->addWidget(field, row, column + 1);
  adoptField(field);
  return field;
}

EntryField* CalculatorWindow::addResult(QGridLayout* grid, int row, int column, const QString& caption,
                                        const QString& name, int decimals) {
  auto* field = EntryField::display(name, decimals, this);
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption, this);
    field->setCaption(label);
    grid->addWidget(label, row, column);
  }
  grid->addWidget(field, row, column + 1);
  return field;
}

void CalculatorWindow::fitToContents(Fit fit) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    fitSubWindow(sub, fit);
  else
    adjustSize();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted()) return;
  // A frame already closing (its close box) does not close again.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
}

bool CalculatorWindow::event(QEvent* e) {
  const bool handled = QWidget::event(e);
  switch (e->type()) {
    case QEvent::LayoutRequest:  // the layout has just been redone
      if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) growToMinimum(sub);
      break;
    case QEvent::WindowActivate:
      if (!activating_) {
        activating_ = true;
        activated();
        activating_ = false;
      }
      break;
    default:
      break;
  }
  return handled;
}

void CalculatorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // Activation within the main window's area: opening, a click, the Window
  // menu, Ctrl+Tab.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
      if ((now & Qt::WindowActive) && !(before & Qt::WindowActive) && !activating_) {
        activating_ = true;
        activated();
        activating_ = false;
      }
    });
  // After the main window has made this child active.
  QTimer::singleShot(0, this, [this] {
    QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused) && qobject_cast<QLineEdit*>(focused)) return;
    // Tab order from the window itself: the first typeable field gets the focus.
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
      auto* f = qobject_cast<EntryField*>(w);
      if (f && isAncestorOf(f) && !f->isReadOnly() && f->isEnabled() && (f->focusPolicy() & Qt::TabFocus) &&
          f->isVisibleTo(this)) {
        f->setFocus(Qt::TabFocusReason);
        return;
      }
    }
  });
}

void CalculatorWindow::adoptField(EntryField* field) {
  connect(field, &EntryField::refused, this, [this](const Refusal& r) { refuse(r); });
  connect(field, &EntryField::entered, this, [this, field] { lastField_ = field; });
  // A new attempt: its refusal is shown even if it reads as the last one.
  connect(field, &QLineEdit::textEdited, this, [this] { lastRefusal_.clear(); });
}

QPushButton* CalculatorWindow::addButton(const QString& name, const QString& caption, bool mainButton) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  buttons_->addWidget(button);
  if (mainButton) mainButtons_.push_back(button);
  return button;
}

void CalculatorWindow::addFrame(QWidget* frame) {
  frames_.push_back(frame);
  frame->setParent(this);
  body_->addWidget(frame);
  frame->hide();
}

void CalculatorWindow::showFrame(QWidget* frame) {
  if (!frame->isVisible()) {
    // Where the typing went before, to go back there when the frame closes.
    // A button that opened the frame took the focus only by being clicked:
    // the typing was in the last field.
    QWidget* before = focusWidget();
    if (!before || std::find(mainButtons_.begin(), mainButtons_.end(), before) != mainButtons_.end())
      before = lastField_ ? lastField_.data() : before;
    focusBefore_ = before && !frame->isAncestorOf(before) ? before : focusBefore_.data();
  }
  for (auto* b : mainButtons_) b->setEnabled(false);
  frame->show();
  frame->raise();
  fitToContents(Fit::Grow);
  scroll_->bringIntoView(frame);
  // The typing goes into the frame, never behind it.
  if (QWidget* first = firstFieldIn(frame)) first->setFocus(Qt::TabFocusReason);
}

void CalculatorWindow::hideFrame(QWidget* frame) {
  frame->hide();
  for (auto* b : mainButtons_) b->setEnabled(true);
  fitToContents(Fit::Contents);
  if (focusBefore_ && focusBefore_->isVisibleTo(this) && focusBefore_->isEnabled()) {
    focusBefore_->setFocus(Qt::TabFocusReason);
    scroll_->bringIntoView(focusBefore_);
  }
  focusBefore_ = nullptr;
}

QWidget* CalculatorWindow::firstFieldIn(QWidget* frame) {
  QWidget* firstFocusable = nullptr;
  for (QWidget* w = frame->nextInFocusChain(); w && w != frame; w = w->nextInFocusChain()) {
    if (!frame->isAncestorOf(w)) continue;
    if (!w->isVisibleTo(frame) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (auto* f = qobject_cast<EntryField*>(w); f && !f->isReadOnly()) return f;
    if (!firstFocusable) firstFocusable = w;
  }
  return firstFocusable;
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  // Esc closes the window as its close box does (a window may refuse).
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool CalculatorWindow::acceptFields() {
  for (auto* f : findChildren<EntryField*>()) {
    if (auto r = f->refusal()) {
      refuse(*r);
      return false;
    }
  }
  return true;
}

void CalculatorWindow::refuse(const Refusal& given) {
  // Every refusal names its field as the window captions it.
  Refusal r = given;
  if (auto* f = findChild<EntryField*>(QString::fromStdString(r.field)))
    r.message = captioned(f->limit(), r.message);
  const std::string key = r.field + '\n' + r.title + '\n' + r.message;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (key != lastRefusal_ || now - lastRefusalAt_ > 400)
    context_.messages.show(MessageIcon::Error, QString::fromStdString(r.title), QString::fromStdString(r.message));
  lastRefusal_ = key;
  lastRefusalAt_ = QDateTime::currentMSecsSinceEpoch();  // after the box was closed
  if (auto* w = findChild<QWidget*>(QString::fromStdString(r.field))) {
    // A refused field in a hidden frame (a stored setting) is shown.
    for (QWidget* frame : frames_)
      if (frame->isAncestorOf(w) && !frame->isVisible()) showFrame(frame);
    scroll_->bringIntoView(w);
    w->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
  }
}

void CalculatorWindow::reportFailure(const QString& title, const std::string& error) {
  context_.messages.show(MessageIcon::Error, title, QString::fromStdString(error));
}

const tax::TaxYear& CalculatorWindow::taxYear() {
  if (!state().taxYears) state().loadTaxYears();
  return state().taxYear();
}

void CalculatorWindow::offerTaxYears(SetupPanel* panel) {
  if (!state().taxYears) state().loadTaxYears();
  yearPanel_ = panel;
  const int inForce = state().taxYears->inForce(today()) ? state().taxYears->inForce(today())->year : 0;
  panel->offerTaxYears(*state().taxYears, state().TaxYearChosen, inForce);
}

void CalculatorWindow::takeTaxYear(SetupPanel* panel) {
  // A panel filled before another window chose a year writes nothing back:
  // only a choice changed in it is taken.
  if (!panel->taxYearChanged()) return;
  const int before = state().taxYear().year;
  if (!state().chooseTaxYear(panel->taxYear())) return;
  offerTaxYears(panel);
  // This window follows the year at once; the main window keeps the choice
  // and tells the others.
  if (state().taxYear().year != before) taxYearChosen();
  if (context_.taxYearChanged) context_.taxYearChanged();
}

void CalculatorWindow::followTaxYear() {
  if (yearPanel_) offerTaxYears(yearPanel_);
  taxYearChosen();
}

std::optional<SettingsRecord> CalculatorWindow::loadSettings() {
  SettingsLoad load = LoadSettings(state().SettingsDatabasePath);
  if (load.error) {
    reportFailure(tr("Settings"), *load.error);
    return std::nullopt;
  }
  // A stored value that is no number or breaks its limit is shown as it is
  // in the Setup frame, whose field then refuses it until it is corrected.
  if (load.invalid) reportFailure(QString::fromStdString(load.invalid->title), load.invalid->message);
  return load.record;
}

bool CalculatorWindow::saveSettings(const SettingsRecord& record, std::uint32_t fields) {
  if (auto e = SaveSettings(state().SettingsDatabasePath, record, fields)) {
    reportFailure(tr("Settings"), *e);
    return false;
  }
  return true;
}

bool CalculatorWindow::writeRecord(const FeedRecord& record) {
  if (auto e = writeFeedRecord(state().ReportDatabasePath, record)) {
    reportFailure(tr("Report"), *e);
    return false;
  }
  written_ = record;
  return true;
}

bool CalculatorWindow::writeRows(const FeedRows& rows) {
  if (auto e = replaceFeedRows(state().ReportDatabasePath, rows)) {
    reportFailure(tr("Report"), *e);
    return false;
  }
  writtenRows_ = rows;
  return true;
}

bool CalculatorWindow::launch(const char* reportFile, const QString& title, int choice) {
  Print p;
  p.record = std::exchange(written_, std::nullopt);
  p.rows = std::exchange(writtenRows_, std::nullopt);
  return print(reportFile, title, choice, std::move(p));
}

std::optional<CalculatorWindow::Print> CalculatorWindow::printFromFrame(PrintFrame* frame, int choice,
                                                                        const std::function<bool()>& recalculate) {
  state().PrintChoice = static_cast<std::int16_t>(choice);
  hideFrame(frame);
  const int language = frame->language();
  if (language < 0) return std::nullopt;  // neither language chosen: nothing printed
  if (!recalculate()) return std::nullopt;
  Print p;
  p.language = language;
  p.working = workingToPrint(frame->printWorking());
  return p;
}

bool CalculatorWindow::print(const char* reportFile, const QString& title, int choice, Print print) {
  PrintData data{std::move(print.record), std::move(print.rows),
                 makeReportRun(print.taxYear ? &taxYear() : nullptr, print.settings ? &*print.settings : nullptr,
                               print.settingsFields, false, print.language)};
  data.run.extras = std::move(print.extras);
  if (print.working) data.run.working = *print.working;
  return launchReport(context_.report, state(), reportFile, title, choice, std::move(data));
}

Working* CalculatorWindow::recordWorking() {
  recording_.clear();
  return &recording_;
}

void CalculatorWindow::keepWorking() {
  std::swap(working_, recording_);
  workingKept_ = true;
  // A panel hidden is filled when it is shown.
  if (workingPanel_ && workingPanel_->isVisible()) workingPanel_->setWorking(&working_);
}

QPushButton* CalculatorWindow::addWorkingButton() {
  workingPanel_ = new WorkingPanel(this);
  addFrame(workingPanel_);
  workingPanel_->setWorking(working());
  QPushButton* button = addButton(QStringLiteral("cmdWorking"), tr("Working o&ut"));
  button->setToolTip(tr("How the figures of the last calculation were worked out"));
  connect(button, &QPushButton::clicked, this, [this] {
    workingPanel_->setWorking(working());
    showFrame(workingPanel_);
    // Once the body is laid out with the panel, the whole panel in view.
    QTimer::singleShot(0, this, [this] {
      if (workingPanel_->isVisible()) scroll_->bringIntoView(workingPanel_);
    });
  });
  connect(workingPanel_, &WorkingPanel::closeRequested, this, [this] {
    hideFrame(workingPanel_);
    workingClosed();
  });
  connect(workingPanel_, &WorkingPanel::viewRequested, this, [this] {
    if (!working() || working_.empty()) return;
    Busy busy;
    // The footer names the year when it is the one the steps applied.
    const tax::TaxYear* year = working_.taxYear == taxYear().year ? &taxYear() : nullptr;
    auto pages = std::make_unique<ReportPages>(workingDocumentHtml(working_, 0, WorkingLayout::Pages),
                                               makeReportRun(year, nullptr, 0, false, 0));
    context_.report.preview(std::move(pages), QString::fromStdString(workingTitle(0)));
  });
  return button;
}

}  // namespace quorin
