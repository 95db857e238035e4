#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "shell/about_window.h"
#include "widgets/busy_cursor.h"
#include "shell/disclaimer_window.h"
#include "shell/help_window.h"
#include "shell/twips.h"
#include "shell/version.h"

namespace quorin {

const char* const kInitialiseAllCloses[16] = {
    "frmAnnual",   "frmMonthly", "frmWeekly",     "frmDaily",      "frmCompCar",   "frmCarAll1",
    "frmHelpBrowser", "frmInflation", "frmLoans", "frmLoanBuster", "frmLoanComp",  "frmDayBal",
    "frmQuorinMon", "frmQuorinAnn", "frmVelmMon", "frmVelmAnn"};

namespace {

const char* const kVideoLectures = "https://www.quorin.co.za/video-lectures";
const char* const kAcceptedVersionKey = "Disclaimer/AcceptedVersion";

}  // namespace

MainWindow::MainWindow(const QString& programFolder, MessageSink& messages, WindowCatalogue catalogue, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      report_(state_, messages),
      context_{state_, messages_, report_},
      catalogue_(std::move(catalogue)) {
  setObjectName(QStringLiteral("MDIForm1"));
  state_.setProgramFolder(programFolder.toStdString());
  report_.previewParent = this;
  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->viewport()->installEventFilter(this);
  setCentralWidget(area_);
  buildMenus();
  resize(1100, 780);
}

MainWindow::~MainWindow() {
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
  connect(item(file, "mnuPrinterSet", tr("&Printer Setup")), &QAction::triggered, this, [this] {
    QPrintDialog dialog(&report_.printer(), this);  // any error or cancel is of no consequence
    dialog.exec();
  });
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

  QAction* kwik = bar->addAction(tr("RuravUvo"));
  kwik->setObjectName(QStringLiteral("RuravUvo"));
  kwik->setEnabled(catalogue_.find(QStringLiteral("frmKwikTax")) != nullptr);
  connect(kwik, &QAction::triggered, this, [this] { openWindow(QStringLiteral("frmKwikTax")); });

  QMenu* car = bar->addMenu(tr("&Car Calculations"));
  car->setObjectName(QStringLiteral("mnuCarCalcs"));
  QAction* compCar = item(car, "mnuCompCar", tr("&Company car"));
  compCar->setEnabled(catalogue_.find(QStringLiteral("frmCompCar")) != nullptr);
  connect(compCar, &QAction::triggered, this, [this] {
    openWindow(QStringLiteral("frmCompCar"));
    if (!isMinimized() && !isMaximized()) resize(twipsToPixels(13405, logicalDpiX()), height());
    area_->cascadeSubWindows();
  });
  calculator(car, "mnuCarAll1", tr("Car Allowance"), "frmCarAll1", true);

  QMenu* business = bar->addMenu(tr("Bu&siness Calculations"));
  business->setObjectName(QStringLiteral("mnuBusinessCalcs"));
  calculator(business, "mnuInflationProject", tr("Inflation Projections"), "frmInflation", false);
  calculator(business, "mnuLoans", tr("Loans"), "frmLoans", false);
  calculator(business, "mnuLoansBuster", tr("Loan buster"), "frmLoanBuster", false);
  calculator(business, "mnuLoansComparison", tr("Loan comparison"), "frmLoanComp", false);
  calculator(business, "mnuDailyBalance", tr("Daily balance"), "frmDayBal", false);

  QAction* calc = bar->addAction(tr("&MS-Calculator"));
  calc->setObjectName(QStringLiteral("mnuMSCalculator"));
  connect(calc, &QAction::triggered, this, &MainWindow::startDesktopCalculator);

  QMenu* help = bar->addMenu(tr("&Help/Videos"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  connect(item(help, "mnuContents", tr("Quorin 2026 Help")), &QAction::triggered, this, &MainWindow::openHelp);
  connect(item(help, "VideoLectures1", tr("Video Lectures")), &QAction::triggered, this,
          [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kVideoLectures))); });
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
  sub->adjustSize();
  area_->setActiveSubWindow(sub);
  return window;
}

void MainWindow::openAndCascade(const QString& name) {
  openWindow(name);
  area_->cascadeSubWindows();
}

void MainWindow::openHelp() {
  BusyCursor busy;
  if (QMdiSubWindow* sub = subWindow(QStringLiteral("frmHelpBrowser"))) {
    sub->showNormal();
    area_->setActiveSubWindow(sub);
    return;
  }
  auto* help = new HelpWindow(QString::fromStdString(state_.pathBesideProgram("qr2026Help.pdf")));
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

bool MainWindow::startUp() {
  const QString picture = QString::fromStdString(state_.pathBesideProgram("Qrin.jpg"));
  if (!background_.load(picture)) {
    messages_.show(MessageIcon::Error, tr("Quorin 2026"),
                   tr("The background picture %1 could not be loaded. Please reinstall Quorin 2026.").arg(picture));
    return false;
  }
  refreshBackground();
  setWindowTitle(QString::fromStdString(mainCaption(programVersion())));
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
  if (watched == area_->viewport() && event->type() == QEvent::Resize) refreshBackground();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (QMdiSubWindow* help = subWindow(QStringLiteral("frmHelpBrowser"))) help->close();
  area_->closeAllSubWindows();
  for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (w->isWindow() && w != this) w->close();
  event->accept();
}

}  // namespace quorin
