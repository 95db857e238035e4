#include "shell/main_window.h"

#include "common/clock.h"
#include "common/day_number.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QDate>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QStandardPaths>
#include <QUrl>

#include "shell/about_window.h"
#include "shell/window_arrangement.h"
#include "widgets/access_keys.h"
#include "widgets/calculator_window.h"
#include "widgets/window_fit.h"
#include "widgets/busy_cursor.h"
#include "shell/disclaimer_window.h"
#include "shell/help_window.h"
#include "common/twips.h"
#include "shell/version.h"

namespace quorin {

const char* const kInitialiseAllCloses[16] = {
    "frmAnnual",   "frmMonthly", "frmWeekly",     "frmDaily",      "frmCompCar",   "frmCarAll1",
    "frmHelpBrowser", "frmInflation", "frmLoans", "frmLoanBuster", "frmLoanComp",  "frmDayBal",
    "frmQuorinMon", "frmQuorinAnn", "frmVelmMon", "frmVelmAnn"};

namespace {

// The desktop's way to open a web page: xdg-open where it exists, so that
// a failure to start any browser is seen (it says so only on its standard
// error), Qt's own services otherwise.
bool openInBrowser(const QUrl& url, QObject* owner) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);
  auto* process = new QProcess(owner);
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  process->start(opener, {url.toString()});
  if (!process->waitForStarted(3000)) {
    process->deleteLater();
    return false;
  }
  // A browser already running takes the page and xdg-open ends at once; a
  // browser started anew may keep it waiting, which is success too.
  if (!process->waitForFinished(3000)) return true;
  return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}
const char* const kAcceptedVersionKey = "Disclaimer/AcceptedVersion";

}  // namespace

MainWindow::MainWindow(const QString& programFolder, const QString& shippedFolder, MessageSink& messages,
                       WindowCatalogue catalogue, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      report_(state_, messages),
      context_{state_, messages_, report_},
      catalogue_(std::move(catalogue)) {
  setObjectName(QStringLiteral("MDIForm1"));
  state_.setProgramFolder(programFolder.toStdString());
  state_.setShippedFolder(shippedFolder.toStdString());
  // The year files are read once per run; the year chosen is kept per
  // installation.
  state_.loadTaxYears();
  // 0 (the default) follows the year in force; a fixed year no longer
  // offered does too.
  state_.chooseTaxYear(QSettings().value(QStringLiteral("TaxYear"), 0).toInt());
  context_.taxYearChanged = [this] {
    QSettings().setValue(QStringLiteral("TaxYear"), state_.TaxYearChosen);
    showTaxYear();
    for (QMdiSubWindow* sub : area_->subWindowList())
      if (auto* calculator = qobject_cast<CalculatorWindow*>(sub->widget())) calculator->followTaxYear();
  };
  report_.previewParent = this;
  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->viewport()->installEventFilter(this);
  area_->installEventFilter(this);
  // A window larger than the area, or moved partly out of it, is reached
  // with scroll bars.
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->horizontalScrollBar()->setAccessibleName(tr("Scroll the windows left and right"));
  area_->verticalScrollBar()->setAccessibleName(tr("Scroll the windows up and down"));
  setCentralWidget(area_);
  // The year in use stays in view: a permanent part of the status line,
  // which menu hints and other passing messages do not wipe.
  taxYearLabel_ = new QLabel(this);
  taxYearLabel_->setObjectName(QStringLiteral("lblTaxYear"));
  taxYearLabel_->setAccessibleName(tr("Tax year in use"));
  statusBar()->addPermanentWidget(taxYearLabel_, 1);
  showTaxYear();
  openWebPage = [this](const QUrl& url) { return openInBrowser(url, this); };
  buildMenus();
  qApp->installEventFilter(this);  // access keys of the active calculator
  // No larger than the screen: the status line and the area's scroll bars
  // stay on it.
  QSize size(1100, 780);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    size = mainWindowSize(size, available);
    move(available.topLeft());
  }
  resize(size);
}

