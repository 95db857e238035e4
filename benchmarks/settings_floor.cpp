// The floor of a command-line call: a bare program on Qt Core and Qt SQL
// that opens Settings.db and reads the Setup row, nothing else.
// scripts/bench-cli.sh times quorin-cli against it.
//   quorin-settings-floor FOLDER
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorin-settings-floor FOLDER\n");
    return 64;
  }
  int fields = -1;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/Settings.db"));
    if (db.open()) {
      QSqlQuery q(db);
      if (q.exec(QStringLiteral("SELECT * FROM Setup")) && q.next()) fields = q.record().count();
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("floor"));
  if (fields < 0) {
    std::fprintf(stderr, "The Setup row could not be read\n");
    return 1;
  }
  std::printf("%d\n", fields);
  return 0;
}
