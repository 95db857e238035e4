// Opens calculator windows in the main window as a clerk would leave them
// (figures typed, calculated, the print frame shown) and saves a picture of
// the main window for each, so anyone can look at the layout.
// Each scene is taken with the main window at the size the program chooses
// on the screen it runs on, and again at 1024x768 (names ending "-1024").
//   quorin-screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <functional>

#include "shell/main_window.h"
#include "shell/version.h"
#include "widgets/message_sink.h"

using namespace quorin;

namespace {

struct Scene {
  const char* file;
  const char* window;
  std::vector<std::pair<const char*, const char*>> typed;
  std::vector<const char*> pressed;
};

void settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents();
    QTest::qWait(40);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorin-screenshots PROGRAM_FOLDER OUTPUT_FOLDER\n");
    return 64;
  }
  const QString output = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(output);
  RecordingMessageSink messages;
  MainWindow main(QString::fromLocal8Bit(argv[1]), messages);
  main.setWindowTitle(QString::fromStdString(mainCaption(programVersion())));
  main.show();
  main.activateWindow();
  settle();

  const std::vector<Scene> scenes = {
      {"monthly-print.png",
       "frmMonthly",
       {{"silgEdit9", "40"}, {"numSalRemun", "30000"}, {"numEmpEEMedAidCont", "2500"}, {"numMedAidBens", "3"}},
       {"cmdCalculate", "cmdPrint"}},
      {"monthly-information.png", "frmMonthly", {}, {"cmdCancel", "cmdInfo"}},
      {"monthly-working.png",
       "frmMonthly",
       {{"silgEdit9", "40"}, {"numSalRemun", "30000"}, {"numEmpEEMedAidCont", "2500"}, {"numMedAidBens", "3"}},
       {"cmdCalculate", "cmdWorking"}},
      {"car-allowance-working.png",
       "frmCarAll1",
       {{"silgEdit1", "300000"}, {"silgEdit2", "60000"}},
       {"cmdCalculate", "cmdWorking"}},
      {"loans-schedule-print.png",
       "frmLoans",
       {{"numPrinAmount", "500000"}, {"numPeriod", "240"}, {"numIntRate", "10"}},
       {"cmdCalculate", "cmdMonAmort", "cmdPrint"}},
      {"loan-comparison-print.png",
       "frmLoanComp",
       {{"numBAmt", "100000"}, {"numIntRate", "12"}},
       {"cmdCalculate", "cmdPrint"}},
      {"quorin-monthly-settings.png",
       "frmQuorinMon",
       {{"numAge", "40"}, {"numNetMonSalReq", "20000"}},
       {"cmdCalculate", "cmdSettings"}},
      {"car-allowance-print.png",
       "frmCarAll1",
       {{"silgEdit1", "300000"}, {"silgEdit2", "60000"}},
       {"cmdCalculate", "cmdPrint"}},
      {"company-car.png", "frmCompCar", {}, {"cmdAdd"}},
      {"annual-settings.png", "frmAnnual", {{"silgEdit1", "40"}, {"silgEdit2", "400000"}}, {"cmdSettings"}},
      {"velmar-monthly-settings.png", "frmVelmMon", {}, {"cmdSettings"}},
      {"quorin-annual-settings.png", "frmQuorinAnn", {}, {"cmdSettings"}},
      {"monthly-tiled.png", "", {}, {}},
  };
  const QSize chosen = main.size();
  int failures = 0;
  for (const QSize size : {chosen, QSize(1024, 768)}) {
    main.showNormal();
    main.resize(size);
    settle();
    for (const Scene& scene : scenes) {
      Scene s = scene;
      // Each picture shows its window alone.
      for (QMdiSubWindow* sub : main.area()->subWindowList()) sub->close();
      settle();
      if (std::string(s.window).empty()) {
        // Eight windows tiled.
        for (const char* name : {"frmKwikTax", "frmMonthly", "frmAnnual", "frmLoans", "frmVelmMon", "frmCarAll1",
                                 "frmInflation", "frmDayBal"})
          main.openWindow(QString::fromLatin1(name));
        settle();
        for (QAction* a : main.findChildren<QAction*>(QStringLiteral("mnuTile"))) a->trigger();
        settle();
        s.window = "frmDayBal";
      } else if (std::string(s.window) == "frmCompCar") {
        // Through its menu command, which sets the main window's width for it.
        for (QAction* a : main.findChildren<QAction*>(QStringLiteral("mnuCompCar"))) a->trigger();
        settle();
      }
      QWidget* w = main.openWindow(QString::fromLatin1(s.window));
      if (!w) {
        std::fprintf(stderr, "%s: the window %s could not be opened\n", s.file, s.window);
        ++failures;
        continue;
      }
      settle();
      for (auto [name, text] : s.typed)
        if (auto* f = w->findChild<QLineEdit*>(QString::fromLatin1(name))) {
          f->setFocus();
          f->clear();
          QTest::keyClicks(f, QString::fromLatin1(text));
        }
      for (const char* name : s.pressed)
        if (auto* b = w->findChild<QAbstractButton*>(QString::fromLatin1(name));
            b && b->isVisible() && b->isEnabled()) {
          b->click();
          settle();
        }
      settle();
      QString file = QString::fromLatin1(s.file);
      if (size != chosen) file.replace(QStringLiteral(".png"), QStringLiteral("-1024.png"));
      const QString path = QDir(output).filePath(file);
      if (!main.grab().save(path)) {
        std::fprintf(stderr, "%s could not be written\n", qPrintable(path));
        ++failures;
      } else {
        std::printf("%s %dx%d\n", qPrintable(path), main.width(), main.height());
      }
      main.resize(size);  // the company car's width rule undone
      settle();
    }
  }
  for (const auto& m : messages.messages)
    std::fprintf(stderr, "message: %s: %s\n", qPrintable(m.title), qPrintable(m.text));
  return failures == 0 ? 0 : 1;
}
