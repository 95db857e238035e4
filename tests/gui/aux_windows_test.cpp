// The disclaimer, the about window and the help viewer, driven offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfDocument>
#include <QPdfView>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "shell/about_window.h"
#include "shell/disclaimer_window.h"
#include "shell/help_window.h"
#include "shell/session_state.h"
#include "shell/version.h"

using namespace quorin;

namespace {

QString builtManual() { return QStringLiteral(QUORIN_BIN_DIR "/qr2026Help.pdf"); }

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// ---- Disclaimer ------------------------------------------------------------

struct DisclaimerFixture : ::testing::Test {
  SessionState state;
  QWidget mainWindow;
  void SetUp() override {
    mainWindow.setGeometry(100, 50, 1000, 800);
    mainWindow.show();
  }
};

TEST_F(DisclaimerFixture, OkFollowsTheTickBox) {
  DisclaimerWindow dlg(state, &mainWindow);
  auto* box = dlg.findChild<QCheckBox*>(QStringLiteral("chkDisclaimerYesNo"));
  auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("cmdOk"));
  ASSERT_TRUE(box && ok);
  dlg.open();
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(ok->isEnabled());

  // A click on the disabled button does nothing.
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(state.DisclaimerAccepted);

  box->click();
  EXPECT_TRUE(ok->isEnabled());
  box->click();
  EXPECT_FALSE(ok->isEnabled());
  QTest::keyClick(box, Qt::Key_Space);  // ticked from the keyboard as well
  EXPECT_TRUE(ok->isEnabled());
}

