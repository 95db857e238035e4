// Test main for the Qt layers: runs offscreen unless a platform is chosen.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdlib>

#include QUORIN_TEST_APP_HEADER

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QStandardPaths::setTestModeEnabled(true);  // keeps QSettings away from the user's own
  QUORIN_TEST_APP app(argc, argv);
  app.setOrganizationName("QuorinTests");
  app.setApplicationName("quorin-tests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
