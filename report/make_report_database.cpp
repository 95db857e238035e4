// Build tool: writes the delivered report database (Rudodeza.db) from the
// feed table schema.
#include <QCoreApplication>
#include <cstdio>

#include "report/report_store.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.db\n", argv[0]);
    return 64;
  }
  if (auto error = quorin::createReportDatabase(argv[1])) {
    std::fprintf(stderr, "%s\n", error->c_str());
    return 1;
  }
  return 0;
}
