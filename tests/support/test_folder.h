// A temporary program folder for a test: the delivered data files (report
// database, report files, manual, picture, year files) copied from the
// build, so a test can damage or change them freely.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace quorin::test {

class TestFolder {
 public:
  TestFolder() {
    QDir bin(QStringLiteral(QUORIN_BIN_DIR));
    for (const QString& name : bin.entryList({"*.rpt", "*.db", "*.jpg", "*.pdf"}, QDir::Files))
      if (name != QLatin1String("Settings.db")) QFile::copy(bin.filePath(name), dir_.filePath(name));
    QDir years(bin.filePath(QStringLiteral("tax-years")));
    QDir(dir_.path()).mkpath(QStringLiteral("tax-years"));
    for (const QString& name : years.entryList({"*.json"}, QDir::Files))
      QFile::copy(years.filePath(name), dir_.filePath(QStringLiteral("tax-years/") + name));
  }
  std::string path() const { return dir_.path().toStdString(); }
  std::string file(const char* name) const { return dir_.filePath(QString::fromUtf8(name)).toStdString(); }
  QString qfile(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

 private:
  QTemporaryDir dir_;
};

}  // namespace quorin::test