MainWindow::~MainWindow() {
  // A window that refuses to close (the company car's date rule) is still
  // there when the widgets go; the area must not call back into a main
  // window that is already being taken apart.
  area_->disconnect(this);
  area_->closeAllSubWindows();
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  auto item = [this](QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
  auto calculator = [&](QMenu* menu, const char* name, const QString& caption, const char* window, bool cascade) {
    QAction* a = item(menu, name, caption);
    const QString w = QString::fromLatin1(window);
    a->setEnabled(catalogue_.find(w) != nullptr);
    connect(a, &QAction::triggered, this, [this, w, cascade] { cascade ? openAndCascade(w) : (void)openWindow(w); });
    return a;
  };

  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  connect(item(file, "mnuNew", tr("&Initialise All")), &QAction::triggered, this, &MainWindow::InitialiseAll);
  separator(file, "Space1");
  connect(item(file, "mnuPrinterSet", tr("&Printer Setup")), &QAction::triggered, this, &MainWindow::printerSetup);
  separator(file, "Space2");
  connect(item(file, "mnuExit", tr("E&xit")), &QAction::triggered, this, &QWidget::close);

  QMenu* quorin = bar->addMenu(tr("&Quorin"));
  quorin->setObjectName(QStringLiteral("mnuQrin"));
  calculator(quorin, "mnuQrinMon", tr("&Monthly"), "frmQuorinMon", true);
  calculator(quorin, "mnuQrinAnn", tr("&Annual"), "frmQuorinAnn", true);

  QMenu* velmar = bar->addMenu(tr("V&elmar"));
  velmar->setObjectName(QStringLiteral("mnuVelm"));
  calculator(velmar, "mnuVelmMon", tr("&Monthly"), "frmVelmMon", true);
  calculator(velmar, "mnuVelmAnn", tr("&Annual"), "frmVelmAnn", true);

  QMenu* tax = bar->addMenu(tr("&TaxCalcs"));
  tax->setObjectName(QStringLiteral("mnuTaxCalc"));
  calculator(tax, "mnuAnnual", tr("&Annual"), "frmAnnual", false);
  calculator(tax, "mnuMonthly", tr("&Monthly"), "frmMonthly", false);
  calculator(tax, "mnuFortNight", tr("&FortNightly"), "frmFortNight", false);
  calculator(tax, "mnuWeekly", tr("&Weekly"), "frmWeekly", false);
  calculator(tax, "mnuDaily", tr("&Daily"), "frmDaily", false);
  calculator(tax, "mnuETI", tr("&Employment Tax Incentive"), "frmETI", false);

  QAction* kwik = bar->addAction(tr("RuravUvo"));
  kwik->setObjectName(QStringLiteral("RuravUvo"));
  kwik->setEnabled(catalogue_.find(QStringLiteral("frmKwikTax")) != nullptr);
  connect(kwik, &QAction::triggered, this, [this] { openWindow(QStringLiteral("frmKwikTax")); });

  QMenu* car = bar->addMenu(tr("&Car Calculations"));
  car->setObjectName(QStringLiteral("mnuCarCalcs"));
  QAction* compCar = item(car, "mnuCompCar", tr("&Company car"));
  compCar->setEnabled(catalogue_.find(QStringLiteral("frmCompCar")) != nullptr);
  connect(compCar, &QAction::triggered, this, &MainWindow::openCompanyCar);
  calculator(car, "mnuCarAll1", tr("Car Allowance"), "frmCarAll1", true);

  QMenu* business = bar->addMenu(tr("Bu&siness Calculations"));
  business->setObjectName(QStringLiteral("mnuBusinessCalcs"));
  calculator(business, "mnuInflationProject", tr("Inflation Projections"), "frmInflation", false);
  calculator(business, "mnuLoans", tr("Loans"), "frmLoans", false);
  calculator(business, "mnuLoansBuster", tr("Loan buster"), "frmLoanBuster", false);
  calculator(business, "mnuLoansComparison", tr("Loan comparison"), "frmLoanComp", false);
  calculator(business, "mnuDailyBalance", tr("Daily balance"), "frmDayBal", false);

  buildWindowMenu();

  QAction* calc = bar->addAction(tr("&MS-Calculator"));
  calc->setObjectName(QStringLiteral("mnuMSCalculator"));
  connect(calc, &QAction::triggered, this, &MainWindow::startDesktopCalculator);

  QMenu* help = bar->addMenu(tr("&Help/Videos"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  connect(item(help, "mnuContents", tr("Quorin 2026 Help")), &QAction::triggered, this, &MainWindow::openHelp);
  connect(item(help, "VideoLectures1", tr("Video Lectures")), &QAction::triggered, this,
          &MainWindow::openVideoLectures);
  item(help, "mnuHelpSearchForHelpOn", tr("&Search For Help On..."));
  separator(help, "Space3");
  connect(item(help, "mnuAbout", tr("&About Quorin2026...")), &QAction::triggered, this, &MainWindow::showAbout);
}

QMdiSubWindow* MainWindow::subWindow(const QString& name) const {
  for (QMdiSubWindow* sub : area_->subWindowList())
    if (sub->widget() && sub->widget()->objectName() == name) return sub;
  return nullptr;
}

QWidget* MainWindow::child(const QString& name) const {
  QMdiSubWindow* sub = subWindow(name);
  return sub ? sub->widget() : nullptr;
}

QWidget* MainWindow::openWindow(const QString& name) {
  BusyCursor busy;
  if (QMdiSubWindow* sub = subWindow(name)) {
    sub->showNormal();
    area_->setActiveSubWindow(sub);
    sub->raise();
    return sub->widget();
  }
  const WindowFactory* factory = catalogue_.find(name);
  if (!factory) return nullptr;
  QWidget* window = (*factory)(context_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow* sub = area_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(QIcon());
  window->show();
  fitSubWindow(sub);
  area_->setActiveSubWindow(sub);
  return window;
}

void MainWindow::openAndCascade(const QString& name) {
  openWindow(name);
  cascadeWindows(area_);
}

void MainWindow::openCompanyCar() {
  QWidget* car = openWindow(QStringLiteral("frmCompCar"));
  if (car && !isMinimized() && !isMaximized()) {
    // 13 405 twips wide, or as wide as the company car window needs to show
    // its two columns whole, as far as the screen allows.
    const int chrome = width() - area_->viewport()->width();
    int wanted = std::max(twipsToPixels(13405, logicalDpiX()), chrome + car->parentWidget()->sizeHint().width());
    if (const QScreen* screen = this->screen())
      wanted = std::min(wanted, mainWindowSize(QSize(wanted, height()), screen->availableGeometry()).width());
    resize(wanted, height());
  }
  cascadeWindows(area_);
}

void MainWindow::openHelp() {
  BusyCursor busy;
  if (QMdiSubWindow* sub = subWindow(QStringLiteral("frmHelpBrowser"))) {
    sub->showNormal();
    area_->setActiveSubWindow(sub);
    return;
  }
  auto* help = new HelpWindow(QString::fromStdString(state_.shippedFile("qr2026Help.pdf")));
  help->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow* sub = area_->addSubWindow(help);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  help->show();
  sub->resize(760, 620);
  area_->setActiveSubWindow(sub);
}

void MainWindow::showAbout() {
  auto* about = findChild<AboutWindow*>(QStringLiteral("frmAbout"));
  if (!about) {
    about = new AboutWindow(this);
    about->setWindowFlag(Qt::Window);
    about->setAttribute(Qt::WA_DeleteOnClose);
  }
  about->adjustSize();
  const QRect frame = geometry();
  about->move(frame.left() + (frame.width() - about->width()) / 2, frame.top() + (frame.height() - about->height()) / 4);
  about->show();
  about->raise();
}

void MainWindow::startDesktopCalculator() {
  const char* const programs[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk",
                                  "xcalc"};
  for (const char* p : programs) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(p));
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
  }
  messages_.show(MessageIcon::Information, tr("Quorin 2026"),
                 tr("The Microsoft Calculator is not installed or in the Windows directory"));
}

void MainWindow::InitialiseAll() {
  state_.reset();
  for (const char* name : kInitialiseAllCloses)
    if (QMdiSubWindow* sub = subWindow(QString::fromLatin1(name))) sub->close();
}

long long MainWindow::acceptedVersion(QSettings& store) { return store.value(kAcceptedVersionKey, 0).toLongLong(); }

void MainWindow::setAcceptedVersion(QSettings& store, long long version) {
  store.setValue(kAcceptedVersionKey, version);
  store.sync();
}

QString MainWindow::taxYearStatus() const {
  const tax::TaxYear& y = state_.taxYear();
  QString text = tr("Tax year %1 (%2 to %3)")
                     .arg(y.year)
                     .arg(QString::fromStdString(formatDay(y.firstDay)), QString::fromStdString(formatDay(y.lastDay)));
  if (!y.contains(today())) text += tr(" - today's date lies outside this tax year");
  if (state_.taxYears && !state_.taxYears->refused.empty())
    text += QStringLiteral(" - ") + QString::fromStdString(state_.taxYears->refused.front());
  return text;
}

void MainWindow::showTaxYear() { taxYearLabel_->setText(taxYearStatus()); }

bool MainWindow::startUp() {
  const QString picture = QString::fromStdString(state_.shippedFile("Qrin.jpg"));
  if (!background_.load(picture)) {
    messages_.show(MessageIcon::Error, tr("Quorin 2026"),
                   tr("The background picture %1 could not be loaded. Please reinstall Quorin 2026.").arg(picture));
    return false;
  }
  refreshBackground();
  setWindowTitle(QString::fromStdString(mainCaption(programVersion())));
  showTaxYear();
  show();
  QApplication::processEvents();
  state_.reset();  // the two database paths were set beside the program at construction

  const long long version = disclaimerNumber(programVersion());
  QSettings store;
  if (version > acceptedVersion(store)) {
    DisclaimerWindow disclaimer(state_, this);
    disclaimer.exec();
    if (!state_.DisclaimerAccepted) {
      close();
      return false;
    }
    setAcceptedVersion(store, version);
  }
  return true;
}

void MainWindow::refreshBackground() {
  if (background_.isNull()) return;
  const QSize size = area_->viewport()->size();
  area_->setBackground(QBrush(background_.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
      if (takeAccessKey(event)) return true;
      break;
    case QEvent::Resize:
      if (watched == area_->viewport()) refreshBackground();
      // The main window resized: every window keeps to the area's new size
      // (once the area has laid out its scroll bars). Scroll bars coming and
      // going alone move nothing, so that tiles larger than the area stay.
      if (watched == area_)
        QTimer::singleShot(0, area_, [this] {
          for (QMdiSubWindow* sub : area_->subWindowList()) keepInArea(sub);
        });
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::takeAccessKey(QEvent* event) {
  if (QApplication::activeWindow() != this || QApplication::activePopupWidget()) return false;
  QMdiSubWindow* active = area_->activeSubWindow();
  auto* calculator = active ? qobject_cast<CalculatorWindow*>(active->widget()) : nullptr;
  if (!calculator) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  QAbstractButton* button = accessKeyButton(calculator, *key);
  if (!button) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Taken as a key press by the window, so no menu shortcut fires.
    event->accept();
    return true;
  }
  pressAccessKey(button);
  return true;
}

void MainWindow::buildWindowMenu() {
  windowMenu_ = menuBar()->addMenu(tr("&Window"));
  windowMenu_->setObjectName(QStringLiteral("mnuWindow"));
  connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);
  connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::updateWindowMenu);
  updateWindowMenu();
}

void MainWindow::updateWindowMenu() {
  windowMenu_->clear();
  const QList<QMdiSubWindow*> windows = area_->subWindowList();
  const bool any = !windows.isEmpty();
  // Ctrl+Tab and Ctrl+Shift+Tab stay with the area itself.
  auto command = [this, any](const char* name, const QString& caption, auto slot) {
    QAction* a = windowMenu_->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(any);
    connect(a, &QAction::triggered, area_, slot);
  };
  command("mnuTile", tr("&Tile"), [this] { tileWindows(area_); });
  command("mnuCascade", tr("&Cascade"), [this] { cascadeWindows(area_); });
  command("mnuNextWindow", tr("Ne&xt\tCtrl+Tab"), [this] { area_->activateNextSubWindow(); });
  command("mnuPreviousWindow", tr("Pre&vious\tCtrl+Shift+Tab"), [this] { area_->activatePreviousSubWindow(); });
  windowMenu_->addSeparator()->setObjectName(QStringLiteral("mnuWindowListSeparator"));
  int number = 0;
  for (QMdiSubWindow* sub : windows) {
    ++number;
    const QString title = sub->windowTitle().isEmpty() && sub->widget() ? sub->widget()->windowTitle()
                                                                        : sub->windowTitle();
    QAction* a = windowMenu_->addAction(number < 10 ? tr("&%1 %2").arg(number).arg(title)
                                                    : tr("%1 %2").arg(number).arg(title));
    a->setObjectName(QStringLiteral("mnuWindowList%1").arg(number));
    a->setCheckable(true);
    a->setChecked(sub == area_->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, sub] {
      sub->showNormal();
      area_->setActiveSubWindow(sub);
    });
  }
}

void MainWindow::printerSetup() {
  if (!printerInstalled()) {
    messages_.show(MessageIcon::Information, tr("Printer Setup"), QString::fromLatin1(kNoPrinterMessage));
    return;
  }
  QPrintDialog dialog(&report_.printer(), this);
  dialog.setObjectName(QStringLiteral("dlgPrinterSetup"));
  dialog.setWindowTitle(tr("Printer Setup"));
  // The choice is kept for the next print; nothing is printed here.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(tr("OK"));
  dialog.exec();
}

void MainWindow::openVideoLectures() {
  const QString address = QString::fromLatin1(kVideoLecturesAddress);
  BusyCursor busy;
  if (openWebPage && openWebPage(QUrl(address))) return;
  messages_.show(MessageIcon::Information, tr("Video Lectures"),
                 tr("No web browser could be started to show the video lectures. "
                    "Open this address in a web browser:\n%1")
                     .arg(address));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (QMdiSubWindow* help = subWindow(QStringLiteral("frmHelpBrowser"))) help->close();
  area_->closeAllSubWindows();
  for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (w->isWindow() && w != this) w->close();
  event->accept();
}

}  // namespace quorin
