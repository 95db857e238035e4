// MDIForm1: the frame of the program. Its menu opens each calculator as a
// child window (bringing an open one forward), it owns the session's shared
// values, the message sink and the one report control, and it runs start-up
// and "Initialise All".
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <functional>
#include <memory>

#include "report/report_control.h"
#include "shell/session_state.h"
#include "shell/window_catalogue.h"
#include "widgets/message_sink.h"
#include "widgets/window_context.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSettings;
class QUrl;

namespace quorin {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // programFolder: where the data files lie; messages: where message boxes
  // go (a BoxMessageSink in the program, a recorder in tests).
  MainWindow(const QString& programFolder, MessageSink& messages, WindowCatalogue catalogue = fullCatalogue(),
             QWidget* parent = nullptr)
      : MainWindow(programFolder, QString(), messages, std::move(catalogue), parent) {}
  // shippedFolder: where the files the program ships and nobody edits lie
  // (report files, year files, manual, picture), when not in programFolder.
  MainWindow(const QString& programFolder, const QString& shippedFolder, MessageSink& messages,
             WindowCatalogue catalogue = fullCatalogue(), QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up after construction: picture, caption, show, reset, paths,
  // disclaimer. Returns false when the program must end (a missing picture,
  // a refused disclaimer).
  bool startUp();

  // Shows a calculator: creates it on first use, brings it forward otherwise.
  QWidget* openWindow(const QString& name);
  // The open child window with that name, if any.
  QWidget* child(const QString& name) const;

  void InitialiseAll();

  // The status line: the tax year in use, and a warning when today's date
  // lies outside it or a year file was refused.
  void showTaxYear();
  QString taxYearStatus() const;

  SessionState& state() { return state_; }
  ReportControl& reportControl() { return report_; }
  QMdiArea* area() const { return area_; }

  // Opens a web page in the desktop's browser; false when none could be
  // started. Tests replace it.
  std::function<bool(const QUrl&)> openWebPage;

  // "Printer Setup": the printer and page that the next direct print uses.
  void printerSetup();
  // "Video Lectures": the page in the browser, or a message with its
  // address when no browser can be started.
  void openVideoLectures();

  // The per-installation store of the accepted disclaimer version.
  static long long acceptedVersion(QSettings& store);
  static void setAcceptedVersion(QSettings& store, long long version);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildWindowMenu();
  void updateWindowMenu();
  // Alt with a letter that a button of the active calculator underlines
  // presses that button before the menu bar sees the key.
  bool takeAccessKey(QEvent* event);
  void openAndCascade(const QString& name);
  // "&Company car": the window, the main window's width for it, cascade.
  void openCompanyCar();
  void openHelp();
  void showAbout();
  void startDesktopCalculator();
  void refreshBackground();
  QMdiSubWindow* subWindow(const QString& name) const;

  SessionState state_;
  MessageSink& messages_;
  ReportControl report_;
  WindowContext context_;
  WindowCatalogue catalogue_;
  QMdiArea* area_;
  QMenu* windowMenu_ = nullptr;
  QLabel* taxYearLabel_ = nullptr;
  QPixmap background_;
};

// The windows "Initialise All" closes, in order.
extern const char* const kInitialiseAllCloses[16];

}  // namespace quorin
