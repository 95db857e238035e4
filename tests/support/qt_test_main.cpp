// Test main for the Qt layers: runs offscreen unless a platform is chosen.
#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "common/clock.h"
#include "common/day_number.h"

#include QUORIN_TEST_APP_HEADER

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QStandardPaths::setTestModeEnabled(true);  // keeps QSettings away from the user's own
  // CTest runs test processes side by side: each gets its own settings folder so
  // one test's stored disclaimer answer never leaks into another's.
  QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
  QUORIN_TEST_APP app(argc, argv);
  app.setOrganizationName("QuorinTests");
  app.setApplicationName("quorin-tests");
  // Windows work in the year in force: the tests' today lies in 2026, the
  // year of their worked examples, unless a test sets another.
  quorin::setClock([] { return *quorin::dayNumber(2025, 6, 15); });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
