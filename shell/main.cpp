// quorin: the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "install/data_folder.h"
#include "shell/main_window.h"
#include "widgets/message_sink.h"

int main(int argc, char** argv) {
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
  quorin::BoxMessageSink messages;
  const quorin::DataFolder data =
      quorin::chooseDataFolder(QCoreApplication::applicationDirPath().toStdString(), quorin::userDirsFromEnvironment());
  if (data.error) {
    messages.show(quorin::MessageIcon::Error, QStringLiteral("Quorin 2026"), QString::fromStdString(*data.error));
    return 1;
  }
  quorin::MainWindow window(QString::fromStdString(data.path), messages);
  if (!window.startUp()) return 1;
  return app.exec();
}
