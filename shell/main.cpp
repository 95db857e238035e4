// quorin: the desktop program.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "install/data_folder.h"
#include "report/report_store.h"
#include "shell/main_window.h"
#include "shell/start_options.h"
#include "widgets/message_sink.h"

int main(int argc, char** argv) {
  // --help, --version and a mistyped option are answered without a display.
  const quorin::StartOptions options = quorin::readStartOptions({argv + 1, argv + argc});
  if (options.action != quorin::StartOptions::Action::Run) {
    const bool usage = options.action == quorin::StartOptions::Action::Usage;
    std::fputs(options.text.c_str(), usage ? stderr : stdout);
    return usage ? quorin::kExitUsage : 0;
  }
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    std::fprintf(stderr,
                 "Quorin 2026 needs a graphical display (X11 or Wayland) and none was found.\n"
                 "Start it from a desktop session, or use the command line instead:\n"
                 "  quorin-cli --help      (every calculator, with results as JSON)\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Quorin"));
  QApplication::setApplicationName(QStringLiteral("Quorin2026"));
  // The desktop entry's name (Wayland's application id) and the icon of the
  // title bars; X11 groups the windows by the application name above,
  // which the entry names as StartupWMClass.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORIN_DESKTOP_ID));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1/quorin.png").arg(size));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorin"), icon));
  quorin::BoxMessageSink messages;
  const quorin::DataFolder data =
      quorin::chooseDataFolder(QCoreApplication::applicationDirPath().toStdString(), quorin::userDirsFromEnvironment());
  if (data.error) {
    messages.show(quorin::MessageIcon::Error, QStringLiteral("Quorin 2026"), QString::fromStdString(*data.error));
    return 1;
  }
  // A report database kept from an earlier version gets the tables and
  // fields this one prints into; its rows stay.
  if (auto e = quorin::migrateReportDatabase(data.path + "/Rudodeza.db"))
    messages.show(quorin::MessageIcon::Error, QStringLiteral("Quorin 2026"), QString::fromStdString(*e));
  quorin::MainWindow window(QString::fromStdString(data.path), QString::fromStdString(data.shipped), messages);
  if (!window.startUp()) return 1;
  return app.exec();
}