TEST_F(DisclaimerFixture, OkWithTheBoxTickedAccepts) {
  DisclaimerWindow dlg(state, &mainWindow);
  dlg.open();
  dlg.findChild<QCheckBox*>(QStringLiteral("chkDisclaimerYesNo"))->click();
  QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
  EXPECT_TRUE(state.DisclaimerAccepted);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(DisclaimerFixture, EveryRefusalRejectsAndClearsTheFlag) {
  {  // Cancel, even with the box ticked and an earlier acceptance this run
    state.DisclaimerAccepted = true;
    DisclaimerWindow dlg(state, &mainWindow);
    dlg.open();
    dlg.findChild<QCheckBox*>(QStringLiteral("chkDisclaimerYesNo"))->click();
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_FALSE(state.DisclaimerAccepted);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
  }
  {  // Escape
    state.DisclaimerAccepted = true;
    DisclaimerWindow dlg(state, &mainWindow);
    dlg.open();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(state.DisclaimerAccepted);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
  }
  {  // the close box
    state.DisclaimerAccepted = true;
    DisclaimerWindow dlg(state, &mainWindow);
    dlg.open();
    dlg.close();
    EXPECT_FALSE(state.DisclaimerAccepted);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
  }
}

TEST_F(DisclaimerFixture, PlacedCentredAndAQuarterDownOverTheMainWindow) {
  EXPECT_EQ(DisclaimerWindow::placeOver(QRect(100, 50, 1000, 800), QSize(400, 300)), QPoint(400, 175));
  EXPECT_EQ(DisclaimerWindow::placeOver(QRect(0, 0, 300, 200), QSize(500, 400)), QPoint(-100, -50));

  mainWindow.move(200, 120);
  QCoreApplication::processEvents();
  DisclaimerWindow dlg(state, &mainWindow);
  dlg.open();
  QCoreApplication::processEvents();
  const QRect main = mainWindow.frameGeometry();
  const QRect own = dlg.frameGeometry();
  EXPECT_EQ(own.left(), main.left() + (main.width() - own.width()) / 2);
  EXPECT_EQ(own.top(), main.top() + (main.height() - own.height()) / 4);
}

// ---- About -----------------------------------------------------------------

TEST(AboutWindow, ShowsTheProgramVersion) {
  AboutWindow about;
  auto* label = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
  ASSERT_TRUE(label);
  const QString expected = QStringLiteral("Version: ") + QString::fromStdString(versionText(programVersion()));
  EXPECT_EQ(label->text(), expected);
  // major.minor(2 digits).revision(3 digits)
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version: \\d+\\.\\d{2,}\\.\\d{3,}$")).match(label->text()).hasMatch())
      << label->text().toStdString();
}

TEST(AboutWindow, OkClosesItAloneAndInsideTheMainWindow) {
  {
    AboutWindow about;
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
  }
  QMdiArea area;
  area.resize(900, 700);
  area.show();
  QPointer<AboutWindow> about = new AboutWindow;
  QPointer<QMdiSubWindow> frame = area.addSubWindow(about);
  frame->show();
  QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
  flushDeletes();
  EXPECT_TRUE(frame.isNull()) << "the empty frame stayed in the main window";
  EXPECT_TRUE(area.subWindowList().isEmpty());
}

// ---- Help viewer -----------------------------------------------------------

TEST(HelpWindow, ShowsTheBuiltManual) {
  ASSERT_TRUE(QFile::exists(builtManual())) << builtManual().toStdString();
  HelpWindow help(builtManual());
  help.show();
  EXPECT_EQ(help.objectName(), QStringLiteral("frmHelpBrowser"));
  auto* view = help.findChild<QPdfView*>(QStringLiteral("webBrowser"));
  ASSERT_TRUE(view);
  ASSERT_TRUE(view->document());
  EXPECT_EQ(view->document()->status(), QPdfDocument::Status::Ready);
  EXPECT_GT(view->document()->pageCount(), 3);
  EXPECT_EQ(view->pageMode(), QPdfView::PageMode::MultiPage);
  EXPECT_TRUE(view->isVisible());
}

TEST(HelpWindow, MissingOrBrokenManualLeavesAnEmptyViewer) {
  {
    HelpWindow help(QStringLiteral(QUORIN_BIN_DIR "/no-such-manual.pdf"));
    help.show();
    help.resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(help.document()->pageCount(), 0);
    EXPECT_NE(help.document()->status(), QPdfDocument::Status::Ready);
    EXPECT_TRUE(help.view()->isVisible());
  }
  {
    HelpWindow help(QStringLiteral(QUORIN_SOURCE_DIR "/manual/00-title.md"));  // not a PDF
    help.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(help.document()->pageCount(), 0);
  }
  {
    HelpWindow help{QString()};
    help.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(help.document()->pageCount(), 0);
  }
}

// The view is the inner area less 100 twips to the right and below, after
// every resize, also inside the main window's frame.
void expectViewFollows(const HelpWindow& help) {
  const QRect inner = help.contentsRect();
  const QRect view = help.view()->geometry();
  const double marginX = 100.0 * help.logicalDpiX() / 1440.0;
  const double marginY = 100.0 * help.logicalDpiY() / 1440.0;
  EXPECT_EQ(view.topLeft(), inner.topLeft());
  EXPECT_NEAR(view.width(), inner.width() - marginX, 1.0) << "inner width " << inner.width();
  EXPECT_NEAR(view.height(), inner.height() - marginY, 1.0) << "inner height " << inner.height();
}

TEST(HelpWindow, ViewFollowsEveryResize) {
  HelpWindow help(builtManual());
  help.show();
  for (QSize size : {QSize(200, 134), QSize(640, 480), QSize(333, 777), QSize(5, 5)}) {
    help.resize(size);
    QCoreApplication::processEvents();
    if (size.width() > 10) {
      expectViewFollows(help);
    } else {
      EXPECT_EQ(help.view()->width(), 0);
      EXPECT_EQ(help.view()->height(), 0);
    }
  }

  QMdiArea area;
  area.resize(1000, 800);
  area.show();
  auto* inFrame = new HelpWindow(builtManual());
  QMdiSubWindow* frame = area.addSubWindow(inFrame);
  frame->show();
  frame->resize(700, 500);
  QCoreApplication::processEvents();
  expectViewFollows(*inFrame);
  frame->showMaximized();
  QCoreApplication::processEvents();
  expectViewFollows(*inFrame);
}

}  // namespace
