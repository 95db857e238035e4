// The main window with stand-in calculators: which windows "Initialise All"
// closes, the desktop calculator fallback, and closing with the help viewer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "shell/main_window.h"
#include "test_folder.h"

using namespace quorin;

namespace {

WindowCatalogue standIns() {
  WindowCatalogue c;
  for (const char* name : {"frmMonthly", "frmFortNight", "frmAnnual", "frmLoans", "frmKwikTax"}) {
    const QString n = QString::fromLatin1(name);
    c.add(n, [n](WindowContext&) {
      auto* w = new QWidget;
      w->setObjectName(n);
      return w;
    });
  }
  return c;
}

struct CatalogueTest : ::testing::Test {
  test::TestFolder folder;
  RecordingMessageSink messages;
  MainWindow window{QString::fromStdString(folder.path()), messages, standIns()};
  void SetUp() override { window.show(); }
  void trigger(const char* action) { window.findChild<QAction*>(QString::fromLatin1(action))->trigger(); }
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
};

TEST_F(CatalogueTest, InitialiseAllLeavesFortnightlyAndRuravUvoOpen) {
  trigger("mnuMonthly");
  trigger("mnuFortNight");
  trigger("mnuAnnual");
  trigger("mnuLoans");
  trigger("RuravUvo");
  trigger("mnuContents");
  ASSERT_EQ(window.area()->subWindowList().size(), 6);
  trigger("mnuNew");
  settle();
  EXPECT_FALSE(window.child("frmMonthly"));
  EXPECT_FALSE(window.child("frmAnnual"));
  EXPECT_FALSE(window.child("frmLoans"));
  EXPECT_FALSE(window.child("frmHelpBrowser"));
  EXPECT_TRUE(window.child("frmFortNight"));
  EXPECT_TRUE(window.child("frmKwikTax"));
  // A closed calculator opens again, new.
  trigger("mnuMonthly");
  EXPECT_TRUE(window.child("frmMonthly"));
}

TEST_F(CatalogueTest, OnlyCatalogueWindowsAreOffered) {
  EXPECT_TRUE(window.findChild<QAction*>("mnuMonthly")->isEnabled());
  EXPECT_FALSE(window.findChild<QAction*>("mnuWeekly")->isEnabled());
  EXPECT_FALSE(window.openWindow("frmWeekly"));
}

TEST_F(CatalogueTest, MissingDesktopCalculatorIsSaid) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", folder.path().c_str());  // nowhere to find one
  trigger("mnuMSCalculator");
  qputenv("PATH", path);
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->text, "The Microsoft Calculator is not installed or in the Windows directory");
}

TEST_F(CatalogueTest, ClosingTheMainWindowClosesTheHelpViewerAndCalculators) {
  trigger("mnuContents");
  trigger("mnuMonthly");
  QPointer<QWidget> help = window.child("frmHelpBrowser");
  ASSERT_TRUE(help);
  trigger("mnuExit");
  settle();
  EXPECT_FALSE(help);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.area()->subWindowList().isEmpty());
}

TEST_F(CatalogueTest, AboutSitsCentredAtAQuarterOfTheHeight) {
  window.setGeometry(100, 100, 1000, 800);
  trigger("mnuAbout");
  auto* about = window.findChild<QWidget*>("frmAbout");
  ASSERT_TRUE(about);
  const QRect main = window.geometry();
  EXPECT_EQ(about->x(), main.left() + (main.width() - about->width()) / 2);
  EXPECT_EQ(about->y(), main.top() + (main.height() - about->height()) / 4);
}

}  // namespace
